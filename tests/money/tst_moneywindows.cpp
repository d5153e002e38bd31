// The money's windows over a real working database: a folio worked by keyboard, its invoice and
// credit note saved as PDF and read back, the rates' nights without a price, and the report.
#include "base/dates.h"
#include "gui/money/foliowindow.h"
#include "gui/money/hotelwindow.h"
#include "gui/money/rateswindow.h"
#include "gui/money/reportswindow.h"
#include "store/literals.h"
#include "store/money.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

using namespace corvanna;
using namespace corvanna::test;

namespace {
const QDate kToday = QDate::currentDate();
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QString day(int fromToday) {
    return QLocale().toString(kToday.addDays(fromToday), shortDateFormat());
}

QString pdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(30000)) qFatal("pdftotext (poppler-utils) is needed");
    return QString::fromUtf8(text.readAllStandardOutput());
}
} // namespace

class TestMoneyWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void invoiceAndCreditNoteAsPdf();
    void paymentByKeyboard_data();
    void paymentByKeyboard();
    void nightPriceByHandKeepsItsTax();
    void hotelRefusesBadEntries_data();
    void hotelRefusesBadEntries();
    void ratesShowUnpricedNights();
    void reportTableAndCsv();

private:
    Connection& connection() { return m_desk->session.connection(); }
    // A reservation of one Double Room from `from` to `to` days after today, priced; its id.
    qint64 addStay(const QString& name, int from, int to) {
        GuestValues v = sampleGuest(name, kToday.addDays(from), kToday.addDays(to));
        v.type = "Double";
        connection().execute(statements::insert(v));
        const qint64 id = lastInsertedReservation(connection());
        priceStay(connection(), id, "desk");
        return id;
    }
    // The hotel, a tax rate of 7 % on rooms and of 19 % on the rest, Double Rooms at $100.00.
    void setUpHotel() {
        writeHotel(connection(), {"Harbour Inn", "1 Quay Street\nPellworth", "DE123456789", "USD",
                                  "Thank you for staying with us"});
        m_rooms = addTaxRate(connection(), {0, "Rooms", 700});
        addTaxRate(connection(), {0, "Goods", 1900});
        Rate rate;
        rate.kind = "Room";
        rate.type = "Double";
        rate.priceCents = 10000;
        rate.taxRateId = m_rooms;
        addRate(connection(), rate);
    }
    template <class T> T* in(const QWidget& window, const char* name) {
        return control<T>(window, name);
    }

    std::unique_ptr<ServerDatabase> m_server;
    std::unique_ptr<WindowDesk> m_desk;
    qint64 m_rooms = 0;
};

void TestMoneyWindows::init() {
    static int runs = 0;
    QLocale::setDefault(kEnglish);
    m_desk = std::make_unique<WindowDesk>();
    if (onTestServer()) {
        m_server = std::make_unique<ServerDatabase>("moneywindows" + QString::number(++runs));
        m_desk->session.server = m_server->url();
    }
    QVERIFY(m_desk->start());
    QCOMPARE(connection().has(Capability::SharedDatabase), onTestServer());
    setUpHotel();
}

void TestMoneyWindows::cleanup() {
    m_desk.reset();
    m_server.reset();
}

