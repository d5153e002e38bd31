// The main window's backups: the day's copy at the close and after midnight, a failure reported
// once, "Back up now", and "Restore..." with its question, refusal and replaced file.
#include "base/dates.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/backup.h"
#include "tests/common/testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

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
    void daysCopyIsMadeAgainOnlyAfterAChange();
    void firstSaveAfterMidnightKeepsACopy();
    void failedBackupIsReportedOnce();
    void backUpNow();
    void restore_data();
    void restore();
    void restoreWindowListsTheCopies();
    void fileMenuRunsTheCommands();
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

// Nothing written since today's copy: no new copy. A write since: a new one.
void TestBackups::daysCopyIsMadeAgainOnlyAfterAChange() {
    Desk desk(2);
    QVERIFY(desk.ready);
    sqlite3* handle = desk.session.connection().handle();
    const QDate today = QDate::currentDate();
    const QString copy = desk.copyOf(today);
    QCOMPARE(keepDailyCopy(handle, desk.folder(), today), QString());
    const QDateTime made = QFileInfo(copy).lastModified();
    QTest::qWait(20);
    QCOMPARE(keepDailyCopy(handle, desk.folder(), today), QString());
    QCOMPARE(QFileInfo(copy).lastModified(), made);
    desk.add(QStringLiteral("late guest"));
    QCOMPARE(keepDailyCopy(handle, desk.folder(), today), QString());
    QVERIFY(QFileInfo(copy).lastModified() > made);
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(3));
}

void TestBackups::firstSaveAfterMidnightKeepsACopy() {
    Desk desk;
    QVERIFY(desk.ready);
    desk.session.backups = BackupSchedule(QDate::currentDate().addDays(-1)); // started yesterday
    desk.form.PushButton6_Click();                                           // a save
    const QString copy = desk.copyOf(QDate::currentDate());
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(3));
    // Later saves of the same day add nothing.
    QVERIFY(QFile::remove(copy));
    desk.form.PushButton6_Click();
    QVERIFY(!QFile::exists(copy));
    QCOMPARE(desk.dialogs.texts(), QStringList{});
}

void TestBackups::failedBackupIsReportedOnce() {
    Desk desk(1);
    QVERIFY(desk.ready);
    QFile blocker(desk.folder()); // a file where the folder of copies belongs
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    desk.session.backups = BackupSchedule(QDate::currentDate().addDays(-1));
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

void TestBackups::backUpNow() {
    Desk desk(1);
    QVERIFY(desk.ready);
    // Copies of other days are rotated as the new one is kept.
    QDir().mkpath(desk.folder());
    const QDate old = QDate::currentDate().addYears(-2);
    for (int i = 0; i < 15; ++i)
        QFile::copy(desk.db(), desk.copyOf(old.addDays(i)));
    desk.form.mnuBackUpNow_Click();
    const QString copy = desk.copyOf(QDate::currentDate());
    QCOMPARE(desk.dialogs.texts(),
             QStringList{"The database was backed up to " + QDir::toNativeSeparators(copy) + "."});
    QCOMPARE(reservationCountOf(copy), std::optional<qint64>(1));
    // Today's and the 13 newest of the old ones; the old months are past keeping.
    const std::vector<BackupCopy> kept = keptBackups(desk.folder());
    QCOMPARE(kept.size(), size_t(14));
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
    const QString question = desk.dialogs.texts().first();
    QVERIFY2(question.startsWith("Replace the working database with the backup of " + shown(day1) +
                                 " (2 reservations)? The current database is kept "
                                 "as dbRooms-replaced-"),
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
}

void TestBackups::restoreWindowListsTheCopies() {
    const QDate day(2026, 11, 30);
    RestoreDialog dialog({{day, "a", "12"}, {day.addDays(-1), "b", "unreadable"}});
    auto* list = dialog.findChild<QTreeWidget*>("BackupList");
    QVERIFY(list);
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(0), shown(day));
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("12"));
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("unreadable"));
    QCOMPARE(dialog.chosen(), 0); // the newest is chosen first
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name), "Backups");
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
    QCOMPARE(desk.dialogs.texts(),
             QStringList{"The database was backed up to " +
                         QDir::toNativeSeparators(desk.copyOf(QDate::currentDate())) + "."});
    int offered = -1;
    desk.session.chooseBackup = [&](const std::vector<BackupChoice>& choices, QWidget*) {
        offered = int(choices.size());
        return -1; // cancelled
    };
    desk.form.findChild<QAction*>("actionRestore")->trigger();
    QCOMPARE(offered, 1);
}

QTEST_MAIN(TestBackups)
#include "tst_backups.moc"
