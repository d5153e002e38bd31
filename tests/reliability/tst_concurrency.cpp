// Two copies of the program on one working database: both save, neither loses a confirmed save.
// A database another program keeps locked is reported once the busy timeout has passed, while the
// lock is still held, and the program works again once the lock is gone.
#include "editordriver.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "ledger.h"
#include "list/reservationmodel.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <sqlite3.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

// Another program's connection that takes the database's exclusive lock and keeps it.
class LockHolder {
public:
    explicit LockHolder(const QString& database) {
        sqlite3_open_v2(database.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
        // It waits, as programs do, for readers to finish: the whole-file check that start-up
        // began may still be reading.
        sqlite3_busy_timeout(m_db, 5000);
        m_locked = sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~LockHolder() {
        release();
        sqlite3_close(m_db);
    }
    bool locked() const { return m_locked && sqlite3_get_autocommit(m_db) == 0; }
    void release() {
        if (m_locked) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        m_locked = false;
    }

private:
    sqlite3* m_db = nullptr;
    bool m_locked = false;
};

} // namespace

class TestConcurrency : public QObject {
    Q_OBJECT
private slots:
    void twoCopiesSaveAtOnce_data();
    void twoCopiesSaveAtOnce();
    void lockedDatabaseIsReported_data();
    void lockedDatabaseIsReported();
    void lockedSaveKeepsTheTyping();
};

void TestConcurrency::twoCopiesSaveAtOnce_data() {
    QTest::addColumn<int>("editEvery");
    QTest::newRow("new reservations") << 0;
    QTest::newRow("new and changed reservations") << 3;
}

void TestConcurrency::twoCopiesSaveAtOnce() {
    QFETCH(int, editEvery);
    constexpr int kSaves = 120;
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("dbRooms.mdb"));
    createDatabase(database);

    QProcess first;
    QProcess second;
    const QStringList common{QString::number(kSaves), QString::number(editEvery)};
    first.start(saverProgram(), QStringList{database, QStringLiteral("first")} + common);
    second.start(saverProgram(), QStringList{database, QStringLiteral("second")} + common);
    QVERIFY(first.waitForFinished(120000));
    QVERIFY(second.waitForFinished(120000));

    Ledger ledger;
    int confirmed = 0;
    for (QProcess* saver : {&first, &second}) {
        const QString errors = QString::fromUtf8(saver->readAllStandardError());
        QVERIFY2(saver->exitStatus() == QProcess::NormalExit && saver->exitCode() == 0,
                 qPrintable(QStringLiteral("exit %1: %2").arg(saver->exitCode()).arg(errors)));
        confirmed += ledger.take(saver->readAllStandardOutput());
    }
    QCOMPARE(confirmed, 2 * kSaves);
    const int edits = editEvery > 0 ? kSaves / editEvery : 0;
    QCOMPARE(ledger.size(), 2 * (kSaves - edits));
    const QStringList problems = ledger.reconcile(database, 0, {});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
    QCOMPARE(integrityOf(database), QStringLiteral("ok"));
}

void TestConcurrency::lockedDatabaseIsReported_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("reports");
    QTest::newRow("show all") << "show all"
                              << QStringList{reportFor("database is locked",
                                                       "Form1.PushButton5_Click", 106)};
    QTest::newRow("delete selected")
        << "delete"
        << QStringList{reportFor("database is locked", "Form1.PushButton2_Click", 104),
                       reportFor("database is locked", "Form1.listRooms", 106)};
}

