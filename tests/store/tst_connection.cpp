// The connection: opening only real databases, running statements, reading result sets.
#include "base/failure.h"
#include "store/connection.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {
QByteArray digestOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString source(const QString& file) {
    return "provider=microsoft.jet.oledb.4.0;data source=" + file + ";JET OLEDB:Database Password=";
}
} // namespace

class TestConnection : public QObject {
    Q_OBJECT
private slots:
    void missingFileIsNotCreated();
    void notADatabase_data();
    void notADatabase();
    void roundTripOfTexts_data();
    void roundTripOfTexts();
    void rangeBoundsAreInclusive_data();
    void rangeBoundsAreInclusive();
    void engineRejectsWhatDoesNotFit_data();
    void engineRejectsWhatDoesNotFit();
    void idsAreNeverReused();
    void nullReadsAsEmptyText();
    void closedConnectionFails();
    void aRowBreakingARuleIsNotDamage();
    void damageAwayFromTheSaveIsFoundBeforeIt_data();
    void damageAwayFromTheSaveIsFoundBeforeIt();
    void journalRefusalIsReported();

private:
    QTemporaryDir m_dir;
    QString freshDatabase(const QString& name) {
        const QString path = m_dir.filePath(name);
        createDatabase(path);
        return path;
    }
};

void TestConnection::missingFileIsNotCreated() {
    const QString path = m_dir.filePath("absent.mdb");
    Connection c("missing");
    QCOMPARE(failureOf([&] { c.open(source(path)); }),
             QStringLiteral("unable to open database file"));
    QCOMPARE(c.state(), 0);
    QVERIFY(!QFile::exists(path));
}

void TestConnection::notADatabase_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text")
        << QByteArray("This is the hotel's price list, not a database.\n").repeated(200);
    QTest::newRow("zeros") << QByteArray(8192, '\0');
    QByteArray header("SQLite format 3");
    header.append('\0');
    header.append(QByteArray(4080, '\x7f'));
    QTest::newRow("damaged header") << header;
}

void TestConnection::notADatabase() {
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath("garbage.mdb");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    f.close();
    const QByteArray before = digestOf(path);
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);
    {
        Connection c("garbage");
        const QString failure = failureOf([&] { c.open(source(path)); });
        QVERIFY2(!failure.isEmpty(), "a file that is not a database must not open");
        QCOMPARE(c.state(), 0);
    }
    QCOMPARE(digestOf(path), before);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);
}

void TestConnection::roundTripOfTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("apostrophes") << "O'Brien's ''inn''";
    QTest::newRow("date in a name") << "#01/02/2024#";
    QTest::newRow("statement in a name") << "'); drop table tblRooms; --";
    QTest::newRow("blanks kept") << "  padded  ";
    QTest::newRow("multi-line") << "1 Harbour Road\r\nPellworth\r\n";
    QTest::newRow("accents and rtl") << QString::fromUtf8("Zoë Ångström \u05E9\u05DC\u05D5\u05DD");
    QTest::newRow("empty") << "";
}

void TestConnection::roundTripOfTexts() {
    QFETCH(QString, text);
    const QString path = freshDatabase("texts.mdb");
    Connection c("texts");
    c.open(source(path));
    GuestValues v = sampleGuest(text, QDate(2024, 1, 30), QDate(2024, 1, 31));
    v.address = text;
    QCOMPARE(c.execute(statements::insert(v)), 1);
    ResultSet rs;
    rs.open(statements::selectAll(), c);
    QVERIFY(!rs.eof());
    QCOMPARE(rs.text("GuestName"), text);
    QCOMPARE(rs.text("Address"), text);
    QCOMPARE(rs.text("CheckInDate"), QStringLiteral("2024-01-30"));
    rs.moveNext();
    QVERIFY(rs.eof());
    QCOMPARE(queryValue(path, "select count(*) from sqlite_master where name='tblRooms'"),
             QStringLiteral("1"));
}

