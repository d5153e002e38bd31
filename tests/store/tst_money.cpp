// Money on both engines: nights priced from the rates at the save, accounts with taxes per line,
// gapless invoice numbers under two desks, credit notes, the report against a count night by
// night, the classic delete that keeps the money, and the upgrade of a database of the stay.
#include "base/failure.h"
#include "store/connection.h"
#include "store/money.h"
#include "store/schemahistory.h"
#include "store/server/serverlink.h"
#include "store/statements.h"
#include "store/stays.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"
#include <QJsonArray>
#include <QRandomGenerator>
#include <QTest>
#include <latch>
#include <libpq-fe.h>
#include <memory>
#include <numeric>
#include <thread>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QString kRoom = QStringLiteral("Room");
const QString kSingle = QStringLiteral("Single");
const QString kDesk = QStringLiteral("desk");

class Database {
public:
    // `ready`: open, at the newest step; otherwise at `step` (the stay's), not yet opened.
    explicit Database(bool ready = true, int step = 3) {
        if (onTestServer()) {
            m_server = std::make_unique<ServerDatabase>(QStringLiteral("money"));
            if (!ready) {
                for (const QString& sql : serverSchema(QStringLiteral("und")))
                    m_server->exec(sql);
                pg_conn* conn = PQconnectdb(m_server->url().toUtf8().constData());
                upgradeServerSchema(conn, stepsOfTheStay(step));
                PQfinish(conn);
            }
        } else {
            m_file = m_places.path(QStringLiteral("money.mdb"));
            createDatabase(m_file);
            if (!ready)
                execOn(m_file, "drop table tblHotel; drop table tblTaxRates; drop table tblRates; "
                               "drop table tblRatesRetired; drop table tblNightPrices; drop table "
                               "tblCharges; drop table tblPayments; drop table tblInvoices; drop "
                               "table tblMoneyKept; drop trigger trgRoomsKeepMoney; pragma "
                               "user_version = 3");
            if (!ready && step > 3) {
                Connection older(QStringLiteral("older"));
                older.open(target());
                upgradeSchema(older, stepsOfTheStay(step));
            }
        }
        if (ready) open();
    }
    static std::vector<SchemaStep> stepsOfTheStay(int last = 3) {
        std::vector<SchemaStep> steps;
        for (const SchemaStep& step : schemaHistory())
            if (step.number <= last) steps.push_back(step);
        return steps;
    }
    void open() {
        m_desk.open(target());
        upgradeSchema(m_desk);
    }
    void exec(const QString& sql) const {
        if (m_server)
            m_server->exec(sql);
        else
            execOn(m_file, sql);
    }
    QString target() const {
        return m_server ? m_server->url()
                        : QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=") + m_file;
    }
    Connection& desk() { return m_desk; }
    QString value(const QString& sql) const {
        return m_server ? m_server->value(sql) : queryValue(m_file, sql);
    }
    // A reservation saved as the guest editor saves it, its nights priced; returns its id.
    qint64 reserve(const QDate& in, const QDate& out, const QString& rooms = QStringLiteral("1")) {
        GuestValues v = sampleGuest(QStringLiteral("Guest %1").arg(++m_guests), in, out);
        v.noOfRooms = rooms;
        qint64 id = 0;
        saveAndPrice(m_desk, 0, kDesk, [&] {
            const int changed = m_desk.execute(statements::insert(v));
            id = lastInsertedReservation(m_desk);
            return changed;
        });
        return id;
    }
    void move(qint64 id, const QDate& in, const QDate& out) {
        const QString key = QString::number(id);
        saveAndPrice(m_desk, id, kDesk, [&] {
            return m_desk.execute(
                statements::update(sampleGuest(QStringLiteral("Moved"), in, out), key));
        });
    }

private:
    TempPlaces m_places;
    QString m_file;
    std::unique_ptr<ServerDatabase> m_server;
    Connection m_desk{QStringLiteral("money")};
    int m_guests = 0;
};

// The unit prices of a folio's nights, as "date=cents" words.
QString nightPrices(const Folio& folio) {
    QStringList words;
    for (const FolioLine& l : folio.lines)
        if (l.kind == FolioLine::Night)
            words << QStringLiteral("%1=%2")
                         .arg(l.date.toString(QStringLiteral("MM-dd")))
                         .arg(l.unitCents);
    return words.join(QLatin1Char(' '));
}

