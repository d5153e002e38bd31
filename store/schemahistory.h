#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct sqlite3;
struct pg_conn;

namespace corvanna {

class Connection;
class Engine;

// One numbered step of the database's schema: what it adds beside tblRooms, in the file's words
// and the server's. Step n brings a database from version n - 1 to n; each step is applied in a
// transaction of its own and recorded with it, so a step is either wholly there or not at all.
struct SchemaStep {
    int number = 0;
    QStringList file;
    QStringList server;
    // A select that finds what the step adds (a row when present), on the file and on the
    // server. For the steps made before the history was kept: a database that records no
    // version but already holds every earlier step's objects is taken to be at that step,
    // untouched. A file that holds what a later step makes has the step recorded, not run.
    const char* fileProbe = nullptr;
    const char* serverProbe = nullptr;
    // A step the database works without (indexes; rows that say nothing): one that cannot take
    // it (a read-only file, a server login without the right to create) works as it is, no
    // problem is reported, and the next open tries again.
    bool optional = false;
};

// The program's schema history, oldest step first. Adding a table: append a step with the next
// number, its file and server texts, and a test that upgrades the previous generation.
const std::vector<SchemaStep>& schemaHistory();
// The newest step this program knows.
int newestSchemaVersion(const std::vector<SchemaStep>& steps = schemaHistory());

// The message for a database written by a newer program; such a database is never written.
QString newerSchemaMessage(int found, int known);

// The version the file records, or, when it records none, the steps made before the history that
// it already holds. Throws Failure with the engine's words when it cannot be read.
int fileSchemaVersion(sqlite3* db, const std::vector<SchemaStep>& steps = schemaHistory());
// Throws Failure(newerSchemaMessage) when the file was written by a newer program.
void refuseNewerFile(sqlite3* db, const std::vector<SchemaStep>& steps = schemaHistory());

// The lock under which a server's schema is created or changed: two desks opening an older
// database apply each step once.
const char* serverSchemaLock();

// The same on a server: the one-row version table, else the steps made before it.
int serverSchemaVersion(pg_conn* conn, const std::vector<SchemaStep>& steps = schemaHistory());
// Applies the server's missing steps, each in a transaction under the schema's advisory lock;
// `creating` is true while the whole schema is made in one transaction already under way (a new
// database). Throws Failure with the server's words, or newerSchemaMessage.
void upgradeServerSchema(pg_conn* conn, const std::vector<SchemaStep>& steps = schemaHistory(),
                         bool creating = false);

// On a server database that cannot take the stay tables (no right to create): an empty stand-in
// of the stay table for this session, so that the day views read every stay as expected. True
// when it made one for a database that keeps everything before the stay: it works as it did.
bool standInForStays(pg_conn* conn, const std::vector<SchemaStep>& steps = schemaHistory());

// The same on the file's engine, each step under the file's write lock.
void upgradeFileSchema(Engine& file, const std::vector<SchemaStep>& steps);

// Brings the open database to the newest step. A file that cannot be written (read-only) and
// lacks a step is reported with the engine's words and left as it is. Throws Failure.
void upgradeSchema(Connection& connection, const std::vector<SchemaStep>& steps = schemaHistory());
// True when upgradeSchema has steps to write on this database (the desk is told it may take a
// while on a long history); false when it has none or cannot tell.
bool schemaBehind(Connection& connection, const std::vector<SchemaStep>& steps = schemaHistory());
// Runs upgradeSchema; the engine's words when it failed, else the empty text.
QString schemaUpgradeProblem(Connection& connection);

} // namespace corvanna
