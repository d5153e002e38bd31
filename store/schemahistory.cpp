#include "schemahistory.h"

#include "base/failure.h"
#include "connection.h"

#include <QCoreApplication>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace corvanna {

namespace {

constexpr const char* kSchemaLock = "select pg_advisory_xact_lock(19640207)";

// The server's version table: one row, the newest step applied.
constexpr const char* kCreateVersionTable =
    "create table if not exists corvanna_schema (one boolean primary key default true "
    "check (one), version integer not null)";
constexpr const char* kHasVersionTable =
    "select 1 where to_regclass('corvanna_schema') is not null";
constexpr const char* kReadServerVersion = "select version from corvanna_schema";
constexpr const char* kWriteServerVersion =
    "insert into corvanna_schema (one, version) values (true, $1::integer) "
    "on conflict (one) do update set version = excluded.version";

// The stay table's empty stand-in on a database that cannot take the stay tables, so that the
// day views read it as one where every stay is expected.
// The step before the stay's: a database that has it but cannot take the stay's works without it.
constexpr int kLastStepBeforeStays = 2;
constexpr const char* kHasFileStays =
    "select 1 from main.sqlite_master where type='table' and name='tblStays'";
constexpr const char* kFileStaysStandIn =
    "create temp table if not exists tblStays (ReservationId integer primary key, Status text, "
    "CancelReason text, CheckedInAt text, CheckedOutAt text)";
constexpr const char* kServerStaysStandIn =
    "create temp table if not exists tblStays (ReservationId bigint primary key, Status text, "
    "CancelReason text, CheckedInAt timestamptz, CheckedOutAt timestamptz)";

const std::vector<SchemaStep> kHistory = {
    {1,
     // How many units of each kind and type the hotel has; whole units, none below zero.
     {QStringLiteral("CREATE TABLE IF NOT EXISTS tblInventory (Kind TEXT NOT NULL, Type TEXT NOT "
                     "NULL, Units INTEGER NOT NULL CHECK (typeof(Units) = 'integer' AND Units >= "
                     "0), PRIMARY KEY (Kind, Type))")},
     {QStringLiteral("create table if not exists tblInventory (Kind text not null, Type text "
                     "not null, Units bigint not null check (Units >= 0), "
                     "primary key (Kind, Type))")},
     "select 1 from sqlite_master where type='table' and name='tblInventory'",
     "select 1 where to_regclass('tblinventory') is not null"},
    {2,
     // The longest stay, read at once: it bounds how far back a stay can begin.
     {QStringLiteral("CREATE INDEX IF NOT EXISTS idxRoomsStayLength ON tblRooms "
                     "(julianday(CheckOutDate) - julianday(CheckInDate))")},
     {QStringLiteral("create index if not exists idxRoomsStayLength on tblRooms "
                     "((CheckOutDate - CheckInDate))")},
     "select 1 from sqlite_master where type='index' and name='idxRoomsStayLength'",
     "select 1 where to_regclass('idxroomsstaylength') is not null"},
    {3,
     // The stay: the hotel's units, each reservation's status and the units it holds by night,
     // and the log that lets the last check-in or check-out be undone.
     {QStringLiteral("CREATE TABLE IF NOT EXISTS tblUnits (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                     "Name TEXT NOT NULL UNIQUE CHECK (trim(Name) <> ''), Kind TEXT NOT NULL, "
                     "Type TEXT NOT NULL, Area TEXT, InService INTEGER NOT NULL DEFAULT 1 CHECK "
                     "(InService IN (0, 1)))"),
      QStringLiteral("CREATE TABLE IF NOT EXISTS tblStays (ReservationId INTEGER PRIMARY KEY, "
                     "Status TEXT NOT NULL CHECK (Status IN ('expected', 'in house', 'checked "
                     "out', 'cancelled', 'no-show')), CancelReason TEXT NOT NULL DEFAULT 'none' "
                     "CHECK (CancelReason IN ('none', 'by guest', 'by hotel')), CheckedInAt TEXT, "
                     "CheckedOutAt TEXT)"),
      // Nights [FromNight, ToNight) of a unit, as ISO dates.
      QStringLiteral("CREATE TABLE IF NOT EXISTS tblStayUnits (ReservationId INTEGER NOT NULL, "
                     "UnitId INTEGER NOT NULL, FromNight TEXT NOT NULL, ToNight TEXT NOT NULL, "
                     "CHECK (FromNight < ToNight), PRIMARY KEY (ReservationId, FromNight))"),
      QStringLiteral("CREATE INDEX IF NOT EXISTS idxStayUnitsUnit ON tblStayUnits (UnitId, "
                     "FromNight)"),
      QStringLiteral("CREATE INDEX IF NOT EXISTS idxStayUnitsNight ON tblStayUnits (FromNight, "
                     "ToNight)"),
      QStringLiteral("CREATE TABLE IF NOT EXISTS tblStayEvents (id INTEGER PRIMARY KEY "
                     "AUTOINCREMENT, ReservationId INTEGER NOT NULL, At TEXT NOT NULL, Desk TEXT "
                     "NOT NULL, What TEXT NOT NULL, Before TEXT NOT NULL)"),
      QStringLiteral("CREATE INDEX IF NOT EXISTS idxStayEventsStay ON tblStayEvents "
                     "(ReservationId, id)"),
      // The desk's answer where a type has units and an older count that differ.
      QStringLiteral("CREATE TABLE IF NOT EXISTS tblCapacity (Kind TEXT NOT NULL, Type TEXT NOT "
                     "NULL, KeepUnits INTEGER NOT NULL CHECK (KeepUnits IN (0, 1)), PRIMARY KEY "
                     "(Kind, Type))"),
      // A unit's spans never share a night. They are kept apart, so the span that begins last
      // before the new one ends is the only one that can reach into it.
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgStayUnitsFree BEFORE INSERT ON tblStayUnits "
                     "WHEN (SELECT ToNight FROM tblStayUnits WHERE UnitId = NEW.UnitId AND "
                     "FromNight < NEW.ToNight ORDER BY FromNight DESC LIMIT 1) > NEW.FromNight "
                     "OR NOT EXISTS (SELECT 1 FROM tblRooms WHERE id = NEW.ReservationId) OR NOT "
                     "EXISTS (SELECT 1 FROM tblUnits WHERE id = NEW.UnitId) BEGIN SELECT "
                     "RAISE(ABORT, 'unit taken or missing'); END"),
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgStayUnitsFreeUpdate BEFORE UPDATE ON "
                     "tblStayUnits WHEN (SELECT ToNight FROM tblStayUnits WHERE UnitId = "
                     "NEW.UnitId AND FromNight < NEW.ToNight AND rowid <> OLD.rowid ORDER BY "
                     "FromNight DESC LIMIT 1) > NEW.FromNight BEGIN SELECT RAISE(ABORT, 'unit "
                     "taken'); END"),
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgStaysReservation BEFORE INSERT ON tblStays "
                     "WHEN NOT EXISTS (SELECT 1 FROM tblRooms WHERE id = NEW.ReservationId) "
                     "BEGIN SELECT RAISE(ABORT, 'no such reservation'); END"),
      // The reservation's delete takes its stay with it, in the same transaction.
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgRoomsDeleteStay AFTER DELETE ON tblRooms "
                     "BEGIN DELETE FROM tblStayUnits WHERE ReservationId = OLD.id; DELETE FROM "
                     "tblStayEvents WHERE ReservationId = OLD.id; DELETE FROM tblStays WHERE "
                     "ReservationId = OLD.id; END"),
      // New dates keep only the held nights that are still the stay's.
      QStringLiteral(
          "CREATE TRIGGER IF NOT EXISTS trgRoomsStayNights AFTER UPDATE OF CheckInDate, "
          "CheckOutDate ON tblRooms BEGIN DELETE FROM tblStayUnits WHERE ReservationId = NEW.id "
          "AND NOT coalesce(FromNight < (CASE WHEN NEW.CheckOutDate = NEW.CheckInDate THEN "
          "date(NEW.CheckInDate, '+1 day') ELSE NEW.CheckOutDate END) AND ToNight > "
          "NEW.CheckInDate, 0); UPDATE tblStayUnits SET FromNight = max(FromNight, "
          "NEW.CheckInDate), ToNight = min(ToNight, CASE WHEN NEW.CheckOutDate = "
          "NEW.CheckInDate THEN date(NEW.CheckInDate, '+1 day') ELSE NEW.CheckOutDate END) "
          "WHERE ReservationId = NEW.id AND (FromNight < NEW.CheckInDate OR ToNight > CASE WHEN "
          "NEW.CheckOutDate = NEW.CheckInDate THEN date(NEW.CheckInDate, '+1 day') ELSE "
          "NEW.CheckOutDate END); END")},
     {QStringLiteral("create extension if not exists btree_gist"),
      QStringLiteral("create table if not exists tblUnits (id bigint generated always as identity "
                     "primary key, Name text not null unique check (btrim(Name) <> ''), Kind "
                     "text not null, Type text not null, Area text, InService integer not null "
                     "default 1 check (InService in (0, 1)))"),
      QStringLiteral("create table if not exists tblStays (ReservationId bigint primary key "
                     "references tblRooms (id) on delete cascade, Status text not null check "
                     "(Status in ('expected', 'in house', 'checked out', 'cancelled', "
                     "'no-show')), CancelReason text not null default 'none' check (CancelReason "
                     "in ('none', 'by guest', 'by hotel')), CheckedInAt timestamptz(3), "
                     "CheckedOutAt timestamptz(3))"),
      QStringLiteral("create table if not exists tblStayUnits (ReservationId bigint not null "
                     "references tblRooms (id) on delete cascade, UnitId bigint not null "
                     "references tblUnits (id), FromNight date not null, ToNight date not null, "
                     "check (FromNight < ToNight), primary key (ReservationId, FromNight), "
                     "constraint exStayUnitsNight exclude using gist (UnitId with =, "
                     "daterange(FromNight, ToNight) with &&))"),
      QStringLiteral("create index if not exists idxStayUnitsNight on tblStayUnits (FromNight, "
                     "ToNight)"),
      QStringLiteral("create table if not exists tblStayEvents (id bigint generated always as "
                     "identity primary key, ReservationId bigint not null references tblRooms "
                     "(id) on delete cascade, At timestamptz(3) not null, Desk text not null, "
                     "What text not null, Before text not null)"),
      QStringLiteral("create index if not exists idxStayEventsStay on tblStayEvents "
                     "(ReservationId, id)"),
      QStringLiteral("create table if not exists tblCapacity (Kind text not null, Type text not "
                     "null, KeepUnits integer not null check (KeepUnits in (0, 1)), primary key "
                     "(Kind, Type))"),
      QStringLiteral(
          "create or replace function corvanna_stay_nights() returns trigger language plpgsql "
          "as $$ declare ends date := case when new.CheckOutDate = new.CheckInDate then "
          "new.CheckInDate + 1 else new.CheckOutDate end; begin delete from tblStayUnits where "
          "ReservationId = new.id and not coalesce(FromNight < ends and ToNight > "
          "new.CheckInDate, false); update tblStayUnits set FromNight = greatest(FromNight, "
          "new.CheckInDate), ToNight = least(ToNight, ends) where ReservationId = new.id and "
          "(FromNight < new.CheckInDate or ToNight > ends); return null; end $$"),
      QStringLiteral(
          "create or replace trigger trgRoomsStayNights after update of CheckInDate, CheckOutDate "
          "on tblRooms for each row execute function corvanna_stay_nights()"),
      // Another desk's check-in, move or unit change is told as a change of the reservations.
      QStringLiteral("create or replace trigger trgUnitsChanged after insert or update or delete "
                     "on tblUnits for each statement execute function corvanna_rooms_changed()"),
      QStringLiteral("create or replace trigger trgStaysChanged after insert or update or delete "
                     "on tblStays for each statement execute function corvanna_rooms_changed()"),
      QStringLiteral("create or replace trigger trgStayUnitsChanged after insert or update or "
                     "delete on tblStayUnits for each statement execute function "
                     "corvanna_rooms_changed()")}},
    {7,
     // The names in an order the engine reads at once (a missing name as an empty one, ties by
     // id), so that a large list shows its first screen before the rest is read. On an expression that no statement of the reservation
     // table orders by: their plans stay as they were.
     {QStringLiteral("CREATE INDEX IF NOT EXISTS idxRoomsNameOrder ON tblRooms "
                     "(coalesce(lower(GuestName), ''))")},
     {QStringLiteral("create index if not exists idxRoomsNameOrder on tblRooms "
                     "(coalesce(lower(GuestName), ''), id)")}},
};

