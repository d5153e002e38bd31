#include "money.h"

#include "base/failure.h"
#include "connection.h"
#include "inventory.h"
#include "ownquery.h"
#include "stays.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QVariant>
#include <algorithm>

namespace corvanna {

namespace {

QString isoDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// Timestamps are kept in UTC with milliseconds, written and read as ISO text on both engines.
QString timestampText(const QDateTime& at) {
    return at.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timestampOf(const QString& text) {
    if (text.isEmpty()) return {};
    QDateTime at = QDateTime::fromString(text, Qt::ISODateWithMs);
    return at.toUTC();
}

QString nowText() {
    return timestampText(QDateTime::currentDateTimeUtc());
}

constexpr OwnStatement kHasMoney{
    "select 1 from main.sqlite_master where type='table' and name='tblInvoices'",
    "select 1 from pg_class where oid=to_regclass('tblinvoices') and relpersistence<>'t'"};
constexpr OwnStatement kBegin{"begin immediate", "begin"};
constexpr OwnStatement kCommit{"commit", "commit"};
constexpr OwnStatement kLastId{"select last_insert_rowid()", "select lastval()"};
constexpr OwnStatement kLastReservation{"select last_insert_rowid()",
                                        "select currval(pg_get_serial_sequence('tblrooms', 'id'))"};

constexpr OwnStatement kReadHotel{"select Key, Value from tblHotel",
                                  "select Key, Value from tblHotel"};
constexpr OwnStatement kWriteHotel{
    "insert into tblHotel (Key, Value) values (?, ?) on conflict (Key) do update set "
    "Value=excluded.Value",
    "insert into tblHotel (Key, Value) values ($1, $2) on conflict (Key) do update set "
    "Value=excluded.Value"};

constexpr OwnStatement kReadTaxRates{"select id, Name, BasisPoints from tblTaxRates order by id",
                                     "select id, Name, BasisPoints from tblTaxRates order by id"};
constexpr OwnStatement kInsertTaxRate{
    "insert into tblTaxRates (Name, BasisPoints) values (?, ?)",
    "insert into tblTaxRates (Name, BasisPoints) values ($1, $2::integer)"};
constexpr OwnStatement kTaxRateExists{"select 1 from tblTaxRates where id=?1",
                                      "select 1 from tblTaxRates where id=$1::bigint"};

constexpr OwnStatement kReadRates{
    "select r.id, r.Kind, r.Type, r.FromNight, r.ToNight, r.Weekdays, r.PriceCents, "
    "r.TaxRateId, r.CreatedAt from tblRates r where not exists (select 1 from tblRatesRetired x "
    "where x.RateId=r.id) order by r.id",
    "select r.id, r.Kind, r.Type, r.FromNight, r.ToNight, r.Weekdays, r.PriceCents, "
    "r.TaxRateId, to_char(r.CreatedAt at time zone 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"') "
    "from tblRates r where not exists (select 1 from "
    "tblRatesRetired x where x.RateId=r.id) order by r.id"};
constexpr OwnStatement kReadRatesOf{
    "select r.id, r.Kind, r.Type, r.FromNight, r.ToNight, r.Weekdays, r.PriceCents, "
    "r.TaxRateId, r.CreatedAt from tblRates r where r.Kind=?1 and r.Type=?2 and not exists "
    "(select 1 from tblRatesRetired x where x.RateId=r.id) order by r.id",
    "select r.id, r.Kind, r.Type, r.FromNight, r.ToNight, r.Weekdays, r.PriceCents, "
    "r.TaxRateId, to_char(r.CreatedAt at time zone 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"') "
    "from tblRates r where r.Kind=$1 and r.Type=$2 and "
    "not exists (select 1 from tblRatesRetired x where "
    "x.RateId=r.id) order by r.id"};
constexpr OwnStatement kInsertRate{
    "insert into tblRates (Kind, Type, FromNight, ToNight, Weekdays, PriceCents, TaxRateId, "
    "CreatedAt) values (?, ?, ?, ?, ?, ?, ?, ?)",
    "insert into tblRates (Kind, Type, FromNight, ToNight, Weekdays, PriceCents, TaxRateId, "
    "CreatedAt) values ($1, $2, $3::date, $4::date, $5::integer, $6::bigint, $7::bigint, "
    "$8::timestamptz)"};
// The stay's nights and the rates in force for its kind and type: one row per rate, none when
// no rate prices it.
constexpr OwnStatement kStayRates{
    "select r.id, r.Kind, r.Type, r.FromNight, r.ToNight, r.Weekdays, r.PriceCents, "
    "r.TaxRateId, r.CreatedAt, s.CheckInDate, s.CheckOutDate from tblRooms s join tblRates r on "
    "r.Kind=s.Accommodation and r.Type=s.Type where s.id=?1 and not exists (select 1 from "
    "tblRatesRetired x where x.RateId=r.id)",
    "select r.id, r.Kind, r.Type, r.FromNight, r.ToNight, r.Weekdays, r.PriceCents, "
    "r.TaxRateId, to_char(r.CreatedAt at time zone 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), "
    "s.CheckInDate, s.CheckOutDate from tblRooms s join tblRates r on r.Kind=s.Accommodation and "
    "r.Type=s.Type where s.id=$1::bigint and not exists (select 1 from tblRatesRetired x where "
    "x.RateId=r.id)"};
constexpr OwnStatement kRateExists{"select 1 from tblRates where id=?1",
                                   "select 1 from tblRates where id=$1::bigint"};
constexpr OwnStatement kRetireRate{
    "insert into tblRatesRetired (RateId, At) values (?, ?) on conflict (RateId) do nothing",
    "insert into tblRatesRetired (RateId, At) values ($1::bigint, $2::timestamptz) on conflict "
    "(RateId) do nothing"};

// A reservation as its account reads it.
constexpr OwnStatement kReservation{
    "select r.GuestName, r.Address, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, s.Status, r.PhoneNumber from tblRooms r left join tblStays s on "
    "s.ReservationId=r.id where "
    "r.id=?1",
    "select r.GuestName, r.Address, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, s.Status, r.PhoneNumber from tblRooms r left join tblStays s on "
    "s.ReservationId=r.id where "
    "r.id=$1::bigint"};
constexpr OwnStatement kKeptReservation{
    "select GuestName, CheckIn, CheckOut from tblMoneyKept where ReservationId=?1",
    "select GuestName, CheckIn, CheckOut from tblMoneyKept where ReservationId=$1::bigint"};
// Prices the stay's nights that have no price row yet, each from the rate named for it (a JSON
// object of night and rate id, ?4): one statement whatever the stay's length. The rate's price is
// the night's first (Seq 0).
constexpr OwnStatement kPriceNights{
    "insert into tblNightPrices (ReservationId, Night, Seq, PriceCents, TaxRateId, Source, At, "
    "Desk) select v.column1, j.key, 0, rt.PriceCents, rt.TaxRateId, 'rate', v.column2, "
    "v.column3 from (values (?, ?, ?, ?)) v, json_each(v.column4) j join tblRates rt on rt.id = "
    "j.value where not exists (select 1 from tblNightPrices p where p.ReservationId = v.column1 "
    "and p.Night = j.key)",
    "insert into tblNightPrices (ReservationId, Night, PriceCents, TaxRateId, Source, At, Desk) "
    "select $1::bigint, j.key::date, rt.PriceCents, rt.TaxRateId, 'rate', $2::timestamptz, $3 "
    "from json_each_text($4::json) j join tblRates rt on rt.id = j.value::bigint where not "
    "exists (select 1 from tblNightPrices p where p.ReservationId = $1::bigint and p.Night = "
    "j.key::date)"};
// An override comes after the night's prices so far: the next place among them.
constexpr OwnStatement kInsertOverride{
    "insert into tblNightPrices (ReservationId, Night, Seq, PriceCents, TaxRateId, Source, At, "
    "Desk) select v.column1, v.column2, (select coalesce(max(p.Seq) + 1, 0) from tblNightPrices "
    "p where p.ReservationId = v.column1 and p.Night = v.column2), v.column3, v.column4, "
    "'override', v.column5, v.column6 from (values (?, ?, ?, ?, ?, ?)) v",
    "insert into tblNightPrices (ReservationId, Night, PriceCents, TaxRateId, Source, At, Desk) "
    "values ($1::bigint, $2::date, $3::bigint, $4::bigint, 'override', $5::timestamptz, $6)"};
// A night's prices in the order written: on the file by their place, on the server by id.
constexpr OwnStatement kNightRows{
    "select Seq, Night, PriceCents, TaxRateId, Source, At, Desk from tblNightPrices where "
    "ReservationId=?1 order by Night, Seq",
    "select id, Night, PriceCents, TaxRateId, Source, to_char(At at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), Desk from tblNightPrices where ReservationId=$1::bigint "
    "order by Night, id"};
// A reservation's whole account in one read: its nights' price rows by night, then its charges
// and payments as entered, and the tax rates. The first column tells which.
constexpr int kNightSource = 0, kChargeSource = 1, kPaymentSource = 2, kTaxRateSource = 3;
constexpr OwnStatement kAccountRows{
    "select 0, Seq, Night, At, Desk, Source, 1, PriceCents, TaxRateId, null, null, null, null "
    "from tblNightPrices where ReservationId=?1 union all select 1, id, null, At, Desk, "
    "Description, Quantity, UnitPriceCents, TaxRateId, VoidsId, null, null, null from tblCharges "
    "where ReservationId=?1 union all select 2, id, null, At, Desk, Note, 1, AmountCents, null, "
    "VoidsId, Kind, Method, PaidOn from tblPayments where ReservationId=?1 union all select 3, "
    "id, null, null, null, Name, BasisPoints, null, null, null, null, null, null from "
    "tblTaxRates order by 1, 3, 2",
    "select 0, id, Night, to_char(At at time zone 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), "
    "Desk, Source, 1::bigint, PriceCents, TaxRateId, null::bigint, null::text, null::text, "
    "null::date from tblNightPrices where ReservationId=$1::bigint union all select 1, id, null, "
    "to_char(At at time zone 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), Desk, Description, "
    "Quantity, UnitPriceCents, TaxRateId, VoidsId, null, null, null from tblCharges where "
    "ReservationId=$1::bigint union all select 2, id, null, to_char(At at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), Desk, Note, 1, AmountCents, null, VoidsId, Kind, "
    "Method, PaidOn from tblPayments where ReservationId=$1::bigint union all select 3, id, null, "
    "null, null, Name, BasisPoints, null, null, null, null, null, null from tblTaxRates order by "
    "1, 3, 2"};

constexpr OwnStatement kInsertCharge{
    "insert into tblCharges (ReservationId, At, Desk, Description, Quantity, UnitPriceCents, "
    "TaxRateId) values (?, ?, ?, ?, ?, ?, ?)",
    "insert into tblCharges (ReservationId, At, Desk, Description, Quantity, UnitPriceCents, "
    "TaxRateId) values ($1::bigint, $2::timestamptz, $3, $4, $5::bigint, $6::bigint, $7::bigint)"};
constexpr OwnStatement kInsertPayment{
    "insert into tblPayments (ReservationId, At, Desk, Kind, AmountCents, Method, PaidOn, Note) "
    "values (?, ?, ?, ?, ?, ?, ?, ?)",
    "insert into tblPayments (ReservationId, At, Desk, Kind, AmountCents, Method, PaidOn, Note) "
    "values ($1::bigint, $2::timestamptz, $3, $4, $5::bigint, $6, $7::date, $8)"};
// A void copies the entry and refers to it; an entry that is void or voids another is left.
constexpr OwnStatement kVoidCharge{
    "insert into tblCharges (ReservationId, At, Desk, Description, Quantity, UnitPriceCents, "
    "TaxRateId, VoidsId) select ReservationId, ?, ?, Description, Quantity, UnitPriceCents, "
    "TaxRateId, id from tblCharges c where c.id=? and c.VoidsId is null and not exists (select 1 "
    "from tblCharges v where v.VoidsId=c.id)",
    "insert into tblCharges (ReservationId, At, Desk, Description, Quantity, UnitPriceCents, "
    "TaxRateId, VoidsId) select ReservationId, $1::timestamptz, $2, Description, Quantity, "
    "UnitPriceCents, TaxRateId, id from tblCharges c where c.id=$3::bigint and c.VoidsId is null "
    "and not exists (select 1 from tblCharges v where v.VoidsId=c.id)"};
constexpr OwnStatement kVoidPayment{
    "insert into tblPayments (ReservationId, At, Desk, Kind, AmountCents, Method, PaidOn, Note, "
    "VoidsId) select ReservationId, ?, ?, Kind, AmountCents, Method, PaidOn, Note, id from "
    "tblPayments p where p.id=? and p.VoidsId is null and not exists (select 1 from tblPayments "
    "v where v.VoidsId=p.id)",
    "insert into tblPayments (ReservationId, At, Desk, Kind, AmountCents, Method, PaidOn, Note, "
    "VoidsId) select ReservationId, $1::timestamptz, $2, Kind, AmountCents, Method, PaidOn, "
    "Note, id from tblPayments p where p.id=$3::bigint and p.VoidsId is null and not exists "
    "(select 1 from tblPayments v where v.VoidsId=p.id)"};

// Two desks issuing at once take turns: the file under its write lock, the server under a lock
// of the year's sequence.
constexpr OwnStatement kNumberTurn{
    "select ?1 is not null", "select pg_advisory_xact_lock(19640209, $1::integer) is not null"};
constexpr OwnStatement kNextNumber{
    "select coalesce(max(Number), 0) + 1 from tblInvoices where Year=?1",
    "select coalesce(max(Number), 0) + 1 from tblInvoices where Year=$1::integer"};
constexpr OwnStatement kOpenInvoice{
    "select i.id from tblInvoices i where i.ReservationId=?1 and i.Kind='invoice' and not "
    "exists (select 1 from tblInvoices c where c.RefersTo=i.id)",
    "select i.id from tblInvoices i where i.ReservationId=$1::bigint and i.Kind='invoice' and "
    "not exists (select 1 from tblInvoices c where c.RefersTo=i.id)"};
constexpr OwnStatement kInsertInvoice{
    "insert into tblInvoices (Year, Number, Kind, RefersTo, ReservationId, IssuedAt, Desk, "
    "Snapshot) values (?, ?, ?, ?, ?, ?, ?, ?)",
    "insert into tblInvoices (Year, Number, Kind, RefersTo, ReservationId, IssuedAt, Desk, "
    "Snapshot) values ($1::integer, $2::integer, $3, $4::bigint, $5::bigint, $6::timestamptz, "
    "$7, $8)"};
constexpr OwnStatement kInvoiceById{
    "select id, Year, Number, Kind, RefersTo, ReservationId, IssuedAt, Desk, Snapshot from "
    "tblInvoices where id=?1",
    "select id, Year, Number, Kind, RefersTo, ReservationId, to_char(IssuedAt at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), Desk, Snapshot from tblInvoices where id=$1::bigint"};
constexpr OwnStatement kInvoicesOf{
    "select id, Year, Number, Kind, RefersTo, ReservationId, IssuedAt, Desk, Snapshot from "
    "tblInvoices where ReservationId=?1 order by id",
    "select id, Year, Number, Kind, RefersTo, ReservationId, to_char(IssuedAt at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), Desk, Snapshot from tblInvoices where "
    "ReservationId=$1::bigint order by id"};
constexpr OwnStatement kCreditOf{"select 1 from tblInvoices where RefersTo=?1",
                                 "select 1 from tblInvoices where RefersTo=$1::bigint"};

// The report's reads. Stays that may take a night of the period, through the stay index from
// the earliest check-in that can still reach its first night (?1).
constexpr OwnStatement kReportStays{
    "select r.id, r.GuestName, r.NoOfRooms, r.CheckInDate, r.CheckOutDate, s.Status from "
    "tblRooms r left join tblStays s on s.ReservationId=r.id where r.CheckInDate>=?1 and "
    "r.CheckInDate<=?3 and r.CheckOutDate>=?2",
    "select r.id, r.GuestName, r.NoOfRooms, r.CheckInDate, r.CheckOutDate, s.Status from "
    "tblRooms r left join tblStays s on s.ReservationId=r.id where "
    "r.CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and "
    "r.CheckInDate<=$3::date and r.CheckOutDate>=$2::date"};
// Every price row up to the period's last night of the stays that kReportStays reads (the same
// bounds), each stay's rows read together; the first column orders a night's rows.
constexpr OwnStatement kReportNights{
    "select p.Seq, p.ReservationId, p.Night, p.PriceCents, p.TaxRateId from tblRooms r cross "
    "join tblNightPrices p on p.ReservationId=r.id where r.CheckInDate>=?1 and "
    "r.CheckInDate<=?3 and r.CheckOutDate>=?2 and p.Night>=r.CheckInDate and p.Night<=?3",
    "select p.id, p.ReservationId, p.Night, p.PriceCents, p.TaxRateId from tblRooms r join "
    "tblNightPrices p on p.ReservationId=r.id where "
    "r.CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and "
    "r.CheckInDate<=$3::date and r.CheckOutDate>=$2::date and p.Night>=r.CheckInDate and "
    "p.Night<=$3::date"};
constexpr OwnStatement kReportCharges{
    "select c.ReservationId, c.At, c.Quantity, c.UnitPriceCents, c.TaxRateId from tblCharges c "
    "where c.At>=?1 and c.At<?2 and +c.VoidsId is null and not exists (select 1 from tblCharges "
    "v where v.VoidsId=c.id)",
    "select c.ReservationId, to_char(c.At at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), c.Quantity, c.UnitPriceCents, c.TaxRateId from "
    "tblCharges c where c.At>=$1::timestamptz and "
    "c.At<$2::timestamptz and c.VoidsId is null and "
    "not exists (select 1 from tblCharges v where "
    "v.VoidsId=c.id)"};
constexpr OwnStatement kReportPayments{
    "select p.Method, p.Kind, p.AmountCents from tblPayments p where p.PaidOn>=?1 and "
    "p.PaidOn<=?2 and +p.VoidsId is null and not exists (select 1 from tblPayments v where "
    "v.VoidsId=p.id)",
    "select p.Method, p.Kind, p.AmountCents from tblPayments p where p.PaidOn>=$1::date and "
    "p.PaidOn<=$2::date and p.VoidsId is null and not exists (select 1 from tblPayments v where "
    "v.VoidsId=p.id)"};
// The charges and payments, by reservation, of the stays that leave in the period: on the file
// read from the stays (cross join keeps that order) and never through the index of the voids,
// which holds every entry under null.
constexpr OwnStatement kLeavingCharges{
    "select c.ReservationId, sum(c.Quantity * c.UnitPriceCents) from tblRooms r cross join "
    "tblCharges c on c.ReservationId=r.id where r.CheckInDate>=?1 and r.CheckInDate<=?3 and "
    "r.CheckOutDate>=?2 and r.CheckOutDate<=?3 and +c.VoidsId is null and not exists (select 1 "
    "from tblCharges v where v.VoidsId=c.id) group by c.ReservationId",
    "select c.ReservationId, sum(c.Quantity * c.UnitPriceCents) from tblCharges c join tblRooms "
    "r on r.id=c.ReservationId where r.CheckInDate>=coalesce(nullif($1::text, '')::date, "
    "'-infinity') and r.CheckInDate<=$3::date and r.CheckOutDate>=$2::date and "
    "r.CheckOutDate<=$3::date and c.VoidsId is null and not exists (select 1 from tblCharges v "
    "where v.VoidsId=c.id) group by c.ReservationId"};
constexpr OwnStatement kLeavingPayments{
    "select p.ReservationId, sum(case when p.Kind='refund' then -p.AmountCents else "
    "p.AmountCents end) from tblRooms r cross join tblPayments p on p.ReservationId=r.id where "
    "r.CheckInDate>=?1 and r.CheckInDate<=?3 and r.CheckOutDate>=?2 and r.CheckOutDate<=?3 and "
    "+p.VoidsId is null and not exists (select 1 from tblPayments v where v.VoidsId=p.id) group "
    "by p.ReservationId",
    "select p.ReservationId, sum(case when p.Kind='refund' then -p.AmountCents else "
    "p.AmountCents end) from tblPayments p join tblRooms r on r.id=p.ReservationId where "
    "r.CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and "
    "r.CheckInDate<=$3::date and r.CheckOutDate>=$2::date and r.CheckOutDate<=$3::date and "
    "p.VoidsId is null and not exists (select 1 from tblPayments v where v.VoidsId=p.id) group "
    "by p.ReservationId"};

constexpr OwnStatement kKept{
    "select ReservationId, GuestName, CheckIn, CheckOut, DeletedAt from tblMoneyKept order by "
    "DeletedAt, ReservationId",
    "select ReservationId, GuestName, CheckIn, CheckOut, to_char(DeletedAt at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"') from tblMoneyKept order by DeletedAt, ReservationId"};

// A write of several statements: begun under the file's write lock (or as the server's
// transaction) unless the caller's is under way, rolled back unless committed.
class Work {
public:
    explicit Work(Connection& connection)
        : m_connection(connection)
        , m_own(!connection.engine().inTransaction()) {
        if (m_own) m_connection.execute(kBegin);
    }
    ~Work() {
        if (m_own && !m_done) m_connection.engine().rollback();
    }
    Work(const Work&) = delete;
    Work& operator=(const Work&) = delete;
    void commit() {
        if (m_own) m_connection.execute(kCommit);
        m_done = true;
    }

private:
    Connection& m_connection;
    bool m_own;
    bool m_done = false;
};

qint64 lastId(Connection& connection) {
    Query q(connection, kLastId);
    return q.next() ? q.integer(0) : 0;
}

bool exists(Connection& connection, const OwnStatement& sql, const QStringList& values) {
    Query q(connection, sql, values);
    return q.next();
}

void requireMoneyTables(Connection& connection) {
    if (!hasMoneyTables(connection))
        throw Failure(QCoreApplication::translate(
            "Money", "This database keeps no accounts yet. Open it once with write access "
                     "so that it can be brought up to date."));
}

QString deskText(const QString& desk) {
    return desk.isNull() ? QStringLiteral("") : desk;
}

Rate rateFrom(const Query& q) {
    Rate r;
    r.id = q.integer(0);
    r.kind = q.text(1);
    r.type = q.text(2);
    r.from = q.date(3);
    r.to = q.date(4);
    r.weekdays = int(q.integer(5));
    r.priceCents = q.integer(6);
    r.taxRateId = q.integer(7);
    r.createdAt = timestampOf(q.text(8));
    return r;
}

std::vector<Rate> readRatesWith(Connection& connection, const OwnStatement& sql,
                                const QStringList& values) {
    std::vector<Rate> rates;
    Query q(connection, sql, values);
    while (q.next())
        rates.push_back(rateFrom(q));
    return rates;
}

// The nights a stay takes: [check-in, check-out), a same-day stay its one day.
std::vector<QDate> nightsOf(const QDate& checkIn, const QDate& checkOut) {
    std::vector<QDate> nights;
    if (!checkIn.isValid() || !checkOut.isValid() || checkOut < checkIn) return nights;
    if (checkIn == checkOut) return {checkIn};
    for (QDate d = checkIn; d < checkOut; d = d.addDays(1))
        nights.push_back(d);
    return nights;
}

bool endedUnsold(QByteArrayView status) {
    return status == "cancelled" || status == "no-show";
}

// The reservation as its account names it; from the kept note when it was deleted.
struct AccountHolder {
    QString guestName, address, kind, type, phone;
    qint64 units = 0;
    QDate checkIn, checkOut;
    bool unsold = false;
};

AccountHolder readHolder(Connection& connection, qint64 id) {
    const QStringList key{QString::number(id)};
    {
        Query q(connection, kReservation, key);
        if (q.next())
            return {q.text(0), q.text(1), q.text(2),
                    q.text(3), q.text(8), q.integer(4),
                    q.date(5), q.date(6), endedUnsold(q.bytes(7))};
    }
    Query kept(connection, kKeptReservation, key);
    if (!kept.next())
        throw Failure(
            QCoreApplication::translate("Money", "Reservation %1 no longer exists.").arg(id));
    return {kept.text(0), {}, {}, {}, {}, 1, kept.date(1), kept.date(2), false};
}

PaymentKind paymentKindOf(QByteArrayView word) {
    if (word == "deposit") return PaymentKind::Deposit;
    if (word == "refund") return PaymentKind::Refund;
    return PaymentKind::Payment;
}

QString paymentWord(PaymentKind kind) {
    switch (kind) {
    case PaymentKind::Deposit:
        return QStringLiteral("deposit");
    case PaymentKind::Refund:
        return QStringLiteral("refund");
    case PaymentKind::Payment:
        break;
    }
    return QStringLiteral("payment");
}

std::map<qint64, TaxRate> taxRatesById(Connection& connection) {
    std::map<qint64, TaxRate> byId;
    for (TaxRate& rate : readTaxRates(connection))
        byId.emplace(rate.id, std::move(rate));
    return byId;
}

void addTax(std::map<qint64, TaxTotal>& totals, const std::map<qint64, TaxRate>& rates,
            qint64 taxRateId, qint64 grossCents) {
    TaxTotal& t = totals[taxRateId];
    const auto rate = rates.find(taxRateId);
    if (rate != rates.end()) {
        t.basisPoints = rate->second.basisPoints;
        t.name = rate->second.name;
    }
    t.grossCents += grossCents;
    t.taxCents += taxOfGross(grossCents, t.basisPoints);
}

QString nightText(const QDate& night) {
    return QCoreApplication::translate("Money", "Night of %1")
        .arg(QLocale().toString(night, QLocale::ShortFormat));
}

// The account from its rows: the newest price of each of the stay's nights, the charges and
// payments with the voided ones marked, the taxes per line and the totals.
Folio buildFolio(qint64 id, const AccountHolder& holder, std::vector<FolioLine> nightRows,
                 std::vector<FolioLine> charges, std::vector<FolioLine> payments,
                 const std::map<qint64, TaxRate>& rates) {
    Folio f;
    f.reservationId = id;
    f.guestName = holder.guestName;
    f.address = holder.address;
    f.phone = holder.phone;
    f.kind = holder.kind;
    f.type = holder.type;
    f.units = holder.units;
    f.checkIn = holder.checkIn;
    f.checkOut = holder.checkOut;
    f.unsold = holder.unsold;
    if (!holder.unsold) {
        // Rows come by night, then in the order written: the last of a night is its price.
        std::map<QDate, FolioLine> newest;
        for (FolioLine& row : nightRows)
            newest[row.date] = std::move(row);
        for (const QDate& night : nightsOf(holder.checkIn, holder.checkOut)) {
            const auto found = newest.find(night);
            if (found == newest.end()) {
                f.unpricedNights.push_back(night);
                continue;
            }
            FolioLine line = std::move(found->second);
            line.quantity = holder.units;
            line.totalCents = line.unitCents * line.quantity;
            line.description = nightText(night);
            f.lines.push_back(std::move(line));
        }
    }
    for (auto* entries : {&charges, &payments}) {
        QSet<qint64> voided;
        for (const FolioLine& e : *entries)
            if (e.voids) voided.insert(e.voids);
        for (FolioLine& e : *entries) {
            if (e.voids) continue;
            e.voided = voided.contains(e.sourceId);
            f.lines.push_back(std::move(e));
        }
    }
    for (const FolioLine& line : f.lines) {
        if (line.voided) continue;
        switch (line.kind) {
        case FolioLine::Night:
        case FolioLine::Charge:
            f.chargesCents += line.totalCents;
            addTax(f.taxByRate, rates, line.taxRateId, line.totalCents);
            break;
        case FolioLine::Deposit:
        case FolioLine::Payment:
            f.paidCents += line.totalCents;
            break;
        case FolioLine::Refund:
            f.paidCents -= line.totalCents;
            break;
        }
    }
    f.balanceCents = f.chargesCents - f.paidCents;
    return f;
}

QJsonObject jsonOfTotals(const std::map<qint64, TaxTotal>& taxes, QJsonArray* list) {
    qint64 tax = 0;
    for (const auto& [id, t] : taxes) {
        list->append(QJsonObject{{QStringLiteral("taxRateId"), id},
                                 {QStringLiteral("name"), t.name},
                                 {QStringLiteral("basisPoints"), t.basisPoints},
                                 {QStringLiteral("grossCents"), t.grossCents},
                                 {QStringLiteral("taxCents"), t.taxCents},
                                 {QStringLiteral("netCents"), t.grossCents - t.taxCents}});
        tax += t.taxCents;
    }
    return {{QStringLiteral("taxCents"), tax}};
}

// The invoice's fixed picture of the account: later changes to the account, the rates or the
// hotel's details never change an issued invoice.
QJsonObject snapshotOf(const Folio& folio, const HotelDetails& hotel,
                       const std::map<qint64, TaxRate>& rates) {
    QJsonArray lines;
    QJsonArray payments;
    for (const FolioLine& l : folio.lines) {
        if (l.voided) continue;
        if (l.kind == FolioLine::Night || l.kind == FolioLine::Charge) {
            const auto rate = rates.find(l.taxRateId);
            const int bp = rate == rates.end() ? 0 : rate->second.basisPoints;
            lines.append(QJsonObject{
                {QStringLiteral("kind"),
                 l.kind == FolioLine::Night ? QStringLiteral("night") : QStringLiteral("charge")},
                {QStringLiteral("date"), isoDate(l.date)},
                {QStringLiteral("description"), l.description},
                {QStringLiteral("quantity"), l.quantity},
                {QStringLiteral("unitCents"), l.unitCents},
                {QStringLiteral("totalCents"), l.totalCents},
                {QStringLiteral("taxRateId"), l.taxRateId},
                {QStringLiteral("taxName"), rate == rates.end() ? QString() : rate->second.name},
                {QStringLiteral("basisPoints"), bp},
                {QStringLiteral("taxCents"), taxOfGross(l.totalCents, bp)}});
        } else {
            payments.append(QJsonObject{{QStringLiteral("kind"), l.kind == FolioLine::Refund
                                                                     ? QStringLiteral("refund")
                                                                 : l.kind == FolioLine::Deposit
                                                                     ? QStringLiteral("deposit")
                                                                     : QStringLiteral("payment")},
                                        {QStringLiteral("date"), isoDate(l.date)},
                                        {QStringLiteral("method"), l.method},
                                        {QStringLiteral("amountCents"), l.totalCents}});
        }
    }
    QJsonArray taxes;
    const QJsonObject totals = jsonOfTotals(folio.taxByRate, &taxes);
    return {{QStringLiteral("hotel"), QJsonObject{{QStringLiteral("name"), hotel.name},
                                                  {QStringLiteral("address"), hotel.address},
                                                  {QStringLiteral("taxNumber"), hotel.taxNumber},
                                                  {QStringLiteral("currency"), hotel.currency},
                                                  {QStringLiteral("footer"), hotel.footer}}},
            {QStringLiteral("guest"), QJsonObject{{QStringLiteral("name"), folio.guestName},
                                                  {QStringLiteral("address"), folio.address},
                                                  {QStringLiteral("phone"), folio.phone}}},
            {QStringLiteral("reservation"),
             QJsonObject{{QStringLiteral("id"), folio.reservationId},
                         {QStringLiteral("kind"), folio.kind},
                         {QStringLiteral("type"), folio.type},
                         {QStringLiteral("units"), folio.units},
                         {QStringLiteral("checkIn"), isoDate(folio.checkIn)},
                         {QStringLiteral("checkOut"), isoDate(folio.checkOut)}}},
            {QStringLiteral("lines"), lines},
            {QStringLiteral("taxes"), taxes},
            {QStringLiteral("payments"), payments},
            {QStringLiteral("totalCents"), folio.chargesCents},
            {QStringLiteral("taxCents"), totals.value(QStringLiteral("taxCents"))},
            {QStringLiteral("paidCents"), folio.paidCents},
            {QStringLiteral("balanceCents"), folio.balanceCents}};
}

// A credit note's lines and totals: the invoice's with the opposite sign.
QJsonObject negated(QJsonObject snapshot) {
    const auto negate = [](QJsonObject o, std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            const QString k = QString::fromLatin1(key);
            if (o.contains(k)) o[k] = -o.value(k).toInteger();
        }
        return o;
    };
    QJsonArray lines;
    for (const QJsonValue& v : snapshot.value(QStringLiteral("lines")).toArray())
        lines.append(negate(v.toObject(), {"quantity", "totalCents", "taxCents"}));
    QJsonArray taxes;
    for (const QJsonValue& v : snapshot.value(QStringLiteral("taxes")).toArray())
        taxes.append(negate(v.toObject(), {"grossCents", "taxCents", "netCents"}));
    snapshot[QStringLiteral("lines")] = lines;
    snapshot[QStringLiteral("taxes")] = taxes;
    snapshot[QStringLiteral("payments")] = QJsonArray();
    snapshot = negate(snapshot, {"totalCents", "taxCents"});
    snapshot[QStringLiteral("paidCents")] = 0;
    snapshot[QStringLiteral("balanceCents")] = snapshot.value(QStringLiteral("totalCents"));
    return snapshot;
}

Invoice invoiceFrom(const Query& q) {
    Invoice i;
    i.id = q.integer(0);
    i.year = int(q.integer(1));
    i.number = int(q.integer(2));
    i.kind = q.text(3);
    i.refersTo = q.isNull(4) ? 0 : q.integer(4);
    i.reservationId = q.integer(5);
    i.issuedAt = timestampOf(q.text(6));
    i.desk = q.text(7);
    i.snapshot = QJsonDocument::fromJson(q.bytes(8).toByteArray()).object();
    return i;
}

Invoice readInvoice(Connection& connection, qint64 id) {
    Query q(connection, kInvoiceById, {QString::number(id)});
    if (!q.next())
        throw Failure(QCoreApplication::translate("Money", "Invoice %1 no longer exists.").arg(id));
    return invoiceFrom(q);
}

// Writes an invoice or credit note with the year's next number, under the year's turn.
Invoice writeInvoice(Connection& connection, Invoice invoice) {
    connection.execute(kNumberTurn, {invoice.year}); // the server's lock; nothing on the file
    {
        Query next(connection, kNextNumber, {QString::number(invoice.year)});
        invoice.number = next.next() ? int(next.integer(0)) : 1;
    }
    invoice.snapshot[QStringLiteral("number")] = invoiceNumberText(invoice);
    invoice.snapshot[QStringLiteral("kind")] = invoice.kind;
    invoice.snapshot[QStringLiteral("issuedOn")] = isoDate(invoice.issuedAt.toLocalTime().date());
    const QByteArray text = QJsonDocument(invoice.snapshot).toJson(QJsonDocument::Compact);
    connection.execute(kInsertInvoice, {invoice.year, invoice.number, invoice.kind,
                                        invoice.refersTo ? QVariant(invoice.refersTo) : QVariant(),
                                        invoice.reservationId, timestampText(invoice.issuedAt),
                                        deskText(invoice.desk), QString::fromUtf8(text)});
    invoice.id = lastId(connection);
    return invoice;
}

} // namespace

int weekdayBit(const QDate& day) {
    return 1 << (day.dayOfWeek() - 1);
}

qint64 divideRounded(qint64 numerator, qint64 denominator) {
    if (denominator < 0) return divideRounded(-numerator, -denominator);
    const qint64 half = denominator / 2;
    // Half away from zero: an exact half (odd denominators have none) goes outward.
    return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

qint64 taxOfGross(qint64 grossCents, int basisPoints) {
    return divideRounded(grossCents * basisPoints, kBasisPointsWhole + basisPoints);
}

bool hasMoneyTables(Connection& connection) {
    return exists(connection, kHasMoney, {});
}

HotelDetails readHotel(Connection& connection) {
    HotelDetails hotel;
    if (hasMoneyTables(connection)) {
        Query q(connection, kReadHotel);
        while (q.next()) {
            const QByteArrayView key = q.bytes(0);
            QString* field = key == "name"        ? &hotel.name
                             : key == "address"   ? &hotel.address
                             : key == "taxNumber" ? &hotel.taxNumber
                             : key == "currency"  ? &hotel.currency
                             : key == "footer"    ? &hotel.footer
                                                  : nullptr;
            if (field) *field = q.text(1);
        }
    }
    if (hotel.currency.isEmpty())
        hotel.currency = QLocale().currencySymbol(QLocale::CurrencyIsoCode);
    return hotel;
}

void writeHotel(Connection& connection, const HotelDetails& hotel) {
    requireMoneyTables(connection);
    static const QRegularExpression isoCode(QStringLiteral("^[A-Z]{3}$"));
    if (!isoCode.match(hotel.currency).hasMatch())
        throw Failure(QCoreApplication::translate(
            "Money", "The currency must be a three-letter ISO code, such as EUR or USD."));
    Work work(connection);
    const std::pair<const char*, const QString*> fields[] = {{"name", &hotel.name},
                                                             {"address", &hotel.address},
                                                             {"taxNumber", &hotel.taxNumber},
                                                             {"currency", &hotel.currency},
                                                             {"footer", &hotel.footer}};
    for (const auto& [key, value] : fields)
        connection.execute(kWriteHotel, {QString::fromLatin1(key), deskText(*value)});
    work.commit();
}

std::vector<TaxRate> readTaxRates(Connection& connection) {
    std::vector<TaxRate> rates;
    Query q(connection, kReadTaxRates);
    while (q.next())
        rates.push_back({q.integer(0), q.text(1), int(q.integer(2))});
    return rates;
}

qint64 addTaxRate(Connection& connection, const TaxRate& rate) {
    requireMoneyTables(connection);
    if (rate.name.trimmed().isEmpty())
        throw Failure(QCoreApplication::translate("Money", "A tax rate needs a name."));
    if (rate.basisPoints < 0 || rate.basisPoints > kBasisPointsWhole)
        throw Failure(
            QCoreApplication::translate("Money", "A tax rate lies between 0 % and 100 %."));
    Work work(connection);
    connection.execute(kInsertTaxRate, {rate.name.trimmed(), rate.basisPoints});
    const qint64 id = lastId(connection);
    work.commit();
    return id;
}

std::vector<Rate> readRates(Connection& connection) {
    if (!hasMoneyTables(connection)) return {};
    return readRatesWith(connection, kReadRates, {});
}

qint64 addRate(Connection& connection, const Rate& rate) {
    requireMoneyTables(connection);
    if (rate.kind.isEmpty() || rate.type.isEmpty())
        throw Failure(QCoreApplication::translate("Money", "A rate needs a kind and a type."));
    if (rate.priceCents < 0)
        throw Failure(QCoreApplication::translate("Money", "A price cannot be below zero."));
    if (rate.weekdays < 1 || rate.weekdays > kEveryWeekday)
        throw Failure(QCoreApplication::translate("Money", "A rate needs at least one weekday."));
    if (rate.from.isValid() != rate.to.isValid() || (rate.from.isValid() && rate.to < rate.from))
        throw Failure(QCoreApplication::translate(
            "Money", "A rate's range needs a first and a last night, the last not before "
                     "the first."));
    Work work(connection);
    if (!exists(connection, kTaxRateExists, {QString::number(rate.taxRateId)}))
        throw Failure(QCoreApplication::translate("Money", "The tax rate no longer exists."));
    connection.execute(kInsertRate,
                       {rate.kind, rate.type,
                        rate.from.isValid() ? QVariant(isoDate(rate.from)) : QVariant(),
                        rate.to.isValid() ? QVariant(isoDate(rate.to)) : QVariant(), rate.weekdays,
                        rate.priceCents, rate.taxRateId, nowText()});
    const qint64 id = lastId(connection);
    work.commit();
    return id;
}

void retireRate(Connection& connection, qint64 id) {
    requireMoneyTables(connection);
    Work work(connection);
    if (!exists(connection, kRateExists, {QString::number(id)}))
        throw Failure(QCoreApplication::translate("Money", "The rate no longer exists."));
    connection.execute(kRetireRate, {id, nowText()});
    work.commit();
}

std::optional<Rate> rateForNight(const std::vector<Rate>& rates, const QString& kind,
                                 const QString& type, const QDate& night) {
    const Rate* best = nullptr;
    // A dated range is narrower than the default; then fewer nights; then the newest.
    const auto width = [](const Rate& r) {
        return r.from.isValid() ? r.from.daysTo(r.to) : std::numeric_limits<qint64>::max();
    };
    const auto newer = [](const Rate& a, const Rate& b) {
        if (a.createdAt != b.createdAt) return a.createdAt > b.createdAt;
        return a.id > b.id;
    };
    const int bit = weekdayBit(night);
    for (const Rate& r : rates) {
        if (r.kind != kind || r.type != type || !(r.weekdays & bit)) continue;
        if (r.from.isValid() && (night < r.from || night > r.to)) continue;
        if (!best || width(r) < width(*best) || (width(r) == width(*best) && newer(r, *best)))
            best = &r;
    }
    if (!best) return std::nullopt;
    return *best;
}

std::vector<QDate> unpricedNights(const std::vector<Rate>& rates, const QString& kind,
                                  const QString& type, const QDate& from, int days) {
    std::vector<Rate> own;
    for (const Rate& r : rates)
        if (r.kind == kind && r.type == type) own.push_back(r);
    std::vector<QDate> nights;
    for (int i = 0; i < days; ++i) {
        const QDate night = from.addDays(i);
        if (!rateForNight(own, kind, type, night)) nights.push_back(night);
    }
    return nights;
}

int priceStay(Connection& connection, qint64 reservationId, const QString& desk) {
    // A stay no rate prices (a desk without rates, a database without the money) saves as it
    // always did: the classic statement alone.
    if (!hasMoneyTables(connection)) return 0;
    // The rates read are the ones the insert prices with.
    Work work(connection);
    std::vector<Rate> rates;
    QDate checkIn, checkOut;
    {
        Query q(connection, kStayRates, {QString::number(reservationId)});
        while (q.next()) {
            rates.push_back(rateFrom(q));
            checkIn = q.date(9);
            checkOut = q.date(10);
        }
    }
    if (rates.empty()) return 0;
    // Each night's rate by the rates window's own rule.
    QByteArray nights;
    for (const QDate& night : nightsOf(checkIn, checkOut))
        if (const std::optional<Rate> rate =
                rateForNight(rates, rates.front().kind, rates.front().type, night))
            nights += (nights.isEmpty() ? "{\"" : ",\"") + isoDate(night).toLatin1() +
                      "\":" + QByteArray::number(rate->id);
    if (nights.isEmpty()) return 0;
    const int priced = connection.execute(kPriceNights, {reservationId, nowText(), deskText(desk),
                                                         QString::fromLatin1(nights + '}')});
    work.commit();
    return priced;
}

void overrideNight(Connection& connection, qint64 reservationId, const QDate& night,
                   qint64 priceCents, const QString& desk, qint64 taxRateId) {
    requireMoneyTables(connection);
    if (priceCents < 0)
        throw Failure(QCoreApplication::translate("Money", "A price cannot be below zero."));
    Work work(connection);
    const AccountHolder holder = readHolder(connection, reservationId);
    const std::vector<QDate> nights = nightsOf(holder.checkIn, holder.checkOut);
    if (std::find(nights.begin(), nights.end(), night) == nights.end())
        throw Failure(
            QCoreApplication::translate("Money", "The night of %1 is not a night of this stay.")
                .arg(QLocale().toString(night, QLocale::ShortFormat)));
    if (!taxRateId) {
        for (const NightPrice& price : readNightPrices(connection, reservationId))
            if (price.night == night) taxRateId = price.taxRateId;
    }
    if (!taxRateId) {
        const std::vector<Rate> rates =
            readRatesWith(connection, kReadRatesOf, {holder.kind, holder.type});
        if (const std::optional<Rate> rate = rateForNight(rates, holder.kind, holder.type, night))
            taxRateId = rate->taxRateId;
    }
    if (!taxRateId || !exists(connection, kTaxRateExists, {QString::number(taxRateId)}))
        throw Failure(
            QCoreApplication::translate("Money", "Choose the tax rate of the night's price."));
    connection.execute(kInsertOverride, {reservationId, isoDate(night), priceCents, taxRateId,
                                         nowText(), deskText(desk)});
    work.commit();
}

std::vector<NightPrice> readNightPrices(Connection& connection, qint64 reservationId) {
    requireMoneyTables(connection);
    const AccountHolder holder = readHolder(connection, reservationId);
    std::map<QDate, NightPrice> newest;
    Query q(connection, kNightRows, {QString::number(reservationId)});
    while (q.next())
        newest[q.date(1)] = {q.integer(0),           reservationId, q.date(1),
                             q.integer(2),           q.integer(3),  q.text(4),
                             timestampOf(q.text(5)), q.text(6)};
    std::vector<NightPrice> prices;
    for (const QDate& night : nightsOf(holder.checkIn, holder.checkOut))
        if (const auto found = newest.find(night); found != newest.end())
            prices.push_back(found->second);
    return prices;
}

qint64 lastInsertedReservation(Connection& connection) {
    Query q(connection, kLastReservation);
    return q.next() ? q.integer(0) : 0;
}

int saveAndPrice(Connection& connection, qint64 reservationId, const QString& desk,
                 const std::function<int()>& write) {
    Work work(connection);
    const int changed = write();
    if (changed > 0)
        priceStay(connection, reservationId ? reservationId : lastInsertedReservation(connection),
                  desk);
    work.commit();
    return changed;
}

qint64 addCharge(Connection& connection, qint64 reservationId, const QString& description,
                 qint64 quantity, qint64 unitPriceCents, qint64 taxRateId, const QString& desk) {
    requireMoneyTables(connection);
    if (description.trimmed().isEmpty())
        throw Failure(QCoreApplication::translate("Money", "A charge needs a description."));
    if (quantity == 0)
        throw Failure(QCoreApplication::translate("Money", "A charge needs a quantity."));
    Work work(connection);
    readHolder(connection, reservationId);
    if (!exists(connection, kTaxRateExists, {QString::number(taxRateId)}))
        throw Failure(QCoreApplication::translate("Money", "The tax rate no longer exists."));
    connection.execute(kInsertCharge, {reservationId, nowText(), deskText(desk),
                                       description.trimmed(), quantity, unitPriceCents, taxRateId});
    const qint64 id = lastId(connection);
    work.commit();
    return id;
}

qint64 addPayment(Connection& connection, qint64 reservationId, PaymentKind kind,
                  qint64 amountCents, const QString& method, const QDate& paidOn,
                  const QString& note, const QString& desk) {
    requireMoneyTables(connection);
    if (amountCents <= 0)
        throw Failure(QCoreApplication::translate("Money", "An amount must be above zero."));
    if (method.trimmed().isEmpty())
        throw Failure(QCoreApplication::translate("Money", "A payment needs a method."));
    if (!paidOn.isValid())
        throw Failure(QCoreApplication::translate("Money", "A payment needs the day it was paid."));
    Work work(connection);
    readHolder(connection, reservationId);
    connection.execute(kInsertPayment,
                       {reservationId, nowText(), deskText(desk), paymentWord(kind), amountCents,
                        method.trimmed(), isoDate(paidOn), deskText(note)});
    const qint64 id = lastId(connection);
    work.commit();
    return id;
}

qint64 voidEntry(Connection& connection, EntryKind kind, qint64 id, const QString& desk) {
    requireMoneyTables(connection);
    Work work(connection);
    const int written = connection.execute(kind == EntryKind::Charge ? kVoidCharge : kVoidPayment,
                                           {nowText(), deskText(desk), id});
    if (written != 1)
        throw Failure(QCoreApplication::translate(
            "Money", "This entry is already void, or no longer exists."));
    const qint64 voidId = lastId(connection);
    work.commit();
    return voidId;
}

Folio readFolio(Connection& connection, qint64 reservationId) {
    try {
        const QStringList key{QString::number(reservationId)};
        const AccountHolder holder = readHolder(connection, reservationId);
        std::vector<FolioLine> nights, charges, payments;
        std::map<qint64, TaxRate> rates;
        Query q(connection, kAccountRows, key);
        while (q.next()) {
            const int source = int(q.integer(0));
            if (source == kTaxRateSource) {
                rates.emplace(q.integer(1), TaxRate{q.integer(1), q.text(5), int(q.integer(6))});
                continue;
            }
            FolioLine l;
            l.sourceId = q.integer(1);
            l.at = timestampOf(q.text(3));
            l.desk = q.text(4);
            l.unitCents = q.integer(7);
            l.taxRateId = q.isNull(8) ? 0 : q.integer(8);
            l.voids = q.isNull(9) ? 0 : q.integer(9);
            if (source == kNightSource) {
                l.kind = FolioLine::Night;
                l.date = q.date(2);
                l.source = q.text(5);
                nights.push_back(std::move(l));
            } else if (source == kChargeSource) {
                l.kind = FolioLine::Charge;
                l.date = l.at.toLocalTime().date();
                l.description = q.text(5);
                l.quantity = q.integer(6);
                l.totalCents = l.quantity * l.unitCents;
                charges.push_back(std::move(l));
            } else if (source == kPaymentSource) {
                const PaymentKind kind = paymentKindOf(q.bytes(10));
                l.kind = kind == PaymentKind::Deposit  ? FolioLine::Deposit
                         : kind == PaymentKind::Refund ? FolioLine::Refund
                                                       : FolioLine::Payment;
                l.description = q.text(5);
                l.totalCents = l.unitCents;
                l.method = q.text(11);
                l.date = q.date(12);
                payments.push_back(std::move(l));
            }
        }
        return buildFolio(reservationId, holder, std::move(nights), std::move(charges),
                          std::move(payments), rates);
    } catch (const Failure&) {
        // A database without the money says so rather than naming a missing table.
        requireMoneyTables(connection);
        throw;
    }
}

Invoice issueInvoice(Connection& connection, qint64 reservationId, const QString& desk) {
    requireMoneyTables(connection);
    Work work(connection);
    Invoice invoice;
    invoice.kind = QStringLiteral("invoice");
    invoice.reservationId = reservationId;
    invoice.issuedAt = QDateTime::currentDateTimeUtc();
    invoice.year = invoice.issuedAt.toLocalTime().date().year();
    invoice.desk = desk;
    // Under the year's turn, so that the check and the number see every other desk's invoice.
    connection.execute(kNumberTurn, {invoice.year});
    if (exists(connection, kOpenInvoice, {QString::number(reservationId)}))
        throw Failure(QCoreApplication::translate(
            "Money", "This reservation already has an invoice. Issue a credit note for it "
                     "before a new invoice."));
    const Folio folio = readFolio(connection, reservationId);
    const bool hasLine = std::any_of(folio.lines.begin(), folio.lines.end(), [](const auto& l) {
        return !l.voided && (l.kind == FolioLine::Night || l.kind == FolioLine::Charge);
    });
    if (!hasLine)
        throw Failure(QCoreApplication::translate(
            "Money", "There is nothing to invoice: the account has no charge."));
    const std::map<qint64, TaxRate> rates = taxRatesById(connection);
    invoice.snapshot = snapshotOf(folio, readHotel(connection), rates);
    invoice = writeInvoice(connection, std::move(invoice));
    work.commit();
    return invoice;
}

Invoice issueCreditNote(Connection& connection, qint64 invoiceId, const QString& desk) {
    requireMoneyTables(connection);
    Work work(connection);
    Invoice note;
    note.kind = QStringLiteral("credit note");
    note.issuedAt = QDateTime::currentDateTimeUtc();
    note.year = note.issuedAt.toLocalTime().date().year();
    note.desk = desk;
    connection.execute(kNumberTurn, {note.year});
    const Invoice invoice = readInvoice(connection, invoiceId);
    if (invoice.kind != QLatin1String("invoice"))
        throw Failure(QCoreApplication::translate("Money", "A credit note cannot be credited."));
    if (exists(connection, kCreditOf, {QString::number(invoiceId)}))
        throw Failure(QCoreApplication::translate("Money", "Invoice %1 already has a credit note.")
                          .arg(invoiceNumberText(invoice)));
    note.refersTo = invoiceId;
    note.reservationId = invoice.reservationId;
    note.snapshot = negated(invoice.snapshot);
    note.snapshot[QStringLiteral("refersTo")] = invoiceNumberText(invoice);
    note = writeInvoice(connection, std::move(note));
    work.commit();
    return note;
}

std::vector<Invoice> readInvoices(Connection& connection, qint64 reservationId) {
    requireMoneyTables(connection);
    std::vector<Invoice> invoices;
    Query q(connection, kInvoicesOf, {QString::number(reservationId)});
    while (q.next())
        invoices.push_back(invoiceFrom(q));
    return invoices;
}

QString invoiceNumberText(const Invoice& invoice) {
    return QStringLiteral("%1-%2").arg(invoice.year).arg(invoice.number, 4, 10, QLatin1Char('0'));
}

qint64 occupancyBasisPoints(qint64 nightsSold, qint64 unitsAvailable) {
    return unitsAvailable ? divideRounded(nightsSold * kBasisPointsWhole, unitsAvailable) : 0;
}

qint64 averageDailyRateCents(qint64 roomRevenueCents, qint64 nightsSold) {
    return nightsSold ? divideRounded(roomRevenueCents, nightsSold) : 0;
}

qint64 revParCents(qint64 roomRevenueCents, qint64 unitsAvailable) {
    return unitsAvailable ? divideRounded(roomRevenueCents, unitsAvailable) : 0;
}

Report readReport(Connection& connection, const QDate& first, const QDate& last) {
    requireMoneyTables(connection);
    Report report;
    if (!first.isValid() || !last.isValid() || last < first) return report;
    const qint64 dayCount = first.daysTo(last) + 1;
    qint64 capacity = 0;
    for (const auto& [kindType, units] : typeCapacities(connection))
        capacity += units;

    // The stays of the period: units sold each night, and those that leave in it.
    struct StayFacts {
        QString guestName;
        qint64 units = 0;
        QDate checkIn, checkOut;
        bool unsold = false;
        qint64 nightsCents = 0;
    };
    QHash<qint64, StayFacts> stays;
    std::vector<qint64> sold(size_t(dayCount) + 1, 0); // differences by day
    const QString earliest = earliestReachingCheckIn(connection, first);
    const QStringList range{earliest, isoDate(first), isoDate(last)};
    {
        Query q(connection, kReportStays, range);
        while (q.next()) {
            StayFacts s{q.text(1), q.integer(2), q.date(3), q.date(4), endedUnsold(q.bytes(5))};
            if (!s.checkIn.isValid() || !s.checkOut.isValid() || s.checkOut < s.checkIn) continue;
            if (!s.unsold) {
                const QDate end = s.checkIn == s.checkOut ? s.checkIn.addDays(1) : s.checkOut;
                const qint64 from = std::max<qint64>(0, first.daysTo(s.checkIn));
                const qint64 to = std::min(dayCount, first.daysTo(end));
                if (from < to) {
                    sold[size_t(from)] += s.units;
                    sold[size_t(to)] -= s.units;
                }
            }
            stays.insert(q.integer(0), std::move(s));
        }
    }

    // Each night's newest price; the nights before the period count only towards the balances
    // of the stays that leave in it.
    const std::map<qint64, TaxRate> rates = taxRatesById(connection);
    std::vector<qint64> revenue(size_t(dayCount), 0);
    {
        struct Newest {
            qint64 id = 0, price = 0, taxRateId = 0;
        };
        QHash<std::pair<qint64, qint64>, Newest> newest;
        Query q(connection, kReportNights, range);
        while (q.next()) {
            const qint64 reservation = q.integer(1);
            const auto stay = stays.constFind(reservation);
            if (stay == stays.constEnd() || stay->unsold) continue;
            const QDate night = q.date(2);
            if (!coversNight(stay->checkIn, stay->checkOut, night)) continue;
            const Newest row{q.integer(0), q.integer(3), q.integer(4)};
            // A night's first row may be its place 0: the first seen is kept until a newer.
            const std::pair<qint64, qint64> key{reservation, night.toJulianDay()};
            const auto kept = newest.find(key);
            if (kept == newest.end())
                newest.insert(key, row);
            else if (kept->id < row.id)
                *kept = row;
        }
        for (auto it = newest.cbegin(); it != newest.cend(); ++it) {
            StayFacts& stay = stays[it.key().first];
            const qint64 gross = it->price * stay.units;
            stay.nightsCents += gross;
            const qint64 day = first.daysTo(QDate::fromJulianDay(it.key().second));
            if (day < 0) continue;
            revenue[size_t(day)] += gross;
            addTax(report.revenueByTaxRate, rates, it->taxRateId, gross);
        }
    }

    qint64 running = 0;
    for (qint64 i = 0; i < dayCount; ++i) {
        running += sold[size_t(i)];
        const QDate day = first.addDays(i);
        report.days.push_back({day, capacity, running, revenue[size_t(i)]});
        if (report.months.empty() || report.months.back().month != day.month() ||
            report.months.back().year != day.year())
            report.months.push_back({day.year(), day.month()});
        ReportMonth& m = report.months.back();
        m.unitsAvailable += capacity;
        m.nightsSold += running;
        m.roomRevenueCents += revenue[size_t(i)];
    }

    {
        const QString from = timestampText(first.startOfDay());
        const QString to = timestampText(last.addDays(1).startOfDay());
        Query q(connection, kReportCharges, {from, to});
        while (q.next())
            addTax(report.revenueByTaxRate, rates, q.integer(4), q.integer(2) * q.integer(3));
    }
    {
        Query q(connection, kReportPayments, {isoDate(first), isoDate(last)});
        while (q.next()) {
            const qint64 amount = q.integer(2);
            report.paymentsByMethod[q.text(0)] +=
                paymentKindOf(q.bytes(1)) == PaymentKind::Refund ? -amount : amount;
        }
    }

    // The balances of the stays that leave in the period.
    QHash<qint64, qint64> balances;
    for (auto it = stays.cbegin(); it != stays.cend(); ++it)
        if (it->checkOut >= first && it->checkOut <= last)
            balances.insert(it.key(), it->nightsCents);
    {
        Query q(connection, kLeavingCharges, range);
        while (q.next())
            if (auto b = balances.find(q.integer(0)); b != balances.end()) *b += q.integer(1);
    }
    {
        Query q(connection, kLeavingPayments, range);
        while (q.next())
            if (auto b = balances.find(q.integer(0)); b != balances.end()) *b -= q.integer(1);
    }
    for (auto it = balances.cbegin(); it != balances.cend(); ++it) {
        if (*it == 0) continue;
        const StayFacts& s = stays[it.key()];
        report.openBalances.push_back({it.key(), s.guestName, s.checkIn, s.checkOut, *it});
    }
    std::sort(report.openBalances.begin(), report.openBalances.end(),
              [](const OpenBalance& a, const OpenBalance& b) {
                  return std::tie(a.checkOut, a.reservationId) <
                         std::tie(b.checkOut, b.reservationId);
              });
    return report;
}

std::vector<KeptMoney> readDeletedWithMoney(Connection& connection) {
    if (!hasMoneyTables(connection)) return {};
    std::vector<KeptMoney> kept;
    Query q(connection, kKept);
    while (q.next())
        kept.push_back({q.integer(0), q.text(1), q.date(2), q.date(3), timestampOf(q.text(4))});
    return kept;
}

} // namespace corvanna
