// The main window's backups: the day's copy at the close and after midnight, a failure reported
// once, "Back up now", and "Restore..." with its question, refusal and replaced file.
#include "base/dates.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/backup.h"
#include "store/connection.h"
#include "tests/common/testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <cstdio>

using namespace corvanna;
using namespace corvanna::test;

namespace {

struct Desk {
    TempPlaces temp;
    ScriptedDialogs dialogs;
    Session session{dialogs, temp.places};
    Form1 form{session};
    bool ready = false;

    explicit Desk(int rows = 0) {
        createWorkingDatabase(temp.places);
        for (int i = 0; i < rows; ++i)
            add(QStringLiteral("guest %1").arg(i));
        ready = form.Form_Load();
        dialogs.clear();
    }
    QString db() const { return temp.places.workingDatabase(); }
    QString folder() const { return backupFolderOf(temp.places.dataFolder()); }
    QString copyOf(const QDate& day) const { return folder() + "/" + backupFileName(day); }
    void add(const QString& name) const {
        execOn(db(), "insert into tblRooms (GuestName) values ('" + name + "')");
    }
    const ReservationModel& model() const { return *form.findChild<ReservationModel*>(); }
};

QString shown(const QDate& day) {
    return QLocale().toString(day, shortDateFormat());
}

} // namespace

class TestBackups : public QObject {
    Q_OBJECT
private slots:
    void init();
    void closeKeepsTheDaysCopy();
    void closeHidesTheWindowFirst();
    void daysCopyIsMadeAgainOnlyAfterAChange();
    void firstSaveAfterMidnightKeepsACopy();
    void failedBackupIsReportedOnce();
    void backUpNow();
    void restore_data();
    void restore();
    void restoreWindowListsTheCopies();
    void startRemovesAnUnfinishedRestore();
    void fileMenuRunsTheCommands();
    void restoreWaitsForTheOtherProgram();
    void replacedFileIsOpenedAgain();
};

void TestBackups::init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString()).clear();
}

void TestBackups::closeKeepsTheDaysCopy() {
    Desk desk(2);
    QVERIFY(desk.ready);
    desk.form.Form_QueryUnload();
    const QString copy = desk.copyOf(QDate::currentDate());
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(2));
    QCOMPARE(integrityCheckOf(copy), QStringLiteral("ok"));
    QCOMPARE(desk.dialogs.texts(), QStringList{});
}

// The window is gone before the close copies; the copy holds the save made just before.
void TestBackups::closeHidesTheWindowFirst() {
    Desk desk(2);
    QVERIFY(desk.ready);
    desk.form.show();
    desk.form.PushButton6_Click();
    const QString copy = desk.copyOf(QDate::currentDate());
    std::optional<bool> copiedWhenHidden;
    struct HideWatch : QObject {
        std::function<void()> hidden;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Hide) hidden();
            return false;
        }
    } watch;
    watch.hidden = [&] { copiedWhenHidden = QFile::exists(copy); };
    desk.form.installEventFilter(&watch);
    desk.form.close();
    QCOMPARE(copiedWhenHidden, std::optional<bool>(false));
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(5));
    QCOMPARE(desk.dialogs.texts(), QStringList{});
}

// Nothing written since today's copy: no new copy. A write since: a new one.
void TestBackups::daysCopyIsMadeAgainOnlyAfterAChange() {
    Desk desk(2);
    QVERIFY(desk.ready);
    sqlite3* handle = desk.session.connection().handle();
    const QDate today = QDate::currentDate();
    const QString copy = desk.copyOf(today);
    const QDateTime now = QDateTime::currentDateTime();
    QCOMPARE(keepDailyCopy(handle, desk.folder(), now), QString());
    const QDateTime made = QFileInfo(copy).lastModified();
    QTest::qWait(20);
    QCOMPARE(keepDailyCopy(handle, desk.folder(), now), QString());
    QCOMPARE(QFileInfo(copy).lastModified(), made);
    desk.add(QStringLiteral("late guest"));
    QCOMPARE(keepDailyCopy(handle, desk.folder(), now), QString());
    QVERIFY(QFileInfo(copy).lastModified() > made);
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(3));
}

