#include "base/dialogs.h"

#include "base/product.h"

#include <QCoreApplication>

namespace corvanna {

Answer Dialogs::show(Message message) {
    if (message.title.isEmpty()) message.title = applicationTitle();
    return present(message);
}

namespace {
QString& storedTitle() {
    static QString title = kProductName; // until start-up sets it
    return title;
}
} // namespace

QString applicationTitle() {
    return storedTitle();
}

void setApplicationTitle(const QString& title) {
    storedTitle() = title;
    QCoreApplication::setApplicationName(title); // the name in the task list
}

} // namespace corvanna
