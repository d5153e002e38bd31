#include "schemahistory.h"

#include "base/failure.h"
#include "connection.h"

#include <QCoreApplication>
#include <algorithm>
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

// Tables whose rows about money are never changed or deleted: a correction is a new row.
constexpr const char* kFixedMoneyTables[] = {"tblRates",   "tblRatesRetired", "tblNightPrices",
                                             "tblCharges", "tblPayments",     "tblInvoices"};

// The classic delete keeps the money rows and notes whose they were.
const QString kFileKeepMoney = QStringLiteral(
    "CREATE TRIGGER IF NOT EXISTS trgRoomsKeepMoney AFTER DELETE ON tblRooms WHEN EXISTS "
    "(SELECT 1 FROM tblNightPrices WHERE ReservationId = OLD.id) OR EXISTS (SELECT 1 FROM "
    "tblCharges WHERE ReservationId = OLD.id) OR EXISTS (SELECT 1 FROM tblPayments WHERE "
    "ReservationId = OLD.id) OR EXISTS (SELECT 1 FROM tblInvoices WHERE ReservationId = "
    "OLD.id) BEGIN INSERT OR IGNORE INTO tblMoneyKept (ReservationId, GuestName, CheckIn, "
    "CheckOut, DeletedAt) VALUES (OLD.id, OLD.GuestName, OLD.CheckInDate, "
    "OLD.CheckOutDate, strftime('%Y-%m-%dT%H:%M:%fZ', 'now')); END");

// The triggers that refuse to change or delete a money table's rows, on the file.
QStringList fileFixedTriggers(const char* table) {
    QStringList sql;
    for (const char* event : {"UPDATE", "DELETE"})
        sql << QStringLiteral("CREATE TRIGGER IF NOT EXISTS trg%1Fixed%2 BEFORE %3 ON %1 "
                              "BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END")
                   .arg(QString::fromLatin1(table),
                        QString::fromLatin1(event).at(0) +
                            QString::fromLatin1(event).mid(1).toLower(),
                        QString::fromLatin1(event));
    return sql;
}

