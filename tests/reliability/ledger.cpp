#include "ledger.h"

#include <libpq-fe.h>
#include <sqlite3.h>

namespace corvanna::test {

int Ledger::take(const QByteArray& output, QString* mode) {
    int confirmed = 0;
    const qsizetype end = output.lastIndexOf('\n');
    if (end < 0) return 0;
    const QStringList lines = QString::fromUtf8(output.left(end)).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("M "))) {
            if (mode) *mode = line.mid(2);
            continue;
        }
        const QStringList parts = line.mid(2).split(QLatin1Char('\t'));
        bool ok = false;
        const qint64 id = parts.value(0).toLongLong(&ok);
        if (!ok) continue;
        if (line.startsWith(QLatin1String("I ")) && parts.size() == 3) {
            m_rows.insert(id, {parts[1], parts[2]});
            ++confirmed;
        } else if (line.startsWith(QLatin1String("U ")) && parts.size() == 2) {
            m_rows[id].address = parts[1];
            ++confirmed;
        }
    }
    return confirmed;
}

namespace {
// The rows of a server's table, read through libpq.
QStringList readServer(const QString& url, QHash<qint64, SavedRow>& found) {
    PGconn* conn = PQconnectdb(url.toUtf8().constData());
    PGresult* r = PQstatus(conn) == CONNECTION_OK
                      ? PQexec(conn, "select id, GuestName, Address from tblRooms")
                      : nullptr;
    QStringList problems;
    // A saver killed before it made the schema leaves no table: no rows.
    const char* state = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    const bool noTable = state && qstrcmp(state, "42P01") == 0;
    if (PQresultStatus(r) != PGRES_TUPLES_OK && !noTable)
        problems << QStringLiteral("reading the table: %1").arg(PQerrorMessage(conn));
    else if (!noTable)
        for (int i = 0; i < PQntuples(r); ++i)
            found.insert(
                QByteArray(PQgetvalue(r, i, 0)).toLongLong(),
                {QString::fromUtf8(PQgetvalue(r, i, 1)), QString::fromUtf8(PQgetvalue(r, i, 2))});
    PQclear(r);
    PQfinish(conn);
    return problems;
}
} // namespace

QStringList Ledger::reconcile(const QString& database, int inFlight,
                              const QStringList& inFlightPrefixes) {
    QHash<qint64, SavedRow> found;
    if (database.startsWith(QLatin1String("postgresql://")))
        return compare(readServer(database, found), found, inFlight, inFlightPrefixes);
    QStringList problems;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        problems << QStringLiteral("cannot open %1: %2").arg(database, sqlite3_errmsg(db));
        sqlite3_close(db);
        return problems;
    }
    sqlite3_busy_timeout(db, 10000);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "select id, GuestName, Address from tblRooms", -1, &st, nullptr) ==
        SQLITE_OK) {
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            found.insert(
                sqlite3_column_int64(st, 0),
                {QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1))),
                 QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2)))});
        if (rc != SQLITE_DONE)
            problems << QStringLiteral("reading the table: %1").arg(sqlite3_errmsg(db));
    } else {
        problems << QStringLiteral("reading the table: %1").arg(sqlite3_errmsg(db));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return compare(problems, found, inFlight, inFlightPrefixes);
}

QStringList Ledger::compare(QStringList problems, const QHash<qint64, SavedRow>& found,
                            int inFlight, const QStringList& inFlightPrefixes) {
    auto fromInFlight = [&](const SavedRow& row) {
        for (const QString& prefix : inFlightPrefixes)
            if (row.name.startsWith(prefix + QLatin1Char(' ')) ||
                row.address.startsWith(prefix + QLatin1Char(' ')))
                return true;
        return false;
    };
    int surprises = 0;
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        const auto row = found.constFind(it.key());
        if (row == found.cend()) {
            problems << QStringLiteral("confirmed reservation %1 (%2) is lost")
                            .arg(it.key())
                            .arg(it->name);
        } else if (row->name != it->name) {
            problems << QStringLiteral("reservation %1 is named \"%2\", confirmed as \"%3\"")
                            .arg(it.key())
                            .arg(row->name, it->name);
        } else if (row->address != it->address) {
            if (!fromInFlight(*row))
                problems << QStringLiteral("reservation %1 has address \"%2\", confirmed as \"%3\"")
                                .arg(it.key())
                                .arg(row->address, it->address);
            ++surprises;
        }
    }
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (m_rows.contains(it.key())) continue;
        if (!fromInFlight(*it))
            problems << QStringLiteral("reservation %1 (%2) was never saved")
                            .arg(it.key())
                            .arg(it->name);
        ++surprises;
    }
    if (surprises > inFlight)
        problems << QStringLiteral("%1 rows differ from the confirmed saves; at most %2 saves were "
                                   "under way")
                        .arg(surprises)
                        .arg(inFlight);
    m_rows = found; // what was under way and landed is saved from now on
    return problems;
}

QString integrityOf(const QString& database) {
    sqlite3* db = nullptr;
    QStringList result;
    if (sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_busy_timeout(db, 10000);
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                result << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        else
            result << QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
    } else {
        result << QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_close(db);
    return result.join(QLatin1Char('\n'));
}

QString saverProgram() {
    return QStringLiteral(CORVANNA_SAVER);
}

} // namespace corvanna::test
