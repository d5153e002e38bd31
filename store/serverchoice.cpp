#include "serverchoice.h"

#include "base/failure.h"
#include "base/settings.h"
#include "store/server/serverlink.h"

#include <libpq-fe.h>
#include <sqlite3.h>

#include <QCoreApplication>

namespace corvanna {

namespace {

const QString kServerOption = QStringLiteral("--server");
const QString kLocalOption = QStringLiteral("--local");
const QString kCopyOption = QStringLiteral("--copy-to-server");

// The columns copied, in the table's order.
constexpr const char* kColumns =
    "id, GuestName, Accommodation, NoOfRooms, Type, ServiceIncluded, NoOfPersons, CheckInDate, "
    "CheckOutDate, CreditCardType, CreditCardNo, PhoneNumber, Address";
constexpr int kCopiedColumns = 13;

// A value in COPY's text form: backslash escapes for the characters that end a field or a row.
void appendCopyValue(QByteArray& out, const unsigned char* text, int size) {
    for (int i = 0; i < size; ++i) {
        const char c = char(text[i]);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
}

struct Sqlite {
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    ~Sqlite() {
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(db)); }
};

QString serverError(PGconn* conn, PGresult* r) {
    const char* primary = r ? PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    return QString::fromUtf8(primary && *primary ? primary : PQerrorMessage(conn)).trimmed();
}

// Runs a statement of the copy with its values; inside the copy's transaction, a refusal rolls
// the whole copy back and throws the server's words.
void runInCopy(PGconn* conn, const char* sql, int count, const char* const* values,
               ExecStatusType wanted) {
    PGresult* r = PQexecParams(conn, sql, count, nullptr, values, nullptr, nullptr, 0);
    const bool ok = PQresultStatus(r) == wanted;
    const QString text = ok ? QString() : serverError(conn, r);
    PQclear(r);
    if (ok) return;
    PQclear(PQexec(conn, "rollback"));
    throw Failure(text);
}

// The file's inventory, when it has one, into the server's tblInventory inside the copy's
// transaction; a failure rolls the whole copy back.
void copyInventory(Sqlite& file, PGconn* conn) {
    sqlite3_finalize(file.st);
    file.st = nullptr;
    auto fail = [&](const QString& text) {
        PQclear(PQexec(conn, "rollback"));
        throw Failure(text);
    };
    if (sqlite3_prepare_v2(file.db,
                           "select count(*) from sqlite_master where type = 'table' and "
                           "name = 'tblInventory'",
                           -1, &file.st, nullptr) != SQLITE_OK ||
        sqlite3_step(file.st) != SQLITE_ROW)
        fail(file.error());
    const bool present = sqlite3_column_int(file.st, 0) > 0;
    sqlite3_finalize(file.st);
    file.st = nullptr;
    if (!present) return;
    if (sqlite3_prepare_v2(file.db, "select Kind, Type, Units from tblInventory", -1, &file.st,
                           nullptr) != SQLITE_OK)
        fail(file.error());
    int rc;
    while ((rc = sqlite3_step(file.st)) == SQLITE_ROW) {
        const char* values[3];
        for (int c = 0; c < 3; ++c)
            values[c] = reinterpret_cast<const char*>(sqlite3_column_text(file.st, c));
        runInCopy(conn, "insert into tblInventory (Kind, Type, Units) values ($1, $2, $3)", 3,
                  values, PGRES_COMMAND_OK);
    }
    if (rc != SQLITE_DONE) fail(file.error());
}

// The stay's tables of the file, in an order their references allow: what each copies, and the
// server's insert. Ids the file handed out stay the same; the server's own numbering then goes on
// after them.
struct StayTable {
    const char* name;
    const char* select;
    int columns;
    const char* insert;
    const char* identity; // the server's table whose numbering goes on after the copied ids
};
constexpr StayTable kStayTables[] = {
    {"tblUnits", "select id, Name, Kind, Type, Area, InService from tblUnits order by id", 6,
     "insert into tblUnits (id, Name, Kind, Type, Area, InService) overriding system value "
     "values ($1::bigint, $2, $3, $4, $5, $6::integer)",
     "tblunits"},
    {"tblStays",
     "select ReservationId, Status, CancelReason, CheckedInAt, CheckedOutAt from tblStays", 5,
     "insert into tblStays (ReservationId, Status, CancelReason, CheckedInAt, CheckedOutAt) "
     "values ($1::bigint, $2, $3, $4::timestamptz, $5::timestamptz)",
     nullptr},
    {"tblStayUnits", "select ReservationId, UnitId, FromNight, ToNight from tblStayUnits", 4,
     "insert into tblStayUnits (ReservationId, UnitId, FromNight, ToNight) values ($1::bigint, "
     "$2::bigint, $3::date, $4::date)",
     nullptr},
    {"tblStayEvents",
     "select id, ReservationId, At, Desk, What, Before from tblStayEvents order by id", 6,
     "insert into tblStayEvents (id, ReservationId, At, Desk, What, Before) overriding system "
     "value values ($1::bigint, $2::bigint, $3::timestamptz, $4, $5, $6)",
     "tblstayevents"},
    {"tblCapacity", "select Kind, Type, KeepUnits from tblCapacity", 3,
     "insert into tblCapacity (Kind, Type, KeepUnits) values ($1, $2, $3::integer)", nullptr},
    // The guests: profiles with their keys as the file folded them, the stays' guests, the
    // desk's privacy rules in the place of the new database's and their log.
    {"tblGuests",
     "select id, Name, Phone, Email, Address, Nationality, BirthDate, DocType, DocNumber, "
     "DocCountry, DocExpiry, Note, ErasedAt, NameKey, PhoneKey, EmailKey from tblGuests order by "
     "id",
     16,
     "insert into tblGuests (id, Name, Phone, Email, Address, Nationality, BirthDate, DocType, "
     "DocNumber, DocCountry, DocExpiry, Note, ErasedAt, NameKey, PhoneKey, EmailKey) overriding "
     "system value values ($1::bigint, $2, $3, $4, $5, $6, $7::date, $8, $9, $10, $11::date, $12, "
     "$13::timestamptz, $14, $15, $16)",
     "tblguests"},
    {"tblStayGuests", "select ReservationId, GuestId, Role, Position from tblStayGuests", 4,
     "insert into tblStayGuests (ReservationId, GuestId, Role, Position) values ($1::bigint, "
     "$2::bigint, $3, $4::integer)",
     nullptr},
    {"tblPrivacyRules", "select Rule, Enabled, After from tblPrivacyRules", 3,
     "insert into tblPrivacyRules (Rule, Enabled, After) values ($1, $2::integer, $3::integer) on "
     "conflict (Rule) do update set Enabled=excluded.Enabled, After=excluded.After",
     nullptr},
    {"tblPrivacyLog", "select id, At, Desk, What, Count from tblPrivacyLog order by id", 5,
     "insert into tblPrivacyLog (id, At, Desk, What, Count) overriding system value values "
     "($1::bigint, $2::timestamptz, $3, $4, $5::integer)",
     "tblprivacylog"},
};
// The most columns a copied table has.
constexpr int kMostCopiedColumns = 16;

// The file's stays, units and their log, where it has them, inside the copy's transaction; a
// failure rolls the whole copy back.
void copyStays(Sqlite& file, PGconn* conn) {
    auto fail = [&](const QString& text) {
        PQclear(PQexec(conn, "rollback"));
        throw Failure(text);
    };
    for (const StayTable& table : kStayTables) {
        sqlite3_finalize(file.st);
        file.st = nullptr;
        const QByteArray probe =
            QByteArray("select count(*) from sqlite_master where type = 'table' and name = '") +
            table.name + "'";
        if (sqlite3_prepare_v2(file.db, probe.constData(), -1, &file.st, nullptr) != SQLITE_OK ||
            sqlite3_step(file.st) != SQLITE_ROW)
            fail(file.error());
        const bool present = sqlite3_column_int(file.st, 0) > 0;
        sqlite3_finalize(file.st);
        file.st = nullptr;
        if (!present) continue;
        if (sqlite3_prepare_v2(file.db, table.select, -1, &file.st, nullptr) != SQLITE_OK)
            fail(file.error());
        int rc;
        while ((rc = sqlite3_step(file.st)) == SQLITE_ROW) {
            const char* values[kMostCopiedColumns];
            for (int c = 0; c < table.columns; ++c)
                values[c] = reinterpret_cast<const char*>(sqlite3_column_text(file.st, c));
            runInCopy(conn, table.insert, table.columns, values, PGRES_COMMAND_OK);
        }
        if (rc != SQLITE_DONE) fail(file.error());
        if (table.identity) {
            const QByteArray next = QByteArray("select setval(pg_get_serial_sequence('") +
                                    table.identity + "', 'id'), max(id)) from " + table.identity +
                                    " having max(id) is not null";
            runInCopy(conn, next.constData(), 0, nullptr, PGRES_TUPLES_OK);
        }
    }
    sqlite3_finalize(file.st);
    file.st = nullptr;
}

// The highest id the file ever handed out: the server must not hand it out again.
qint64 highestIdOf(Sqlite& file) {
    if (sqlite3_prepare_v2(file.db,
                           "select max(coalesce((select max(seq) from sqlite_sequence "
                           "where name = 'tblRooms'), 0), coalesce(max(id), 0)) from tblRooms",
                           -1, &file.st, nullptr) != SQLITE_OK ||
        sqlite3_step(file.st) != SQLITE_ROW)
        throw Failure(file.error());
    const qint64 highest = sqlite3_column_int64(file.st, 0);
    sqlite3_finalize(file.st);
    file.st = nullptr;
    return highest;
}

// The file's reservations in id order, ready to step through.
void prepareReservationRead(Sqlite& file) {
    const QByteArray select = QByteArray("select ") + kColumns + " from tblRooms order by id";
    if (sqlite3_prepare_v2(file.db, select.constData(), -1, &file.st, nullptr) != SQLITE_OK)
        throw Failure(file.error());
}

// Runs a statement of the copy without values; a refusal rolls the copy back and throws the
// server's words. The caller clears the result.
PGresult* execInCopy(PGconn* conn, const char* sql) {
    PGresult* r = PQexec(conn, sql);
    const ExecStatusType s = PQresultStatus(r);
    if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK && s != PGRES_COPY_IN) {
        const QString text = serverError(conn, r);
        PQclear(r);
        PQclear(PQexec(conn, "rollback"));
        throw Failure(text);
    }
    return r;
}

// Locks the server's reservations and inventory for the copy; either one already holding rows
// ends the copy before anything is written.
void lockEmptyTables(PGconn* conn) {
    PQclear(execInCopy(conn, "lock table tblRooms, tblInventory in exclusive mode"));
    PGresult* count = execInCopy(conn, "select (select count(*) from tblRooms), "
                                       "(select count(*) from tblInventory)");
    const qint64 present = QByteArray(PQgetvalue(count, 0, 0)).toLongLong();
    const qint64 entries = QByteArray(PQgetvalue(count, 0, 1)).toLongLong();
    PQclear(count);
    if (present == 0 && entries == 0) return;
    PQclear(PQexec(conn, "rollback"));
    throw Failure(
        present > 0
            ? QCoreApplication::translate(
                  "ServerChoice", "The server's tblRooms already holds %1 reservations; nothing "
                                  "was copied.")
                  .arg(present)
            : QCoreApplication::translate(
                  "ServerChoice", "The server's tblInventory already holds %1 entries; nothing "
                                  "was copied.")
                  .arg(entries));
}

// One reservation of the file as a row of COPY's text form.
void appendCopyRow(QByteArray& buffer, sqlite3_stmt* st) {
    for (int c = 0; c < kCopiedColumns; ++c) {
        if (c) buffer += '\t';
        if (sqlite3_column_type(st, c) == SQLITE_NULL)
            buffer += "\\N";
        else
            appendCopyValue(buffer, sqlite3_column_text(st, c), sqlite3_column_bytes(st, c));
    }
    buffer += '\n';
}

// The file's reservations into the server's tblRooms through COPY, in blocks of about 64 KiB;
// returns how many. A failure on either side rolls the copy back.
qint64 copyReservations(Sqlite& file, PGconn* conn) {
    PQclear(
        execInCopy(conn, (QByteArray("copy tblRooms (") + kColumns + ") from stdin").constData()));
    qint64 rows = 0;
    QByteArray buffer;
    auto flush = [&] {
        if (PQputCopyData(conn, buffer.constData(), int(buffer.size())) != 1) {
            const QString text = serverError(conn, nullptr);
            PQclear(PQexec(conn, "rollback"));
            throw Failure(text);
        }
        buffer.clear();
    };
    int rc;
    while ((rc = sqlite3_step(file.st)) == SQLITE_ROW) {
        appendCopyRow(buffer, file.st);
        ++rows;
        if (buffer.size() > 1 << 16) flush();
    }
    if (rc != SQLITE_DONE) {
        const QString text = file.error();
        PQputCopyEnd(conn, "the file could not be read");
        while (PGresult* r = PQgetResult(conn))
            PQclear(r);
        PQclear(PQexec(conn, "rollback"));
        throw Failure(text);
    }
    if (!buffer.isEmpty()) flush();
    PQputCopyEnd(conn, nullptr);
    QString copyError;
    while (PGresult* r = PQgetResult(conn)) {
        if (PQresultStatus(r) != PGRES_COMMAND_OK && copyError.isEmpty())
            copyError = serverError(conn, r);
        PQclear(r);
    }
    if (!copyError.isEmpty()) {
        PQclear(PQexec(conn, "rollback"));
        throw Failure(copyError);
    }
    return rows;
}

// The server's ids go on after the highest the file handed out.
void continueIdsAfter(PGconn* conn, qint64 highest) {
    const QByteArray value = QByteArray::number(highest);
    const char* params[] = {value.constData()};
    runInCopy(conn, "select setval(pg_get_serial_sequence('tblrooms', 'id'), $1::bigint)", 1,
              params, PGRES_TUPLES_OK);
}

} // namespace

