// The guest editor's kinds, save checks and statement values, without a window.
#include "app/failure.h"
#include "editor/guestcheck.h"
#include "store/statements.h"

#include <QTest>

using namespace corvanna;

Q_DECLARE_METATYPE(GuestField)

namespace {

const QDate kToday = QDate::currentDate();

// An entry that passes every check.
GuestEntry complete(const QString& kindWord = QStringLiteral("Room")) {
    GuestEntry e;
    e.kindWord = kindWord;
    e.guestName = QStringLiteral("Ada Lovelace");
    e.count = QStringLiteral("1");
    e.type = QStringLiteral("Single");
    e.creditCardType = QStringLiteral("VISA");
    e.creditCardNo = QStringLiteral("4111 1111 1111 1111");
    e.persons = QStringLiteral("2");
    e.serviceIncluded = QStringLiteral("Breakfast");
    e.phoneNumber = QStringLiteral("555 0100");
    e.address = QStringLiteral("1 Harbour Road");
    e.checkIn = kToday;
    e.checkOut = kToday.addDays(2);
    e.expiry = kToday.addYears(1);
    return e;
}

void setField(GuestEntry& e, GuestField field, const QString& text) {
    switch (field) {
    case GuestField::Text1:
        e.guestName = text;
        break;
    case GuestField::Text2:
        e.count = text;
        break;
    case GuestField::Combo1:
        e.type = text;
        break;
    case GuestField::Combo2:
        e.creditCardType = text;
        break;
    case GuestField::Text3:
        e.creditCardNo = text;
        break;
    case GuestField::Text4:
        e.persons = text;
        break;
    case GuestField::Text6:
        e.phoneNumber = text;
        break;
    case GuestField::Text7:
        e.address = text;
        break;
    case GuestField::None:
        break;
    }
}

} // namespace

class TestGuestCheck : public QObject {
    Q_OBJECT
private slots:
    void kinds_data();
    void kinds();
    void kindOfWord_data();
    void kindOfWord();
    void requiredFields_data();
    void requiredFields();
    void firstFailureWins_data();
    void firstFailureWins();
    void wholeNumbers_data();
    void wholeNumbers();
    void countChecks_data();
    void countChecks();
    void expiry_data();
    void expiry();
    void statementsCarryTypedTextAndCountDigits();
    void storedDates_data();
    void storedDates();
};

void TestGuestCheck::kinds_data() {
    QTest::addColumn<GuestKind>("kind");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("rooms") << GuestKind::Rooms << "Rooms"
                           << "Room"
                           << "No. Of Rooms:"
                           << "Room Type:" << QStringList{"Single", "Double",   "Deluxe",
                                                          "Suite",  "Superior", "Other"};
    QTest::newRow("wings") << GuestKind::Wings << " Wings"
                           << "Wing"
                           << "No. Of Wings:"
                           << "Wing Type:" << QStringList{"Royal", "Honeymoon", "Family Type"};
    QTest::newRow("halls") << GuestKind::MeetingHall << "Meeting Hall"
                           << "Meeting Hall"
                           << "No. Of Halls:"
                           << "Hall Type:"
                           << QStringList{"Main Hall", "East Hall", "West Hall", "Green Leaf Hall"};
}

void TestGuestCheck::kinds() {
    QFETCH(GuestKind, kind);
    const KindDetails& d = kindDetails(kind);
    QTEST(d.optionCaption, "option");
    QTEST(d.word, "word");
    QTEST(d.countCaption, "count");
    QTEST(d.typeCaption, "type");
    QTEST(d.types, "types");
    QCOMPARE(corvanna::kindOfWord(d.word), std::optional<GuestKind>(kind));
}

void TestGuestCheck::kindOfWord_data() {
    QTest::addColumn<QString>("word");
    QTest::newRow("lower case") << "room";
    QTest::newRow("upper case") << "MEETING HALL";
    QTest::newRow("option caption") << "Rooms";
    QTest::newRow("leading blank") << " Wing";
    QTest::newRow("empty") << "";
}

void TestGuestCheck::kindOfWord() {
    QFETCH(QString, word);
    QVERIFY(!corvanna::kindOfWord(word));
}

