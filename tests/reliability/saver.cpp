// A helper process for the crash and concurrency tests: it opens the working database through the
// program's own connection and saves reservations one after another, the way the guest editor
// does, until it has saved `count` of them (0: until it is killed).
//
//     reliability_saver DATABASE PREFIX COUNT [EDIT_EVERY]
//
// Each save is written to stdout, flushed, only after Connection::execute has returned:
//     M <journal mode> <synchronous>          once, after opening
//     I <id> TAB <guest name> TAB <address>   a new reservation was saved
//     U <id> TAB <address>                    the reservation saved last was changed
// A save that fails is written to stderr as "F <n> <description>" and the next one is tried.
// The exit code is the number of failed saves (at most 100). DATABASE may also be a PostgreSQL
// server's URL; there is no "M" line then.
#include "base/failure.h"
#include "store/connection.h"
#include "store/server/serverlink.h"
#include "store/statements.h"

#include <QCoreApplication>
#include <QDate>
#include <cstdio>
#include <libpq-fe.h>
#include <sqlite3.h>

using namespace corvanna;

namespace {

QString pragmaText(sqlite3* db, const char* pragma) {
    sqlite3_stmt* st = nullptr;
    QString value;
    if (sqlite3_prepare_v2(db, pragma, -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return value;
}

void say(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s DATABASE PREFIX COUNT [EDIT_EVERY]\n", argv[0]);
        return 100;
    }
    const QString database = QString::fromLocal8Bit(argv[1]);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const long count = std::atol(argv[3]);
    const long editEvery = argc > 4 ? std::atol(argv[4]) : 0;

    Connection connection(QStringLiteral("saver"));
    const bool onServer = isServerTarget(database);
    try {
        connection.open(onServer ? database
                                 : QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=") +
                                       database + QStringLiteral(";JET OLEDB:Database Password="));
    } catch (const Failure& f) {
        std::fprintf(stderr, "open: %s\n", qPrintable(f.description()));
        return 101;
    }
    if (!onServer)
        say(QStringLiteral("M %1 %2").arg(pragmaText(connection.handle(), "PRAGMA journal_mode"),
                                          pragmaText(connection.handle(), "PRAGMA synchronous")));
    // The id the last insert of this session got.
    auto insertedId = [&]() -> qint64 {
        if (!onServer) return sqlite3_last_insert_rowid(connection.handle());
        PGresult* r = connection.server()->run(QStringLiteral("select lastval()"));
        const qint64 id = QByteArray(PQgetvalue(r, 0, 0)).toLongLong();
        PQclear(r);
        return id;
    };

    int failures = 0;
    qint64 lastId = -1;
    const QDate first(2024, 1, 1);
    for (long n = 1; count == 0 || n <= count; ++n) {
        const QString name = QStringLiteral("%1 guest %2").arg(prefix).arg(n);
        try {
            if (editEvery > 0 && n % editEvery == 0 && lastId >= 0) {
                // The edit of the reservation saved last: every column rewritten.
                const QString address = QStringLiteral("%1 moved %2").arg(prefix).arg(n);
                GuestValues v;
                v.guestName = QStringLiteral("%1 guest %2").arg(prefix).arg(n - 1);
                v.accommodation = QStringLiteral("Wing");
                v.noOfRooms = QStringLiteral("2");
                v.type = QStringLiteral("East");
                v.serviceIncluded = QStringLiteral("Dinner");
                v.noOfPersons = QStringLiteral("3");
                v.checkIn = first.addDays(n % 300);
                v.checkOut = v.checkIn.addDays(2);
                v.creditCardType = QStringLiteral("VISA");
                v.creditCardNo = QStringLiteral("4111 1111 1111 1111");
                v.phoneNumber = QStringLiteral("555 0199");
                v.address = address;
                connection.execute(statements::update(v, QString::number(lastId)));
                say(QStringLiteral("U %1\t%2").arg(lastId).arg(address));
                continue;
            }
            GuestValues v;
            v.guestName = name;
            v.accommodation = QStringLiteral("Room");
            v.noOfRooms = QStringLiteral("1");
            v.type = QStringLiteral("Single");
            v.serviceIncluded = QStringLiteral("Breakfast");
            v.noOfPersons = QString::number(1 + n % 4);
            v.checkIn = first.addDays(n % 300);
            v.checkOut = v.checkIn.addDays(1 + n % 5);
            v.creditCardType = QStringLiteral("MASTERCARD");
            v.creditCardNo = QStringLiteral("5500 0000 0000 0004");
            v.phoneNumber = QStringLiteral("555 0100");
            v.address = QStringLiteral("%1 street %2").arg(prefix).arg(n);
            connection.execute(statements::insert(v));
            lastId = insertedId();
            say(QStringLiteral("I %1\t%2\t%3").arg(lastId).arg(name, v.address));
        } catch (const Failure& f) {
            ++failures;
            std::fprintf(stderr, "F %ld %s\n", n, qPrintable(f.description()));
            std::fflush(stderr);
        }
    }
    connection.close();
    return failures > 100 ? 100 : failures;
}