// The money: the hotel's details, tax rates, rates by season and weekday, each night's price,
// charges, payments, invoices with their gapless numbers, and whose money a deleted reservation
// left behind.
QStringList moneyFileStep() {
    QStringList sql = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS tblHotel (Key TEXT PRIMARY KEY, Value TEXT NOT "
                       "NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tblTaxRates (id INTEGER PRIMARY KEY "
                       "AUTOINCREMENT, Name TEXT NOT NULL CHECK (trim(Name) <> ''), BasisPoints "
                       "INTEGER NOT NULL CHECK (typeof(BasisPoints) = 'integer' AND BasisPoints "
                       "BETWEEN 0 AND 10000))"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS tblRates (id INTEGER PRIMARY KEY AUTOINCREMENT, Kind TEXT "
            "NOT NULL, Type TEXT NOT NULL, FromNight TEXT, ToNight TEXT, Weekdays INTEGER NOT NULL "
            "DEFAULT 127 CHECK (Weekdays BETWEEN 1 AND 127), PriceCents INTEGER NOT NULL CHECK "
            "(typeof(PriceCents) = 'integer' AND PriceCents >= 0), TaxRateId INTEGER NOT NULL "
            "REFERENCES tblTaxRates (id), CreatedAt TEXT NOT NULL, CHECK ((FromNight IS NULL) = "
            "(ToNight IS NULL) AND (FromNight IS NULL OR FromNight <= ToNight)))"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tblRatesRetired (RateId INTEGER PRIMARY KEY "
                       "REFERENCES tblRates (id), At TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tblNightPrices (id INTEGER PRIMARY KEY "
                       "AUTOINCREMENT, ReservationId INTEGER NOT NULL, Night TEXT NOT NULL, "
                       "PriceCents INTEGER NOT NULL CHECK (typeof(PriceCents) = 'integer' AND "
                       "PriceCents >= 0), TaxRateId INTEGER NOT NULL, Source TEXT NOT NULL CHECK "
                       "(Source IN ('rate', 'override')), At TEXT NOT NULL, Desk TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxNightPricesStay ON tblNightPrices "
                       "(ReservationId, Night)"),
        // The report reads a period's nights from this index alone.
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxNightPricesNight ON tblNightPrices (Night, "
                       "ReservationId, PriceCents, TaxRateId)"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS tblCharges (id INTEGER PRIMARY KEY AUTOINCREMENT, "
            "ReservationId INTEGER NOT NULL, At TEXT NOT NULL, Desk TEXT NOT NULL, Description "
            "TEXT NOT NULL, Quantity INTEGER NOT NULL CHECK (typeof(Quantity) = 'integer'), "
            "UnitPriceCents INTEGER NOT NULL CHECK (typeof(UnitPriceCents) = 'integer'), "
            "TaxRateId INTEGER NOT NULL, VoidsId INTEGER UNIQUE REFERENCES tblCharges (id))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxChargesStay ON tblCharges (ReservationId)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxChargesAt ON tblCharges (At)"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS tblPayments (id INTEGER PRIMARY KEY AUTOINCREMENT, "
            "ReservationId INTEGER NOT NULL, At TEXT NOT NULL, Desk TEXT NOT NULL, Kind TEXT NOT "
            "NULL CHECK (Kind IN ('deposit', 'payment', 'refund')), AmountCents INTEGER NOT NULL "
            "CHECK (typeof(AmountCents) = 'integer' AND AmountCents > 0), Method TEXT NOT NULL, "
            "PaidOn TEXT NOT NULL, Note TEXT NOT NULL DEFAULT '', VoidsId INTEGER UNIQUE "
            "REFERENCES tblPayments (id))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxPaymentsStay ON tblPayments "
                       "(ReservationId)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxPaymentsPaidOn ON tblPayments (PaidOn)"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS tblInvoices (id INTEGER PRIMARY KEY AUTOINCREMENT, Year "
            "INTEGER NOT NULL, Number INTEGER NOT NULL CHECK (Number > 0), Kind TEXT NOT NULL "
            "CHECK (Kind IN ('invoice', 'credit note')), RefersTo INTEGER UNIQUE REFERENCES "
            "tblInvoices (id), ReservationId INTEGER NOT NULL, IssuedAt TEXT NOT NULL, Desk TEXT "
            "NOT NULL, Snapshot TEXT NOT NULL, UNIQUE (Year, Number))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxInvoicesStay ON tblInvoices "
                       "(ReservationId)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tblMoneyKept (ReservationId INTEGER PRIMARY "
                       "KEY, GuestName TEXT, CheckIn TEXT, CheckOut TEXT, DeletedAt TEXT NOT "
                       "NULL)"),
        kFileKeepMoney};
    for (const char* table : kFixedMoneyTables)
        sql << fileFixedTriggers(table);
    return sql;
}

QStringList moneyServerStep() {
    QStringList sql = {
        QStringLiteral("create table if not exists tblHotel (Key text primary key, Value text not "
                       "null)"),
        QStringLiteral("create table if not exists tblTaxRates (id bigint generated always as "
                       "identity primary key, Name text not null check (btrim(Name) <> ''), "
                       "BasisPoints integer not null check (BasisPoints between 0 and 10000))"),
        QStringLiteral(
            "create table if not exists tblRates (id bigint generated always as identity primary "
            "key, Kind text not null, Type text not null, FromNight date, ToNight date, Weekdays "
            "integer not null default 127 check (Weekdays between 1 and 127), PriceCents bigint "
            "not null check (PriceCents >= 0), TaxRateId bigint not null references tblTaxRates "
            "(id), CreatedAt timestamptz(3) not null, check ((FromNight is null) = (ToNight is "
            "null) and (FromNight is null or FromNight <= ToNight)))"),
        QStringLiteral("create table if not exists tblRatesRetired (RateId bigint primary key "
                       "references tblRates (id), At timestamptz(3) not null)"),
        QStringLiteral("create table if not exists tblNightPrices (id bigint generated always as "
                       "identity primary key, ReservationId bigint not null, Night date not null, "
                       "PriceCents bigint not null check (PriceCents >= 0), TaxRateId bigint not "
                       "null references tblTaxRates (id), Source text not null check (Source in "
                       "('rate', 'override')), At timestamptz(3) not null, Desk text not null)"),
        QStringLiteral("create index if not exists idxNightPricesStay on tblNightPrices "
                       "(ReservationId, Night)"),
        QStringLiteral("create index if not exists idxNightPricesNight on tblNightPrices (Night, "
                       "ReservationId, PriceCents, TaxRateId, id)"),
        QStringLiteral(
            "create table if not exists tblCharges (id bigint generated always as identity "
            "primary key, ReservationId bigint not null, At timestamptz(3) not null, Desk text "
            "not null, Description text not null, Quantity bigint not null, UnitPriceCents "
            "bigint not null, TaxRateId bigint not null references tblTaxRates (id), VoidsId "
            "bigint unique references tblCharges (id))"),
        QStringLiteral("create index if not exists idxChargesStay on tblCharges (ReservationId)"),
        QStringLiteral("create index if not exists idxChargesAt on tblCharges (At)"),
        QStringLiteral(
            "create table if not exists tblPayments (id bigint generated always as identity "
            "primary key, ReservationId bigint not null, At timestamptz(3) not null, Desk text "
            "not null, Kind text not null check (Kind in ('deposit', 'payment', 'refund')), "
            "AmountCents bigint not null check (AmountCents > 0), Method text not null, PaidOn "
            "date not null, Note text not null default '', VoidsId bigint unique references "
            "tblPayments (id))"),
        QStringLiteral("create index if not exists idxPaymentsStay on tblPayments "
                       "(ReservationId)"),
        QStringLiteral("create index if not exists idxPaymentsPaidOn on tblPayments (PaidOn)"),
        QStringLiteral(
            "create table if not exists tblInvoices (id bigint generated always as identity "
            "primary key, Year integer not null, Number integer not null check (Number > 0), "
            "Kind text not null check (Kind in ('invoice', 'credit note')), RefersTo bigint "
            "unique references tblInvoices (id), ReservationId bigint not null, IssuedAt "
            "timestamptz(3) not null, Desk text not null, Snapshot text not null, unique (Year, "
            "Number))"),
        QStringLiteral("create index if not exists idxInvoicesStay on tblInvoices "
                       "(ReservationId)"),
        QStringLiteral("create table if not exists tblMoneyKept (ReservationId bigint primary "
                       "key, GuestName text, CheckIn date, CheckOut date, DeletedAt "
                       "timestamptz(3) not null)"),
        QStringLiteral("create or replace function corvanna_money_fixed() returns trigger "
                       "language plpgsql as $$ begin raise exception 'money rows are never "
                       "changed'; end $$"),
        QStringLiteral(
            "create or replace function corvanna_money_kept() returns trigger language plpgsql "
            "as $$ begin if exists (select 1 from tblNightPrices where ReservationId = old.id) "
            "or exists (select 1 from tblCharges where ReservationId = old.id) or exists "
            "(select 1 from tblPayments where ReservationId = old.id) or exists (select 1 from "
            "tblInvoices where ReservationId = old.id) then insert into tblMoneyKept "
            "(ReservationId, GuestName, CheckIn, CheckOut, DeletedAt) values (old.id, "
            "old.GuestName, old.CheckInDate, old.CheckOutDate, now()) on conflict "
            "(ReservationId) do nothing; end if; return null; end $$"),
        QStringLiteral("create or replace trigger trgRoomsKeepMoney after delete on tblRooms for "
                       "each row execute function corvanna_money_kept()")};
    for (const char* table : kFixedMoneyTables)
        sql << QStringLiteral("create or replace trigger trg%1Fixed before update or delete or "
                              "truncate on %1 for each statement execute function "
                              "corvanna_money_fixed()")
                   .arg(QString::fromLatin1(table));
    return sql;
}

// A stay's night prices kept together, in the order they were written: the file's table is
// clustered on the stay, its night and the row's place among the night's prices (0 for the
// rate's, one more for each override after it), so that a save writes its nights side by side
// in one place of the file rather than into three trees, one of them by night all over the
// file. The report reads a period's nights through the stays of the period, on both engines.
QStringList nightsByStayFileStep() {
    QStringList sql = {
        // The delete's trigger names the table, which is made anew: it goes and comes back.
        QStringLiteral("DROP TRIGGER IF EXISTS trgRoomsKeepMoney"),
        QStringLiteral(
            "CREATE TABLE tblNightPricesByStay (ReservationId INTEGER NOT NULL, Night TEXT NOT "
            "NULL, Seq INTEGER NOT NULL CHECK (typeof(Seq) = 'integer' AND Seq >= 0), PriceCents "
            "INTEGER NOT NULL CHECK (typeof(PriceCents) = 'integer' AND PriceCents >= 0), "
            "TaxRateId INTEGER NOT NULL, Source TEXT NOT NULL CHECK (Source IN ('rate', "
            "'override')), At TEXT NOT NULL, Desk TEXT NOT NULL, PRIMARY KEY (ReservationId, "
            "Night, Seq)) WITHOUT ROWID"),
        QStringLiteral(
            "INSERT INTO tblNightPricesByStay (ReservationId, Night, Seq, PriceCents, TaxRateId, "
            "Source, At, Desk) SELECT ReservationId, Night, row_number() OVER (PARTITION BY "
            "ReservationId, Night ORDER BY id) - 1, PriceCents, TaxRateId, Source, At, Desk FROM "
            "tblNightPrices"),
        QStringLiteral("DROP TABLE tblNightPrices"),
        QStringLiteral("ALTER TABLE tblNightPricesByStay RENAME TO tblNightPrices")};
    sql << fileFixedTriggers("tblNightPrices") << kFileKeepMoney;
    return sql;
}

// The night prices by stay are there (a file made by the shipped schema has them at once).
constexpr const char* kHasFileNightsByStay =
    "select 1 from pragma_table_info('tblNightPrices', 'main') where name='Seq'";
// A read-only file from before the step reads its night prices through a view of its own
// connection in the new shape: the row's id orders a night's prices as the place does.
constexpr const char* kHasFileRowNightPrices =
    "select 1 from pragma_table_info('tblNightPrices', 'main') where name='id'";
constexpr const char* kFileNightPricesStandIn =
    "create temp view if not exists tblNightPrices as select ReservationId, Night, id as Seq, "
    "PriceCents, TaxRateId, Source, At, Desk from main.tblNightPrices";
constexpr int kNightsByStayStep = 8;
// The stay rows keep their arrival (a file made by the shipped schema has it at once).
constexpr const char* kHasFileStayArrivals =
    "select 1 from pragma_table_info('tblStays', 'main') where name='Arrival'";

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
    {4,
     // The held nights of a span of nights read from the index alone, with their unit and
     // reservation: the room chart's read takes no row of the table. An expected stay keeps no
     // stay row (the arrivals' group is whether one exists).
     {QStringLiteral("DROP INDEX IF EXISTS idxStayUnitsNight"),
      QStringLiteral("CREATE INDEX IF NOT EXISTS idxStayUnitsHeld ON tblStayUnits (FromNight, "
                     "ToNight, UnitId, ReservationId)"),
      QStringLiteral("DELETE FROM tblStays WHERE Status = 'expected'")},
     {QStringLiteral("drop index if exists idxStayUnitsNight"),
      QStringLiteral("create index if not exists idxStayUnitsHeld on tblStayUnits (FromNight, "
                     "ToNight) include (UnitId, ReservationId)"),
      QStringLiteral("delete from tblStays where Status = 'expected'")},
     nullptr,
     nullptr,
     true},
    {5,
     // Guests: profiles with their documents, who stays in each reservation (one booker), the
     // desk's privacy rules and the log of what they erased. NameKey, PhoneKey and EmailKey are
     // the folded name, phone and e-mail a save's match reads through one index; the program
     // fills them on write (foldedName, foldedPhone: store/guests.h), and the step computes them
     // the same way on either engine: ASCII letters in lower case, outer blanks trimmed; a phone
     // without blanks, dashes, brackets, plus signs, dots and slashes. The reservations so far
     // become profiles, one per folded name and phone, linked as bookers.
     {QStringLiteral(
          "CREATE TABLE IF NOT EXISTS tblGuests (id INTEGER PRIMARY KEY AUTOINCREMENT, Name "
          "TEXT NOT NULL, Phone TEXT, Email TEXT, Address TEXT, Nationality TEXT, BirthDate "
          "TEXT, DocType TEXT, DocNumber TEXT, DocCountry TEXT, DocExpiry TEXT, Note TEXT, "
          "ErasedAt TEXT, NameKey TEXT NOT NULL DEFAULT '', PhoneKey TEXT NOT NULL DEFAULT "
          "'', EmailKey TEXT NOT NULL DEFAULT '')"),
      QStringLiteral("CREATE TABLE IF NOT EXISTS tblStayGuests (ReservationId INTEGER NOT NULL, "
                     "GuestId INTEGER NOT NULL, Role TEXT NOT NULL CHECK (Role IN ('booker', "
                     "'guest')), Position INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (ReservationId, "
                     "GuestId))"),
      QStringLiteral(
          "CREATE TABLE IF NOT EXISTS tblPrivacyRules (Rule TEXT PRIMARY KEY CHECK (Rule IN "
          "('cards', 'guests')), Enabled INTEGER NOT NULL DEFAULT 0 CHECK (Enabled IN (0, "
          "1)), After INTEGER NOT NULL CHECK (After > 0))"),
      QStringLiteral(
          "INSERT OR IGNORE INTO tblPrivacyRules (Rule, Enabled, After) VALUES ('cards', 0, "
          "30), ('guests', 0, 3)"),
      QStringLiteral(
          "CREATE TABLE IF NOT EXISTS tblPrivacyLog (id INTEGER PRIMARY KEY AUTOINCREMENT, "
          "At TEXT NOT NULL, Desk TEXT NOT NULL, What TEXT NOT NULL CHECK (What IN "
          "('cards', 'guest', 'guests by age', 'export')), Count INTEGER NOT NULL)"),
      // The reservations' profiles: the newest reservation's values for each name and phone.
      QStringLiteral(
          "INSERT INTO tblGuests (Name, Phone, Address, NameKey, PhoneKey) SELECT "
          "trim(r.GuestName), r.PhoneNumber, r.Address, k.NameKey, k.PhoneKey FROM (SELECT "
          "max(id) AS id, NameKey, PhoneKey FROM (SELECT id, lower(trim(GuestName)) AS "
          "NameKey, "
          "replace(replace(replace(replace(replace(replace(replace(coalesce(PhoneNumber, "
          "''), ' ', ''), '-', ''), '(', ''), ')', ''), '+', ''), '.', ''), '/', '') AS "
          "PhoneKey FROM tblRooms WHERE trim(coalesce(GuestName, '')) <> '') GROUP BY "
          "NameKey, PhoneKey) k JOIN tblRooms r ON r.id = k.id ORDER BY k.id"),
      QStringLiteral(
          "CREATE INDEX IF NOT EXISTS idxGuestsPhoneKey ON tblGuests (NameKey, PhoneKey)"),
      QStringLiteral(
          "CREATE INDEX IF NOT EXISTS idxGuestsEmailKey ON tblGuests (NameKey, EmailKey)"),
      QStringLiteral(
          "INSERT INTO tblStayGuests (ReservationId, GuestId, Role, Position) SELECT r.id, "
          "g.id, 'booker', 0 FROM tblRooms r JOIN tblGuests g ON g.NameKey = "
          "lower(trim(r.GuestName)) AND g.PhoneKey = "
          "replace(replace(replace(replace(replace(replace(replace(coalesce(r.PhoneNumber, "
          "''), ' ', ''), '-', ''), '(', ''), ')', ''), '+', ''), '.', ''), '/', '') WHERE "
          "trim(coalesce(r.GuestName, '')) <> ''"),
      // Indexes and checks after the bulk of the rows: built at once rather than row by row.
      QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS idxStayGuestsBooker ON tblStayGuests "
                     "(ReservationId) WHERE Role = 'booker'"),
      QStringLiteral("CREATE INDEX IF NOT EXISTS idxStayGuestsGuest ON tblStayGuests (GuestId)"),
      QStringLiteral(
          "CREATE TRIGGER IF NOT EXISTS trgStayGuestsKnown BEFORE INSERT ON tblStayGuests "
          "WHEN NOT EXISTS (SELECT 1 FROM tblRooms WHERE id = NEW.ReservationId) OR NOT "
          "EXISTS (SELECT 1 FROM tblGuests WHERE id = NEW.GuestId) BEGIN SELECT "
          "RAISE(ABORT, 'no such reservation or guest'); END"),
      QStringLiteral(
          "CREATE TRIGGER IF NOT EXISTS trgStayGuestsKnownUpdate BEFORE UPDATE OF GuestId "
          "ON tblStayGuests WHEN NOT EXISTS (SELECT 1 FROM tblGuests WHERE id = "
          "NEW.GuestId) BEGIN SELECT RAISE(ABORT, 'no such guest'); END"),
      // A reservation's delete takes its links with it; so does a profile's (a merge).
      QStringLiteral(
          "CREATE TRIGGER IF NOT EXISTS trgRoomsDeleteGuests AFTER DELETE ON tblRooms BEGIN "
          "DELETE FROM tblStayGuests WHERE ReservationId = OLD.id; END"),
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgGuestsDelete AFTER DELETE ON tblGuests BEGIN "
                     "DELETE FROM tblStayGuests WHERE GuestId = OLD.id; END")},
     {QStringLiteral(
          "create table if not exists tblGuests (id bigint generated always as identity "
          "primary key, Name text not null, Phone text, Email text, Address text, "
          "Nationality text, BirthDate date, DocType text, DocNumber text, DocCountry text, "
          "DocExpiry date, Note text, ErasedAt timestamptz(3), NameKey text not null "
          "default '', PhoneKey text not null default '', EmailKey text not null default "
          "'')"),
      QStringLiteral(
          "create table if not exists tblStayGuests (ReservationId bigint not null "
          "references tblRooms (id) on delete cascade, GuestId bigint not null references "
          "tblGuests (id) on delete cascade, Role text not null check (Role in ('booker', "
          "'guest')), Position integer not null default 0, primary key (ReservationId, "
          "GuestId))"),
      QStringLiteral(
          "create table if not exists tblPrivacyRules (Rule text primary key check (Rule in "
          "('cards', 'guests')), Enabled integer not null default 0 check (Enabled in (0, "
          "1)), After integer not null check (After > 0))"),
      QStringLiteral("insert into tblPrivacyRules (Rule, Enabled, After) values ('cards', 0, 30), "
                     "('guests', 0, 3) on conflict (Rule) do nothing"),
      QStringLiteral(
          "create table if not exists tblPrivacyLog (id bigint generated always as identity "
          "primary key, At timestamptz(3) not null, Desk text not null, What text not null "
          "check (What in ('cards', 'guest', 'guests by age', 'export')), Count integer not "
          "null)"),
      QStringLiteral(
          "insert into tblGuests (Name, Phone, Address, NameKey, PhoneKey) select "
          "btrim(r.GuestName), r.PhoneNumber, r.Address, k.NameKey, k.PhoneKey from (select "
          "max(id) as id, NameKey, PhoneKey from (select id, lower(btrim(GuestName) collate "
          "\"C\") as NameKey, translate(coalesce(PhoneNumber, ''), ' -()+./', '') as "
          "PhoneKey from tblRooms where btrim(coalesce(GuestName, '')) <> '') x group by "
          "NameKey, PhoneKey) k join tblRooms r on r.id = k.id order by k.id"),
      QStringLiteral(
          "create index if not exists idxGuestsPhoneKey on tblGuests (NameKey, PhoneKey)"),
      QStringLiteral(
          "create index if not exists idxGuestsEmailKey on tblGuests (NameKey, EmailKey)"),
      QStringLiteral(
          "insert into tblStayGuests (ReservationId, GuestId, Role, Position) select r.id, "
          "g.id, 'booker', 0 from tblRooms r join tblGuests g on g.NameKey = "
          "lower(btrim(r.GuestName) collate \"C\") and g.PhoneKey = "
          "translate(coalesce(r.PhoneNumber, ''), ' -()+./', '') where "
          "btrim(coalesce(r.GuestName, '')) <> ''"),
      QStringLiteral("create unique index if not exists idxStayGuestsBooker on tblStayGuests "
                     "(ReservationId) where Role = 'booker'"),
      QStringLiteral("create index if not exists idxStayGuestsGuest on tblStayGuests (GuestId)")},
     nullptr,
     nullptr,
     // The guests' commands look for these tables and say so when they are missing.
     true},
    // The money's commands look for its tables and say so when they are missing.
    {6, moneyFileStep(), moneyServerStep(), nullptr, nullptr, true},
    {7,
     // The names in an order the engine reads at once (a missing name as an empty one, ties by
     // id), so that a large list shows its first screen before the rest is read. On an
     // expression that no statement of the reservation table orders by: their plans stay as
     // they were.
     {QStringLiteral("CREATE INDEX IF NOT EXISTS idxRoomsNameOrder ON tblRooms "
                     "(coalesce(lower(GuestName), ''))")},
     {QStringLiteral("create index if not exists idxRoomsNameOrder on tblRooms "
                     "(coalesce(lower(GuestName), ''), id)")},
     nullptr,
     nullptr,
     true},
    {kNightsByStayStep,
     nightsByStayFileStep(),
     // The server keeps its table; the report no longer reads the nights by night.
     {QStringLiteral("drop index if exists idxNightPricesNight")},
     kHasFileNightsByStay},
    {9,
     // Each stay row keeps its reservation's check-in date, kept by the engine as the
     // reservation's dates change: a day's arrivals with a status, and the stays of a room
     // chart's nights, are read through one index of the stay table alone.
     {QStringLiteral("ALTER TABLE tblStays ADD COLUMN Arrival TEXT"),
      QStringLiteral("UPDATE tblStays SET Arrival = (SELECT CheckInDate FROM tblRooms WHERE id = "
                     "tblStays.ReservationId)"),
      QStringLiteral("CREATE INDEX IF NOT EXISTS idxStaysArrival ON tblStays (Arrival, "
                     "ReservationId, Status)"),
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgStaysArrival AFTER INSERT ON tblStays "
                     "BEGIN UPDATE tblStays SET Arrival = (SELECT CheckInDate FROM tblRooms "
                     "WHERE id = NEW.ReservationId) WHERE ReservationId = NEW.ReservationId; "
                     "END"),
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgRoomsArrival AFTER UPDATE OF CheckInDate "
                     "ON tblRooms WHEN NEW.CheckInDate IS NOT OLD.CheckInDate BEGIN UPDATE "
                     "tblStays SET Arrival = NEW.CheckInDate WHERE ReservationId = NEW.id; END")},
     {QStringLiteral("alter table tblStays add column if not exists Arrival date"),
      QStringLiteral("update tblStays s set Arrival = r.CheckInDate from tblRooms r where r.id = "
                     "s.ReservationId"),
      QStringLiteral("create index if not exists idxStaysArrival on tblStays (Arrival) include "
                     "(ReservationId, Status)"),
      QStringLiteral("create or replace function corvanna_stay_arrival() returns trigger "
                     "language plpgsql as $$ begin new.Arrival := (select CheckInDate from "
                     "tblRooms where id = new.ReservationId); return new; end $$"),
      QStringLiteral("create or replace trigger trgStaysArrival before insert on tblStays for "
                     "each row execute function corvanna_stay_arrival()"),
      QStringLiteral("create or replace function corvanna_rooms_arrival() returns trigger "
                     "language plpgsql as $$ begin update tblStays set Arrival = new.CheckInDate "
                     "where ReservationId = new.id; return null; end $$"),
      QStringLiteral("create or replace trigger trgRoomsArrival after update of CheckInDate on "
                     "tblRooms for each row when (new.CheckInDate is distinct from "
                     "old.CheckInDate) execute function corvanna_rooms_arrival()")},
     kHasFileStayArrivals,
     nullptr,
     true},
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