void TestConcurrency::lockedDatabaseIsReported() {
    QFETCH(QString, command);
    QFETCH(QStringList, reports);
    TempPlaces temp;
    createWorkingDatabase(temp.places);
    const QDate today = QDate::currentDate();
    execOn(temp.places.workingDatabase(),
           translateDates(statements::insert(sampleGuest("Held Guest", today, today))));
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join('\n')));
    QCOMPARE(form.listModel()->rowCount(), 1);
    control<QTreeView>(form, "ListView1")
        ->selectionModel()
        ->setCurrentIndex(form.listModel()->index(0, 0),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    LockHolder holder(temp.places.workingDatabase());
    QVERIFY(holder.locked());
    QList<bool> heldWhileReported;
    dialogs.onShow = [&](const Message& m) {
        if (m.title == QLatin1String("Application Error")) heldWhileReported << holder.locked();
    };
    if (command == QLatin1String("show all"))
        form.PushButton5_Click();
    else
        form.PushButton2_Click();
    QStringList errors;
    for (const Message& m : dialogs.shown)
        if (m.title == QLatin1String("Application Error")) errors << m.text;
    QCOMPARE(errors, reports);
    QCOMPARE(heldWhileReported, QList<bool>(reports.size(), true));
    holder.release();
    QCOMPARE(queryValue(temp.places.workingDatabase(), "select count(*) from tblRooms"),
             QStringLiteral("1"));

    // Once the other program has let go, the same command works.
    dialogs.clear();
    if (command == QLatin1String("show all")) {
        form.PushButton5_Click();
        QCOMPARE(form.listModel()->rowCount(), 1);
    } else {
        form.PushButton5_Click(); // the failed fill left the list empty
        QCOMPARE(form.listModel()->rowCount(), 1);
        control<QTreeView>(form, "ListView1")
            ->selectionModel()
            ->setCurrentIndex(form.listModel()->index(0, 0),
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        form.PushButton2_Click();
        QCOMPARE(queryValue(temp.places.workingDatabase(), "select count(*) from tblRooms"),
                 QStringLiteral("0"));
    }
    for (const Message& m : dialogs.shown)
        QVERIFY2(m.title != QLatin1String("Application Error"), qPrintable(m.text));
}

void TestConcurrency::lockedSaveKeepsTheTyping() {
    TempPlaces temp;
    createWorkingDatabase(temp.places);
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    LockHolder holder(temp.places.workingDatabase());
    QVERIFY(holder.locked());
    bool heldWhileReported = false;
    dialogs.onShow = [&](const Message&) { heldWhileReported = holder.locked(); };

    QVERIFY(withEditor(
        [&] { form.PushButton1_Click(); },
        [&](Form2& editor) {
            chooseValidChoices(editor);
            for (QWidget* box : {static_cast<QWidget*>(control<QLineEdit>(editor, "Text1")),
                                 static_cast<QWidget*>(control<QComboBox>(editor, "Combo2")),
                                 static_cast<QWidget*>(control<QLineEdit>(editor, "Text3")),
                                 static_cast<QWidget*>(control<QLineEdit>(editor, "Text6")),
                                 static_cast<QWidget*>(control<QPlainTextEdit>(editor, "Text7"))})
                typeInto(box, QStringLiteral("Waiting O'Reilly"));
            control<QPushButton>(editor, "PushButton4")->click();
            QCOMPARE(dialogs.texts(),
                     QStringList{reportFor("database is locked", "Form2.PushButton4_Click", 172)});
            QVERIFY(heldWhileReported);
            QVERIFY(editor.isVisible());
            QCOMPARE(control<QLineEdit>(editor, "Text1")->text(),
                     QStringLiteral("Waiting O'Reilly"));
            QCOMPARE(control<QPlainTextEdit>(editor, "Text7")->toPlainText(),
                     QStringLiteral("Waiting O'Reilly"));

            holder.release();
            dialogs.clear();
            control<QPushButton>(editor, "PushButton4")->click();
            QCOMPARE(dialogs.texts(), QStringList{"Successfully Saved."});
        }));
    QCOMPARE(queryValue(temp.places.workingDatabase(),
                        "select count(*) from tblRooms where GuestName='Waiting O''Reilly'"),
             QStringLiteral("1"));
}

QTEST_MAIN(TestConcurrency)
#include "tst_concurrency.moc"
