#include "rowlock.h"

#include "base/failure.h"
#include "connection.h"

namespace corvanna {

QString changedFields(const RowVersion& before, const RowVersion& now) {
    static const char* const kCaptions[] = {"Guest Name",    "Accommodation",  "Number of Rooms",
                                            "Type",          "Services",       "Number of Persons",
                                            "Check-In Date", "Check-Out Date", "Card Type",
                                            "Card Number",   "Phone Number",   "Address"};
    QStringList names;
    for (qsizetype i = 0; i < 12; ++i)
        if (before.values.value(i) != now.values.value(i))
            names << QString::fromLatin1(kCaptions[i]);
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
