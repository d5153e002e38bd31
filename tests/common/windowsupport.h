#pragma once

#include "list/reservationmodel.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace corvanna::test {

// A window's control found by its object name; a missing or mistyped control ends the test run.
template <class T> T* control(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no control %s of the expected type", qPrintable(window.objectName()), name);
    return found;
}

// The guest names a list shows, top to bottom.
inline QStringList shownNames(const ReservationModel& model) {
    QStringList names;
    for (int r = 0; r < model.rowCount(); ++r)
        names << model.cellText(r, ReservationModel::GuestName);
    return names;
}

} // namespace corvanna::test