StartOptions parseStartOptions(const QStringList& arguments) {
    StartOptions o;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        auto target = [&](QString& into) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).trimmed().isEmpty())
                o.error = QCoreApplication::translate(
                              "ServerChoice",
                              "%1 needs a server: a postgresql:// URL or key=value connection "
                              "string")
                              .arg(a);
            else
                into = arguments.at(++i);
        };
        if (a == kServerOption) {
            o.database = StartOptions::Database::Server;
            target(o.server);
        } else if (a == kLocalOption) {
            o.database = StartOptions::Database::Local;
        } else if (a == kCopyOption) {
            target(o.copyToServer);
        } else {
            // A file manager's "Open with" or a desktop entry may pass anything: the program
            // starts as without it.
            o.ignored << a;
        }
        if (!o.error.isEmpty()) break;
    }
    if (o.error.isEmpty() && !o.server.isEmpty() && !isServerTarget(o.server))
        o.error = QCoreApplication::translate("ServerChoice", "not a server: %1").arg(o.server);
    if (o.error.isEmpty() && !o.copyToServer.isEmpty() && !isServerTarget(o.copyToServer))
        o.error =
            QCoreApplication::translate("ServerChoice", "not a server: %1").arg(o.copyToServer);
    return o;
}

QString startOptionsUsage() {
    return QCoreApplication::translate(
        "ServerChoice",
        "usage: corvanna [--server TARGET | --local] [--copy-to-server TARGET]\n"
        "  --server TARGET          keep the reservations on a PostgreSQL server from now on\n"
        "                           (postgresql://user@host:port/dbname or key=value)\n"
        "  --local                  back to the database file of this computer\n"
        "  --copy-to-server TARGET  copy this computer's reservations to an empty server "
        "database\n"
        "Passwords come from ~/.pgpass or PGPASSWORD and are never kept in the settings.\n");
}

