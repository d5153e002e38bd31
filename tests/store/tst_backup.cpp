// Backups of the working database: the rotation over a year of days, the verified private copy,
// a failed copy that harms nothing, and the restore.
#include "store/backup.h"
#include "store/connection.h"
#include "tests/common/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <set>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

std::vector<QDate> days(const QStringList& texts) {
    std::vector<QDate> out;
    for (const QString& t : texts)
        out.push_back(QDate::fromString(t, Qt::ISODate));
    return out;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

QStringList dayRun(const QDate& first, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << first.addDays(i).toString(Qt::ISODate);
    return out;
}

int monthNumber(const QDate& d) {
    return d.year() * 12 + d.month() - 1;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void rotation_data();
    void rotation();
    void rotationAcrossAYear();
    void copyIsVerifiedAndPrivate();
    void failedCopyHarmsNothing_data();
    void failedCopyHarmsNothing();
    void restoreKeepsTheReplacedFile();
    void damagedCopyIsRefused_data();
    void damagedCopyIsRefused();
    void wrongClockKeepsEveryCopy_data();
    void wrongClockKeepsEveryCopy();
    void backUpNowKeepsEachCopy();
    void differenceFromTheCopy();
    void leftoverRestoreIsRemovedWhenWhole_data();
    void leftoverRestoreIsRemovedWhenWhole();
    void sharedFolderKeepsItsGroup();

private:
    QString makeWorking(QTemporaryDir& dir, int rows);
};

void TestBackup::rotation_data() {
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QString>("today");
    QTest::addColumn<QStringList>("removed");
    QTest::newRow("14 newest and the month's first")
        << dayRun(QDate(2026, 1, 1), 20) << "2026-01-20" << dayRun(QDate(2026, 1, 2), 5);
    QTest::newRow("months back: 12 kept, 13 removed")
        << dayRun(QDate(2027, 3, 1), 15) +
               QStringList{"2026-02-01", "2026-02-09", "2026-03-05", "2027-01-31"}
        << "2027-03-15" << QStringList{"2026-02-01", "2026-02-09"};
    QTest::newRow("the last copies stay however old")
        << QStringList{"2024-01-02", "2024-01-03", "2024-04-01"} << "2026-05-30" << QStringList{};
    QTest::newRow("a copy dated after today: a wrong clock, nothing removed")
        << dayRun(QDate(2026, 5, 20), 20) + QStringList{"2031-01-01"} << "2026-06-08"
        << QStringList{};
    QTest::newRow("nothing kept") << QStringList{} << "2026-06-01" << QStringList{};
}

void TestBackup::rotation() {
    QFETCH(QStringList, kept);
    QFETCH(QString, today);
    QFETCH(QStringList, removed);
    QCOMPARE(backupsToRemove(days(kept), QDate::fromString(today, Qt::ISODate)), days(removed));
}

// A desk that closes most days (not on a few) for 15 months: after each day's rotation the 14
// newest copies and the first of each of the last 13 months are there, nothing older, and nothing
// was removed that a later day would have kept.
void TestBackup::rotationAcrossAYear() {
    std::set<QDate> kept;
    std::vector<QDate> history;
    for (QDate today(2026, 1, 1); today <= QDate(2027, 3, 31); today = today.addDays(1)) {
        if (today.dayOfWeek() == 7 || (today.month() == 8 && today.day() < 20)) continue; // closed
        history.push_back(today);
        kept.insert(today);
        for (const QDate& gone : backupsToRemove({kept.begin(), kept.end()}, today))
            QVERIFY(kept.erase(gone) == 1);

        const std::vector<QDate> gone = backupsToRemove(history, today);
        std::set<QDate> fromHistory(history.begin(), history.end());
        for (const QDate& g : gone)
            fromHistory.erase(g);
        QCOMPARE(kept, fromHistory);
        for (size_t i = history.size() > 14 ? history.size() - 14 : 0; i < history.size(); ++i)
            QVERIFY2(kept.count(history[i]), qPrintable(history[i].toString(Qt::ISODate)));
        std::set<int> months;
        for (const QDate& d : kept) {
            QVERIFY2(monthNumber(today) - monthNumber(d) <= 12, qPrintable(d.toString()));
            months.insert(monthNumber(d));
        }
        for (const QDate& d : history)
            if (monthNumber(today) - monthNumber(d) <= 12) QVERIFY(months.count(monthNumber(d)));
        QVERIFY(kept.size() <= 14 + 13);
    }
    // August's closed weeks: its first copy is the one after them.
    QVERIFY(kept.count(QDate(2026, 8, 20)));
    // The 14 newest, this month's first, and the first of each of the 12 months before.
    QCOMPARE(kept.size(), size_t(14 + 1 + 12));
}

QString TestBackup::makeWorking(QTemporaryDir& dir, int rows) {
    const QString path = dir.filePath("dbRooms.mdb");
    createDatabase(path);
    execOn(path, QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n "
                                "where i < %1) insert into tblRooms (GuestName, CreditCardNo) "
                                "select 'guest ' || i, '4111 1111 1111 1111' from n")
                     .arg(rows));
    return path;
}