void TestConnection::rangeBoundsAreInclusive_data() {
    QTest::addColumn<QDate>("checkIn");
    QTest::addColumn<QDate>("checkOut");
    QTest::addColumn<bool>("listed");
    // The range searched is 10 to 20 March 2024.
    QTest::newRow("exactly the range") << QDate(2024, 3, 10) << QDate(2024, 3, 20) << true;
    QTest::newRow("inside") << QDate(2024, 3, 12) << QDate(2024, 3, 13) << true;
    QTest::newRow("starts a day early") << QDate(2024, 3, 9) << QDate(2024, 3, 12) << false;
    QTest::newRow("ends a day late") << QDate(2024, 3, 15) << QDate(2024, 3, 21) << false;
    QTest::newRow("one day on the first") << QDate(2024, 3, 10) << QDate(2024, 3, 10) << true;
    QTest::newRow("other year, same day text") << QDate(2023, 3, 12) << QDate(2023, 3, 13) << false;
}

void TestConnection::rangeBoundsAreInclusive() {
    QFETCH(QDate, checkIn);
    QFETCH(QDate, checkOut);
    QFETCH(bool, listed);
    const QString path = freshDatabase("range.mdb");
    Connection c("range");
    c.open(source(path));
    c.execute(statements::insert(sampleGuest("Guest", checkIn, checkOut)));
    ResultSet rs;
    rs.open(statements::selectRange(QDate(2024, 3, 10), QDate(2024, 3, 20)), c);
    QCOMPARE(!rs.eof(), listed);
    rs.open(statements::selectRange(QDate(2024, 3, 20), QDate(2024, 3, 10)), c);
    QVERIFY2(rs.eof(), "a range whose first date is after its second lists nothing");
}

void TestConnection::engineRejectsWhatDoesNotFit_data() {
    QTest::addColumn<QString>("statement");
    QTest::newRow("text in a count")
        << "insert into tblRooms ([GuestName],[NoOfRooms]) values ('a','two')";
    QTest::newRow("bare word in a count")
        << "insert into tblRooms ([GuestName],[NoOfRooms]) values ('a',two)";
    QTest::newRow("fraction in a count")
        << "insert into tblRooms ([GuestName],[NoOfPersons]) values ('a',1.5)";
    QTest::newRow("impossible date")
        << "insert into tblRooms ([GuestName],[CheckInDate]) values ('a',#02/30/2024#)";
    QTest::newRow("empty id") << "delete from tblRooms where id=";
}

void TestConnection::engineRejectsWhatDoesNotFit() {
    QFETCH(QString, statement);
    const QString path = freshDatabase("reject.mdb");
    Connection c("reject");
    c.open(source(path));
    QVERIFY(!failureOf([&] { c.execute(statement); }).isEmpty());
    QCOMPARE(queryValue(path, "select count(*) from tblRooms"), QStringLiteral("0"));
}

void TestConnection::idsAreNeverReused() {
    const QString path = freshDatabase("ids.mdb");
    Connection c("ids");
    c.open(source(path));
    const GuestValues v = sampleGuest("A", QDate(2024, 1, 1), QDate(2024, 1, 2));
    c.execute(statements::insert(v));
    c.execute(statements::insert(v));
    QCOMPARE(c.execute(statements::deleteById("2")), 1);
    c.execute(statements::insert(v));
    QCOMPARE(queryValue(path, "select max(id) from tblRooms"), QStringLiteral("3"));
    QCOMPARE(c.execute(statements::deleteById("99")), 0);
}

void TestConnection::nullReadsAsEmptyText() {
    const QString path = freshDatabase("nulls.mdb");
    execOn(path, "insert into tblRooms (GuestName) values ('Only a name')");
    Connection c("nulls");
    c.open(source(path));
    ResultSet rs;
    rs.open(statements::selectById("1"), c);
    QVERIFY(rs.isNull("PhoneNumber"));
    QCOMPARE(rs.text("PhoneNumber"), QString());
    QCOMPARE(rs.text("NoOfRooms"), QString());
    QCOMPARE(rs.state(), 1);
    rs.close();
    QCOMPARE(rs.state(), 0);
}