// Reads one whole number (or null: -1) from the file; throws with the engine's words.
qint64 fileValue(sqlite3* db, const char* sql, bool* found = nullptr) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_finalize(st);
        throw Failure(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    const int rc = sqlite3_step(st);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        const QString words = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
        throw Failure(words);
    }
    if (found) *found = rc == SQLITE_ROW;
    const qint64 value = rc == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    return value;
}

QString serverWords(pg_conn* conn, const PGresult* r) {
    const char* message = r ? PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    return QString::fromUtf8(message ? message : PQerrorMessage(conn)).trimmed();
}

// Runs one statement on the server; a refusal rolls back what is under way and throws.
PGresult* serverRun(pg_conn* conn, const QByteArray& sql, const QByteArray& value = {}) {
    const char* values[] = {value.constData()};
    PGresult* r = value.isNull() ? PQexec(conn, sql.constData())
                                 : PQexecParams(conn, sql.constData(), 1, nullptr, values, nullptr,
                                                nullptr, 0);
    const ExecStatusType s = PQresultStatus(r);
    if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK) {
        const QString words = serverWords(conn, r);
        PQclear(r);
        if (PQtransactionStatus(conn) != PQTRANS_IDLE) PQclear(PQexec(conn, "rollback"));
        throw Failure(words);
    }
    return r;
}