Rate rate(const QDate& from, const QDate& to, int weekdays, qint64 cents, qint64 tax,
          const QString& type = kSingle) {
    Rate r;
    r.kind = kRoom;
    r.type = type;
    r.from = from;
    r.to = to;
    r.weekdays = weekdays;
    r.priceCents = cents;
    r.taxRateId = tax;
    return r;
}

// Default 100.00; a summer season 150.00 with its weekends at 180.00; a festival inside it.
void addSeasonRates(Connection& c, qint64 tax) {
    addRate(c, rate({}, {}, kEveryWeekday, 10000, tax));
    addRate(c, rate(QDate(2026, 7, 1), QDate(2026, 8, 31), kEveryWeekday, 15000, tax));
    addRate(c, rate(QDate(2026, 7, 1), QDate(2026, 8, 31), 32 | 64, 18000, tax));
    addRate(c, rate(QDate(2026, 7, 10), QDate(2026, 7, 12), kEveryWeekday, 25000, tax));
    // Another type's rate never prices a single.
    addRate(c, rate({}, {}, kEveryWeekday, 1, tax, QStringLiteral("Double")));
}

} // namespace

class TestMoney : public QObject {
    Q_OBJECT
private slots:
    void taxIsRoundedHalfAwayFromZero_data();
    void taxIsRoundedHalfAwayFromZero();
    void nightsArePricedFromTheRates_data();
    void nightsArePricedFromTheRates();
    void aBookedNightKeepsItsPriceAsTheStayChanges();
    void anInvoiceMatchesTheHandWorkedOne();
    void twoDesksGetGaplessNumbers();
    void aCreditNoteCancelsAnInvoice();
    void theReportMatchesACountNightByNight();
    void theClassicDeleteKeepsTheMoney();
    void aDatabaseOfTheStayIsUpgraded();
    void nightPricesKeptByRowAreUpgradedIntact();
};

void TestMoney::taxIsRoundedHalfAwayFromZero_data() {
    QTest::addColumn<qint64>("gross");
    QTest::addColumn<int>("basisPoints");
    QTest::addColumn<qint64>("tax");
    QTest::newRow("half up") << qint64(3) << 10000 << qint64(2);
    QTest::newRow("half down below zero") << qint64(-3) << 10000 << qint64(-2);
    QTest::newRow("below half") << qint64(315) << 1900 << qint64(50);
    QTest::newRow("above half") << qint64(105) << 1900 << qint64(17);
    QTest::newRow("no tax") << qint64(999) << 0 << qint64(0);
}

void TestMoney::taxIsRoundedHalfAwayFromZero() {
    QFETCH(qint64, gross);
    QFETCH(int, basisPoints);
    QFETCH(qint64, tax);
    QCOMPARE(taxOfGross(gross, basisPoints), tax);
}

void TestMoney::nightsArePricedFromTheRates_data() {
    QTest::addColumn<QDate>("in");
    QTest::addColumn<QDate>("out");
    QTest::addColumn<QString>("prices");
    QTest::newRow("into the season's first night")
        << QDate(2026, 6, 29) << QDate(2026, 7, 3)
        << QStringLiteral("06-29=10000 06-30=10000 07-01=15000 07-02=15000");
    QTest::newRow("out of the season's last night, a weekend first")
        << QDate(2026, 8, 29) << QDate(2026, 9, 2)
        << QStringLiteral("08-29=18000 08-30=18000 08-31=15000 09-01=10000");
    QTest::newRow("the narrower festival over the weekend")
        << QDate(2026, 7, 9) << QDate(2026, 7, 14)
        << QStringLiteral("07-09=15000 07-10=25000 07-11=25000 07-12=25000 07-13=15000");
    QTest::newRow("a same-day stay takes its day")
        << QDate(2026, 7, 4) << QDate(2026, 7, 4) << QStringLiteral("07-04=18000");
}

