// Two desks on one PostgreSQL server: each sees the other's saves without a click, and an edit
// over a reservation the other desk changed or deleted meanwhile is never saved silently. The
// password asked at start-up, and the server's trouble (a lock held by another session, a full
// disk, the session dropped) met by a save.
#include "gui/dayviews/dayview.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/server/localcopy.h"
#include "store/statements.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <libpq-fe.h>
#include <optional>
#include <pwd.h>
#include <unistd.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {
const QDate kToday = QDate::currentDate();
// The local copy is read again this soon after a change (a desk waits a minute).
constexpr int kCopyRefreshMs = 300;

// One desk: its own folders, boxes and main window, on the shared server.
struct Desk : WindowDesk {
    explicit Desk(const QString& server) {
        session.server = server;
        session.localCopyRefreshMs = kCopyRefreshMs;
        start();
    }
    std::unique_ptr<Form2> edit(const QString& id) {
        auto editor = WindowDesk::edit(id);
        editor->findChild<QDateEdit*>("dtpExpiry")->setDate(kToday.addYears(1));
        return editor;
    }
};

QLineEdit* box(Form2& editor, const char* name) {
    return editor.findChild<QLineEdit*>(name);
}
void save(Form2& editor) {
    editor.findChild<QPushButton*>("PushButton4")->click();
}
// Types a whole new reservation into the editor.
void type(Form2& editor, const QString& name) {
    box(editor, "Text1")->setText(name);
    box(editor, "Text2")->setText("1");
    editor.findChild<QComboBox*>("Combo1")->setCurrentIndex(0);
    editor.findChild<QComboBox*>("Combo2")->setEditText("VISA");
    box(editor, "Text3")->setText("4111");
    box(editor, "Text4")->setText("1");
    box(editor, "Text6")->setText("555 0100");
    editor.findChild<QPlainTextEdit*>("Text7")->setPlainText("1 Harbour Road");
}

// A disk of 2 MB on which the tests' server keeps a tablespace; dropped and unmounted again.
struct SmallDisk {
    QTemporaryDir dir;
    QString tablespace = QStringLiteral("ts_small_%1").arg(QCoreApplication::applicationPid());
    QString error; // why there is no such disk here
    bool mounted = false;
    SmallDisk() {
        const passwd* owner = getpwnam("postgres"); // the cluster's owner when run as root
        if (!owner) {
            error = "no postgres user";
            return;
        }
        QProcess mount;
        mount.start("mount", {"-t", "tmpfs", "-o",
                              QStringLiteral("size=2m,mode=0700,uid=%1").arg(owner->pw_uid),
                              "tmpfs", dir.path()});
        mounted = mount.waitForFinished() && mount.exitCode() == 0;
        if (!mounted) error = QString::fromLocal8Bit(mount.readAllStandardError());
    }
    ~SmallDisk() {
        if (!mounted) return;
        ServerSession(testServerUrl()).exec("drop tablespace if exists " + tablespace);
        QProcess::execute("umount", {dir.path()});
    }
};
// A cluster of the test's own, which the test stops and starts again under a working desk.
struct OwnCluster {
    QTemporaryDir dir;
    bool run(const char* command) const {
        return QProcess::execute("sh", {CORVANNA_TEST_DATA "/../../scripts/pg-test-cluster",
                                        command, dir.filePath("state")}) == 0;
    }
    bool started = run("start");
    ~OwnCluster() { run("stop"); }
    QString url() const {
        QFile state(dir.filePath("state"));
        state.open(QIODevice::ReadOnly);
        return QString::fromUtf8(state.readAll()).section("url=", 1).trimmed();
    }
};

// The mirrored tables' rows of the server and of a desk's copy, one text per row.
const char* const kMirroredRows =
    "select id || '|' || GuestName || '|' || CheckInDate from tblRooms union all "
    "select Kind || '|' || Type || '|' || Units from tblInventory union all "
    "select Name || '|' || Kind || '|' || Type from tblUnits union all "
    "select ReservationId || '|' || Status from tblStays union all "
    "select ReservationId || '|' || UnitId || '|' || FromNight from tblStayUnits order by 1";
