#pragma once

#include "store/engine.h"

#include <optional>

namespace corvanna {

class Connection;

// The captions ("Guest Name", "Check-Out Date", ...) of the values that differ, comma-separated.
QString changedFields(const RowVersion& before, const RowVersion& now);

// One reservation as the editor read it, on the file or the server; nothing when no row has the
// id (a whole number). On the file the version is the stored values themselves, with their types.
std::optional<RowVersion> readRowVersion(Connection& connection, const QString& id);

// A save over a row read before: begins a transaction that keeps every other writer out (the
// file's write lock, the server's row lock) and reads the row as it stands, so that nobody
// changes it between the check and the update. Rolled back unless committed.
class RowLock {
public:
    RowLock(Connection& connection, const QString& id); // throws Failure
    ~RowLock();
    RowLock(const RowLock&) = delete;
    RowLock& operator=(const RowLock&) = delete;

    const std::optional<RowVersion>& row() const { return m_row; }
    void commit(); // throws Failure; the transaction is rolled back then
    void release();

private:
    Connection& m_connection;
    std::optional<RowVersion> m_row;
    bool m_open = false;
};

} // namespace corvanna