// The day's copy follows the saves in the background, the first after midnight and every later
// one, without a close.
void TestBackups::firstSaveAfterMidnightKeepsACopy() {
    Desk desk;
    QVERIFY(desk.ready);
    desk.form.PushButton6_Click(); // a save
    const QString copy = desk.copyOf(QDate::currentDate());
    QTRY_COMPARE(reservationCountOf(copy), std::optional<qint64>(3));
    desk.form.PushButton6_Click();
    QTRY_COMPARE(reservationCountOf(copy), std::optional<qint64>(6));
    QCOMPARE(desk.dialogs.texts(), QStringList{});
}

void TestBackups::failedBackupIsReportedOnce() {
    Desk desk(1);
    QVERIFY(desk.ready);
    QFile blocker(desk.folder()); // a file where the folder of copies belongs
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    desk.form.PushButton6_Click();
    desk.form.PushButton6_Click();
    desk.form.Form_QueryUnload();
    QCOMPARE(desk.dialogs.texts(),
             QStringList{reportFor("The backup could not be made: " +
                                       QDir::toNativeSeparators(desk.folder()) + " is not a folder",
                                   "Form1.BackUp", 100)});
    QCOMPARE(queryValue(desk.db(), "select count(*) from tblRooms"), QStringLiteral("7"));
    QCOMPARE(integrityCheckOf(desk.db()), QStringLiteral("ok"));
}

// Each Back Up Now makes a copy of its own, named for its time; the day's copies are rotated.
void TestBackups::backUpNow() {
    Desk desk(1);
    QVERIFY(desk.ready);
    QDir().mkpath(desk.folder());
    const QDate old = QDate::currentDate().addYears(-2);
    for (int i = 0; i < 15; ++i)
        QFile::copy(desk.db(), desk.copyOf(old.addDays(i)));
    desk.form.mnuBackUpNow_Click();
    desk.add("booked by mistake");
    desk.form.mnuBackUpNow_Click();
    const QStringList made =
        QDir(desk.folder())
            .entryList({"dbRooms-" + QDate::currentDate().toString(Qt::ISODate) + "-??????.mdb"});
    QCOMPARE(made.size(), 2);
    QCOMPARE(desk.dialogs.texts(),
             (QStringList{"The database was backed up to " +
                              QDir::toNativeSeparators(desk.folder() + "/" + made[0]) + ".",
                          "The database was backed up to " +
                              QDir::toNativeSeparators(desk.folder() + "/" + made[1]) + "."}));
    QCOMPARE(reservationCountOf(desk.folder() + "/" + made[1]), std::optional<qint64>(2));
    // The two copies and the 13 newest of the old days; the old months are past keeping.
    const std::vector<BackupCopy> kept = keptBackups(desk.folder());
    QCOMPARE(kept.size(), size_t(15));
    QCOMPARE(kept.back().day, old.addDays(2));
}

void TestBackups::restore_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("good copy") << "good";
    QTest::newRow("answer no") << "no";
    QTest::newRow("damaged copy refused") << "damaged";
    QTest::newRow("no copies") << "none";
}

