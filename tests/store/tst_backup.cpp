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
    QTest::newRow("a copy dated after today stays")
        << dayRun(QDate(2026, 5, 20), 20) + QStringList{"2031-01-01"} << "2026-06-08"
        << dayRun(QDate(2026, 5, 21), 5);
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
    if (locked) QCOMPARE(failure, QStringLiteral("database is locked"));
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

    const QDateTime when(QDate(2026, 12, 7), QTime(9, 5, 3));
    const QString replaced = restoreBackup(connection, source, copy, folder, when);
    QCOMPARE(replaced, folder + "/dbRooms-replaced-2026-12-07-090503.mdb");
    QCOMPARE(contentOf(replaced), before);
    QCOMPARE(modeOf(replaced), 0600);
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

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