// True when every step after `version` is optional (or is the one numbered `readable`, which a
// read-only database reads without).
bool optionalFrom(const std::vector<SchemaStep>& steps, int version, int readable = 0) {
    return std::all_of(steps.begin(), steps.end(), [version, readable](const SchemaStep& step) {
        return step.number <= version || step.optional || step.number == readable;
    });
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
            try {
                for (const QString& sql : step.server)
                    PQclear(serverRun(conn, sql.toUtf8()));
                PQclear(serverRun(conn, kCreateVersionTable));
                PQclear(serverRun(conn, kWriteServerVersion, QByteArray::number(step.number)));
            } catch (const Failure&) {
                // serverRun has rolled the step back; the database works as it is without it.
                if (step.optional && PQstatus(conn) == CONNECTION_OK) return;
                throw;
            }
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
        // One that lacks only indexes reads as it is; night prices kept by row read through
        // the stand-in.
        if (optionalFrom(steps, version, kNightsByStayStep)) {
            if (version < kNightsByStayStep) {
                bool byRow = false;
                fileValue(db, kHasFileRowNightPrices, &byRow);
                if (byRow && sqlite3_exec(db, kFileNightPricesStandIn, nullptr, nullptr, nullptr) !=
                                 SQLITE_OK)
                    throw Failure(QString::fromUtf8(sqlite3_errmsg(db)));
            }
            return;
        }
        throw Failure(QStringLiteral("attempt to write a readonly database"));
    }
    for (const SchemaStep& step : steps) {
        if (step.number <= version) continue;
        // The write lock first: another program opening the same file applies the step once.
        try {
            file.execute(QStringLiteral("begin immediate"));
            version = fileSchemaVersion(db, steps);
            if (version > newest) throw Failure(newerSchemaMessage(version, newest));
            if (version < step.number) {
                // What the step makes may be there already (from the shipped schema): it is
                // only recorded then.
                bool made = false;
                if (step.fileProbe) fileValue(db, step.fileProbe, &made);
                if (!made)
                    for (const QString& sql : step.file)
                        file.execute(sql);
                file.execute(QStringLiteral("PRAGMA user_version = %1").arg(step.number));
                version = step.number;
            }
            file.execute(QStringLiteral("commit"));
        } catch (const Failure&) {
            file.rollback();
            // The database works as it is without an optional step.
            if (step.optional && version < step.number) return;
            throw;
        } catch (...) {
            file.rollback();
            throw;
        }
    }
}

bool schemaBehind(Connection& connection, const std::vector<SchemaStep>& steps) {
    return connection.engine().schemaBehind(steps);
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