void TestGuestCheck::requiredFields_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<GuestField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: every check passes
    QTest::addColumn<int>("line");
    using F = GuestField;
    const QString forgot = "You forgot to enter ";
    const QString name = "You forgot to input Guest Name.";
    QTest::newRow("name empty") << "Room" << F::Text1 << "" << name << 112;
    QTest::newRow("name spaces") << "Room" << F::Text1 << "   " << name << 112;
    QTest::newRow("rooms") << "Room" << F::Text2 << " " << forgot + "Number of Room." << 118;
    QTest::newRow("wings") << "Wing" << F::Text2 << "" << forgot + "Number of Wing." << 118;
    QTest::newRow("halls") << "Meeting Hall" << F::Text2 << "" << forgot + "Number of Meeting Hall."
                           << 118;
    QTest::newRow("room type") << "Room" << F::Combo1 << "" << forgot + "Room Type." << 124;
    QTest::newRow("wing type") << "Wing" << F::Combo1 << "" << forgot + "Wing Type." << 124;
    QTest::newRow("hall type") << "Meeting Hall" << F::Combo1 << "" << forgot + "Meeting Hall Type."
                               << 124;
    QTest::newRow("card type") << "Room" << F::Combo2 << "  " << forgot + "Credit Card Type."
                               << 130;
    QTest::newRow("card number") << "Room" << F::Text3 << "" << forgot + "Credit Card Number."
                                 << 136;
    QTest::newRow("persons") << "Room" << F::Text4 << "  " << forgot + "Number Of Persons." << 142;
    QTest::newRow("phone") << "Room" << F::Text6 << "" << forgot + "Phone Number." << 148;
    QTest::newRow("address") << "Room" << F::Text7 << "     " << forgot + "Address." << 154;
    // Only space characters are blanks: a tab or a line break is something typed.
    QTest::newRow("name tab") << "Room" << F::Text1 << "\t"
                              << "" << 0;
    QTest::newRow("address line break") << "Room" << F::Text7 << "\n"
                                        << "" << 0;
    QTest::newRow("phone no-break space") << "Room" << F::Text6 << QString(QChar(0xa0)) << "" << 0;
}

void TestGuestCheck::requiredFields() {
    QFETCH(QString, kind);
    QFETCH(GuestField, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, line);
    GuestEntry e = complete(kind);
    setField(e, field, text);
    const std::optional<GuestCheck> failed = firstFailedCheck(e, kToday);
    if (message.isEmpty()) {
        QVERIFY2(!failed, failed ? qPrintable(failed->message) : "");
        return;
    }
    QVERIFY(failed);
    QCOMPARE(failed->message, message);
    QCOMPARE(failed->focus, field);
    QCOMPARE(failed->testLine, line);
    QCOMPARE(failed->messageLine, line + 2);
    QCOMPARE(failed->focusLine, line + 4);
}

void TestGuestCheck::firstFailureWins_data() {
    QTest::addColumn<QList<GuestField>>("blank");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("expiryDays");
    QTest::addColumn<QString>("message");
    using F = GuestField;
    QTest::newRow("address and name")
        << QList<F>{F::Text7, F::Text1} << "1" << 365 << "You forgot to input Guest Name.";
    QTest::newRow("persons and card number")
        << QList<F>{F::Text4, F::Text3} << "1" << 365 << "You forgot to enter Credit Card Number.";
    QTest::newRow("card number and card type")
        << QList<F>{F::Text3, F::Combo2} << "1" << 365 << "You forgot to enter Credit Card Type.";
    QTest::newRow("fields before the count")
        << QList<F>{F::Text7} << "two" << 365 << "You forgot to enter Address.";
    QTest::newRow("count before the expiry")
        << QList<F>{} << "two" << -1 << "Number of Room must be a whole number.";
    QTest::newRow("fields before the expiry")
        << QList<F>{F::Text6} << "1" << -1 << "You forgot to enter Phone Number.";
}

