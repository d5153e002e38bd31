#pragma once

#include "connection.h"

namespace corvanna {

// A write of several statements of our own: begun under the file's write lock (or as the
// server's transaction), rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Connection& connection)
        : m_connection(connection) {
        m_connection.execute(kBegin);
    }
    ~Transaction() {
        if (!m_done) m_connection.engine().rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit() {
        m_connection.execute(kCommit);
        m_done = true;
    }
    void rollback() {
        m_connection.engine().rollback();
        m_done = true;
    }

private:
    static constexpr OwnStatement kBegin{"begin immediate", "begin"};
    static constexpr OwnStatement kCommit{"commit", "commit"};
    Connection& m_connection;
    bool m_done = false;
};

// Erased values leave no trace in the file: while it lives, the pages and cells SQLite frees are
// overwritten with zeros. Nothing to do on a server.
class SecureDelete {
public:
    explicit SecureDelete(Connection& connection)
        : m_connection(connection) {
        m_connection.execute(kOn);
    }
    ~SecureDelete() {
        try {
            m_connection.execute(kOff);
        } catch (...) {
            // The connection keeps zeroing freed pages: slower deletes, nothing lost.
        }
    }
    SecureDelete(const SecureDelete&) = delete;
    SecureDelete& operator=(const SecureDelete&) = delete;

private:
    static constexpr OwnStatement kOn{"PRAGMA secure_delete = ON", "select 1"};
    static constexpr OwnStatement kOff{"PRAGMA secure_delete = OFF", "select 1"};
    Connection& m_connection;
};

} // namespace corvanna
