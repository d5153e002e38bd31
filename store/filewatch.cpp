#include "filewatch.h"

#include "connection.h"

#include <optional>
#include <sqlite3.h>

namespace corvanna {

namespace {
// The connection's data version, or nothing when the file cannot be read at once.
std::optional<qint64> dataVersion(sqlite3* db) {
    // A writer holding the file is not waited for: the poll must never hold up the window.
    sqlite3_busy_timeout(db, 0);
    sqlite3_stmt* st = nullptr;
    std::optional<qint64> version;
    if (sqlite3_prepare_v2(db, "PRAGMA data_version", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        version = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    sqlite3_busy_timeout(db, Connection::kBusyTimeoutMs);
    return version;
}

bool statementUnderWay(sqlite3* db) {
    if (!sqlite3_get_autocommit(db)) return true;
    for (sqlite3_stmt* st = sqlite3_next_stmt(db, nullptr); st; st = sqlite3_next_stmt(db, st))
        if (sqlite3_stmt_busy(st)) return true;
    return false;
}
} // namespace

bool FileChangeWatch::takeChanges(Connection& connection) {
    sqlite3* db = connection.handle();
    if (!db) {
        m_db = nullptr;
        return false;
    }
    if (statementUnderWay(db)) return false;
    const std::optional<qint64> version = dataVersion(db);
    if (!version) return false;
    // A connection opened anew (a restore) counts its versions afresh.
    const bool changed = db == m_db && *version != m_version;
    m_db = db;
    m_version = *version;
    return changed;
}

} // namespace corvanna
