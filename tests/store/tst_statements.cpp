// The texts the program sends to the database, letter for letter.
#include "base/failure.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"

#include <QLocale>
#include <QTest>

using namespace corvanna;

class TestStatements : public QObject {
    Q_OBJECT
private slots:
    void dateLiteral_data();
    void dateLiteral();
    void dateLiteralIgnoresLocale();
    void quoting_data();
    void quoting();
    void firstSampleInsert();
    void insertAndUpdateWithQuotesEverywhere();
    void selects();
    void connectionString();
    void translation_data();
    void translation();
    void serverTranslation_data();
    void serverTranslation();
    void wholeNumberIds_data();
    void wholeNumberIds();
};

void TestStatements::dateLiteral_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("literal");
    QTest::newRow("month first with zeros") << QDate(2022, 3, 5) << "#03/05/2022#";
    QTest::newRow("end of august") << QDate(2021, 8, 31) << "#08/31/2021#";
    QTest::newRow("december") << QDate(2024, 12, 1) << "#12/01/2024#";
    QTest::newRow("earliest picker date") << QDate(1601, 1, 1) << "#01/01/1601#";
    QTest::newRow("latest picker date") << QDate(9999, 12, 31) << "#12/31/9999#";
}

void TestStatements::dateLiteral() {
    QFETCH(QDate, date);
    QFETCH(QString, literal);
    QCOMPARE(corvanna::dateLiteral(date), literal);
}

void TestStatements::dateLiteralIgnoresLocale() {
    for (const char* name : {"de_DE", "en_GB", "ar_EG", "fa_IR", "ja_JP"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        QCOMPARE(corvanna::dateLiteral(QDate(2022, 3, 5)), QStringLiteral("#03/05/2022#"));
    }
    QLocale::setDefault(QLocale::c());
}

void TestStatements::quoting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "NY"
                           << "'NY'";
    QTest::newRow("apostrophe") << "O'Brien"
                                << "'O''Brien'";
    QTest::newRow("two in a row") << "a''b"
                                  << "'a''''b'";
    QTest::newRow("only a quote") << "'"
                                  << "''''";
    QTest::newRow("empty") << ""
                           << "''";
    QTest::newRow("double quotes stay") << "say \"hi\""
                                        << "'say \"hi\"'";
    QTest::newRow("look-alike quote stays")
        << QString::fromUtf8("O\u2019Brien") << QString::fromUtf8("'O\u2019Brien'");
    // A NUL cannot stand between quotes: the engine's text would end there.
    const QChar nul(0);
    QTest::newRow("NUL inside") << QString("AAA") + nul + "BBB"
                                << "'AAA'||char(0)||'BBB'";
    QTest::newRow("NULs at the ends, a quote, two together")
        << nul + QString("O'B") + nul + nul << "''||char(0)||'O''B'||char(0)||''||char(0)||''";
}

void TestStatements::quoting() {
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(quoteText(text), quoted);
}

void TestStatements::firstSampleInsert() {
    GuestValues v;
    v.guestName = "Zuveze Voridi";
    v.accommodation = "Room";
    v.noOfRooms = "1";
    v.type = "Single";
    v.serviceIncluded = "Breakfast, Lunch, Dinner, Security";
    v.noOfPersons = "1";
    v.checkIn = QDate(2024, 1, 30);
    v.checkOut = QDate(2024, 1, 31);
    v.creditCardType = "VISA";
    v.creditCardNo = "0000 1234 5678 9101";
    v.phoneNumber = "17021234567";
    v.address = "NY";
    QCOMPARE(
        statements::insert(v),
        QStringLiteral(
            "insert into tblRooms ([GuestName],[Accommodation],[NoOfRooms],[Type],"
            "[ServiceIncluded],[NoOfPersons],[CheckInDate],[CheckOutDate],[CreditCardType],"
            "[CreditCardNo],[PhoneNumber],[Address]) values ('Zuveze Voridi','Room',1,'Single',"
            "'Breakfast, Lunch, Dinner, Security',1,#01/30/2024#,#01/31/2024#,'VISA',"
            "'0000 1234 5678 9101','17021234567','NY')"));
}

void TestStatements::insertAndUpdateWithQuotesEverywhere() {
    GuestValues v;
    v.guestName = "O'Hara";
    v.accommodation = "Wing";
    v.noOfRooms = "2";
    v.type = "Queen's";
    v.serviceIncluded = "Tea 'n' toast";
    v.noOfPersons = "3";
    v.checkIn = QDate(2025, 2, 28);
    v.checkOut = QDate(2025, 3, 1);
    v.creditCardType = "Diner's";
    v.creditCardNo = "12'34";
    v.phoneNumber = "'0'";
    v.address = "1 King's Rd\r\nLondon";
    QCOMPARE(statements::insert(v),
             QStringLiteral(
                 "insert into tblRooms ([GuestName],[Accommodation],[NoOfRooms],[Type],"
                 "[ServiceIncluded],[NoOfPersons],[CheckInDate],[CheckOutDate],[CreditCardType],"
                 "[CreditCardNo],[PhoneNumber],[Address]) values ('O''Hara','Wing',2,'Queen''s',"
                 "'Tea ''n'' toast',3,#02/28/2025#,#03/01/2025#,'Diner''s','12''34','''0''',"
                 "'1 King''s Rd\r\nLondon')"));
    QCOMPARE(
        statements::update(v, "17"),
        QStringLiteral(
            "update tblRooms set [GuestName]='O''Hara',[Accommodation]='Wing',[NoOfRooms]=2,"
            "[Type]='Queen''s',[ServiceIncluded]='Tea ''n'' toast',[NoOfPersons]=3,"
            "[CheckInDate]=#02/28/2025#,[CheckOutDate]=#03/01/2025#,[CreditCardType]='Diner''s',"
            "[CreditCardNo]='12''34',[PhoneNumber]='''0''',[Address]='1 King''s Rd\r\nLondon' "
            "where id=17"));
}

