// Two desks on one PostgreSQL server: each sees the other's saves without a click, and an edit
// over a reservation the other desk changed or deleted meanwhile is never saved silently.
#include "gui/form1.h"
#include "gui/form2.h"
#include "gui/session.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/statements.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

namespace {
const QDate kToday = QDate::currentDate();

// One desk: its own folders, boxes and main window, on the shared server.
struct Desk {
    TempPlaces places;
    ScriptedDialogs dialogs;
    Session session{dialogs, places.places};
    std::unique_ptr<Form1> form;

    explicit Desk(const QString& server) {
        session.server = server;
        form = std::make_unique<Form1>(session);
        form->Form_Load();
    }
    QStringList names() const {
        QStringList list;
        for (int r = 0; r < form->listModel()->rowCount(); ++r)
            list << form->listModel()->cellText(r, ReservationModel::GuestName);
        return list;
    }
    std::unique_ptr<Form2> edit(const QString& id) {
        session.mHotelID = id;
        auto editor = std::make_unique<Form2>(*form);
        editor->Form_Load();
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
} // namespace

class TestTwoDesks : public QObject {
    Q_OBJECT
private slots:
    void deskShowsTheServerInUse();
    void otherDesksSaveReachesTheList();
    void editOverOtherDesksChange_data();
    void editOverOtherDesksChange();
    void unchangedRowSavesWithoutAQuestion();
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
    box(*editor, "Text1")->setText("From desk A");
    box(*editor, "Text2")->setText("1");
    editor->findChild<QComboBox*>("Combo1")->setCurrentIndex(0);
    editor->findChild<QComboBox*>("Combo2")->setEditText("VISA");
    box(*editor, "Text3")->setText("4111");
    box(*editor, "Text4")->setText("1");
    box(*editor, "Text6")->setText("555 0100");
    editor->findChild<QPlainTextEdit*>("Text7")->setPlainText("1 Harbour Road");
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

QTEST_MAIN(TestTwoDesks)
#include "tst_twodesks.moc"
