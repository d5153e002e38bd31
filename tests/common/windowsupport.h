#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace corvanna::test {

// A window's control found by its object name; a missing or mistyped control ends the test run.
template <class T> T* control(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no control %s of the expected type", qPrintable(window.objectName()), name);
    return found;
}

} // namespace corvanna::test