void TestStatements::selects() {
    QCOMPARE(statements::selectRange(QDate(2024, 1, 30), QDate(2024, 2, 3)),
             QStringLiteral("select * from tblRooms where CheckInDate>=#01/30/2024# and "
                            "CheckOutDate<=#02/03/2024# order by GuestName"));
    QCOMPARE(statements::selectAll(), QStringLiteral("select * from tblRooms order by GuestName"));
    QCOMPARE(statements::selectById("42"), QStringLiteral("select * from tblRooms where id=42"));
    QCOMPARE(statements::deleteById("7"), QStringLiteral("delete from tblRooms where id=7"));
}

void TestStatements::connectionString() {
    const QString text = corvanna::connectionString("/home/desk/.local/share");
    QCOMPARE(text,
             QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=/home/desk/.local/share"
                            "/Pellworth/Corvanna/dbRooms.mdb;JET OLEDB:Database Password="));
    QVERIFY(text.endsWith("Database Password="));
    QCOMPARE(dataSourceOf(text),
             QStringLiteral("/home/desk/.local/share/Pellworth/Corvanna/dbRooms.mdb"));
    // The file named is the one start-up makes ready.
    Places places{"/opt/corvanna", "/home/desk/.local/share"};
    QCOMPARE(dataSourceOf(text), places.workingDatabase());
}

void TestStatements::translation_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("sent");
    QTest::newRow("range") << "select * from tblRooms where CheckInDate>=#01/30/2024# and "
                              "CheckOutDate<=#02/03/2024# order by GuestName"
                           << "select * from tblRooms where CheckInDate>='2024-01-30' and "
                              "CheckOutDate<='2024-02-03' order by GuestName";
    QTest::newRow("inside quotes untouched") << "values ('#01/02/2024#',#01/02/2024#)"
                                             << "values ('#01/02/2024#','2024-01-02')";
    QTest::newRow("after a doubled quote still inside") << "('it''s #01/02/2024#',#12/31/1999#)"
                                                        << "('it''s #01/02/2024#','1999-12-31')";
    QTest::newRow("quote then literal") << "('''',#03/05/2022#)"
                                        << "('''','2022-03-05')";
    QTest::newRow("not a date shape") << "x=#1/2/2024# or y=#01/02/24#"
                                      << "x=#1/2/2024# or y=#01/02/24#";
    QTest::newRow("impossible date still translated") << "#13/45/2024#"
                                                      << "'2024-13-45'";
    QTest::newRow("cut short") << "#01/02/202"
                               << "#01/02/202";
    QTest::newRow("no dates") << "delete from tblRooms where id=7"
                              << "delete from tblRooms where id=7";
}

void TestStatements::translation() {
    QFETCH(QString, statement);
    QFETCH(QString, sent);
    QCOMPARE(translateDates(statement), sent);
}

void TestStatements::serverTranslation_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("sent");
    QTest::newRow("range") << statements::selectRange({2024, 1, 30}, {2024, 2, 3})
                           << "select * from tblRooms where CheckInDate>=DATE '2024-01-30' and "
                              "CheckOutDate<=DATE '2024-02-03' order by GuestName";
    GuestValues v;
    v.guestName = "[O'Brien] #01/02/2024#";
    v.noOfRooms = "2";
    v.noOfPersons = "3";
    v.checkIn = {2022, 3, 5};
    v.checkOut = {2022, 3, 6};
    v.address = "a \"b\" [c]";
    QTest::newRow("update, names and dates outside quotes only")
        << statements::update(v, "7")
        << "update tblRooms set GuestName='[O''Brien] #01/02/2024#',Accommodation='',"
           "NoOfRooms=2,Type='',ServiceIncluded='',NoOfPersons=3,CheckInDate=DATE '2022-03-05',"
           "CheckOutDate=DATE '2022-03-06',CreditCardType='',CreditCardNo='',PhoneNumber='',"
           "Address='a \"b\" [c]' where id=7";
    QTest::newRow("double-quoted name untouched") << "select \"[x] #01/02/2024#\" from t"
                                                  << "select \"[x] #01/02/2024#\" from t";
    QTest::newRow("bracketed name with a blank") << "select [Room \"No\"] from t"
                                                 << "select \"Room \"\"No\"\"\" from t";
    QTest::newRow("unclosed bracket") << "select [GuestName from t"
                                      << "select [GuestName from t";
    QTest::newRow("not a date shape") << "x=#1/2/2024#"
                                      << "x=#1/2/2024#";
}

void TestStatements::serverTranslation() {
    QFETCH(QString, statement);
    QFETCH(QString, sent);
    QCOMPARE(translateForServer(statement), sent);
}

void TestStatements::wholeNumberIds_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digits") << "42" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("negative") << "-1" << false;
    QTest::newRow("injected") << "1 or 1=1" << false;
    QTest::newRow("blank") << " 7" << false;
    QTest::newRow("arabic digits") << QString::fromUtf8("\u0663") << false;
    QTest::newRow("too long") << "1234567890123456789" << false;
}

void TestStatements::wholeNumberIds() {
    QFETCH(QString, id);
    QFETCH(bool, accepted);
    QCOMPARE(isWholeNumberId(id), accepted);
    bool threw = false;
    try {
        checkedId(id);
    } catch (const Failure&) {
        threw = true;
    }
    QCOMPARE(threw, !accepted);
}

QTEST_GUILESS_MAIN(TestStatements)
#include "tst_statements.moc"