void TestBackups::restore() {
    QFETCH(QString, how);
    Desk desk(2);
    QVERIFY(desk.ready);
    const QDate day1 = QDate::currentDate().addDays(-3);
    const QDate day2 = QDate::currentDate().addDays(-1);
    if (how != "none") {
        QDir().mkpath(desk.folder());
        QVERIFY(QFile::copy(desk.db(), desk.copyOf(day1)));
        desk.add("third");
        QVERIFY(QFile::copy(desk.db(), desk.copyOf(day2)));
        desk.add("fourth");
        execOn(desk.db(), "update tblRooms set PhoneNumber='555' where id=1");
    }
    if (how == "damaged") {
        QFile file(desk.copyOf(day1));
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(0);
        file.write("garbage, no database header");
    }
    desk.form.PushButton5_Click();
    const int listed = desk.model().rowCount();
    std::vector<BackupChoice> offered;
    desk.session.chooseBackup = [&](const std::vector<BackupChoice>& choices, QWidget*) {
        offered = choices;
        return int(choices.size()) - 1; // the oldest
    };
    if (how == "no") desk.dialogs.answers = {Answer::No};

    desk.form.mnuRestore_Click();

    const QStringList replaced = QDir(desk.folder()).entryList({"dbRooms-replaced-*.mdb"});
    if (how == "none") {
        QCOMPARE(desk.dialogs.texts(), QStringList{"There are no backups to restore."});
        return;
    }
    QCOMPARE(offered.size(), size_t(2));
    QCOMPARE(offered[0].day, day2);
    QCOMPARE(offered[0].reservations, QStringLiteral("3"));
    QCOMPARE(offered[1].day, day1);
    QCOMPARE(offered[1].reservations, how == "damaged" ? QStringLiteral("unreadable") : "2");
    if (how == "damaged") {
        QCOMPARE(desk.dialogs.texts(), QStringList{"The backup of " + shown(day1) +
                                                   " is damaged and cannot be restored."});
        QCOMPARE(replaced, QStringList{});
        QCOMPARE(desk.model().rowCount(), listed);
        return;
    }
    QCOMPARE(desk.dialogs.shown.size(), how == "good" ? 2 : 1);
    QCOMPARE(desk.dialogs.shown.first().defaultButton, Answer::No);
    const QString question = desk.dialogs.texts().first();
    // The working database has two reservations the copy lacks and one changed since.
    QVERIFY2(question.startsWith("Replace the working database with the backup of " + shown(day1) +
                                 " " + offered[1].made.time().toString("HH:mm:ss") +
                                 " (reservations: 2)? Reservations only in the working "
                                 "database: 2, only in the backup: 0, changed since the backup: "
                                 "1; the working database is kept as dbRooms-replaced-"),
             qPrintable(question));
    QVERIFY(question.endsWith(".mdb in the Backups folder."));
    if (how == "no") {
        QCOMPARE(replaced, QStringList{});
        QCOMPARE(queryValue(desk.db(), "select count(*) from tblRooms"), QStringLiteral("4"));
        return;
    }
    QCOMPARE(desk.dialogs.texts().last(), "The backup of " + shown(day1) + " was restored.");
    QCOMPARE(replaced.size(), 1);
    QVERIFY(question.contains(replaced.first()));
    QCOMPARE(reservationCountOf(desk.folder() + "/" + replaced.first()), std::optional<qint64>(4));
    QCOMPARE(queryValue(desk.db(), "select count(*) from tblRooms"), QStringLiteral("2"));
    // The list was filled again from the restored file (its date range: today, none of these).
    desk.form.PushButton5_Click();
    QCOMPARE(desk.model().rowCount(), 2);
    // The replaced file is offered too, so the restore itself can be undone.
    desk.session.chooseBackup = [&](const std::vector<BackupChoice>& choices, QWidget*) {
        offered = choices;
        return -1;
    };
    desk.form.mnuRestore_Click();
    QCOMPARE(offered.size(), size_t(3));
    QCOMPARE(offered[0].kind, CopyKind::Replaced);
    QCOMPARE(offered[0].reservations, QStringLiteral("4"));
}

void TestBackups::restoreWindowListsTheCopies() {
    const QDate day(2026, 11, 30);
    const QDateTime made(day, QTime(14, 30, 5));
    // The first copy is dated after today (a wrong clock): the next is chosen first.
    RestoreDialog dialog({{day.addDays(400), "f", "9", made.addDays(400), CopyKind::Daily},
                          {day, "a", "12", made, CopyKind::Timed},
                          {day.addDays(-1), "b", "unreadable", made, CopyKind::Replaced}},
                         nullptr, day);
    auto* list = dialog.findChild<QTreeWidget*>("BackupList");
    QVERIFY(list);
    QCOMPARE(list->topLevelItemCount(), 3);
    QTreeWidgetItem* item = list->topLevelItem(1);
    QCOMPARE((QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}),
             (QStringList{shown(day), "14:30:05", "12", "Back Up Now"}));
    QCOMPARE(list->topLevelItem(2)->text(2), QStringLiteral("unreadable"));
    QCOMPARE(list->topLevelItem(2)->text(3), QStringLiteral("Replaced by a restore"));
    QCOMPARE(dialog.chosen(), 1);
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name), "Backups");
}

// A restore killed part-way left its incoming file: the next start removes it.
void TestBackups::startRemovesAnUnfinishedRestore() {
    TempPlaces temp;
    createWorkingDatabase(temp.places);
    const QString leftover = temp.places.workingDatabase() + ".restoring";
    QVERIFY(QFile::copy(temp.places.workingDatabase(), leftover));
    ScriptedDialogs dialogs;
    Session session{dialogs, temp.places};
    Form1 form{session};
    QVERIFY(form.Form_Load());
    QVERIFY(!QFile::exists(leftover));
    QCOMPARE(dialogs.texts(), QStringList{});
}