bool serverHasRow(pg_conn* conn, const char* sql) {
    PGresult* r = serverRun(conn, sql);
    const bool present = PQntuples(r) > 0;
    PQclear(r);
    return present;
}

// The steps made before the history that a database already holds, counted from the first.
template <typename Probe>
int stepsAlreadyThere(const std::vector<SchemaStep>& steps, const char* SchemaStep::*probe,
                      Probe present) {
    int version = 0;
    for (const SchemaStep& step : steps) {
        if (!(step.*probe) || !present(step.*probe)) break;
        version = step.number;
    }
    return version;
}

} // namespace

const char* serverSchemaLock() {
    return kSchemaLock;
}

const std::vector<SchemaStep>& schemaHistory() {
    return kHistory;
}

int newestSchemaVersion(const std::vector<SchemaStep>& steps) {
    return steps.empty() ? 0 : steps.back().number;
}

QString newerSchemaMessage(int found, int known) {
    return QCoreApplication::translate(
               "corvanna::SchemaHistory",
               "This database was written by a newer version of Corvanna (schema %1; this "
               "version knows up to %2). It is left unchanged: use the newer version.")
        .arg(found)
        .arg(known);
}

int fileSchemaVersion(sqlite3* db, const std::vector<SchemaStep>& steps) {
    if (!db) throw Failure(kObjectClosed);
    const qint64 recorded = fileValue(db, "PRAGMA user_version");
    if (recorded > 0) return int(recorded);
    return stepsAlreadyThere(steps, &SchemaStep::fileProbe, [db](const char* sql) {
        bool found = false;
        fileValue(db, sql, &found);
        return found;
    });
}

