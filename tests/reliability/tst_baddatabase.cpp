// A working database that is not a sound database: start-up says so, the window still opens, and
// the file is left exactly as it was, with nothing created beside it or in its place.
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), content.size());
}

// A real working database with enough reservations to fill several pages.
QByteArray soundDatabase() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sound.mdb"));
    createDatabase(path);
    QString sql = QStringLiteral("begin;");
    for (int i = 0; i < 300; ++i)
        sql += translateDates(
                   statements::insert(sampleGuest(QStringLiteral("Guest number %1").arg(i),
                                                  QDate::currentDate(), QDate::currentDate()))) +
               QLatin1Char(';');
    execOn(path, sql + QStringLiteral("commit;"));
    return contentOf(path);
}

constexpr qsizetype kPage = 4096;

// A database's content as a file, for queries on it.
QString fileOf(const QByteArray& database) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("probe.mdb"));
    writeFile(path, database);
    return path;
}

// Where in the file a page lies, the page found by a query on the sound database.
qsizetype pageOf(const QByteArray& database, const char* query) {
    const qsizetype page = queryValue(fileOf(database), QString::fromLatin1(query)).toLongLong();
    if (page < 2) qFatal("no page for: %s", query);
    return (page - 1) * kPage;
}

QByteArray patched(QByteArray bytes, qsizetype at, const QByteArray& with) {
    bytes.replace(at, with.size(), with);
    return bytes;
}

QStringList entriesBeside(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

class TestBadDatabase : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startUpReportsAndLeavesTheFile_data();
    void startUpReportsAndLeavesTheFile();
};

void TestBadDatabase::init() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString());
    s.clear();
}

void TestBadDatabase::startUpReportsAndLeavesTheFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("startReport"); // empty: start-up reads nothing of the damage
    QTest::addColumn<QString>("saveFailure");

    const QByteArray sound = soundDatabase();
    QVERIFY(sound.size() > 8 * kPage);
    const QString notADatabase = reportFor("file is not a database", "Form1.Form_Load", 138);
    const QString malformed = reportFor("database disk image is malformed", "Form1.Form_Load", 138);
    const QString closed = "Operation is not allowed when the object is closed.";
    const QString damaged = "database disk image is malformed";

    QTest::newRow("a text file")
        << QByteArray("Room rates for the summer season.\r\n").repeated(300) << notADatabase
        << closed;
    QTest::newRow("zeros") << QByteArray(16384, '\0') << notADatabase << closed;
    QTest::newRow("random bytes") << QByteArray::fromHex("8f3ac2d1e04b77196a2c").repeated(2000)
                                  << notADatabase << closed;
    QTest::newRow("empty file") << QByteArray() << notADatabase << closed;
    QTemporaryDir other;
    execOn(other.filePath("other.mdb"), "create table tblPrices (Room text, Rate integer)");
    QTest::newRow("another program's database")
        << contentOf(other.filePath("other.mdb")) << notADatabase << closed;
    QTest::newRow("header text damaged")
        << patched(sound, 0, "SQLite format 4") << notADatabase << closed;
    QTest::newRow("page size damaged")
        << patched(sound, 16, QByteArray::fromHex("0003")) << notADatabase << closed;
    QTest::newRow("header cut short") << sound.left(60) << malformed << closed;
    QTest::newRow("first page only") << sound.left(kPage) << malformed << closed;
    QTest::newRow("cut in half") << sound.left(sound.size() / 2) << malformed << closed;
    QTest::newRow("schema overwritten")
        << patched(sound, 100, QByteArray(kPage - 100, '\x5A')) << malformed << closed;
    const QByteArray smashed(kPage, '\xA5');
    // The table's indexes, whichever the schema has.
    const QString indexes = queryValue(
        fileOf(sound), "select group_concat(rootpage) from sqlite_master where type='index' and "
                       "tbl_name='tblRooms'");
    for (const QString& root : indexes.split(',', Qt::SkipEmptyParts))
        QTest::addRow("index at page %s overwritten", qPrintable(root))
            << patched(sound, (root.toLongLong() - 1) * kPage, smashed) << QString() << damaged;
    QTest::newRow("key counter overwritten")
        << patched(sound,
                   pageOf(sound, "select rootpage from sqlite_master where name='sqlite_sequence'"),
                   smashed)
        << QString() << damaged;
    QTest::newRow("reservations overwritten")
        << patched(sound,
                   pageOf(sound,
                          "select pageno from dbstat where name='tblRooms' and pagetype='leaf' "
                          "order by pageno limit 1 offset 4"),
                   smashed)
        << QString() << damaged;
}

void TestBadDatabase::startUpReportsAndLeavesTheFile() {
    QFETCH(QByteArray, content);
    QFETCH(QString, startReport);
    QFETCH(QString, saveFailure);
    TempPlaces temp;
    QDir().mkpath(temp.places.dataFolder());
    const QString working = temp.places.workingDatabase();
    writeFile(working, content);
    const QStringList before = entriesBeside(temp.places.dataFolder());
    const QByteArray shipped = contentOf(temp.places.shippedDatabase());

    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    {
        Form1 form(session);
        QVERIFY(form.Form_Load());
        QVERIFY(!session.ended);
        form.show();
        QVERIFY(form.isVisible());
        for (const Message& m : dialogs.shown) {
            QCOMPARE(m.title, QStringLiteral("Application Error"));
            QCOMPARE(m.icon, Icon::Warning);
        }
        if (!startReport.isEmpty()) {
            QVERIFY2(!dialogs.shown.isEmpty(), "the damaged database must be reported at start-up");
            QCOMPARE(dialogs.shown.first().text, startReport);
            QCOMPARE(form.listModel()->rowCount(), 0);
        }

        // A save never writes into the damaged file: it is refused and reported.
        dialogs.clear();
        form.PushButton6_Click(); // Load Sample/Example Data
        QVERIFY2(!dialogs.shown.isEmpty(), "saving into a damaged database must be reported");
        QCOMPARE(dialogs.shown.first().text,
                 reportFor(saveFailure, "Form1.PushButton6_Click", 104));
        form.close();
    }
    QVERIFY2(contentOf(working) == content, "the damaged database was changed");
    QCOMPARE(entriesBeside(temp.places.dataFolder()), before);
    QCOMPARE(contentOf(temp.places.shippedDatabase()), shipped);
}

QTEST_MAIN(TestBadDatabase)
#include "tst_baddatabase.moc"