void TestGuestCheck::firstFailureWins() {
    QFETCH(QList<GuestField>, blank);
    QFETCH(QString, count);
    QFETCH(int, expiryDays);
    GuestEntry e = complete();
    for (GuestField f : blank)
        setField(e, f, QString());
    e.count = count;
    e.expiry = kToday.addDays(expiryDays);
    const std::optional<GuestCheck> failed = firstFailedCheck(e, kToday);
    QVERIFY(failed);
    QTEST(failed->message, "message");
}

void TestGuestCheck::wholeNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits"); // empty: not a whole number
    QTest::newRow("one") << "1"
                         << "1";
    QTest::newRow("blanks at both ends") << "  12 "
                                         << "12";
    QTest::newRow("leading zeros") << "007"
                                   << "7";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("nine digits") << "999999999"
                                 << "999999999";
    QTest::newRow("ten digits") << "1000000000"
                                << "";
    QTest::newRow("ten digits with zeros") << "0000000001"
                                           << "";
    QTest::newRow("statement text") << "1, [GuestName]=(select 'x')"
                                    << "";
    QTest::newRow("inner blank") << "1 2"
                                 << "";
    QTest::newRow("sign") << "+3"
                          << "";
    QTest::newRow("negative") << "-3"
                              << "";
    QTest::newRow("decimal") << "1.5"
                             << "";
    QTest::newRow("exponent") << "1e3"
                              << "";
    QTest::newRow("tab") << "\t4"
                         << "";
    QTest::newRow("quote") << "2'"
                           << "";
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << "";
    QTest::newRow("fullwidth digit") << QString(QChar(0xff13)) << "";
    QTest::newRow("blanks only") << "   "
                                 << "";
}

void TestGuestCheck::wholeNumbers() {
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QCOMPARE(wholeNumberDigits(text).value_or(QString()), digits);
}

void TestGuestCheck::countChecks_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("persons");
    QTest::addColumn<QString>("message");
    QTest::addColumn<GuestField>("focus");
    QTest::newRow("rooms") << "Room"
                           << "x"
                           << "1"
                           << "Number of Room must be a whole number." << GuestField::Text2;
    QTest::newRow("wings") << "Wing"
                           << "1;"
                           << "1"
                           << "Number of Wing must be a whole number." << GuestField::Text2;
    QTest::newRow("halls") << "Meeting Hall"
                           << "2.0"
                           << "1"
                           << "Number of Meeting Hall must be a whole number." << GuestField::Text2;
    QTest::newRow("persons") << "Wing"
                             << "2"
                             << "1 or 1=1"
                             << "Number Of Persons must be a whole number." << GuestField::Text4;
    QTest::newRow("count first") << "Room"
                                 << "a"
                                 << "b"
                                 << "Number of Room must be a whole number." << GuestField::Text2;
}

void TestGuestCheck::countChecks() {
    QFETCH(QString, kind);
    QFETCH(QString, count);
    QFETCH(QString, persons);
    GuestEntry e = complete(kind);
    e.count = count;
    e.persons = persons;
    const std::optional<GuestCheck> failed = firstFailedCheck(e, kToday);
    QVERIFY(failed);
    QTEST(failed->message, "message");
    QTEST(failed->focus, "focus");
    QCOMPARE(failed->testLine, kCountCheckLine);
    QVERIFY_THROWS_EXCEPTION(Failure, guestValues(e));
}

void TestGuestCheck::expiry_data() {
    QTest::addColumn<int>("expiryDays"); // from today
    QTest::addColumn<int>("checkOutDays");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("line");
    const QString expired = "Credit card is expired.";
    const QString early = "Credit card expiry date is less than the check out date.";
    QTest::newRow("today, check-out today") << 0 << 0 << "" << 0;
    QTest::newRow("today, check-out tomorrow") << 0 << 1 << early << 164;
    QTest::newRow("on the check-out date") << 5 << 5 << "" << 0;
    QTest::newRow("day before check-out") << 4 << 5 << early << 164;
    QTest::newRow("yesterday, check-out yesterday") << -1 << -1 << expired << 160;
    QTest::newRow("yesterday, check-out long past") << -1 << -30 << expired << 160;
    QTest::newRow("yesterday, check-out ahead") << -1 << 3 << expired << 160;
    QTest::newRow("past stay, valid card") << 0 << -10 << "" << 0;
}