void refuseNewerFile(sqlite3* db, const std::vector<SchemaStep>& steps) {
    const int version = fileSchemaVersion(db, steps);
    if (version > newestSchemaVersion(steps))
        throw Failure(newerSchemaMessage(version, newestSchemaVersion(steps)));
}

int serverSchemaVersion(pg_conn* conn, const std::vector<SchemaStep>& steps) {
    if (serverHasRow(conn, kHasVersionTable)) {
        PGresult* r = serverRun(conn, kReadServerVersion);
        const int version = PQntuples(r) > 0 ? QByteArray(PQgetvalue(r, 0, 0)).toInt() : 0;
        PQclear(r);
        return version;
    }
    return stepsAlreadyThere(steps, &SchemaStep::serverProbe,
                             [conn](const char* sql) { return serverHasRow(conn, sql); });
}

void upgradeServerSchema(pg_conn* conn, const std::vector<SchemaStep>& steps, bool creating) {
    const int newest = newestSchemaVersion(steps);
    if (creating) {
        // A new database: every step inside the transaction that creates tblRooms.
        for (const SchemaStep& step : steps)
            for (const QString& sql : step.server)
                PQclear(serverRun(conn, sql.toUtf8()));
        PQclear(serverRun(conn, kCreateVersionTable));
        PQclear(serverRun(conn, kWriteServerVersion, QByteArray::number(newest)));
        return;
    }
    // Most opens find the database current and take no lock.
    int version = serverSchemaVersion(conn, steps);
    if (version > newest) throw Failure(newerSchemaMessage(version, newest));
    for (const SchemaStep& step : steps) {
        if (step.number <= version) continue;
        PQclear(serverRun(conn, "begin"));
        PQclear(serverRun(conn, kSchemaLock));
        // Another desk may have applied it while this one waited for the lock.
        version = serverSchemaVersion(conn, steps);
        if (version > newest) {
            PQclear(serverRun(conn, "rollback"));
            throw Failure(newerSchemaMessage(version, newest));
        }
        if (version < step.number) {
            for (const QString& sql : step.server)
                PQclear(serverRun(conn, sql.toUtf8()));
            PQclear(serverRun(conn, kCreateVersionTable));
            PQclear(serverRun(conn, kWriteServerVersion, QByteArray::number(step.number)));
            version = step.number;
        }
        PQclear(serverRun(conn, "commit"));
    }
}