void TestMoney::nightsArePricedFromTheRates() {
    QFETCH(QDate, in);
    QFETCH(QDate, out);
    QFETCH(QString, prices);
    Database db;
    addSeasonRates(db.desk(), addTaxRate(db.desk(), {0, QStringLiteral("Reduced"), 700}));
    const qint64 id = db.reserve(in, out);
    const Folio folio = readFolio(db.desk(), id);
    QCOMPARE(nightPrices(folio), prices);
    QVERIFY(folio.unpricedNights.empty());
    // The rates window's rule is the save's.
    const std::vector<Rate> rates = readRates(db.desk());
    for (const FolioLine& night : folio.lines)
        QCOMPARE(rateForNight(rates, kRoom, kSingle, night.date)->priceCents, night.unitCents);
}

void TestMoney::aBookedNightKeepsItsPriceAsTheStayChanges() {
    Database db;
    Connection& c = db.desk();
    const qint64 tax = addTaxRate(c, {0, QStringLiteral("Reduced"), 700});
    addRate(c, rate({}, {}, kEveryWeekday, 10000, tax));
    const qint64 id = db.reserve(QDate(2026, 3, 2), QDate(2026, 3, 4));
    // A newer price after the booking prices only the nights added later.
    addRate(c, rate({}, {}, kEveryWeekday, 12000, tax));
    db.move(id, QDate(2026, 3, 2), QDate(2026, 3, 5));
    QCOMPARE(nightPrices(readFolio(c, id)), QStringLiteral("03-02=10000 03-03=10000 03-04=12000"));
    // An override is the night's price from then on; the first price stays stored.
    overrideNight(c, id, QDate(2026, 3, 3), 9000, kDesk);
    QCOMPARE(nightPrices(readFolio(c, id)), QStringLiteral("03-02=10000 03-03=9000 03-04=12000"));
    QVERIFY(!failureOf([&] { overrideNight(c, id, QDate(2026, 3, 5), 9000, kDesk); }).isEmpty());
    // Shortened, the night left out is not charged; lengthened again, it keeps its price.
    db.move(id, QDate(2026, 3, 3), QDate(2026, 3, 5));
    const Folio shorter = readFolio(c, id);
    QCOMPARE(nightPrices(shorter), QStringLiteral("03-03=9000 03-04=12000"));
    QCOMPARE(shorter.chargesCents, 21000);
    db.move(id, QDate(2026, 3, 2), QDate(2026, 3, 5));
    QCOMPARE(nightPrices(readFolio(c, id)), QStringLiteral("03-02=10000 03-03=9000 03-04=12000"));
    QCOMPARE(db.value("select count(*) from tblNightPrices"), QStringLiteral("4"));
    // Without a rate in force a new night stays without a price, and shows as such.
    for (const Rate& r : readRates(c))
        retireRate(c, r.id);
    QVERIFY(readRates(c).empty());
    db.move(id, QDate(2026, 3, 2), QDate(2026, 3, 6));
    QCOMPARE(readFolio(c, id).unpricedNights, std::vector<QDate>{QDate(2026, 3, 5)});
    QCOMPARE(unpricedNights({}, kRoom, kSingle, QDate(2026, 3, 5), 2).size(), size_t(2));
}