QStringList serverRows(const QString& url) {
    PGconn* conn = PQconnectdb(url.toUtf8().constData());
    PGresult* r = PQexec(conn, kMirroredRows);
    QStringList rows;
    for (int i = 0; i < PQntuples(r); ++i)
        rows << QString::fromUtf8(PQgetvalue(r, i, 0));
    PQclear(r);
    PQfinish(conn);
    rows.sort(); // the engines' collations differ
    return rows;
}
QStringList copyRows(const QString& path) {
    QStringList rows = queryColumn(path, QString::fromUtf8(kMirroredRows));
    rows.sort();
    return rows;
}
} // namespace

class TestTwoDesks : public QObject {
    Q_OBJECT
private slots:
    void deskShowsTheServerInUse();
    void otherDesksSaveReachesTheList();
    void editOverOtherDesksChange_data();
    void editOverOtherDesksChange();
    void unchangedRowSavesWithoutAQuestion();
    void passwordIsAskedAtStartUp_data();
    void passwordIsAskedAtStartUp();
    void serverTroubleKeepsTheTyping_data();
    void serverTroubleKeepsTheTyping();
    void copyStandsInWhileTheServerIsAway();
};

void TestTwoDesks::deskShowsTheServerInUse() {
    ServerDatabase db("title");
    Desk desk(db.url());
    QVERIFY2(desk.dialogs.shown.isEmpty(), qPrintable(desk.dialogs.texts().join('\n')));
    QCOMPARE(desk.session.dbConnection->state(), 1);
    const QString where =
        db.url().section('@', 1).section('/', 0, 0); // 127.0.0.1:port of the tests' server
    const QString name = db.url().section('/', -1);
    QCOMPARE(desk.form->windowTitle(), "Corvanna - " + name + " on " + where);
    desk.dialogs.clear();
    desk.form->findChild<QAction*>("actionAbout")->trigger();
    QVERIFY2(desk.dialogs.texts().value(0).endsWith("\nDatabase: PostgreSQL server, " + name +
                                                    " on " + where),
             qPrintable(desk.dialogs.texts().value(0)));
    // The file's desk is unchanged: its caption names the program only.
    TempPlaces local;
    ScriptedDialogs dialogs;
    Session session(dialogs, local.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    QCOMPARE(form.windowTitle(), QStringLiteral("Corvanna"));
}

void TestTwoDesks::otherDesksSaveReachesTheList() {
    ServerDatabase db("notice");
    Desk a(db.url());
    Desk b(db.url());
    // Desk A saves a stay of today through its editor; desk B lists today's stays and is not
    // touched.
    auto editor = a.edit(QString());
    type(*editor, "From desk A");
    a.dialogs.clear();
    save(*editor);
    QCOMPARE(a.dialogs.texts(), QStringList{"Successfully Saved."});
    QCOMPARE(b.names(), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(b.names(), QStringList{"From desk A"}, 2000);
    // A delete at desk B reaches desk A the same way.
    b.session.connection().execute(statements::deleteById(db.value("select id from tblRooms")));
    QTRY_COMPARE_WITH_TIMEOUT(a.names(), QStringList(), 2000);
    QVERIFY2(b.dialogs.shown.isEmpty(), qPrintable(b.dialogs.texts().join('\n')));
}

void TestTwoDesks::editOverOtherDesksChange_data() {
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QString>("rowsAfter"); // every row's name and address after the save
    QTest::newRow("changed, keep theirs") << false << false << "Their name/Their road";
    QTest::newRow("changed, save mine") << false << true << "My name/1 Harbour Road";
    QTest::newRow("deleted, keep it deleted") << true << false << "";
    QTest::newRow("deleted, save mine anew") << true << true << "My name/1 Harbour Road";
}

void TestTwoDesks::editOverOtherDesksChange() {
    QFETCH(bool, deleted);
    QFETCH(bool, overwrite);
    QFETCH(QString, rowsAfter);
    ServerDatabase db("conflict");
    Desk a(db.url());
    GuestValues v = sampleGuest("Their first name", kToday, kToday.addDays(1));
    v.address = "1 Harbour Road";
    a.session.connection().execute(statements::insert(v));
    const QString id = db.value("select id from tblRooms");
    auto editor = a.edit(id);
    QCOMPARE(box(*editor, "Text1")->text(), QStringLiteral("Their first name"));
    // Meanwhile the other desk changes the name and the address, or deletes the row.
    db.exec(deleted ? "delete from tblRooms"
                    : "update tblRooms set GuestName = 'Their name', Address = 'Their road'");
    box(*editor, "Text1")->setText("My name");
    a.dialogs.clear();
    a.dialogs.defaultAnswer = overwrite ? Answer::Yes : Answer::No;
    save(*editor);
    const QString question =
        deleted ? "Another desk deleted this reservation after you opened it.\n\n"
                  "Save your entries as a new reservation?"
                : "Another desk changed this reservation after you opened it: Guest Name, "
                  "Address.\n\nSave your entries over its changes?";
    QCOMPARE(a.dialogs.texts().value(0), question);
    QCOMPARE(a.dialogs.shown.value(0).buttons, Buttons::YesNo);
    QCOMPARE(a.dialogs.shown.value(0).defaultButton, Answer::No);
    QCOMPARE(db.value("select coalesce(string_agg(GuestName || '/' || Address, ';'), '') "
                      "from tblRooms"),
             rowsAfter);
    if (overwrite) {
        QCOMPARE(a.dialogs.texts().mid(1), QStringList{"Successfully Saved."});
    } else {
        // Nothing lost: the editor is still open with the typing.
        QCOMPARE(a.dialogs.texts().size(), 1);
        QCOMPARE(box(*editor, "Text1")->text(), QStringLiteral("My name"));
        QCOMPARE(editor->result(), 0);
    }
}

void TestTwoDesks::unchangedRowSavesWithoutAQuestion() {
    ServerDatabase db("unchanged");
    Desk a(db.url());
    a.session.connection().execute(
        statements::insert(sampleGuest("Guest", kToday, kToday.addDays(1))));
    const QString id = db.value("select id from tblRooms");
    // Another desk touches other rows only.
    auto editor = a.edit(id);
    db.exec("insert into tblRooms (GuestName) values ('Other')");
    box(*editor, "Text1")->setText("Guest renamed");
    a.dialogs.clear();
    save(*editor);
    QCOMPARE(a.dialogs.texts(), QStringList{"Successfully Saved."});
    QCOMPARE(db.value("select GuestName from tblRooms where id = " + id),
             QStringLiteral("Guest renamed"));
}

void TestTwoDesks::passwordIsAskedAtStartUp_data() {
    QTest::addColumn<QStringList>("typed"); // the answers to the prompts; none left: Cancel
    QTest::addColumn<int>("refusals");      // error reports of a refused password
    QTest::addColumn<bool>("opened");
    QTest::newRow("right at once") << QStringList{"s3cret pw"} << 0 << true;
    QTest::newRow("wrong, then right") << QStringList{"guess", "s3cret pw"} << 1 << true;
    QTest::newRow("cancelled") << QStringList() << 0 << false;
    QTest::newRow("wrong, then cancelled") << QStringList{"guess"} << 1 << false;
}

void TestTwoDesks::passwordIsAskedAtStartUp() {
    QFETCH(QStringList, typed);
    QFETCH(int, refusals);
    QFETCH(bool, opened);
    // No password file, no PGPASSWORD: only the desk knows it.
    qputenv("PGPASSFILE", "/nonexistent/pgpass");
    qunsetenv("PGPASSWORD");
    ServerDatabase db("password");
    db.exec("do $$ begin create role corvanna_pw login; exception when duplicate_object then "
            "null; end $$");
    db.exec("alter role corvanna_pw password 's3cret pw'");
    db.exec("alter database " + db.url().section('/', -1) + " owner to corvanna_pw");
    QString url = db.url();
    url.replace("//corvanna@", "//corvanna_pw@");
    const QString where = url.section('@', 1).section('/', 0, 0);
    const QString name = url.section('/', -1);

    TempPlaces places;
    ScriptedDialogs dialogs;
    dialogs.passwords = typed;
    Session session(dialogs, places.places);
    session.server = url;
    Form1 form(session);
    form.Form_Load();
    const QString prompt = "Corvanna|Password of corvanna_pw for " + name + " on " + where + ":";
    QCOMPARE(dialogs.passwordPrompts, QStringList(typed.size() + (opened ? 0 : 1), prompt));
    const QString refused =
        reportFor("connection to server at \"127.0.0.1\", port " + where.section(':', 1) +
                      " failed: FATAL:  password authentication failed for "
                      "user \"corvanna_pw\"",
                  "Form1.Form_Load", 138);
    QCOMPARE(dialogs.texts().mid(0, refusals), QStringList(refusals, refused));
    QCOMPARE(session.dbConnection->state(), opened ? 1 : 0);
    if (!opened) {
        // Cancel: the last refusal, or libpq's own words, as for a server out of reach.
        const QString words = refusals ? refused
                                       : reportFor("connection to server at \"127.0.0.1\", port " +
                                                       where.section(':', 1) +
                                                       " failed: fe_sendauth: no password supplied",
                                                   "Form1.Form_Load", 138);
        QCOMPARE(dialogs.texts().value(refusals), words);
        return;
    }
    QCOMPARE(dialogs.texts().size(), refusals);
    // A dropped session is taken up again with the password kept for this run, not asked again.
    db.exec("select pg_terminate_backend(pid) from pg_stat_activity where usename = "
            "'corvanna_pw' and pid <> pg_backend_pid()");
    QVERIFY(
        !failureOf([&] { session.connection().execute(statements::deleteById("1")); }).isEmpty());
    QCOMPARE(failureOf([&] { session.connection().execute(statements::deleteById("1")); }),
             QString());
    QCOMPARE(dialogs.passwordPrompts.size(), typed.size());
}

void TestTwoDesks::serverTroubleKeepsTheTyping_data() {
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("words"); // how the server's (or libpq's) words begin: a pattern
    // A lock another session holds is waited for as long as on the file, and said as the file
    // says it.
    const QString locked = "database is locked";
    // A dropped session is found by the availability check's read before the statement, which
    // reads again on a new session: nothing to report.
    const QString dropped;
    QTest::newRow("table locked, new") << "timeout" << false << locked;
    QTest::newRow("table locked, edit") << "timeout" << true << locked;
    QTest::newRow("row locked, edit") << "row" << true << locked;
    QTest::newRow("full disk, new") << "disk" << false << "could not extend file";
    QTest::newRow("session dropped, new") << "dropped" << false << dropped;
    QTest::newRow("session dropped, edit") << "dropped" << true << dropped;
}

void TestTwoDesks::serverTroubleKeepsTheTyping() {
    QFETCH(QString, trouble);
    QFETCH(bool, editing);
    QFETCH(QString, words);
    const bool fullDisk = trouble == "disk";
    std::optional<SmallDisk> disk; // outlives the database that uses it
    if (fullDisk) {
        if (geteuid() != 0) QSKIP("a small disk for the server needs root");
        disk.emplace();
        if (!disk->mounted) QSKIP(qPrintable("no small disk: " + disk->error));
    }
    ServerDatabase db("trouble");
    Desk a(db.url());
    if (editing)
        a.session.connection().execute(
            statements::insert(sampleGuest("Before", kToday, kToday.addDays(1))));
    const QString id = editing ? db.value("select id from tblRooms") : QString();
    ServerSession other(db.url());
    if (fullDisk) {
        ServerSession(testServerUrl())
            .exec("create tablespace " + disk->tablespace + " location '" + disk->dir.path() + "'");
        other.exec("alter table tblRooms set tablespace " + disk->tablespace);
        other.exec("create table filler (n bigint) tablespace " + disk->tablespace);
        // Fills the disk: this insert fails when it is full, and rolls itself back.
        PGconn* conn = PQconnectdb(db.url().toUtf8().constData());
        PQclear(PQexec(conn, "insert into filler select generate_series(1, 10000000)"));
        PQclear(PQexec(conn, "insert into filler select generate_series(1, 10000) "
                             "from generate_series(1, 1000)"));
        PQfinish(conn);
    } else if (trouble == "timeout") {
        // Another session holds the table: the save waits for it until the timeout.
        other.exec("begin");
        other.exec("lock table tblRooms in exclusive mode");
    } else if (trouble == "row") {
        // Another session holds the row being saved (a save of its own under way).
        other.exec("begin");
        other.exec("select * from tblRooms for update");
    }
    auto editor = a.edit(id);
    type(*editor, "Typed at desk A");
    if (trouble == "dropped")
        other.exec("select pg_terminate_backend(pid) from pg_stat_activity where "
                   "application_name = 'Corvanna' and datname = current_database()");
    a.dialogs.clear();
    save(*editor);
    if (trouble == "dropped") {
        QCOMPARE(a.dialogs.texts(), QStringList{"Successfully Saved."});
        QCOMPARE(db.value("select string_agg(GuestName, ',') from tblRooms"),
                 QStringLiteral("Typed at desk A"));
        return;
    }
    const QString said = a.dialogs.texts().value(0).section("\r\n", 0, 0);
    QVERIFY2(QRegularExpression("^(" + words + ")").match(said).hasMatch(), qPrintable(said));
    QCOMPARE(a.dialogs.texts(),
             QStringList{reportFor(said, "Form2.PushButton4_Click", editing ? 170 : 172)});
    // Nothing written; the editor still open with everything typed.
    QCOMPARE(db.value("select count(*) from tblRooms where GuestName = 'Typed at desk A'"),
             QStringLiteral("0"));
    QCOMPARE(editor->result(), 0);
    QCOMPARE(box(*editor, "Text1")->text(), QStringLiteral("Typed at desk A"));
    QCOMPARE(editor->findChild<QPlainTextEdit*>("Text7")->toPlainText(),
             QStringLiteral("1 Harbour Road"));
    // The trouble passes: the next Save works (on a new session after a drop) and writes once.
    if (trouble != "dropped") other.exec(fullDisk ? "drop table filler" : "commit");
    a.dialogs.clear();
    save(*editor);
    QCOMPARE(a.dialogs.texts(), QStringList{"Successfully Saved."});
    QCOMPARE(db.value("select string_agg(GuestName, ',') from tblRooms"),
             QStringLiteral("Typed at desk A"));
}

void TestTwoDesks::copyStandsInWhileTheServerIsAway() {
    OwnCluster cluster;
    QVERIFY(cluster.started);
    const QString url = cluster.url();
    Desk desk(url);
    desk.form->PushButton5_Click();
    const QRect listPlace = control<QTreeView>(*desk.form, "ListView1")->geometry();
    // Another session's save: its notice brings the copy up to the server's rows.
    ServerSession(url).exec("begin; insert into tblInventory values ('Room', 'Single', 3); "
                            "insert into tblRooms (GuestName, CheckInDate, CheckOutDate) values "
                            "('Ada Lovelace', current_date, current_date + 1); "
                            "insert into tblUnits (Name, Kind, Type) values ('12', 'Room', "
                            "'Suite'); insert into tblStays (ReservationId, Status) select id, "
                            "'in house' from tblRooms; insert into tblStayUnits select r.id, u.id, "
                            "r.CheckInDate, r.CheckOutDate from tblRooms r, tblUnits u; commit");
    const QString copy = localCopyPath(desk.places.places.dataFolder(), url);
    QTRY_COMPARE(desk.names(), QStringList{"Ada Lovelace"});
    QTRY_COMPARE_WITH_TIMEOUT(copyRows(copy), serverRows(url), 10000);
    QCOMPARE(copyRows(copy).size(), 5); // the reservation, the inventory and the stay
    QCOMPARE(QFileInfo(copy).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner); // the account's alone

    QVERIFY(cluster.run("pause"));
    const QString server = "postgres on " + url.section('@', 1).section('/', 0, 0);
    const QRegularExpression readOnly("^Corvanna - " + QRegularExpression::escape(server) +
                                      " - read-only copy as of \\d\\d:\\d\\d$");
    // A desk starting while the server is away opens its copy (one desk of a program reads a
    // file at a time: this one goes before the first desk finds the server gone).
    {
        WindowDesk later;
        later.session.server = url;
        QVERIFY(QDir().mkpath(later.places.places.dataFolder()));
        QVERIFY(QFile::copy(copy, localCopyPath(later.places.places.dataFolder(), url)));
        QVERIFY(later.start());
        QVERIFY2(later.dialogs.shown.isEmpty(), qPrintable(later.dialogs.texts().join('\n')));
        QVERIFY(readOnly.match(later.form->windowTitle()).hasMatch());
        later.form->PushButton5_Click();
        QCOMPARE(later.names(), QStringList{"Ada Lovelace"});
    }
    // One without a copy says so.
    WindowDesk first;
    first.session.server = url;
    first.start();
    QVERIFY2(first.dialogs.texts().value(0).contains(
                 "\nNo local copy of the reservations is available."),
             qPrintable(first.dialogs.texts().value(0)));

    // The server goes away: the copy is shown read-only, its age said in the caption and a bar.
    QTRY_VERIFY_WITH_TIMEOUT(readOnly.match(desk.form->windowTitle()).hasMatch(), 20000);
    const auto* bar = control<QLabel>(*desk.form, "localCopyBar");
    QVERIFY(!bar->isHidden());
    QVERIFY2(bar->text().startsWith("The server cannot be reached. The list shows a read-only copy "
                                    "of the reservations as of "),
             qPrintable(bar->text()));
    QCOMPARE(control<QTreeView>(*desk.form, "ListView1")->geometry(), listPlace);
    QCOMPARE(desk.names(), QStringList{"Ada Lovelace"});
    // Find and the day views read the copy.
    auto* find = control<QLineEdit>(*desk.form, "findEdit");
    find->setText("nobody");
    QCOMPARE(desk.names(), QStringList());
    find->setText("lovel");
    QCOMPARE(desk.names(), QStringList{"Ada Lovelace"});
    find->clear();
    {
        DayViewWindow arrivals(desk.session, desk.form.get());
        arrivals.showDay(DayView::Arrivals, kToday);
        QCOMPARE(shownNames(*static_cast<const ReservationModel*>(
                     arrivals.findChild<QTreeView*>()->model())),
                 QStringList{"Ada Lovelace"});
    }
    QVERIFY2(desk.dialogs.shown.isEmpty(), qPrintable(desk.dialogs.texts().join('\n')));
    auto editor = desk.edit(QString());
    type(*editor, "While away");
    desk.dialogs.clear();
    save(*editor);
    QCOMPARE(desk.dialogs.texts(),
             QStringList{reportFor("The server cannot be reached, so this desk shows a read-only "
                                   "copy of the reservations: nothing was saved.",
                                   "Form2.PushButton4_Click", 172)});

    // The server is back: the desk works on it again without a restart.
    QVERIFY(cluster.run("resume"));
    QTRY_COMPARE_WITH_TIMEOUT(desk.form->windowTitle(), "Corvanna - " + server, 20000);
    QVERIFY(bar->isHidden());
    QCOMPARE(control<QTreeView>(*desk.form, "ListView1")->geometry(), listPlace);
    desk.dialogs.clear();
    save(*editor);
    QCOMPARE(desk.dialogs.texts(), QStringList{"Successfully Saved."});
    QCOMPARE(desk.names(), QStringList{"While away"}); // the save lists today's stays
}

QTEST_MAIN(TestTwoDesks)
#include "tst_twodesks.moc"