// The invoice prints the hotel, the guest, every line, the taxes per rate rounded per line, the
// totals and its number; its credit note cancels it by number with the opposite amounts.
void TestMoneyWindows::invoiceAndCreditNoteAsPdf() {
    const qint64 ada = addStay("Ada Lovelace", 0, 2);
    addPayment(connection(), ada, PaymentKind::Deposit, 5000, "Card", kToday, "", "desk");
    FolioWindow folio(*m_desk->form, ada);
    folio.Form_Load();
    // The minibar charged through the folio's charge row.
    in<QLineEdit>(folio, "folioChargeText")->setText("Minibar");
    in<QSpinBox>(folio, "folioChargeQuantity")->setValue(2);
    in<QComboBox>(folio, "folioChargeTax")->setCurrentIndex(1);
    QTest::keyClicks(in<QLineEdit>(folio, "folioChargePrice"), "4.50");
    QTest::keyClick(in<QLineEdit>(folio, "folioChargePrice"), Qt::Key_Return);
    in<QPushButton>(folio, "folioIssueInvoice")->click();
    QTemporaryDir out;
    QString pdf = out.filePath("invoice.pdf");
    m_desk->session.saveFileName = [&](QWidget*, const QString&) { return pdf; };
    in<QPushButton>(folio, "folioPdf")->click();
    const QString invoice = pdfText(pdf);
    const QString number = QStringLiteral("%1-0001").arg(kToday.year());
    // Nights of $100.00 at 7 %: $6.54 each; the minibar's $9.00 at 19 %: $1.44.
    for (const QString& expected : {QString("Harbour Inn"),
                                    QString("1 Quay Street"),
                                    QString("Pellworth"),
                                    QString("Tax number: DE123456789"),
                                    "Invoice " + number,
                                    QString("Ada Lovelace"),
                                    QString("1 Harbour Road"),
                                    QString("Minibar"),
                                    QString("Rooms 7.00%"),
                                    QString("$200.00"),
                                    QString("$13.08"),
                                    QString("Goods 19.00%"),
                                    QString("$9.00"),
                                    QString("$1.44"),
                                    QString("Total (taxes included): $209.00"),
                                    QString("Taxes: $14.52"),
                                    QString("Net: $194.48"),
                                    QString("Paid: $50.00"),
                                    QString("Balance due: $159.00"),
                                    QString("Thank you for staying with us"),
                                    QString("Page 1 of 1")})
        QVERIFY2(invoice.contains(expected), qPrintable(expected + "\n" + invoice));
    QCOMPARE(invoice.count("Night, Double Room"), 2);
    QCOMPARE(invoice.count("$6.54"), 2);

    // A stay has one invoice in force, and an invoice one credit note: refused plainly.
    in<QPushButton>(folio, "folioIssueInvoice")->click();
    in<QPushButton>(folio, "folioCreditNote")->click();
    auto* invoices = in<QTreeWidget>(folio, "folioInvoices");
    QCOMPARE(invoices->topLevelItemCount(), 2);
    invoices->setCurrentItem(invoices->topLevelItem(0));
    in<QPushButton>(folio, "folioCreditNote")->click();
    invoices->setCurrentItem(invoices->topLevelItem(1));
    pdf = out.filePath("credit.pdf");
    in<QPushButton>(folio, "folioPdf")->click();
    const QString credit = pdfText(pdf);
    for (const QString& expected :
         {QStringLiteral("Credit note %1-0002").arg(kToday.year()), "Cancels invoice " + number,
          QString("Total (taxes included): ($209.00)"), QString("Taxes: ($14.52)")})
        QVERIFY2(credit.contains(expected), qPrintable(expected + "\n" + credit));
    QCOMPARE(m_desk->dialogs.texts(),
             QStringList({"Issue an invoice of $209.00 to Ada Lovelace? Its number cannot be "
                          "taken back: a credit note cancels it.",
                          "Invoice " + number +
                              " covers this stay. Cancel it by a credit note before issuing a new "
                              "one.",
                          "Cancel invoice " + number + " by a credit note?",
                          "Invoice " + number + " is cancelled by a credit note already."}));
}

void TestMoneyWindows::paymentByKeyboard_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("paid"); // cents; 0: refused
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("balance");
    const QString badEnglish = "\"%1\" is not an amount. Type it with digits and at most two "
                               "decimals, for example 1234.50.";
    QTest::newRow("grouped, one decimal") << "en_US"
                                          << "1,234.5" << qint64(123450) << ""
                                          << "($934.50)";
    QTest::newRow("German grouping") << "de_DE"
                                     << "1.234,56" << qint64(123456) << ""
                                     << "-934,56\u00A0USD";
    QTest::newRow("a point on a German desk")
        << "de_DE"
        << "12.50" << qint64(0)
        << "\"12.50\" is not an amount. Type it with digits and at most two decimals, for "
           "example 1234,50."
        << "300,00\u00A0USD";
    QTest::newRow("three decimals")
        << "en_US"
        << "12.345" << qint64(0) << badEnglish.arg("12.345") << "$300.00";
    QTest::newRow("letters") << "en_US"
                             << "12 dollars" << qint64(0) << badEnglish.arg("12 dollars")
                             << "$300.00";
    QTest::newRow("a sign") << "en_US"
                            << "-5" << qint64(0) << badEnglish.arg("-5") << "$300.00";
    QTest::newRow("zero") << "en_US"
                          << "0.00" << qint64(0) << "A payment needs an amount above zero."
                          << "$300.00";
}