// Two nights of two rooms at 120.00 and breakfast at 7 %; three waters of 1.05 at 19 %, each a
// line of its own: per line 0.17 of tax, 0.51 for the three (0.50 on their sum).
void TestMoney::anInvoiceMatchesTheHandWorkedOne() {
    Database db;
    Connection& c = db.desk();
    writeHotel(c, {QStringLiteral("Pellworth Inn"), QStringLiteral("Harbour 1"),
                   QStringLiteral("DE123"), QStringLiteral("EUR"), QStringLiteral("Thank you")});
    const qint64 reduced = addTaxRate(c, {0, QStringLiteral("Reduced"), 700});
    const qint64 standard = addTaxRate(c, {0, QStringLiteral("Standard"), 1900});
    addRate(c, rate({}, {}, kEveryWeekday, 12000, reduced));
    const qint64 id = db.reserve(QDate(2026, 4, 1), QDate(2026, 4, 3), QStringLiteral("2"));
    addCharge(c, id, QStringLiteral("Breakfast"), 2, 1550, reduced, kDesk);
    for (int i = 0; i < 3; ++i)
        addCharge(c, id, QStringLiteral("Water"), 1, 105, standard, kDesk);
    const qint64 wrong = addCharge(c, id, QStringLiteral("Wine"), 1, 4000, standard, kDesk);
    voidEntry(c, EntryKind::Charge, wrong, kDesk);
    QVERIFY(!failureOf([&] { voidEntry(c, EntryKind::Charge, wrong, kDesk); }).isEmpty());
    addPayment(c, id, PaymentKind::Deposit, 10000, QStringLiteral("Card"), QDate(2026, 3, 1), {},
               kDesk);
    addPayment(c, id, PaymentKind::Payment, 42000, QStringLiteral("Cash"), QDate(2026, 4, 3), {},
               kDesk);

    Folio folio = readFolio(c, id);
    QCOMPARE(folio.chargesCents, 51415);
    QCOMPARE(folio.balanceCents, -585);
    QCOMPARE(folio.taxByRate.at(reduced).grossCents, 51100);
    QCOMPARE(folio.taxByRate.at(reduced).taxCents, 3343); // 1570 + 1570 + 203
    QCOMPARE(folio.taxByRate.at(standard).taxCents, 51);
    addPayment(c, id, PaymentKind::Refund, 585, QStringLiteral("Cash"), QDate(2026, 4, 3), {},
               kDesk);
    QCOMPARE(readFolio(c, id).balanceCents, 0);

    const Invoice invoice = issueInvoice(c, id, kDesk);
    const QJsonObject s = invoice.snapshot;
    QCOMPARE(s.value(QStringLiteral("lines")).toArray().size(), 6);
    QCOMPARE(s.value(QStringLiteral("totalCents")).toInteger(), 51415);
    QCOMPARE(s.value(QStringLiteral("taxCents")).toInteger(), 3394);
    QCOMPARE(s.value(QStringLiteral("balanceCents")).toInteger(), 0);
    QCOMPARE(s.value(QStringLiteral("hotel")).toObject().value(QStringLiteral("name")).toString(),
             QStringLiteral("Pellworth Inn"));
    // The issued invoice stays as it was when the account changes.
    addCharge(c, id, QStringLiteral("Late check-out"), 1, 2000, standard, kDesk);
    QCOMPARE(readInvoices(c, id).at(0).snapshot, s);
    QVERIFY(!failureOf([&] { issueInvoice(c, id, kDesk); }).isEmpty());
}

void TestMoney::twoDesksGetGaplessNumbers() {
    Database db;
    const qint64 tax = addTaxRate(db.desk(), {0, QStringLiteral("Standard"), 1900});
    constexpr int kEach = 8;
    std::vector<qint64> ids;
    for (int i = 0; i < 2 * kEach; ++i) {
        ids.push_back(db.reserve(QDate(2026, 5, 1), QDate(2026, 5, 2)));
        addCharge(db.desk(), ids.back(), QStringLiteral("Parking"), 1, 500, tax, kDesk);
    }
    std::vector<int> numbers[2];
    QString failures[2];
    std::latch ready(2);
    auto desk = [&](int d) {
        try {
            Connection c(QStringLiteral("desk%1").arg(d));
            c.open(db.target());
            ready.arrive_and_wait();
            for (int i = d; i < 2 * kEach; i += 2)
                numbers[d].push_back(issueInvoice(c, ids[size_t(i)], kDesk).number);
        } catch (const Failure& f) {
            failures[d] = f.description();
        }
    };
    std::thread first(desk, 0), second(desk, 1);
    first.join();
    second.join();
    QCOMPARE(failures[0] + failures[1], QString());
    std::vector<int> all = numbers[0];
    all.insert(all.end(), numbers[1].begin(), numbers[1].end());
    std::sort(all.begin(), all.end());
    std::vector<int> expected(2 * kEach);
    std::iota(expected.begin(), expected.end(), 1);
    QCOMPARE(all, expected);
}

