// Save's checks on the guest editor's entries, without a window.
#include "base/failure.h"
#include "editor/guestcheck.h"

#include <QTest>

using namespace corvanna;

namespace {

const QDate kToday = QDate::currentDate();

// An entry that passes every check, with one field replaced: "field=text" ("Text2= 3 ").
GuestEntry entryWith(const QString& kindWord, const QStringList& changes = {}) {
    GuestEntry e{kindWord,
                 "Ada",
                 "1",
                 "Single",
                 "VISA",
                 "4111",
                 "2",
                 "",
                 "555",
                 "Road",
                 kToday,
                 kToday.addDays(2),
                 kToday.addYears(1)};
    for (const QString& change : changes) {
        const QString field = change.section('=', 0, 0);
        const QString text = change.section('=', 1);
        QString* target = field == "Text1"    ? &e.guestName
                          : field == "Text2"  ? &e.count
                          : field == "Combo1" ? &e.type
                          : field == "Combo2" ? &e.creditCardType
                          : field == "Text3"  ? &e.creditCardNo
                          : field == "Text4"  ? &e.persons
                          : field == "Text6"  ? &e.phoneNumber
                                              : &e.address;
        *target = text;
    }
    return e;
}

} // namespace

class TestGuestCheck : public QObject {
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
    void wholeNumbers_data();
    void wholeNumbers();
    void expiry_data();
    void expiry();
};

void TestGuestCheck::checks_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("message"); // empty: every check passes
    QTest::addColumn<int>("focus");       // GuestField
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("counts"); // as written, when every check passes
    using F = GuestField;
    const QString forgot = "You forgot to enter ";
    auto row = [](const char* tag, const char* kind, const QStringList& changes,
                  const QString& message, F focus, int line, const char* counts = "1,2") {
        QTest::newRow(tag) << kind << changes << message << int(focus) << line << counts;
    };
    row("name empty", "Room", {"Text1="}, "You forgot to input Guest Name.", F::Text1, 112);
    row("name spaces", "Room", {"Text1=   "}, "You forgot to input Guest Name.", F::Text1, 112);
    row("rooms", "Room", {"Text2= "}, forgot + "Number of Room.", F::Text2, 118);
    row("wings", "Wing", {"Text2="}, forgot + "Number of Wing.", F::Text2, 118);
    row("halls", "Meeting Hall", {"Text2="}, forgot + "Number of Meeting Hall.", F::Text2, 118);
    row("room type", "Room", {"Combo1="}, forgot + "Room Type.", F::Combo1, 124);
    row("wing type", "Wing", {"Combo1="}, forgot + "Wing Type.", F::Combo1, 124);
    row("hall type", "Meeting Hall", {"Combo1="}, forgot + "Meeting Hall Type.", F::Combo1, 124);
    row("card type", "Room", {"Combo2=  "}, forgot + "Credit Card Type.", F::Combo2, 130);
    row("card number", "Room", {"Text3="}, forgot + "Credit Card Number.", F::Text3, 136);
    row("persons", "Room", {"Text4=  "}, forgot + "Number Of Persons.", F::Text4, 142);
    row("phone", "Room", {"Text6="}, forgot + "Phone Number.", F::Text6, 148);
    row("address", "Room", {"Text7=     "}, forgot + "Address.", F::Text7, 154);
    // Only space characters are blanks: a tab or a line break is something typed.
    row("name tab", "Room", {"Text1=\t"}, "", F::None, 0);
    row("address line break", "Room", {"Text7=\n"}, "", F::None, 0);
    // The first failure in the order wins.
    row("address and name", "Room", {"Text7=", "Text1="}, "You forgot to input Guest Name.",
        F::Text1, 112);
    row("persons and card number", "Room", {"Text4=", "Text3="}, forgot + "Credit Card Number.",
        F::Text3, 136);
    row("fields before counts", "Room", {"Text2=x", "Text7="}, forgot + "Address.", F::Text7, 154);
    // Counts must be whole numbers, or typed text would become part of a statement.
    row("room count", "Room", {"Text2=1, [GuestName]=(select 'x')"},
        "Number of Room must be a whole number.", F::Text2, 159);
    row("wing count", "Wing", {"Text2=2.0"}, "Number of Wing must be a whole number.", F::Text2,
        159);
    row("hall count", "Meeting Hall", {"Text2=1;"},
        "Number of Meeting Hall must be a whole number.", F::Text2, 159);
    row("persons count", "Room", {"Text4=1 or 1=1"}, "Number Of Persons must be a whole number.",
        F::Text4, 159);
    row("counts padded", "Room", {"Text2= 3 ", "Text4=  012"}, "", F::None, 0, "3,12");
    // Any whole number the column holds, as its plain digits; a larger one has its own message.
    row("largest counts", "Wing", {"Text2=9223372036854775807", "Text4=0000000001000000000"}, "",
        F::None, 0, "9223372036854775807,1000000000");
    row("room count too large", "Room", {"Text2=9223372036854775808"},
        "Number of Room cannot be more than 9223372036854775807.", F::Text2, 159);
    row("persons count too large", "Room", {"Text4=000099999999999999999999"},
        "Number Of Persons cannot be more than 9223372036854775807.", F::Text4, 159);
    row("not a number before too large", "Room", {"Text2=99999999999999999999", "Text4=x"},
        "Number of Room cannot be more than 9223372036854775807.", F::Text2, 159);
}

