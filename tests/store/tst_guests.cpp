// Guest profiles and privacy on both engines: the save's match, a merge that keeps every stay,
// an erasure that leaves no trace, card numbers masked by age at the boundary, the export read
// back, and the upgrade that makes profiles of the reservations already held.
#include "base/failure.h"
#include "store/backup.h"
#include "store/connection.h"
#include "store/guests.h"
#include "store/privacy.h"
#include "store/schemahistory.h"
#include "store/statements.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <memory>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QDate kToday(2026, 6, 15);

class Database {
public:
    Database() {
        if (onTestServer()) {
            m_server = std::make_unique<ServerDatabase>(QStringLiteral("guests"));
        } else {
            m_file = m_places.path(QStringLiteral("guests.mdb"));
            createDatabase(m_file);
        }
        m_desk.open(target());
        upgradeSchema(m_desk);
    }
    QString target() const {
        return m_server ? m_server->url()
                        : QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=") + m_file;
    }
    Connection& desk() { return m_desk; }
    bool onServer() const { return bool(m_server); }
    const QString& file() const { return m_file; }
    QString folder() const { return m_places.path(QString()); }
    QString value(const QString& sql) const {
        return m_server ? m_server->value(sql) : queryValue(m_file, sql);
    }
    void exec(const QString& sql) const {
        if (m_server)
            m_server->exec(sql);
        else
            execOn(m_file, sql);
    }
    qint64 reserve(const GuestValues& v) {
        m_desk.execute(statements::insert(v));
        return value(QStringLiteral("select max(id) from tblRooms")).toLongLong();
    }
    qint64 reserve(const QString& name, const QString& phone, const QString& address = {}) {
        GuestValues v = sampleGuest(name, kToday, kToday.addDays(2));
        v.phoneNumber = phone;
        v.address = address;
        return reserve(v);
    }

private:
    TempPlaces m_places;
    QString m_file;
    std::unique_ptr<ServerDatabase> m_server;
    Connection m_desk{QStringLiteral("guests")};
};

Guest profile(const QString& name, const QString& phone, const QString& email = {}) {
    Guest g;
    g.name = name;
    g.phone = phone;
    g.email = email;
    return g;
}