// A payment typed and entered with Return lowers the balance shown by exactly its amount; a bad
// amount is refused with a message and changes nothing.
void TestMoneyWindows::paymentByKeyboard() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(qint64, paid);
    QFETCH(QString, message);
    QFETCH(QString, balance);
    QLocale::setDefault(QLocale(locale));
    const qint64 ada = addStay("Ada Lovelace", 0, 3);
    FolioWindow folio(*m_desk->form, ada);
    folio.Form_Load();
    auto* amount = in<QLineEdit>(folio, "folioPaymentAmount");
    QTest::keyClicks(amount, typed);
    QTest::keyClick(amount, Qt::Key_Return);
    QCOMPARE(m_desk->dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(readFolio(connection(), ada).paidCents, paid);
    QCOMPARE(in<QLabel>(folio, "folioBalance")->text(), "Balance: " + balance);
    QCOMPARE(amount->text(), paid ? QString() : typed);
}

// A night's price set by hand keeps the night's tax rate, whatever the charge row shows.
void TestMoneyWindows::nightPriceByHandKeepsItsTax() {
    const qint64 ada = addStay("Ada Lovelace", 0, 1);
    FolioWindow folio(*m_desk->form, ada);
    folio.Form_Load();
    in<QComboBox>(folio, "folioChargeTax")->setCurrentIndex(1);
    QTest::keyClicks(in<QLineEdit>(folio, "folioNightPrice"), "90");
    QTest::keyClick(in<QLineEdit>(folio, "folioNightPrice"), Qt::Key_Return);
    const std::vector<NightPrice> nights = readNightPrices(connection(), ada);
    QCOMPARE(nights.size(), size_t(1));
    QCOMPARE(nights[0].priceCents, qint64(9000));
    QCOMPARE(nights[0].taxRateId, m_rooms);
    QCOMPARE(in<QLabel>(folio, "folioBalance")->text(), "Balance: $90.00");
}

void TestMoneyWindows::hotelRefusesBadEntries_data() {
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("percent"); // a tax rate's; empty: the details are saved
    QTest::addColumn<QString>("message");
    QTest::newRow("a currency's name") << "Euro"
                                       << ""
                                       << "\"Euro\" is not a currency. Type its code of three "
                                          "letters, such as EUR or USD, or leave it empty for the "
                                          "currency of this computer's settings.";
    QTest::newRow("a rate above 100 %") << ""
                                        << "107"
                                        << "\"107\" is not a tax rate. Type a percentage from 0 "
                                           "to 100 with at most two decimals, for example 7.00.";
    QTest::newRow("a rate with a comma") << ""
                                         << "7,5"
                                         << "\"7,5\" is not a tax rate. Type a percentage from 0 "
                                            "to 100 with at most two decimals, for example 7.00.";
}

// The hotel window refuses a currency that is not a code and a tax rate that is not a
// percentage, and keeps what was stored.
void TestMoneyWindows::hotelRefusesBadEntries() {
    QFETCH(QString, currency);
    QFETCH(QString, percent);
    QFETCH(QString, message);
    HotelWindow hotel(*m_desk->form);
    hotel.Form_Load();
    in<QLineEdit>(hotel, "hotelCurrency")->setText(currency);
    in<QLineEdit>(hotel, "taxRateName")->setText("Reduced");
    in<QLineEdit>(hotel, "taxRatePercent")->setText(percent);
    QVERIFY(!(percent.isEmpty() ? hotel.Save_Click() : hotel.AddRate_Click()));
    QCOMPARE(m_desk->dialogs.texts(), QStringList{message});
    QCOMPARE(readHotel(connection()).currency, "USD");
    QCOMPARE(readTaxRates(connection()).size(), size_t(2));
}