void TestMoney::aCreditNoteCancelsAnInvoice() {
    Database db;
    Connection& c = db.desk();
    const qint64 tax = addTaxRate(c, {0, QStringLiteral("All"), 10000});
    const qint64 id = db.reserve(QDate(2026, 6, 1), QDate(2026, 6, 2));
    QVERIFY(!failureOf([&] { issueInvoice(c, id, kDesk); }).isEmpty()); // nothing to invoice
    addCharge(c, id, QStringLiteral("Towel"), 1, 3, tax, kDesk);
    const Invoice invoice = issueInvoice(c, id, kDesk);
    const Invoice note = issueCreditNote(c, invoice.id, kDesk);
    QCOMPARE(note.kind, QStringLiteral("credit note"));
    QCOMPARE(note.number, invoice.number + 1);
    QCOMPARE(note.refersTo, invoice.id);
    const QJsonObject s = note.snapshot;
    QCOMPARE(s.value(QStringLiteral("refersTo")).toString(), invoiceNumberText(invoice));
    QCOMPARE(s.value(QStringLiteral("totalCents")).toInteger(), -3);
    QCOMPARE(s.value(QStringLiteral("taxCents")).toInteger(), -2);
    const QJsonObject line = s.value(QStringLiteral("lines")).toArray().at(0).toObject();
    QCOMPARE(line.value(QStringLiteral("taxCents")).toInteger(), -2);
    QVERIFY(!failureOf([&] { issueCreditNote(c, invoice.id, kDesk); }).isEmpty());
    QVERIFY(!failureOf([&] { issueCreditNote(c, note.id, kDesk); }).isEmpty());
    // Credited, the account can be invoiced again, with the next number.
    QCOMPARE(issueInvoice(c, id, kDesk).number, note.number + 1);
    QCOMPARE(readInvoices(c, id).size(), size_t(3));
}

// A generated year: random stays (some cancelled), rates, overrides, charges, voids and
// payments. The report must give what the accounts give, night by night.
void TestMoney::theReportMatchesACountNightByNight() {
    Database db;
    Connection& c = db.desk();
    QRandomGenerator random(20260101);
    const qint64 taxes[] = {addTaxRate(c, {0, QStringLiteral("Reduced"), 700}),
                            addTaxRate(c, {0, QStringLiteral("Standard"), 1900})};
    addSeasonRates(c, taxes[0]);
    for (int u = 0; u < 6; ++u)
        addUnit(c, {0, QStringLiteral("%1").arg(u), kRoom, kSingle, {}, true});
    const QDate first(2026, 1, 1), last(2026, 12, 31);
    std::vector<qint64> ids;
    for (int i = 0; i < 70; ++i) {
        const QDate in = first.addDays(random.bounded(-20, 370));
        const qint64 id =
            db.reserve(in, in.addDays(random.bounded(0, 9)), QString::number(random.bounded(1, 3)));
        ids.push_back(id);
        if (random.bounded(6) == 0) cancel(c, id, CancelReason::ByGuest, kDesk);
        if (random.bounded(3) == 0) overrideNight(c, id, in, random.bounded(5000, 9000), kDesk);
        const qint64 charge =
            addCharge(c, id, QStringLiteral("Bar"), random.bounded(1, 4),
                      random.bounded(-200, 3000), taxes[random.bounded(2)], kDesk);
        if (random.bounded(4) == 0) voidEntry(c, EntryKind::Charge, charge, kDesk);
        const qint64 paid =
            addPayment(c, id, PaymentKind(random.bounded(3)), random.bounded(1, 90000),
                       random.bounded(2) ? QStringLiteral("Card") : QStringLiteral("Cash"),
                       in.addDays(random.bounded(-5, 5)), {}, kDesk);
        if (random.bounded(5) == 0) voidEntry(c, EntryKind::Payment, paid, kDesk);
    }
    // Charges are dated by the day they are written: today, inside or outside the year.
    const bool chargesInYear = QDate::currentDate() >= first && QDate::currentDate() <= last;

    const Report report = readReport(c, first, last);
    std::map<QDate, qint64> sold, revenue;
    std::map<qint64, qint64> gross, tax;
    std::map<QString, qint64> byMethod;
    std::map<qint64, qint64> open;
    for (const qint64 id : ids) {
        const Folio f = readFolio(c, id);
        for (QDate d = f.checkIn; d < f.checkOut || (f.checkIn == f.checkOut && d == f.checkIn);
             d = d.addDays(1))
            if (!f.unsold && d >= first && d <= last) sold[d] += f.units;
        for (const FolioLine& l : f.lines) {
            if (l.voided) continue;
            const bool inYear =
                l.kind == FolioLine::Charge ? chargesInYear : l.date >= first && l.date <= last;
            if (!inYear) continue;
            if (l.kind == FolioLine::Night) revenue[l.date] += l.totalCents;
            if (l.kind == FolioLine::Night || l.kind == FolioLine::Charge) {
                const int bp = l.taxRateId == taxes[0] ? 700 : 1900;
                gross[l.taxRateId] += l.totalCents;
                tax[l.taxRateId] += taxOfGross(l.totalCents, bp);
            } else {
                byMethod[l.method] += l.kind == FolioLine::Refund ? -l.totalCents : l.totalCents;
            }
        }
        if (f.checkOut >= first && f.checkOut <= last && f.balanceCents != 0)
            open[id] = f.balanceCents;
    }
    QCOMPARE(report.days.size(), size_t(365));
    qint64 julySold = 0, julyRevenue = 0;
    for (const ReportDay& d : report.days) {
        QCOMPARE(d.unitsAvailable, 6);
        QCOMPARE(d.nightsSold, sold[d.day]);
        QCOMPARE(d.roomRevenueCents, revenue[d.day]);
        if (d.day.month() == 7) julySold += d.nightsSold, julyRevenue += d.roomRevenueCents;
    }
    QCOMPARE(report.months.size(), size_t(12));
    QCOMPARE(report.months[6].nightsSold, julySold);
    QCOMPARE(report.months[6].roomRevenueCents, julyRevenue);
    QCOMPARE(report.months[6].unitsAvailable, 31 * 6);
    for (const qint64 t : taxes) {
        QCOMPARE(report.revenueByTaxRate.count(t) ? report.revenueByTaxRate.at(t).grossCents : 0,
                 gross[t]);
        QCOMPARE(report.revenueByTaxRate.count(t) ? report.revenueByTaxRate.at(t).taxCents : 0,
                 tax[t]);
    }
    QCOMPARE(report.paymentsByMethod, byMethod);
    std::map<qint64, qint64> reportedOpen;
    for (const OpenBalance& b : report.openBalances)
        reportedOpen[b.reservationId] = b.balanceCents;
    QCOMPARE(reportedOpen, open);
    QVERIFY(!open.empty());
}