QString applyDatabaseChoice(const StartOptions& options, SettingsStore& settings) {
    switch (options.database) {
    case StartOptions::Database::Server:
        settings.write(kServerKey, withoutPassword(options.server));
        settings.flush();
        return options.server;
    case StartOptions::Database::Local:
        settings.write(kServerKey, QString());
        settings.flush();
        return {};
    case StartOptions::Database::AsSaved:
        break;
    }
    return settings.read(kServerKey, QString()).trimmed();
}

QString withoutPassword(const QString& target) {
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(target.toUtf8().constData(), &error);
    if (!options) {
        const QString text =
            error ? QString::fromUtf8(error).trimmed() : QStringLiteral("out of memory");
        PQfreemem(error);
        throw Failure(text);
    }
    QStringList parts;
    for (PQconninfoOption* o = options; o->keyword; ++o) {
        if (!o->val || qstrcmp(o->keyword, "password") == 0) continue;
        QString value = QString::fromUtf8(o->val);
        value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        value.replace(QLatin1Char('\''), QStringLiteral("\\'"));
        parts << QString::fromUtf8(o->keyword) + QStringLiteral("='") + value + QLatin1Char('\'');
    }
    PQconninfoFree(options);
    return parts.join(QLatin1Char(' '));
}

qint64 copyToServer(const QString& databaseFile, const QString& target) {
    Sqlite file;
    if (sqlite3_open_v2(databaseFile.toUtf8().constData(), &file.db, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK)
        throw Failure(file.error());
    const qint64 highest = highestIdOf(file);
    prepareReservationRead(file);

    ServerLink link;
    link.open(target);
    PGconn* conn = link.handle();
    PQclear(execInCopy(conn, "begin"));
    lockEmptyTables(conn);
    const qint64 rows = copyReservations(file, conn);
    copyInventory(file, conn);
    copyStays(file, conn);
    if (highest > 0) continueIdsAfter(conn, highest);
    PQclear(execInCopy(conn, "commit"));
    return rows;
}

} // namespace corvanna
