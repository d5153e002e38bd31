// Two programs on one database file: another program's commit reaches the list without a click,
// the program's own save refills it once, and an edit over a reservation that the other program
// changed meanwhile is never saved silently.
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <sqlite3.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {
const QDate kToday = QDate::currentDate();

// The desk: its own folders, boxes and main window on its working file.
struct Desk : WindowDesk {
    Desk() {
        start();
        dialogs.clear();
    }
    QString file() const { return places.places.workingDatabase(); }
    // Another program's commit: a connection of its own to the same file.
    void otherProgram(const QString& sql) const { execOn(file(), translateDates(sql)); }
    QString add(const GuestValues& v) const {
        otherProgram(statements::insert(v));
        return queryValue(file(), "select max(id) from tblRooms");
    }
};

} // namespace

class TestFileDesks : public QObject {
    Q_OBJECT
private slots:
    void otherProgramsCommitReachesTheList();
    void ownSaveRefillsOnce();
    void editOverOtherProgramsChange_data();
    void editOverOtherProgramsChange();
};

void TestFileDesks::otherProgramsCommitReachesTheList() {
    Desk desk;
    QCOMPARE(desk.names(), QStringList());
    const QString id = desk.add(sampleGuest("From the other program", kToday, kToday));
    QTRY_COMPARE_WITH_TIMEOUT(desk.names(), QStringList{"From the other program"}, 2000);
    desk.otherProgram("update tblRooms set GuestName = 'Renamed there' where id = " + id);
    QTRY_COMPARE_WITH_TIMEOUT(desk.names(), QStringList{"Renamed there"}, 2000);
    desk.otherProgram("delete from tblRooms");
    QTRY_COMPARE_WITH_TIMEOUT(desk.names(), QStringList(), 2000);
    QVERIFY2(desk.dialogs.shown.isEmpty(), qPrintable(desk.dialogs.texts().join('\n')));
}

void TestFileDesks::ownSaveRefillsOnce() {
    Desk desk;
    QSignalSpy fills(desk.form.get(), &Form1::reservationsChanged);
    auto editor = desk.edit(QString());
    fillValid(*editor);
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(desk.dialogs.texts(), QStringList{"Successfully Saved."});
    QCOMPARE(fills.size(), 1);
    // Several looks at the file later, the own save has not come back as another's change ...
    QTest::qWait(1300);
    QCOMPARE(fills.size(), 1);
    QCOMPARE(desk.names(), QStringList{"Ada Lovelace"});
    // ... while another program's commit still does.
    desk.add(sampleGuest("Other", kToday, kToday));
    QTRY_COMPARE_WITH_TIMEOUT(fills.size(), 2, 2000);
    QCOMPARE(desk.names(), (QStringList{"Ada Lovelace", "Other"}));
}

void TestFileDesks::editOverOtherProgramsChange_data() {
    QTest::addColumn<QString>("meanwhile"); // the other program's statement
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QString>("question");  // empty: saved without one
    QTest::addColumn<QString>("rowsAfter"); // every row's name and address, in id order
    const QString changed = "Another desk changed this reservation after you opened it: Guest "
                            "Name, Address.\n\nSave your entries over its changes?";
    const QString theirs = "update tblRooms set GuestName = 'Their name', Address = 'Their road'";
    QTest::newRow("changed, keep theirs") << theirs << false << changed << "Their name/Their road";
    QTest::newRow("changed, save mine")
        << theirs << true << changed << "Ada Lovelace/1 Harbour Road";
    QTest::newRow("letter case and a date")
        << "update tblRooms set GuestName = 'STORED', CheckOutDate = date(CheckOutDate, '+1 day')"
        << false
        << "Another desk changed this reservation after you opened it: Guest Name, Check-Out "
           "Date.\n\nSave your entries over its changes?"
        << "STORED/Stored road";
    QTest::newRow("same values written again")
        << "update tblRooms set GuestName = GuestName" << false << ""
        << "Ada Lovelace/1 Harbour Road";
    QTest::newRow("other rows only")
        << "insert into tblRooms (GuestName, Address) values ('Other', 'Elsewhere')" << false << ""
        << "Ada Lovelace/1 Harbour Road;Other/Elsewhere";
}

void TestFileDesks::editOverOtherProgramsChange() {
    QFETCH(QString, meanwhile);
    QFETCH(bool, overwrite);
    QFETCH(QString, question);
    QFETCH(QString, rowsAfter);
    Desk desk;
    GuestValues v = sampleGuest("Stored", kToday, kToday.addDays(1));
    v.address = "Stored road";
    auto editor = desk.edit(desk.add(v));
    QCOMPARE(control<QLineEdit>(*editor, "Text1")->text(), QStringLiteral("Stored"));
    desk.otherProgram(meanwhile);
    fillValid(*editor);
    desk.dialogs.defaultAnswer = overwrite ? Answer::Yes : Answer::No;
    control<QPushButton>(*editor, "PushButton4")->click();
    QStringList shown = question.isEmpty() ? QStringList() : QStringList{question};
    if (question.isEmpty() || overwrite) shown << "Successfully Saved.";
    QCOMPARE(desk.dialogs.texts(), shown);
    if (!question.isEmpty()) QCOMPARE(desk.dialogs.shown.value(0).defaultButton, Answer::No);
    QCOMPARE(queryValue(desk.file(), "select group_concat(GuestName || '/' || Address, ';') "
                                     "from (select * from tblRooms order by id)"),
             rowsAfter);
    // Nothing lost on No: the editor is still open with the typing; the file is not held.
    QCOMPARE(editor->result(), question.isEmpty() || overwrite ? int(QDialog::Accepted) : 0);
    QCOMPARE(control<QLineEdit>(*editor, "Text1")->text(), QStringLiteral("Ada Lovelace"));
    QVERIFY(sqlite3_get_autocommit(desk.session.connection().handle()));
}

QTEST_MAIN(TestFileDesks)
#include "tst_filedesks.moc"