void TestMoney::theClassicDeleteKeepsTheMoney() {
    Database db;
    Connection& c = db.desk();
    const qint64 tax = addTaxRate(c, {0, QStringLiteral("Standard"), 1900});
    const qint64 paid = db.reserve(QDate(2026, 2, 1), QDate(2026, 2, 3));
    const qint64 plain = db.reserve(QDate(2026, 2, 1), QDate(2026, 2, 3));
    addPayment(c, paid, PaymentKind::Deposit, 5000, QStringLiteral("Card"), QDate(2026, 1, 5), {},
               kDesk);
    addCharge(c, paid, QStringLiteral("Parking"), 1, 500, tax, kDesk);
    c.execute(statements::deleteById(QString::number(paid)));
    c.execute(statements::deleteById(QString::number(plain)));
    const std::vector<KeptMoney> kept = readDeletedWithMoney(c);
    QCOMPARE(kept.size(), size_t(1));
    QCOMPARE(kept[0].reservationId, paid);
    QCOMPARE(kept[0].guestName, QStringLiteral("Guest 1"));
    QCOMPARE(kept[0].checkOut, QDate(2026, 2, 3));
    QCOMPARE(db.value("select count(*) from tblPayments") +
                 db.value("select count(*) from tblCharges"),
             QStringLiteral("11"));
    // The account of the deleted reservation still reads, balance and all.
    QCOMPARE(readFolio(c, paid).balanceCents, -4500);
    // Money rows are never changed or deleted, whoever asks.
    QVERIFY(!failureOf([&] {
                 c.execute(OwnStatement{"delete from tblPayments", "delete from tblPayments"});
             }).isEmpty());
    QVERIFY(!failureOf([&] {
                 c.execute(OwnStatement{"update tblCharges set UnitPriceCents=1",
                                        "update tblCharges set UnitPriceCents=1"});
             }).isEmpty());
    QCOMPARE(db.value("select count(*) from tblPayments"), QStringLiteral("1"));
}

