#include "rowlock.h"

#include "base/failure.h"
#include "connection.h"

#include <QCoreApplication>

namespace corvanna {

QString changedFields(const RowVersion& before, const RowVersion& now) {
    static const char* const kCaptions[] = {QT_TRANSLATE_NOOP("RowLock", "Guest Name"),
                                            QT_TRANSLATE_NOOP("RowLock", "Accommodation"),
                                            QT_TRANSLATE_NOOP("RowLock", "Number of Rooms"),
                                            QT_TRANSLATE_NOOP("RowLock", "Type"),
                                            QT_TRANSLATE_NOOP("RowLock", "Services"),
                                            QT_TRANSLATE_NOOP("RowLock", "Number of Persons"),
                                            QT_TRANSLATE_NOOP("RowLock", "Check-In Date"),
                                            QT_TRANSLATE_NOOP("RowLock", "Check-Out Date"),
                                            QT_TRANSLATE_NOOP("RowLock", "Card Type"),
                                            QT_TRANSLATE_NOOP("RowLock", "Card Number"),
                                            QT_TRANSLATE_NOOP("RowLock", "Phone Number"),
                                            QT_TRANSLATE_NOOP("RowLock", "Address")};
    QStringList names;
    for (qsizetype i = 0; i < 12; ++i)
        if (before.values.value(i) != now.values.value(i))
            names << QCoreApplication::translate("RowLock", kCaptions[i]);
    return names.join(QStringLiteral(", "));
}
std::optional<RowVersion> readRowVersion(Connection& connection, const QString& id) {
    return connection.engine().readRow(id);
}

RowLock::RowLock(Connection& connection, const QString& id)
    : m_connection(connection) {
    m_row = connection.engine().lockRow(id);
    m_open = true;
}

RowLock::~RowLock() {
    release();
}

void RowLock::commit() {
    if (!m_open) return;
    try {
        m_connection.engine().commit();
    } catch (...) {
        release();
        throw;
    }
    m_open = false;
}

void RowLock::release() {
    if (!m_open) return;
    m_open = false;
    if (m_connection.state() != 0) m_connection.engine().rollback();
}

} // namespace corvanna
