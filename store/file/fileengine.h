#pragma once

#include "store/engine.h"

#include <QByteArray>
#include <QSqlQuery>
#include <map>

#include <QString>
#include <atomic>
#include <memory>

struct sqlite3_stmt;

namespace corvanna {

// Prepared selects of our own not in use, by their text; finalised when the file closes.
struct KeptSelects {
    std::map<QByteArray, sqlite3_stmt*> idle;
    KeptSelects() = default;
    KeptSelects(const KeptSelects&) = delete;
    KeptSelects& operator=(const KeptSelects&) = delete;
    ~KeptSelects();
};

// Every program that has the database open holds a shared lock on "<database>.inuse" beside it
// (flock, so the engine's own locks on the database are never touched); a restore needs it alone.
// Returns the lock file's descriptor, or -1 when the lock could not be had without waiting
// (`alone`: no other holder) or the file could not be made.
int lockDatabaseInUse(const QString& database, bool alone);
// Gives the lock up; the last holder removes the lock file.
void unlockDatabaseInUse(int fd, const QString& database);

// The desk's own database file, through SQLite: one connection for the program's whole run,
// every save fully synced through the rollback journal, the whole file checked before the first
// write, and a damaged file never written again.
class FileEngine final : public Engine {
public:
    // The engine's connection takes the program's name for it ("dbConnection").
    explicit FileEngine(QString connectionName);
    ~FileEngine() override;
    FileEngine(const FileEngine&) = delete;
    FileEngine& operator=(const FileEngine&) = delete;

    // Opens the file for reading and writing (never creating it), or for reading only; throws
    // Failure with the engine's words when it is missing, is not the reservation database, or
    // was written by a newer program.
    void open(const QString& path, bool readOnly = false);

    bool isOpen() const override;
    void close() override;

    int execute(const QString& statement) override;
    std::unique_ptr<EngineCursor> select(const QString& statement) override;
    int execute(const OwnStatement& statement, const QVariantList& values) override;
    std::unique_ptr<EngineCursor> select(const OwnStatement& statement,
                                         const QStringList& values) override;

    void upgradeSchema(const std::vector<SchemaStep>& steps) override;
    bool schemaBehind(const std::vector<SchemaStep>& steps) override;

    std::optional<RowVersion> readRow(const QString& id) override;
    std::optional<RowVersion> lockRow(const QString& id) override;
    void commit() override;
    void rollback() noexcept override;
    bool inTransaction() const override;

    bool takeChanges() override;
    void setLockWait(int ms) override;
    void noteFailure(int engineCode) override;
    bool damaged() const override { return m_damaged; }
    void startBackgroundCheck() override;
    QString description() const override { return m_path; }
    bool openElsewhere() override;

    bool has(Capability capability) const override {
        return capability == Capability::FileBackups || capability == Capability::TextWithNul;
    }
    sqlite3* fileHandle() const override;
    // A read-only engine on the same file for a worker thread; it leaves the in-use lock to this
    // one. Empty for a file that has no name (in memory, temporary).
    ReaderFactory reader() const override;
    std::function<void()> canceller() override;

private:
    struct BackgroundCheck;
    void checkBeforeFirstWrite();
    void stopBackgroundCheck();
    std::unique_ptr<EngineCursor> prepare(const QByteArray& sql, const QStringList& values,
                                          bool keep = false);
    void dropKeptStatements();
    void run(const char* sql);
    // Opens the file now at the engine's path again when the one open was replaced (another
    // program's restore renamed a file over it): true when it did.
    bool reopenWhenReplaced(sqlite3* db);

    QString m_name;
    QString m_path;
    // Our own changes, prepared once per text and run again with new values (the save's
    // pricing is a long statement whose preparing would cost more than its run).
    std::map<QByteArray, QSqlQuery> m_prepared;
    // Our own selects that cursors have done with, reset and kept to be run again while the
    // file stays open; a cursor that outlives the file finalises its own.
    std::shared_ptr<KeptSelects> m_keptSelects;
    // The whole-file check, started on a connection of its own once the window is up so that
    // the first save does not wait for all of it.
    std::unique_ptr<BackgroundCheck> m_background;
    bool m_damaged = false;
    bool m_checked = false;
    // Another program's commits: the connection's data version when last looked at.
    sqlite3* m_watched = nullptr;
    qint64 m_dataVersion = 0;
    // The shared lock that tells a restore elsewhere the file is in use.
    int m_inUse = -1;
    // A reader's stop: set, the engine takes no in-use lock, and its waits for another
    // connection's lock end once it is raised.
    const std::atomic<bool>* m_readerStop = nullptr;
};

} // namespace corvanna