QList<qint64> stayIds(Connection& c, qint64 guestId) {
    QList<qint64> ids;
    for (const GuestStay& s : readGuestStays(c, guestId))
        ids << s.reservationId;
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class TestGuests : public QObject {
    Q_OBJECT
private slots:
    void aSaveIsOfferedTheProfileNotYetLinked_data();
    void aSaveIsOfferedTheProfileNotYetLinked();
    void aMergeKeepsEveryStay();
    void anErasureLeavesNoTrace();
    void cardNumbersAreMaskedFromTheDayTheyAreDue_data();
    void cardNumbersAreMaskedFromTheDayTheyAreDue();
    void guestsAreErasedFromTheYearTheyAreDue_data();
    void guestsAreErasedFromTheYearTheyAreDue();
    void theExportReadsBackWithEveryField();
    void theUpgradeMakesProfilesOfTheReservations();
};

void TestGuests::aSaveIsOfferedTheProfileNotYetLinked_data() {
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("linkedBefore");
    QTest::addColumn<bool>("offered");
    QTest::newRow("name's case and phone's signs differ") << "0046 70 123"
                                                          << "" << false << true;
    QTest::newRow("already linked") << "0046 70 123"
                                    << "" << true << false;
    QTest::newRow("another phone") << "0046 70 999"
                                   << "" << false << false;
    QTest::newRow("the e-mail in the address") << ""
                                               << "ANNA@example.se" << false << true;
}

void TestGuests::aSaveIsOfferedTheProfileNotYetLinked() {
    QFETCH(QString, phone);
    QFETCH(QString, address);
    QFETCH(bool, linkedBefore);
    QFETCH(bool, offered);
    Database db;
    Connection& c = db.desk();
    addGuest(c, profile(QStringLiteral("Someone Else"), QStringLiteral("0046 70 123")));
    const qint64 anna =
        addGuest(c, profile(QStringLiteral("Anna Berg"), QStringLiteral("(0046) 70-123"),
                            QStringLiteral("anna@example.se")));
    const qint64 id = db.reserve(QStringLiteral(" anna BERG"), phone, address);
    QCOMPARE(addedReservationId(c, QStringLiteral(" anna BERG"), kToday, kToday.addDays(2)), id);
    if (linkedBefore) linkBooker(c, id, anna);
    const std::optional<Guest> match = matchingGuest(c, id);
    QCOMPARE(match.has_value(), offered);
    if (offered) QCOMPARE(match->id, anna);
}

void TestGuests::aMergeKeepsEveryStay() {
    Database db;
    Connection& c = db.desk();
    Guest kept = profile(QStringLiteral("Anna Berg"), QStringLiteral("555"));
    kept.docNumber = QStringLiteral("P123");
    const qint64 keep = addGuest(c, kept);
    const qint64 gone = addGuest(c, profile(QStringLiteral("A. Berg"), QStringLiteral("556"),
                                            QStringLiteral("anna@example.se")));
    const qint64 r1 = db.reserve(QStringLiteral("Anna Berg"), QStringLiteral("555"));
    const qint64 r2 = db.reserve(QStringLiteral("A. Berg"), QStringLiteral("556"));
    const qint64 r3 = db.reserve(QStringLiteral("A. Berg"), QStringLiteral("556"));
    linkBooker(c, r1, keep);
    linkBooker(c, r2, gone);
    setStayGuests(c, r3, gone, {keep});

    mergeGuests(c, keep, gone);
    QCOMPARE(stayIds(c, keep), (QList<qint64>{r1, r2, r3}));
    // The stay both took part in keeps one link, with the booking.
    const std::vector<Guest> ofR3 = readStayGuests(c, r3);
    QCOMPARE(ofR3.size(), size_t(1));
    QCOMPARE(ofR3[0].id, keep);
    QCOMPARE(readStayGuests(c, r2).at(0).id, keep);
    const Guest merged = readGuest(c, keep);
    QCOMPARE(merged.phone, QStringLiteral("555"));
    QCOMPARE(merged.email, QStringLiteral("anna@example.se"));
    QCOMPARE(merged.docNumber, QStringLiteral("P123"));
    QVERIFY(!failureOf([&] { readGuest(c, gone); }).isEmpty());

    // The classic delete takes the reservation's links with it.
    c.execute(statements::deleteById(QString::number(r1)));
    QCOMPARE(stayIds(c, keep), (QList<qint64>{r2, r3}));
}

void TestGuests::anErasureLeavesNoTrace() {
    Database db;
    Connection& c = db.desk();
    // Values found nowhere else in the database.
    const QStringList secrets{
        QStringLiteral("Quintessa Vandermolen"), QStringLiteral("0777 314159"),
        QStringLiteral("7 Zebulon Crescent"),    QStringLiteral("5500 0055 3141 5926"),
        QStringLiteral("quin@vdm.example"),      QStringLiteral("XK9988776")};
    GuestValues v = sampleGuest(secrets[0], kToday, kToday.addDays(3));
    v.phoneNumber = secrets[1];
    v.address = secrets[2];
    v.creditCardNo = secrets[3];
    const qint64 id = db.reserve(v);
    const qint64 guest = addBookerFromReservation(c, id);
    Guest g = readGuest(c, guest);
    g.email = secrets[4];
    g.docNumber = secrets[5];
    updateGuest(c, g);

    const ErasurePreview preview = previewErasure(c, guest);
    QCOMPARE(preview.name, secrets[0]);
    QCOMPARE(preview.stays, 1);
    QCOMPARE(preview.cardNumbers, 1);
    eraseGuest(c, guest, QStringLiteral("desk1"));

    QCOMPARE(readGuest(c, guest).name, QStringLiteral("Erased guest"));
    QCOMPARE(readGuestStays(c, guest).size(), size_t(1));
    const std::vector<PrivacyLogLine> log = readPrivacyLog(c);
    QCOMPARE(log.size(), size_t(1));
    QCOMPARE(log[0].what, QStringLiteral("guest"));
    QCOMPARE(log[0].desk, QStringLiteral("desk1"));
    if (db.onServer()) {
        const QString everything = db.value(
            "select concat((select string_agg(r::text, '|') from tblRooms r), (select "
            "string_agg(g::text, '|') from tblGuests g), (select string_agg(l::text, '|') from "
            "tblPrivacyLog l))");
        QVERIFY(everything.contains(QStringLiteral("Erased guest")));
        for (const QString& s : secrets)
            QVERIFY2(!everything.contains(s), qPrintable(s));
        return;
    }
    const auto traces = [&](const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return QStringList{QStringLiteral("unreadable")};
        const QByteArray bytes = f.readAll();
        QStringList found;
        for (const QString& s : secrets)
            if (bytes.contains(s.toUtf8())) found << s;
        return found;
    };
    QCOMPARE(traces(db.file()), QStringList());
    const QString copy = backUpNow(c.handle(), db.folder() + QStringLiteral("/copies"),
                                   QDateTime::currentDateTime());
    QCOMPARE(traces(copy), QStringList());
    c.execute(QStringLiteral("VACUUM"));
    QCOMPARE(traces(db.file()), QStringList());
}

void TestGuests::cardNumbersAreMaskedFromTheDayTheyAreDue_data() {
    QTest::addColumn<int>("daysSinceCheckOut");
    QTest::addColumn<QString>("stored");
    QTest::newRow("day before") << 29 << "4111 1111 1111 1111";
    QTest::newRow("the day") << 30 << "•••• 1111";
}

void TestGuests::cardNumbersAreMaskedFromTheDayTheyAreDue() {
    QFETCH(int, daysSinceCheckOut);
    QFETCH(QString, stored);
    Database db;
    Connection& c = db.desk();
    const QDate out = kToday.addDays(-daysSinceCheckOut);
    const qint64 id = db.reserve(sampleGuest(QStringLiteral("Anna"), out.addDays(-2), out));
    QCOMPARE(eraseCardsDue(c, kToday, QStringLiteral("desk1")), 0); // off until turned on
    writePrivacyRules(c, {true, 30, false, 3});
    QCOMPARE(readPrivacyRules(c), (PrivacyRules{true, 30, false, 3}));
    const int erased = stored.startsWith(QChar(0x2022)) ? 1 : 0;
    QCOMPARE(eraseCardsDue(c, kToday, QStringLiteral("desk1")), erased);
    QCOMPARE(db.value(QStringLiteral("select CreditCardNo from tblRooms where id=%1").arg(id)),
             stored);
    // Once masked, a number is not counted again.
    QCOMPARE(eraseCardsDue(c, kToday, QStringLiteral("desk1")), 0);
    QCOMPARE(readPrivacyLog(c).size(), size_t(erased));
}

void TestGuests::guestsAreErasedFromTheYearTheyAreDue_data() {
    QTest::addColumn<bool>("due");
    QTest::newRow("day before") << false;
    QTest::newRow("the day") << true;
}

void TestGuests::guestsAreErasedFromTheYearTheyAreDue() {
    QFETCH(bool, due);
    Database db;
    Connection& c = db.desk();
    const QDate out = kToday.addYears(-3).addDays(due ? 0 : 1);
    const qint64 id = db.reserve(sampleGuest(QStringLiteral("Old Guest"), out.addDays(-2), out));
    const qint64 guest = addBookerFromReservation(c, id);
    writePrivacyRules(c, {false, 30, true, 3});
    QCOMPARE(eraseGuestsDue(c, kToday, QStringLiteral("desk1")), due ? 1 : 0);
    QCOMPARE(readGuest(c, guest).erased, due);
    QCOMPARE(db.value(QStringLiteral("select GuestName from tblRooms where id=%1").arg(id)),
             due ? QStringLiteral("Erased guest") : QStringLiteral("Old Guest"));
}

void TestGuests::theExportReadsBackWithEveryField() {
    Database db;
    Connection& c = db.desk();
    Guest g = profile(QStringLiteral("Zoë \"Z\" Ångström"), QStringLiteral("555 0100"),
                      QStringLiteral("zoe@example.se"));
    g.address = QStringLiteral("Line 1\nLine 2");
    g.nationality = QStringLiteral("SE");
    g.birthDate = QDate(1980, 2, 29);
    g.docType = QStringLiteral("Passport");
    g.docNumber = QStringLiteral("SE12345");
    g.docCountry = QStringLiteral("Sweden");
    g.docExpiry = QDate(2031, 12, 31);
    g.note = QStringLiteral("Quiet room");
    const qint64 id = addGuest(c, g);
    g.id = id;
    QCOMPARE(readGuest(c, id), g);
    const qint64 r = db.reserve(sampleGuest(g.name, QDate(2026, 3, 1), QDate(2026, 3, 4)));
    linkBooker(c, r, id);

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(exportGuestJson(c, id), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject p = doc.object().value(QStringLiteral("guest")).toObject();
    const QStringList expected{QString::number(id), g.name,        g.phone,      g.email,
                               g.address,           g.nationality, "1980-02-29", g.docType,
                               g.docNumber,         g.docCountry,  "2031-12-31", g.note};
    QStringList read;
    for (const char* key :
         {"id", "name", "phone", "email", "address", "nationality", "birthDate", "documentType",
          "documentNumber", "documentCountry", "documentExpiry", "note"})
        read << p.value(QLatin1String(key)).toVariant().toString();
    QCOMPARE(read, expected);
    const QJsonArray stays = doc.object().value(QStringLiteral("stays")).toArray();
    QCOMPARE(stays.size(), 1);
    const QJsonObject s = stays[0].toObject();
    QCOMPARE(s.value(QStringLiteral("reservationId")).toInteger(), r);
    QCOMPARE(s.value(QStringLiteral("checkIn")).toString(), QStringLiteral("2026-03-01"));
    QCOMPARE(s.value(QStringLiteral("nights")).toInt(), 3);
    QCOMPARE(s.value(QStringLiteral("role")).toString(), QStringLiteral("booker"));
    QCOMPARE(s.value(QStringLiteral("cardNumber")).toString(), QStringLiteral("•••• 1111"));
    QCOMPARE(s.value(QStringLiteral("status")).toString(), QStringLiteral("expected"));
}

void TestGuests::theUpgradeMakesProfilesOfTheReservations() {
    Database db;
    // The generation before the guests, holding reservations.
    db.exec(QStringLiteral(
        "drop table tblStayGuests; drop table tblGuests; drop table tblPrivacyRules; drop table "
        "tblPrivacyLog;"));
    db.exec(db.onServer() ? QStringLiteral("update corvanna_schema set version = 3")
                          : QStringLiteral("drop trigger trgRoomsDeleteGuests; "
                                           "pragma user_version = 3"));
    const qint64 a1 = db.reserve(QStringLiteral("ÅSA Berg"), QStringLiteral("+46 70-123"));
    const qint64 a2 = db.reserve(QStringLiteral("ÅSA BERG "), QStringLiteral("4670123"));
    const qint64 other = db.reserve(QStringLiteral("ÅSA Berg"), QStringLiteral("999"));
    const qint64 nameless = db.reserve(QString(), QStringLiteral("999"));
    const QString rows =
        db.value(db.onServer() ? "select string_agg(t::text, '|' order by id) from tblRooms t"
                               : "select group_concat(quote(GuestName) || quote(PhoneNumber) "
                                 "|| quote(CreditCardNo), '|') from tblRooms");

    Connection c(QStringLiteral("upgrade"));
    c.open(db.target());
    QCOMPARE(schemaUpgradeProblem(c), QString());
    QVERIFY(hasGuestTables(c));
    QCOMPARE(db.value(db.onServer()
                          ? "select string_agg(t::text, '|' order by id) from tblRooms t"
                          : "select group_concat(quote(GuestName) || quote(PhoneNumber) || "
                            "quote(CreditCardNo), '|') from tblRooms"),
             rows);
    QCOMPARE(readGuests(c).size(), size_t(2));
    const std::vector<Guest> ofA1 = readStayGuests(c, a1);
    QCOMPARE(ofA1.size(), size_t(1));
    QCOMPARE(stayIds(c, ofA1[0].id), (QList<qint64>{a1, a2}));
    QCOMPARE(readStayGuests(c, other).size(), size_t(1));
    QVERIFY(readStayGuests(c, nameless).empty());
    QCOMPARE(readPrivacyRules(c), PrivacyRules{});
    // The keys the step wrote are the ones a save's match computes.
    QVERIFY(!matchingGuest(c, a2));
    const std::optional<Guest> match =
        matchingGuest(c, db.reserve(QStringLiteral("Åsa berg"), QStringLiteral("(4670) 123")));
    QVERIFY(match);
    QCOMPARE(match->id, ofA1[0].id);
}

QTEST_GUILESS_MAIN(TestGuests)
#include "tst_guests.moc"