bool standInForStays(pg_conn* conn, const std::vector<SchemaStep>& steps) {
    try {
        if (serverSchemaVersion(conn, steps) != kLastStepBeforeStays ||
            !serverHasRow(conn, "select 1 where to_regclass('tblstays') is null"))
            return false;
        PGresult* r = PQexec(conn, kServerStaysStandIn);
        const bool made = PQresultStatus(r) == PGRES_COMMAND_OK;
        PQclear(r);
        return made;
    } catch (const Failure&) {
        return false;
    }
}

void upgradeFileSchema(Engine& file, const std::vector<SchemaStep>& steps) {
    sqlite3* db = file.fileHandle();
    const int newest = newestSchemaVersion(steps);
    int version = fileSchemaVersion(db, steps);
    if (version > newest) throw Failure(newerSchemaMessage(version, newest));
    if (version == newest) return;
    // A read-only file is told at once, without the whole-file check that precedes a first write.
    // Without the stay tables it still reads as a database where every stay is expected: an
    // empty stand-in lives in the connection's own temporary schema.
    if (sqlite3_db_readonly(db, "main") == 1) {
        bool present = false;
        fileValue(db, kHasFileStays, &present);
        // One that already keeps an inventory works as it did: only the stay is missing, and
        // hasStayTables says so.
        if (!present && version == kLastStepBeforeStays &&
            sqlite3_exec(db, kFileStaysStandIn, nullptr, nullptr, nullptr) == SQLITE_OK)
            return;
        throw Failure(QStringLiteral("attempt to write a readonly database"));
    }
    for (const SchemaStep& step : steps) {
        if (step.number <= version) continue;
        // The write lock first: another program opening the same file applies the step once.
        file.execute(QStringLiteral("begin immediate"));
        try {
            version = fileSchemaVersion(db, steps);
            if (version > newest) throw Failure(newerSchemaMessage(version, newest));
            if (version < step.number) {
                for (const QString& sql : step.file)
                    file.execute(sql);
                file.execute(QStringLiteral("PRAGMA user_version = %1").arg(step.number));
                version = step.number;
            }
            file.execute(QStringLiteral("commit"));
        } catch (...) {
            file.rollback();
            throw;
        }
    }
}

void upgradeSchema(Connection& connection, const std::vector<SchemaStep>& steps) {
    connection.engine().upgradeSchema(steps);
}

QString schemaUpgradeProblem(Connection& connection) {
    try {
        upgradeSchema(connection);
    } catch (const Failure& failure) {
        return failure.description();
    }
    return {};
}

} // namespace corvanna