void TestGuestCheck::expiry() {
    QFETCH(int, expiryDays);
    QFETCH(int, checkOutDays);
    QFETCH(QString, message);
    QFETCH(int, line);
    GuestEntry e = complete();
    e.checkIn = kToday.addDays(std::min(checkOutDays, 0) - 1);
    e.checkOut = kToday.addDays(checkOutDays);
    e.expiry = kToday.addDays(expiryDays);
    const std::optional<GuestCheck> failed = firstFailedCheck(e, kToday);
    QCOMPARE(failed ? failed->message : QString(), message);
    if (failed) {
        QCOMPARE(failed->testLine, line);
        QCOMPARE(failed->messageLine, line + 2);
        QCOMPARE(failed->focus, GuestField::None);
    }
}

void TestGuestCheck::statementsCarryTypedTextAndCountDigits() {
    GuestEntry e;
    e.kindWord = "Meeting Hall";
    e.guestName = " O'Brien ";
    e.count = " 03 ";
    e.type = "Green Leaf Hall";
    e.creditCardType = "Diner's";
    e.creditCardNo = "'1234'";
    e.persons = "12";
    e.serviceIncluded = "Tea 'n' cake";
    e.phoneNumber = "O'Phone";
    e.address = "1 Quay's End\nSt Ives";
    e.checkIn = QDate(2022, 3, 5);
    e.checkOut = QDate(2022, 3, 7);
    const GuestValues v = guestValues(e);
    QCOMPARE(
        statements::insert(v),
        "insert into tblRooms ([GuestName],[Accommodation],[NoOfRooms],[Type],[ServiceIncluded],"
        "[NoOfPersons],[CheckInDate],[CheckOutDate],[CreditCardType],[CreditCardNo],"
        "[PhoneNumber],[Address]) values (' O''Brien ','Meeting Hall',3,'Green Leaf Hall',"
        "'Tea ''n'' cake',12,#03/05/2022#,#03/07/2022#,'Diner''s','''1234''','O''Phone',"
        "'1 Quay''s End\nSt Ives')");
    QCOMPARE(statements::update(v, checkedId("42")),
             "update tblRooms set [GuestName]=' O''Brien ',[Accommodation]='Meeting Hall',"
             "[NoOfRooms]=3,[Type]='Green Leaf Hall',[ServiceIncluded]='Tea ''n'' cake',"
             "[NoOfPersons]=12,[CheckInDate]=#03/05/2022#,[CheckOutDate]=#03/07/2022#,"
             "[CreditCardType]='Diner''s',[CreditCardNo]='''1234''',[PhoneNumber]='O''Phone',"
             "[Address]='1 Quay''s End\nSt Ives' where id=42");
}

void TestGuestCheck::storedDates_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");    // invalid: refused
    QTest::addColumn<QString>("error"); // the refusal's description
    QTest::newRow("leap day") << "2024-02-29" << QDate(2024, 2, 29) << "";
    QTest::newRow("year 1929") << "1929-06-01" << QDate(1929, 6, 1) << "";
    QTest::newRow("year 2029") << "2029-06-01" << QDate(2029, 6, 1) << "";
    QTest::newRow("earliest") << "1601-01-01" << QDate(1601, 1, 1) << "";
    QTest::newRow("latest") << "9999-12-31" << QDate(9999, 12, 31) << "";
    QTest::newRow("null") << "" << QDate() << kTypeMismatch;
    QTest::newRow("day first") << "29/02/2024" << QDate() << kTypeMismatch;
    QTest::newRow("no such day") << "2023-02-29" << QDate() << kTypeMismatch;
    QTest::newRow("with a time") << "2024-02-29 10:00" << QDate() << kTypeMismatch;
    QTest::newRow("before the pickers") << "1600-12-31" << QDate() << kInvalidPropertyValue;
}

void TestGuestCheck::storedDates() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(QString, error);
    try {
        QCOMPARE(storedDate(text), date);
        QVERIFY2(error.isEmpty(), "a date that should be refused was taken");
    } catch (const Failure& failure) {
        QCOMPARE(failure.description(), error);
    }
}

QTEST_GUILESS_MAIN(TestGuestCheck)
#include "tst_guestcheck.moc"
