#include "rowlock.h"

#include "base/failure.h"
#include "connection.h"

#include <sqlite3.h>

namespace corvanna {

namespace {
constexpr const char* kReadRow =
    "select GuestName, Accommodation, NoOfRooms, Type, ServiceIncluded, NoOfPersons, "
    "CheckInDate, CheckOutDate, CreditCardType, CreditCardNo, PhoneNumber, Address "
    "from tblRooms where id = ?1";

[[noreturn]] void fail(Connection& connection, int rc, const QString& words) {
    connection.noteFailure(rc);
    throw Failure(words);
}

sqlite3* fileOf(Connection& connection) {
    sqlite3* db = connection.handle();
    if (!db) throw Failure(kObjectClosed);
    return db;
}

std::optional<RowVersion> fileRow(Connection& connection, const QString& id) {
    sqlite3* db = fileOf(connection);
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, kReadRow, -1, &st, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_bind_int64(st, 1, id.toLongLong());
    if (rc == SQLITE_OK) rc = sqlite3_step(st);
    std::optional<RowVersion> row;
    if (rc == SQLITE_ROW) {
        row.emplace();
        // The version tells every stored difference, a value's type included (2 and '2').
        QByteArray version;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const int type = sqlite3_column_type(st, c); // before the text form converts it
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            const int size = sqlite3_column_bytes(st, c);
            row->values << QString::fromUtf8(text, size);
            version += QByteArray::number(type) + ':' + QByteArray::number(size) + ':' +
                       QByteArray(text, size) + ';';
        }
        row->version = QString::fromLatin1(version.toHex());
        rc = SQLITE_DONE;
    }
    const QString words = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) fail(connection, rc, words);
    return row;
}

void run(Connection& connection, const char* sql) {
    sqlite3* db = fileOf(connection);
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) fail(connection, rc, QString::fromUtf8(sqlite3_errmsg(db)));
}
} // namespace

std::optional<RowVersion> readRowVersion(Connection& connection, const QString& id) {
    if (ServerLink* server = connection.server()) return server->readRow(id);
    return fileRow(connection, id);
}

RowLock::RowLock(Connection& connection, const QString& id)
    : m_connection(connection) {
    if (ServerLink* server = connection.server()) {
        m_row = server->lockRow(id);
        m_open = true;
        return;
    }
    // The write lock at once: another program may still read, but not write, until the end.
    run(connection, "begin immediate");
    m_open = true;
    try {
        m_row = fileRow(connection, id);
    } catch (...) {
        release();
        throw;
    }
}

RowLock::~RowLock() {
    release();
}

void RowLock::commit() {
    if (!m_open) return;
    try {
        if (ServerLink* server = m_connection.server())
            server->commit();
        else
            run(m_connection, "commit");
    } catch (...) {
        release();
        throw;
    }
    m_open = false;
}

void RowLock::release() {
    if (!m_open) return;
    m_open = false;
    if (ServerLink* server = m_connection.server()) {
        server->rollback();
    } else if (sqlite3* db = m_connection.handle(); db && !sqlite3_get_autocommit(db)) {
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
    }
}

} // namespace corvanna