// The rates window lists the nights of the next year no rate prices, by kind and type, and a new
// rate added through it closes its gap.
void TestMoneyWindows::ratesShowUnpricedNights() {
    RatesWindow rates(*m_desk->form);
    rates.Form_Load();
    const auto gaps = [&] {
        QStringList shown;
        auto* list = in<QTreeWidget>(rates, "unpricedNights");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (QStringList{"Single", "Double"}.contains(list->topLevelItem(i)->text(1)))
                shown << list->topLevelItem(i)->text(1) + ": " + list->topLevelItem(i)->text(2);
        return shown;
    };
    const QString wholeYear = "365 nights: " + day(0) + " to " + day(364);
    QCOMPARE(gaps(), QStringList{"Single: " + wholeYear});

    // Singles priced from the 10th to the 19th night from now, on every weekday.
    in<QComboBox>(rates, "rateType")->setCurrentText("Single");
    in<QCheckBox>(rates, "rateDated")->setChecked(true);
    in<QDateEdit>(rates, "rateFrom")->setDate(kToday.addDays(10));
    in<QDateEdit>(rates, "rateTo")->setDate(kToday.addDays(19));
    QTest::keyClicks(in<QLineEdit>(rates, "ratePrice"), "80");
    QTest::keyClick(in<QLineEdit>(rates, "ratePrice"), Qt::Key_Return);
    QCOMPARE(m_desk->dialogs.texts(), QStringList());
    QCOMPARE(gaps(), QStringList{"Single: 355 nights: " + day(0) + " to " + day(9) + "; " +
                                 day(20) + " to " + day(364)});
    QCOMPARE(in<QTableWidget>(rates, "ratesGrid")->rowCount(), 2);
}

// The report's table by day: units, nights sold, occupancy, revenue, ADR and RevPAR; its CSV
// holds the same figures with ISO dates and plain numbers. A deleted reservation that had money
// is listed with its guest.
void TestMoneyWindows::reportTableAndCsv() {
    connection().execute("insert into tblInventory values ('Room', 'Double', 4)");
    addStay("Ada Lovelace", 0, 2);
    const qint64 bo = addStay("Bo Byrne", 1, 2);
    overrideNight(connection(), bo, kToday.addDays(1), 6000, "desk");
    const qint64 cy = addStay("Cy Coe", 5, 6);
    addPayment(connection(), cy, PaymentKind::Deposit, 1000, "Cash", kToday, "", "desk");
    connection().execute(statements::deleteById(QString::number(cy)));

    auto* reports = new ReportsWindow(*m_desk->form);
    in<QDateEdit>(*reports, "reportsFrom")->setDate(kToday);
    in<QDateEdit>(*reports, "reportsTo")->setDate(kToday.addDays(1));
    reports->refresh();
    auto* table = in<QTableWidget>(*reports, "reportsTable");
    QCOMPARE(table->rowCount(), 2);
    QStringList second;
    for (int c = 0; c < table->columnCount(); ++c)
        second << table->item(1, c)->text();
    QCOMPARE(second, QStringList({day(1), "4", "2", "50.00%", "$160.00", "$80.00", "$40.00"}));
    auto* deleted = in<QTableWidget>(*reports, "reportsDeleted");
    QCOMPARE(deleted->rowCount(), 1);
    QCOMPARE(deleted->item(0, 1)->text(), "Cy Coe");

    QTemporaryDir out;
    const QString csv = out.filePath("report.csv");
    m_desk->session.saveFileName = [&](QWidget*, const QString&) { return csv; };
    in<QPushButton>(*reports, "reportsExport")->click();
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             "Period,Units available,Nights sold,Occupancy,Room revenue,ADR,RevPAR\r\n" +
                 kToday.toString(Qt::ISODate) + ",4,1,25.00,100.00,100.00,25.00\r\n" +
                 kToday.addDays(1).toString(Qt::ISODate) + ",4,2,50.00,160.00,80.00,40.00\r\n");
    QCOMPARE(m_desk->dialogs.texts(), QStringList());
    reports->close();
}

QTEST_MAIN(TestMoneyWindows)
#include "tst_moneywindows.moc"
