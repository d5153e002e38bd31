// A helper process for the backup kill test: it opens the working database through the program's
// own connection and keeps backing it up into a folder of copies, rotating them, one day after
// another, two a day (so later copies replace earlier ones), until it has made `count`
// copies (0: until it is killed).
//
//     reliability_backupper DATABASE FOLDER COUNT [gently|closing]
//
// With a pace, each copy is the program's background copy (gently: as after a save; closing: as
// at the close), on a thread and a connection of its own.
//
// Each copy is written to stdout, flushed, once it has its name: "B yyyy-mm-dd". A failed copy
// is written to stderr as "F <n> <description>" and ends the run with exit code 1.
#include "base/failure.h"
#include "store/backup.h"
#include "store/connection.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <cstdio>

using namespace corvanna;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s DATABASE FOLDER COUNT\n", argv[0]);
        return 100;
    }
    const QString database = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const long count = std::atol(argv[3]);
    const QString pace = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    BackgroundCopy background;
    Connection connection(QStringLiteral("backupper"));
    try {
        connection.open(QStringLiteral("data source=") + database);
    } catch (const Failure& f) {
        std::fprintf(stderr, "open: %s\n", qPrintable(f.description()));
        return 101;
    }
    // Days go on from the newest copy an earlier run left, two copies a day (the second replaces
    // the first), so the clock never seems to go back.
    QDate start(2026, 3, 1);
    for (const BackupCopy& copy : keptBackups(folder))
        start = std::max(start, copy.day);
    for (long n = 1; count == 0 || n <= count; ++n) {
        const QDate day = start.addDays((n + 1) / 2);
        const QDateTime when(day, QTime(12, 0));
        QString failure;
        if (pace.isEmpty()) {
            failure = keepDailyCopy(connection.handle(), folder, when);
        } else {
            background.start(database, folder, when, pace == QLatin1String("gently"));
            failure = background.take().failure;
        }
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "F %ld %s\n", n, qPrintable(failure));
            return 1;
        }
        std::printf("B %s\n", qPrintable(day.toString(Qt::ISODate)));
        std::fflush(stdout);
    }
    return 0;
}