void TestBackup::copyIsVerifiedAndPrivate() {
    QTemporaryDir dir;
    const QString working = makeWorking(dir, 3);
    Connection connection("backup");
    connection.open("data source=" + working);
    const QString folder = backupFolderOf(dir.path());
    const QString copy = backUp(connection.handle(), folder, QDate(2026, 12, 7));
    QCOMPARE(copy, folder + "/dbRooms-2026-12-07.mdb");
    QCOMPARE(integrityCheckOf(copy), QStringLiteral("ok"));
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(3));
    QCOMPARE(modeOf(copy), 0600);
    QCOMPARE(modeOf(folder), 0700);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             QStringList{"dbRooms-2026-12-07.mdb"});
    // A second copy the same day replaces the first with what the database holds now.
    connection.execute("delete from tblRooms where id=1");
    backUp(connection.handle(), folder, QDate(2026, 12, 7));
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(2));
    QCOMPARE(keptBackups(folder).size(), size_t(1));
}

void TestBackup::failedCopyHarmsNothing_data() {
    QTest::addColumn<bool>("locked"); // else: the temporary file cannot be made
    QTest::newRow("temporary file cannot be made") << false;
    QTest::newRow("another program holds the database") << true;
}

void TestBackup::failedCopyHarmsNothing() {
    QFETCH(bool, locked);
    QTemporaryDir dir;
    const QString working = makeWorking(dir, 2);
    Connection connection("backup");
    connection.open("data source=" + working);
    const QString folder = backupFolderOf(dir.path());
    const QString kept = backUp(connection.handle(), folder, QDate(2026, 12, 6));
    const QString today = backUp(connection.handle(), folder, QDate(2026, 12, 7));
    connection.execute("delete from tblRooms where id=1");
    const QByteArray workingBefore = contentOf(working);
    const QByteArray keptBefore = contentOf(kept);
    const QByteArray todayBefore = contentOf(today);

    sqlite3* other = nullptr;
    const QString partial = folder + QStringLiteral("/.backup-%1.partial").arg(::getpid());
    if (locked) {
        QCOMPARE(sqlite3_open(working.toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    } else {
        QVERIFY(QDir().mkdir(partial));
    }
    const QString failure =
        failureOf([&] { backUp(connection.handle(), folder, QDate(2026, 12, 7)); });
    if (other) sqlite3_close(other);
    QVERIFY(!failure.isEmpty());
    if (locked)
        QCOMPARE(failure, "The backup could not be written to the folder " +
                              QDir::toNativeSeparators(folder) + ": database is locked");
    QCOMPARE(contentOf(working), workingBefore);
    QCOMPARE(contentOf(kept), keptBefore);
    QCOMPARE(contentOf(today), todayBefore);
    QCOMPARE(keptBackups(folder).size(), size_t(2));
    if (locked) QVERIFY(!QFileInfo::exists(partial));
    QCOMPARE(integrityCheckOf(working), QStringLiteral("ok"));
}

void TestBackup::restoreKeepsTheReplacedFile() {
    QTemporaryDir dir;
    const QString working = makeWorking(dir, 2);
    const QString source = "data source=" + working;
    Connection connection("backup");
    connection.open(source);
    const QString folder = backupFolderOf(dir.path());
    const QString copy = backUp(connection.handle(), folder, QDate(2026, 12, 1));
    connection.execute("insert into tblRooms (GuestName) values ('after the copy')");
    const QByteArray before = contentOf(working);
    const int workingMode = modeOf(working);

    const QDateTime when(QDate(2026, 12, 7), QTime(9, 5, 3));
    const QString replaced = restoreBackup(connection, source, copy, folder, when);
    QCOMPARE(replaced, folder + "/dbRooms-replaced-2026-12-07-090503.mdb");
    QCOMPARE(contentOf(replaced), before);
    // The group's rights an administrator gave stay; every other account's go.
    QCOMPARE(modeOf(replaced), workingMode & 0770);
    QCOMPARE(modeOf(working), 0600);
    // The connection is open again, on the restored file.
    QCOMPARE(connection.state(), 1);
    QCOMPARE(connection.execute("update tblRooms set Type='x'"), 2);
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(2));
    QVERIFY(!QFileInfo::exists(working + ".restoring"));
}

void TestBackup::damagedCopyIsRefused_data() {
    QTest::addColumn<QByteArray>("damage"); // how the copy is spoilt
    QTest::newRow("pages overwritten") << QByteArray("pages");
    QTest::newRow("not a database") << QByteArray("text");
    QTest::newRow("empty file") << QByteArray("empty");
}

void TestBackup::damagedCopyIsRefused() {
    QFETCH(QByteArray, damage);
    QTemporaryDir dir;
    const QString working = makeWorking(dir, 300);
    const QString source = "data source=" + working;
    Connection connection("backup");
    connection.open(source);
    const QString folder = backupFolderOf(dir.path());
    const QString copy = backUp(connection.handle(), folder, QDate(2026, 12, 1));
    {
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (damage == "pages") {
            QVERIFY(file.size() > 3 * 4096);
            file.seek(2 * 4096 + 100); // inside the table's pages, past the header and schema
            file.write(QByteArray(4096, '\x5a'));
        } else {
            file.resize(0);
            if (damage == "text") file.write("these are not the bookings\n");
        }
    }
    QVERIFY(integrityCheckOf(copy) != QLatin1String("ok"));
    const QByteArray before = contentOf(working);
    const QString failure = failureOf([&] {
        restoreBackup(connection, source, copy, folder, QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    });
    QVERIFY2(failure.startsWith("The copy " + QDir::toNativeSeparators(copy) +
                                " failed its integrity check: "),
             qPrintable(failure));
    QCOMPARE(contentOf(working), before);
    QCOMPARE(connection.state(), 1);
    QCOMPARE(QDir(folder).entryList({"dbRooms-replaced-*"}, QDir::Files), QStringList{});
    QVERIFY(!QFileInfo::exists(working + ".restoring"));
}

void TestBackup::wrongClockKeepsEveryCopy_data() {
    QTest::addColumn<bool>("closing"); // else: a rotation after Back Up Now
    QTest::newRow("a close with the clock set back") << true;
    QTest::newRow("a rotation after a run dated ahead") << false;
}

// The clock set back to a day with a kept copy (a month's first): that copy stays as it was, the
// reservations get a copy of their own, and rotation removes nothing but says why.
void TestBackup::wrongClockKeepsEveryCopy() {
    QFETCH(bool, closing);
    QTemporaryDir dir;
    const QString working = makeWorking(dir, 3);
    Connection connection("backup");
    connection.open("data source=" + working);
    const QString folder = backupFolderOf(dir.path());
    const QDate monthly(2026, 6, 1);
    backUp(connection.handle(), folder, monthly);
    for (const QString& day : dayRun(QDate(2026, 11, 20), 20))
        backUp(connection.handle(), folder, QDate::fromString(day, Qt::ISODate));
    const QByteArray monthlyBefore = contentOf(folder + "/dbRooms-2026-06-01.mdb");
    connection.execute("delete from tblRooms where id=1");

    const QDateTime now(closing ? monthly : QDate(2026, 12, 1), QTime(14, 30, 5));
    QString notice;
    if (closing)
        QCOMPARE(keepDailyCopy(connection.handle(), folder, now, &notice), QString());
    else
        notice = rotateBackups(folder, now);
    QCOMPARE(notice, "No old backups were removed, because the backup dbRooms-2026-12-09.mdb is "
                     "dated after today (" +
                         now.date().toString(Qt::ISODate) +
                         "); if the computer's clock is wrong, correct it.");
    QCOMPARE(contentOf(folder + "/dbRooms-2026-06-01.mdb"), monthlyBefore);
    QCOMPARE(keptBackups(folder).size(), size_t(closing ? 22 : 21));
    if (closing)
        QCOMPARE(reservationCountOf(folder + "/dbRooms-2026-06-01-143005.mdb"),
                 std::optional<qint64>(2));
}

// Each Back Up Now keeps a copy of its own; rotation keeps those of the last 24 hours and, of an
// older day without a day's copy, the last.
void TestBackup::backUpNowKeepsEachCopy() {
    QTemporaryDir dir;
    const QString working = makeWorking(dir, 2);
    Connection connection("backup");
    connection.open("data source=" + working);
    const QString folder = backupFolderOf(dir.path());
    const QDateTime now(QDate(2026, 12, 8), QTime(14, 30, 5));
    QCOMPARE(backUpNow(connection.handle(), folder, now),
             folder + "/dbRooms-2026-12-08-143005.mdb");
    connection.execute("delete from tblRooms where id=1");
    QCOMPARE(backUpNow(connection.handle(), folder, now),
             folder + "/dbRooms-2026-12-08-143006.mdb");
    QCOMPARE(reservationCountOf(folder + "/dbRooms-2026-12-08-143005.mdb"),
             std::optional<qint64>(2));
    backUpNow(connection.handle(), folder, now.addDays(-2));
    backUpNow(connection.handle(), folder, now.addDays(-2).addSecs(60));
    backUpNow(connection.handle(), folder, now.addDays(-3));
    backUp(connection.handle(), folder, now.addDays(-3).date());
    QCOMPARE(rotateBackups(folder, now), QString());
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             (QStringList{"dbRooms-2026-12-05.mdb", "dbRooms-2026-12-06-143105.mdb",
                          "dbRooms-2026-12-08-143005.mdb", "dbRooms-2026-12-08-143006.mdb"}));
}

void TestBackup::differenceFromTheCopy() {
    QTemporaryDir dir;
    const QString working = makeWorking(dir, 4);
    Connection connection("backup");
    connection.open("data source=" + working);
    const QString copy =
        backUp(connection.handle(), backupFolderOf(dir.path()), QDate(2026, 12, 1));
    connection.execute("delete from tblRooms where id in (1, 2)");
    connection.execute("update tblRooms set PhoneNumber='555' where id=3");
    connection.execute("insert into tblRooms (GuestName) values ('new')");
    const auto difference = compareReservations(working, copy);
    QVERIFY(difference);
    QCOMPARE(difference->onlyInWorking, qint64(1));
    QCOMPARE(difference->onlyInCopy, qint64(2));
    QCOMPARE(difference->changed, qint64(1));
}

void TestBackup::leftoverRestoreIsRemovedWhenWhole_data() {
    QTest::addColumn<QString>("working");
    QTest::newRow("whole") << "whole";
    QTest::newRow("damaged") << "damaged";
    QTest::newRow("missing") << "missing";
}

void TestBackup::leftoverRestoreIsRemovedWhenWhole() {
    QFETCH(QString, working);
    QTemporaryDir dir;
    const QString path = makeWorking(dir, 300);
    const QString leftover = path + ".restoring";
    QVERIFY(QFile::copy(path, leftover));
    if (working == "missing") QVERIFY(QFile::remove(path));
    if (working == "damaged") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(2 * 4096 + 100);
        file.write(QByteArray(4096, '\x5a'));
    }
    QCOMPARE(removeLeftoverRestore(path), working == "whole");
    QCOMPARE(QFileInfo::exists(leftover), working != "whole");
}

// An administrator's group-shared folder of copies stays shared; only other accounts' rights go.
void TestBackup::sharedFolderKeepsItsGroup() {
    QTemporaryDir dir;
    const QString working = makeWorking(dir, 1);
    Connection connection("backup");
    connection.open("data source=" + working);
    const QString folder = backupFolderOf(dir.path());
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0775) == 0);
    backUp(connection.handle(), folder, QDate(2026, 12, 1));
    QCOMPARE(modeOf(folder), 0770);
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