void TestBackups::fileMenuRunsTheCommands() {
    Desk desk(1);
    QVERIFY(desk.ready);
    const auto* file = desk.form.findChild<QMenu*>("menuFile");
    QVERIFY(file);
    QStringList items;
    for (const QAction* a : file->actions())
        items << a->text();
    // The two commands side by side, before the separator above Quit.
    QCOMPARE(items.mid(items.indexOf("&Back Up Now")),
             (QStringList{"&Back Up Now", "&Restore…", "", "&Quit"}));
    desk.form.findChild<QAction*>("actionBackUpNow")->trigger();
    QCOMPARE(desk.dialogs.texts().size(), 1);
    QVERIFY(desk.dialogs.texts().first().startsWith(
        "The database was backed up to " +
        QDir::toNativeSeparators(desk.folder() + "/dbRooms-" +
                                 QDate::currentDate().toString(Qt::ISODate) + "-")));
    int offered = -1;
    desk.session.chooseBackup = [&](const std::vector<BackupChoice>& choices, QWidget*) {
        offered = int(choices.size());
        return -1; // cancelled
    };
    desk.form.findChild<QAction*>("actionRestore")->trigger();
    QCOMPARE(offered, 1);
}

// Another program on the file would stay on the replaced one: the restore waits until it is gone.
void TestBackups::restoreWaitsForTheOtherProgram() {
    Desk desk(2);
    QVERIFY(desk.ready);
    const QDate day = QDate::currentDate().addDays(-1);
    QDir().mkpath(desk.folder());
    QVERIFY(QFile::copy(desk.db(), desk.copyOf(day)));
    desk.add("third");
    desk.session.chooseBackup = [](const std::vector<BackupChoice>&, QWidget*) { return 0; };
    const QString refusal = "The backup cannot be restored while another program has the "
                            "reservation database open. Close the program everywhere else, then "
                            "restore again.";
    {
        Connection other(QStringLiteral("otherProgram"));
        other.open("data source=" + desk.db());
        desk.form.mnuRestore_Click();
        QCOMPARE(desk.dialogs.texts(), QStringList{refusal});
        QVERIFY_THROWS_EXCEPTION(
            Failure, restoreBackup(desk.session.connection(), "data source=" + desk.db(),
                                   desk.copyOf(day), desk.folder(), QDateTime::currentDateTime()));
        QCOMPARE(queryValue(desk.db(), "select count(*) from tblRooms"), QStringLiteral("3"));
    }
    desk.dialogs.clear();
    desk.form.mnuRestore_Click();
    QCOMPARE(desk.dialogs.texts().last(), "The backup of " + shown(day) + " was restored.");
    QCOMPARE(queryValue(desk.db(), "select count(*) from tblRooms"), QStringLiteral("2"));
}

// A working file replaced by other means (renamed over) is noticed: the desk goes on with the new
// file, its selection kept, and the close's copy holds every save.
void TestBackups::replacedFileIsOpenedAgain() {
    Desk desk(2);
    QVERIFY(desk.ready);
    desk.form.PushButton5_Click();
    auto* list = desk.form.findChild<QTreeView*>("ListView1");
    list->selectionModel()->setCurrentIndex(desk.model().index(desk.model().rowOfId(2), 0),
                                            QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
    const QString incoming = desk.db() + ".new";
    QVERIFY(QFile::copy(desk.db(), incoming));
    execOn(incoming, "insert into tblRooms (GuestName) values ('restored elsewhere')");
    QCOMPARE(std::rename(qPrintable(incoming), qPrintable(desk.db())), 0);
    QTRY_COMPARE(desk.model().rowCount(), 3);
    QCOMPARE(desk.model().idAt(list->selectionModel()->currentIndex().row()), 2);
    desk.form.PushButton6_Click(); // a save, into the new file
    QCOMPARE(queryValue(desk.db(), "select count(*) from tblRooms"), QStringLiteral("6"));
    desk.form.Form_QueryUnload();
    QCOMPARE(reservationCountOf(desk.copyOf(QDate::currentDate())), std::optional<qint64>(6));
    QCOMPARE(desk.dialogs.texts(), QStringList{});
}

QTEST_MAIN(TestBackups)
#include "tst_backups.moc"