void TestConnection::closedConnectionFails() {
    const QString path = freshDatabase("closed.mdb");
    Connection c("closed");
    c.open(source(path));
    c.close();
    QCOMPARE(c.state(), 0);
    QCOMPARE(failureOf([&] { c.execute(statements::deleteById("1")); }),
             QStringLiteral("Operation is not allowed when the object is closed."));
    ResultSet rs;
    QVERIFY(!failureOf([&] { rs.open(statements::selectAll(), c); }).isEmpty());
}

// A row that breaks a column rule (written by other software) is a finding about that row, not
// damage: the first save goes ahead.
void TestConnection::aRowBreakingARuleIsNotDamage() {
    const QString path = freshDatabase("rule.mdb");
    execOn(path, "PRAGMA ignore_check_constraints=ON;"
                 "insert into tblRooms (GuestName, NoOfRooms, CheckInDate) "
                 "values ('Odd', 'two', '2024-02-30')");
    // The engine's check finds it (on a connection that may write; a read-only one skips the
    // column rules).
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &st, nullptr);
    QCOMPARE(sqlite3_step(st), SQLITE_ROW);
    const QByteArray finding(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    QCOMPARE(finding, QByteArray("CHECK constraint failed in tblRooms"));
    Connection c("rule");
    c.open(source(path));
    QCOMPARE(
        c.execute(statements::insert(sampleGuest("Ann", QDate(2024, 1, 2), QDate(2024, 1, 3)))), 1);
    QCOMPARE(queryValue(path, "select count(*) from tblRooms"), QStringLiteral("2"));
}

// Another program reads the file in write-ahead mode: the engine refuses the rollback journal,
// and the open fails with its words instead of going on without the crash-safe journal.
void TestConnection::journalRefusalIsReported() {
    const QString path = freshDatabase("wal.mdb");
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "PRAGMA journal_mode=WAL; begin; select count(*) from tblRooms;",
                          nullptr, nullptr, nullptr),
             SQLITE_OK);
    Connection c("wal");
    QCOMPARE(failureOf([&] { c.open(source(path)); }), QStringLiteral("database is locked"));
    QCOMPARE(c.state(), 0);
    sqlite3_close(other);
    QCOMPARE(queryValue(path, "PRAGMA journal_mode"), QStringLiteral("wal"));
}

QTEST_GUILESS_MAIN(TestConnection)
// A leaf in the middle of the table is smashed: the save itself would not touch it, so only the
// whole-file check can keep the save out, whether it runs in the background (the save waits for
// its finding) or at the save.
void TestConnection::damageAwayFromTheSaveIsFoundBeforeIt_data() {
    QTest::addColumn<bool>("background");
    QTest::newRow("check running when the save comes") << true;
    QTest::newRow("no check started") << false;
}

void TestConnection::damageAwayFromTheSaveIsFoundBeforeIt() {
    QFETCH(bool, background);
    const QString path = freshDatabase("smashed.mdb");
    execOn(path, "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) "
                 "insert into tblRooms (GuestName, Address) select 'guest ' || i, "
                 "printf('%.200c', 'x') from n");
    const QString page = queryValue(
        path, "select pageno from dbstat where name = 'tblRooms' and pagetype = 'leaf' "
              "order by pageno limit 1 offset 50");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek((page.toLongLong() - 1) * 4096 + 3));
    file.write(QByteArray("\xff\xff", 2)); // the page's count of cells
    file.close();
    const QByteArray before = digestOf(path);

    Connection c("smashed");
    c.open(source(path));
    if (background) c.startBackgroundCheck();
    QCOMPARE(failureOf([&] {
                 c.execute(statements::insert(sampleGuest("Ann", {2024, 1, 2}, {2024, 1, 3})));
             }),
             QStringLiteral("database disk image is malformed"));
    c.close();
    QCOMPARE(digestOf(path), before);
}

#include "tst_connection.moc"