void TestGuestCheck::checks() {
    QFETCH(QString, kind);
    QFETCH(QStringList, changes);
    QFETCH(QString, message);
    QFETCH(int, focus);
    QFETCH(int, line);
    const GuestEntry entry = entryWith(kind, changes);
    const std::optional<GuestCheck> failed = firstFailedCheck(entry, kToday);
    QCOMPARE(failed ? failed->message : QString(), message);
    if (!failed) {
        const GuestValues v = guestValues(entry);
        QTEST(v.noOfRooms + "," + v.noOfPersons, "counts");
        QCOMPARE(v.guestName, entry.guestName);
        return;
    }
    QCOMPARE(int(failed->focus), focus);
    QCOMPARE(failed->testLine, line);
    if (line == kCountCheckLine)
        QVERIFY_THROWS_EXCEPTION(Failure, guestValues(entry));
    else
        QCOMPARE(std::pair(failed->messageLine, failed->focusLine), std::pair(line + 2, line + 4));
}

void TestGuestCheck::wholeNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits"); // empty: not a whole number
    QTest::newRow("blanks at both ends") << "  12 "
                                         << "12";
    QTest::newRow("leading zeros") << "007"
                                   << "7";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("nine digits") << "999999999"
                                 << "999999999";
    QTest::newRow("ten digits") << "0000000001"
                                << "1";
    QTest::newRow("zeros only") << "0000"
                                << "0";
    QTest::newRow("past the column") << "99999999999999999999"
                                     << "99999999999999999999";
    QTest::newRow("inner blank") << "1 2"
                                 << "";
    QTest::newRow("sign") << "+3"
                          << "";
    QTest::newRow("negative") << "-3"
                              << "";
    QTest::newRow("exponent") << "1e3"
                              << "";
    QTest::newRow("tab") << "\t4"
                         << "";
    QTest::newRow("quote") << "2'"
                           << "";
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << "";
    QTest::newRow("blanks only") << "   "
                                 << "";
}

void TestGuestCheck::wholeNumbers() {
    QFETCH(QString, text);
    QTEST(wholeNumberDigits(text).value_or(QString()), "digits");
}

void TestGuestCheck::expiry_data() {
    QTest::addColumn<int>("expiryDays"); // from today
    QTest::addColumn<int>("checkOutDays");
    QTest::addColumn<QString>("message");
    const QString expired = "Credit card is expired.";
    const QString early = "Credit card expiry date is less than the check out date.";
    QTest::newRow("today, check-out today") << 0 << 0 << "";
    QTest::newRow("today, check-out tomorrow") << 0 << 1 << early;
    QTest::newRow("on the check-out date") << 5 << 5 << "";
    QTest::newRow("day before check-out") << 4 << 5 << early;
    QTest::newRow("yesterday, check-out long past") << -1 << -30 << expired;
    QTest::newRow("yesterday, check-out ahead") << -1 << 3 << expired;
    QTest::newRow("past stay, valid card") << 0 << -10 << "";
}

void TestGuestCheck::expiry() {
    QFETCH(int, expiryDays);
    QFETCH(int, checkOutDays);
    QFETCH(QString, message);
    GuestEntry e = entryWith("Room");
    e.checkIn = kToday.addDays(checkOutDays - 1);
    e.checkOut = kToday.addDays(checkOutDays);
    e.expiry = kToday.addDays(expiryDays);
    const std::optional<GuestCheck> failed = firstFailedCheck(e, kToday);
    QCOMPARE(failed ? failed->message : QString(), message);
    if (failed) {
        QCOMPARE(failed->testLine, message.endsWith("expired.") ? 160 : 164);
        QCOMPARE(failed->focus, GuestField::None);
    }
}

QTEST_GUILESS_MAIN(TestGuestCheck)
#include "tst_guestcheck.moc"
