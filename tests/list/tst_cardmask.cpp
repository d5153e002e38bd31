// Card numbers in the list: masked to their last four digits unless the desk asks for them in
// full, sorted as they show, and kept out of the engine's words in error reports.
#include "base/cardmask.h"
#include "base/report.h"
#include "base/settings.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

class TestCardMask : public QObject {
    Q_OBJECT
private slots:
    void mask_data();
    void mask();
    void engineWordsLoseCopiedDigits_data();
    void engineWordsLoseCopiedDigits();
    void failedStatementReportsNoCardDigits();
    void cardColumnSortsAsShown_data();
    void cardColumnSortsAsShown();
    void settingShowsThemInFull_data();
    void settingShowsThemInFull();
};

void TestCardMask::mask_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("blanks") << "0000 1234 5678 9101"
                            << "•••• 9101";
    QTest::newRow("dashes") << "4111-1111-1111-1234"
                            << "•••• 1234";
    QTest::newRow("run together") << "5500000000000004"
                                  << "•••• 0004";
    QTest::newRow("odd spacing") << " 37 8282 24631 0005 "
                                 << "•••• 0005";
    QTest::newRow("text after the digits") << "6011 0009 9013 9424 exp"
                                           << "•••• 9424";
    QTest::newRow("eight digits") << "1234 5678"
                                  << "•••• 5678";
    QTest::newRow("seven digits, masked whole") << "123 4567"
                                                << "••••";
    QTest::newRow("no digits") << "cash"
                               << "••••";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("kept behind the mask") << "•••• 9101"
                                          << "•••• 9101";
}

void TestCardMask::mask() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(maskedCardNumber(stored), shown);
}

void TestCardMask::engineWordsLoseCopiedDigits_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("shown");
    const QStringList card{"Ann", "0000 1234 5678 9101", "555 0100"};
    QTest::newRow("whole number quoted") << "JSON path error near '0000 1234 5678 9101'" << card
                                         << "JSON path error near '•••• •••• •••• ••••'";
    QTest::newRow("a part of it") << "near \"5678\": syntax error" << card
                                  << "near \"••••\": syntax error";
    QTest::newRow("run together") << "bad value 00001234" << card << "bad value ••••••••";
    QTest::newRow("other digits beside it stay")
        << "near '0000 1234 77': syntax error" << card << "near '•••• •••• 77': syntax error";
    QTest::newRow("words without values") << "database is locked" << card << "database is locked";
    QTest::newRow("digits of no value") << "too many terms in compound SELECT: 472" << card
                                        << "too many terms in compound SELECT: 472";
    QTest::newRow("no values") << "near '0000 1234'" << QStringList{} << "near '0000 1234'";
}

void TestCardMask::engineWordsLoseCopiedDigits() {
    QFETCH(QString, words);
    QFETCH(QStringList, values);
    QFETCH(QString, shown);
    QCOMPARE(withoutDigitsOf(words, values), shown);
}

// The engine quotes a value only when something makes it: here a trigger that passes the card
// number to a function that names its bad argument.
void TestCardMask::failedStatementReportsNoCardDigits() {
    QTemporaryDir dir;
    const QString path = dir.filePath("cards.mdb");
    createDatabase(path);
    execOn(path, "create trigger t before insert on tblRooms "
                 "begin select json_extract('{}', new.CreditCardNo); end;");
    Connection connection("cards");
    connection.open("data source=" + path);
    GuestValues v = sampleGuest("Ann O'Hara", QDate(2026, 3, 1), QDate(2026, 3, 2));
    v.creditCardNo = "5105-1051 0510 5100";
    const QString statement = statements::insert(v);
    QVERIFY(statement.contains(v.creditCardNo)); // the statement carries the full number
    ScriptedDialogs dialogs;
    Procedure proc(dialogs, "Form2.PushButton4_Click");
    proc.step(172, [&] { connection.execute(statement); });
    QCOMPARE(dialogs.texts(), QStringList{reportFor("JSON path error near '••••-•••• •••• ••••'",
                                                    "Form2.PushButton4_Click", 172)});
}

void TestCardMask::cardColumnSortsAsShown_data() {
    QTest::addColumn<bool>("inFull");
    QTest::addColumn<QString>("guests"); // in the sorted order
    // Masked: empty, masked whole, then by the last four digits, the stored number breaking the
    // tie of d and c; in full: by the stored number.
    QTest::newRow("masked") << false << "fgebdca";
    QTest::newRow("in full") << true << "fgdaebc";
}

void TestCardMask::cardColumnSortsAsShown() {
    QFETCH(bool, inFull);
    QFETCH(QString, guests);
    QTemporaryDir dir;
    const QString path = dir.filePath("cards.mdb");
    createDatabase(path);
    execOn(path, "insert into tblRooms (GuestName, CreditCardNo) values "
                 "('a', '1111 0000 0000 9999'), ('b', '2222 0000 0000 0001'), "
                 "('c', '3333 0000 0000 5555'), ('d', '0000 0000 0000 5555'), ('e', '123'), "
                 "('f', ''), ('g', null)");
    Connection connection("cards");
    connection.open("data source=" + path);
    ReservationModel model;
    model.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    model.setCardNumbersInFull(!inFull);
    ScriptedDialogs dialogs;
    Procedure proc(dialogs, "Form1.PushButton5_Click");
    fillList(
        proc, model, &connection, [] { return statements::selectAll(); }, [](int) {});
    model.columnClick(ReservationModel::CreditCardNo + 1);
    model.setCardNumbersInFull(inFull); // the sort follows what the column shows
    QString sorted;
    for (int r = 0; r < model.rowCount(); ++r)
        sorted += model.cellText(r, ReservationModel::GuestName);
    QCOMPARE(sorted, guests);
    model.columnClick(ReservationModel::CreditCardNo + 1);
    QCOMPARE(model.cellText(0, ReservationModel::GuestName), guests.right(1));
}

void TestCardMask::settingShowsThemInFull_data() {
    QTest::addColumn<QString>("setting"); // empty: never written
    QTest::addColumn<QString>("shown");
    QTest::newRow("not set") << ""
                             << "•••• 0004";
    QTest::newRow("1") << "1"
                       << "5500 0000 0000 0004";
    QTest::newRow("1 with blanks") << " 1 "
                                   << "5500 0000 0000 0004";
    QTest::newRow("0") << "0"
                       << "•••• 0004";
    QTest::newRow("yes is not 1") << "yes"
                                  << "•••• 0004";
}

void TestCardMask::settingShowsThemInFull() {
    QFETCH(QString, setting);
    QFETCH(QString, shown);
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString());
    store.clear();
    if (!setting.isEmpty()) store.setValue("Corvanna/ShowFullCardNumbers", setting);
    store.sync();
    TempPlaces temp;
    createWorkingDatabase(temp.places);
    execOn(temp.places.workingDatabase(),
           "insert into tblRooms (GuestName, CheckInDate, CheckOutDate, CreditCardNo) values "
           "('Ann', date('now', 'localtime'), date('now', 'localtime'), '5500 0000 0000 0004')");
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    {
        Form1 form(session);
        QVERIFY(form.Form_Load());
        const auto* model = form.findChild<ReservationModel*>();
        QVERIFY(model);
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->cellText(0, ReservationModel::CreditCardNo), shown);
        form.Form_QueryUnload();
    }
    // The close writes its own keys and leaves the desk's setting as it was.
    QCOMPARE(store.value("Corvanna/ShowFullCardNumbers").toString(), setting);
    store.clear();
}

QTEST_MAIN(TestCardMask)
#include "tst_cardmask.moc"
