// The example reservations and the insert statements they make.
#include "store/literals.h"
#include "store/sampledata.h"
#include "store/statements.h"

#include <QTest>

using namespace corvanna;

class TestSampleData : public QObject {
    Q_OBJECT
private slots:
    void statementsOnThirtiethOfJanuary_data();
    void statementsOnThirtiethOfJanuary();
    void checkOutRollsOver_data();
    void checkOutRollsOver();
};

namespace {
const QString kHead = QStringLiteral(
    "insert into tblRooms ([GuestName],[Accommodation],[NoOfRooms],[Type],[ServiceIncluded],"
    "[NoOfPersons],[CheckInDate],[CheckOutDate],[CreditCardType],[CreditCardNo],[PhoneNumber],"
    "[Address]) values (");
} // namespace

void TestSampleData::statementsOnThirtiethOfJanuary_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first")
        << 0
        << QStringLiteral("insert into tblRooms ([GuestName],[Accommodation],[NoOfRooms],"
                          "[Type],[ServiceIncluded],[NoOfPersons],[CheckInDate],"
                          "[CheckOutDate],[CreditCardType],[CreditCardNo],[PhoneNumber],"
                          "[Address]) values ('Zuveze Voridi','Room',1,'Single','Breakfast, "
                          "Lunch, Dinner, Security',1,#01/30/2024#,#01/31/2024#,'VISA','0000 "
                          "1234 5678 9101','17021234567','NY')");
    QTest::newRow("second, empty phone")
        << 1
        << kHead + QStringLiteral("'Rozud Vavuviz','Room',1,'Double','Breakfast, Lunch, Dinner, "
                                  "Security',2,#01/30/2024#,#02/01/2024#,'MASTERCARD','0123 4567 "
                                  "8910 1234','','LA')");
    QTest::newRow("third")
        << 2
        << kHead + QStringLiteral("'Zize Zuvezud','Room',2,'Suite','Breakfast, Lunch, Dinner, "
                                  "Security',5,#01/30/2024#,#02/03/2024#,'AMERICAN EXPRESS','0098 "
                                  "7654 3210 9875','','NH')");
}

void TestSampleData::statementsOnThirtiethOfJanuary() {
    QFETCH(int, which);
    QFETCH(QString, expected);
    const auto samples = sampleReservations(QDate(2024, 1, 30));
    QCOMPARE(statements::insert(samples[size_t(which)]), expected);
}

void TestSampleData::checkOutRollsOver_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("stays"); // check-in and check-out literals of the three
    QTest::newRow("end of January")
        << QDate(2024, 1, 30)
        << QStringList{"#01/30/2024#,#01/31/2024#", "#01/30/2024#,#02/01/2024#",
                       "#01/30/2024#,#02/03/2024#"};
    QTest::newRow("end of a leap February")
        << QDate(2024, 2, 27)
        << QStringList{"#02/27/2024#,#02/28/2024#", "#02/27/2024#,#02/29/2024#",
                       "#02/27/2024#,#03/02/2024#"};
    QTest::newRow("end of a common February")
        << QDate(2023, 2, 27)
        << QStringList{"#02/27/2023#,#02/28/2023#", "#02/27/2023#,#03/01/2023#",
                       "#02/27/2023#,#03/03/2023#"};
    QTest::newRow("end of the year")
        << QDate(2023, 12, 30)
        << QStringList{"#12/30/2023#,#12/31/2023#", "#12/30/2023#,#01/01/2024#",
                       "#12/30/2023#,#01/03/2024#"};
    QTest::newRow("end of April") << QDate(2025, 4, 29)
                                  << QStringList{"#04/29/2025#,#04/30/2025#",
                                                 "#04/29/2025#,#05/01/2025#",
                                                 "#04/29/2025#,#05/03/2025#"};
}

void TestSampleData::checkOutRollsOver() {
    QFETCH(QDate, today);
    QFETCH(QStringList, stays);
    const auto samples = sampleReservations(today);
    for (int i = 0; i < kSampleReservationCount; ++i) {
        const QString statement = statements::insert(samples[size_t(i)]);
        QVERIFY2(statement.contains(QLatin1Char(',') + stays[i] + QLatin1Char(',')),
                 qPrintable(statement));
    }
}

QTEST_GUILESS_MAIN(TestSampleData)
#include "tst_sampledata.moc"
