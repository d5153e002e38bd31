#pragma once

#include "ownstatement.h"
#include "rowcursor.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace corvanna {

class ServerLink;
struct SchemaStep;

// One reservation as a desk read it: a version that changes with any stored difference (the
// server's row version; on the file the stored values with their types) and the twelve written
// values, so that a later save can tell whether someone changed the row meanwhile.
struct RowVersion {
    QString version;
    QStringList values; // GuestName .. Address, in the table's order; null reads as empty
};

// The rows of one select, front to back, as an engine reads them.
class EngineCursor : public RowCursor {
public:
    virtual bool eof() const = 0;
    virtual void moveNext() = 0; // throws Failure when the engine cannot give the next row
    // The column's position, matched without regard to case, or -1.
    virtual int columnOf(const char* name) const = 0;
};

// What an engine can do that the other cannot, asked for by name above the store.
enum class Capability {
    FileBackups,    // the file's own copies: the day's copy, Back Up Now, Restore
    SharedDatabase, // other desks share the database (a server): the caption names it
    TextWithNul,    // a text may hold a NUL character (the file joins it in as char(0))
};

class Engine;

// Opens a second engine on the same database, for reading only, with a session of its own (a
// worker thread's): called on the thread that uses it, which also destroys it there. Its waits
// for another connection's lock end once `stop` is raised (from any thread; it outlives the
// engine). Throws Failure when it cannot be opened.
using ReaderFactory = std::function<std::unique_ptr<Engine>(const std::atomic<bool>& stop)>;

// One database engine behind the connection, chosen once when it opens: the file
// (store/file/fileengine.h, SQLite) or a server (store/server/serverengine.h, PostgreSQL). Every
// failure is a Failure with the engine's words.
class Engine {
public:
    virtual ~Engine() = default;

    virtual bool isOpen() const = 0;
    virtual void close() = 0;

    // The six statements of the reservation table, written in the desk's dialect (dates as
    // #mm/dd/yyyy#, bracketed names); each engine translates them to its own.
    virtual int execute(const QString& statement) = 0;
    virtual std::unique_ptr<EngineCursor> select(const QString& statement) = 0;
    // Our own statements in the engine's dialect, their values bound as parameters.
    virtual int execute(const OwnStatement& statement, const QVariantList& values) = 0;
    virtual std::unique_ptr<EngineCursor> select(const OwnStatement& statement,
                                                 const QStringList& values) = 0;

    // Brings the database to the newest step of the schema history (store/schemahistory.h).
    virtual void upgradeSchema(const std::vector<SchemaStep>& steps) = 0;
    // True when the database lacks a step it can take: upgradeSchema will write (and, on a long
    // history, take a while). False when unknown.
    virtual bool schemaBehind(const std::vector<SchemaStep>& steps) {
        (void)steps;
        return false;
    }

    // One reservation as it stands, with a version that tells any later change.
    virtual std::optional<RowVersion> readRow(const QString& id) = 0;
    // Begins a transaction that keeps other writers away from the row, and reads it.
    virtual std::optional<RowVersion> lockRow(const QString& id) = 0;
    virtual void commit() = 0;
    virtual void rollback() noexcept = 0;
    // True while a transaction is under way on the session (a save's).
    virtual bool inTransaction() const { return false; }

    // True when another program or desk committed a change since the last call. Never waits.
    virtual bool takeChanges() = 0;
    // How long a statement waits for another program's or desk's lock before it fails.
    virtual void setLockWait(int ms) = 0;
    // True when the engine lost its session since the last statement (the next one reopens).
    virtual bool lost() const { return false; }
    // A file the engine found damaged is never written again.
    virtual void noteFailure(int engineCode) { (void)engineCode; }
    virtual bool damaged() const { return false; }
    // The whole database checked in the background while the desk works, where it applies.
    virtual void startBackgroundCheck() {}
    // The database in use, as the desk names it.
    virtual QString description() const = 0;
    // True when another program has the database open (the file: its in-use lock is shared).
    virtual bool openElsewhere() { return false; }

    virtual bool has(Capability capability) const = 0;
    // Capabilities, asked for by name: the file's handle (its own backups and checks), the
    // server's session (its password and notices). Null where the engine has none.
    virtual sqlite3* fileHandle() const { return nullptr; }
    virtual ServerLink* serverSession() { return nullptr; }

    // A second engine on this database for a reader of its own; empty where none can be had (an
    // in-memory file, a copy standing in for a server, a closed engine).
    virtual ReaderFactory reader() const { return {}; }
    // A call that, from any thread, makes the statement under way end soon with a failure;
    // valid until the engine closes. Empty where the engine has none.
    virtual std::function<void()> canceller() { return {}; }
};

} // namespace corvanna