void TestMoney::aDatabaseOfTheStayIsUpgraded() {
    Database db(false);
    db.exec("insert into tblRooms (GuestName, Accommodation, NoOfRooms, Type, CheckInDate, "
            "CheckOutDate, Address) values ('O''Brien', 'Room', 1, 'Single', '2026-09-01', "
            "'2026-09-04', 'Łódź'), ('Ames', 'Wing', 2, 'Royal', '2026-09-02', '2026-09-02', "
            "null); insert into tblUnits (Name, Kind, Type) values ('12', 'Room', 'Single'); "
            "insert into tblStays (ReservationId, Status) values (1, 'in house'); insert into "
            "tblStayUnits (ReservationId, UnitId, FromNight, ToNight) values (1, 1, '2026-09-01', "
            "'2026-09-04')");
    const QString dump = onTestServer()
                             ? "select concat((select string_agg(t::text, '|' order by id) from "
                               "tblRooms t), (select string_agg(u::text, '|') from tblStayUnits u))"
                             : "select (select group_concat(quote(id) || quote(GuestName) || "
                               "quote(NoOfRooms) || quote(CheckInDate) || quote(CheckOutDate) || "
                               "quote(Address), '|') from tblRooms) || (select group_concat(UnitId "
                               "|| FromNight || ToNight) from tblStayUnits)";
    const QString before = db.value(dump);
    QVERIFY(before.contains(QStringLiteral("Łódź")));
    db.open();
    Connection& c = db.desk();
    QVERIFY(hasMoneyTables(c));
    QCOMPARE(db.value(dump), before);
    QCOMPARE(readStay(c, 1).status, StayStatus::InHouse);
    // The upgraded database prices the stay at its next save.
    const qint64 tax = addTaxRate(c, {0, QStringLiteral("Reduced"), 700});
    addRate(c, rate({}, {}, kEveryWeekday, 8000, tax));
    db.move(1, QDate(2026, 9, 1), QDate(2026, 9, 4));
    QCOMPARE(readFolio(c, 1).chargesCents, 24000);
}

// A database whose night prices were kept one row each (step 7): every price, its order of
// writing (not its clock) and the invoice come through; a later override comes after them.
void TestMoney::nightPricesKeptByRowAreUpgradedIntact() {
    Database db(false, 7);
    db.exec("insert into tblRooms (GuestName, Accommodation, NoOfRooms, Type, CheckInDate, "
            "CheckOutDate) values ('Ames', 'Room', 1, 'Single', '2026-09-01', '2026-09-04'); "
            "insert into tblTaxRates (Name, BasisPoints) values ('Reduced', 700); insert into "
            "tblNightPrices (ReservationId, Night, PriceCents, TaxRateId, Source, At, Desk) values "
            "(1, '2026-09-01', 8000, 1, 'rate', '2026-08-01T10:00:00.000Z', 'a'), (1, "
            "'2026-09-02', 8000, 1, 'rate', '2026-08-01T10:00:00.000Z', 'a'), (1, '2026-09-03', "
            "8000, 1, 'rate', '2026-08-01T10:00:00.000Z', 'a'), (1, '2026-09-02', 7000, 1, "
            "'override', '2026-08-01T09:00:00.000Z', 'b'), (1, '2026-09-02', 6500, 1, 'override', "
            "'2026-07-31T09:00:00.000Z', 'b'); insert into tblInvoices (Year, Number, Kind, "
            "ReservationId, IssuedAt, Desk, Snapshot) values (2026, 1, 'invoice', 1, "
            "'2026-09-04T09:00:00.000Z', 'a', '{\"totalCents\":22500}')");
    db.open();
    Connection& c = db.desk();
    QCOMPARE(nightPrices(readFolio(c, 1)), QStringLiteral("09-01=8000 09-02=6500 09-03=8000"));
    QCOMPARE(db.value("select count(*) || ' ' || sum(PriceCents) from tblNightPrices"),
             QStringLiteral("5 37500"));
    const std::vector<Invoice> invoices = readInvoices(c, 1);
    QCOMPARE(invoices.size(), size_t(1));
    QCOMPARE(invoices[0].snapshot.value(QStringLiteral("totalCents")).toInteger(), 22500);
    overrideNight(c, 1, QDate(2026, 9, 2), 6000, kDesk);
    QCOMPARE(nightPrices(readFolio(c, 1)), QStringLiteral("09-01=8000 09-02=6000 09-03=8000"));
    // The rows stay fixed, and the classic delete still notes whose they were.
    QVERIFY(!failureOf([&] {
                 c.execute(OwnStatement{"update tblNightPrices set PriceCents=1",
                                        "update tblNightPrices set PriceCents=1"});
             }).isEmpty());
    c.execute(statements::deleteById(QStringLiteral("1")));
    QCOMPARE(readDeletedWithMoney(c).size(), size_t(1));
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
