#include "guests.h"

#include "base/cardmask.h"
#include "base/failure.h"
#include "connection.h"
#include "ownquery.h"
#include "privacy.h"
#include "transaction.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>
#include <algorithm>
#include <set>

namespace corvanna {

namespace {

constexpr OwnStatement kHasGuests{
    "select 1 from main.sqlite_master where type='table' and name='tblGuests'",
    "select 1 from pg_class where oid=to_regclass('tblguests') and relpersistence<>'t'"};

// A profile's columns, in the order guestFrom reads them.
#define CORVANNA_GUEST_COLUMNS                                                                     \
    "g.id, g.Name, g.Phone, g.Email, g.Address, g.Nationality, g.BirthDate, g.DocType, "           \
    "g.DocNumber, g.DocCountry, g.DocExpiry, g.Note, case when g.ErasedAt is null then 0 else "    \
    "1 end"

constexpr OwnStatement kReadGuests{"select " CORVANNA_GUEST_COLUMNS " from tblGuests g",
                                   "select " CORVANNA_GUEST_COLUMNS " from tblGuests g"};
constexpr OwnStatement kReadGuest{
    "select " CORVANNA_GUEST_COLUMNS " from tblGuests g where g.id=?1",
    "select " CORVANNA_GUEST_COLUMNS " from tblGuests g where g.id=$1::bigint"};
// The file's driver binds a change's values in the order of its placeholders: each a plain '?'.
constexpr OwnStatement kInsertGuest{
    "insert into tblGuests (Name, Phone, Email, Address, Nationality, BirthDate, DocType, "
    "DocNumber, DocCountry, DocExpiry, Note, NameKey, PhoneKey, EmailKey) values (?, ?, ?, ?, ?, "
    "?, ?, ?, ?, ?, ?, ?, ?, ?)",
    "insert into tblGuests (Name, Phone, Email, Address, Nationality, BirthDate, DocType, "
    "DocNumber, DocCountry, DocExpiry, Note, NameKey, PhoneKey, EmailKey) values ($1, $2, $3, $4, "
    "$5, $6::date, $7, $8, $9, $10::date, $11, $12, $13, $14)"};
constexpr OwnStatement kLastGuestId{"select last_insert_rowid()",
                                    "select currval(pg_get_serial_sequence('tblguests', 'id'))"};
constexpr OwnStatement kUpdateGuest{
    "update tblGuests set Name=?, Phone=?, Email=?, Address=?, Nationality=?, BirthDate=?, "
    "DocType=?, DocNumber=?, DocCountry=?, DocExpiry=?, Note=?, NameKey=?, PhoneKey=?, "
    "EmailKey=? where id=? and ErasedAt is null",
    "update tblGuests set Name=$1, Phone=$2, Email=$3, Address=$4, Nationality=$5, "
    "BirthDate=$6::date, DocType=$7, DocNumber=$8, DocCountry=$9, DocExpiry=$10::date, Note=$11, "
    "NameKey=$12, PhoneKey=$13, EmailKey=$14 where id=$15::bigint and ErasedAt is null"};
constexpr OwnStatement kDeleteGuest{"delete from tblGuests where id=?",
                                    "delete from tblGuests where id=$1::bigint"};

constexpr OwnStatement kGuestStays{
    "select r.id, r.CheckInDate, r.CheckOutDate, sg.Role, r.Accommodation, r.Type from "
    "tblStayGuests sg join tblRooms r on r.id=sg.ReservationId where sg.GuestId=?1 order by "
    "r.CheckInDate desc, r.id desc",
    "select r.id, r.CheckInDate, r.CheckOutDate, sg.Role, r.Accommodation, r.Type from "
    "tblStayGuests sg join tblRooms r on r.id=sg.ReservationId where sg.GuestId=$1::bigint order "
    "by r.CheckInDate desc nulls last, r.id desc"};
constexpr OwnStatement kStayGuests{
    "select " CORVANNA_GUEST_COLUMNS " from tblStayGuests sg join tblGuests g on g.id=sg.GuestId "
    "where sg.ReservationId=?1 order by sg.Role<>'booker', sg.Position, g.id",
    "select " CORVANNA_GUEST_COLUMNS " from tblStayGuests sg join tblGuests g on g.id=sg.GuestId "
    "where sg.ReservationId=$1::bigint order by sg.Role<>'booker', sg.Position, g.id"};
constexpr OwnStatement kDropStayGuests{"delete from tblStayGuests where ReservationId=?",
                                       "delete from tblStayGuests where ReservationId=$1::bigint"};
constexpr OwnStatement kLinkGuest{
    "insert into tblStayGuests (ReservationId, GuestId, Role, Position) values (?, ?, ?, ?)",
    "insert into tblStayGuests (ReservationId, GuestId, Role, Position) values ($1::bigint, "
    "$2::bigint, $3, $4::integer)"};
// The former booker goes, and the new one's place among the further guests.
constexpr OwnStatement kUnlinkForBooker{
    "delete from tblStayGuests where ReservationId=? and (Role='booker' or GuestId=?)",
    "delete from tblStayGuests where ReservationId=$1::bigint and (Role='booker' or "
    "GuestId=$2::bigint)"};

constexpr OwnStatement kNewestReservation{
    "select max(id) from tblRooms where CheckInDate=?2 and CheckOutDate=?3 and GuestName=?1",
    "select max(id) from tblRooms where CheckInDate=$2::date and CheckOutDate=$3::date and "
    "GuestName=$1"};
constexpr OwnStatement kReservation{
    "select GuestName, PhoneNumber, Address from tblRooms where id=?1",
    "select GuestName, PhoneNumber, Address from tblRooms where id=$1::bigint"};
// The profiles that match a reservation, and whether each is linked to it already: one lookup
// of the index on the folded keys, computed from the reservation's row as foldedName and
// foldedPhone compute them (and as the schema step that made the first profiles did).
constexpr OwnStatement kMatches{
    "select " CORVANNA_GUEST_COLUMNS ", exists (select 1 from tblStayGuests sg where "
    "sg.ReservationId=r.id and sg.GuestId=g.id) from tblRooms r join tblGuests g on "
    "g.NameKey=lower(trim(r.GuestName)) where r.id=?1 and g.NameKey<>'' and g.ErasedAt is null "
    "and (g.PhoneKey=replace(replace(replace(replace(replace(replace(replace(coalesce("
    "r.PhoneNumber, ''), ' ', ''), '-', ''), '(', ''), ')', ''), '+', ''), '.', ''), '/', '') or "
    "(g.EmailKey<>'' and g.EmailKey in (lower(trim(r.PhoneNumber)), lower(trim(r.Address)))))",
    "select " CORVANNA_GUEST_COLUMNS ", case when exists (select 1 from tblStayGuests sg where "
    "sg.ReservationId=r.id and sg.GuestId=g.id) then 1 else 0 end from tblRooms r join tblGuests "
    "g on g.NameKey=lower(btrim(r.GuestName) collate \"C\") where r.id=$1::bigint and "
    "g.NameKey<>'' and g.ErasedAt is null and (g.PhoneKey=translate(coalesce(r.PhoneNumber, ''), "
    "' -()+./', '') or (g.EmailKey<>'' and g.EmailKey in (lower(btrim(r.PhoneNumber) collate "
    "\"C\"), lower(btrim(r.Address) collate \"C\"))))"};

// Reservations both profiles take part in, with the role the one that goes had.
constexpr OwnStatement kSharedStays{
    "select a.ReservationId, a.Role from tblStayGuests a join tblStayGuests b on "
    "b.ReservationId=a.ReservationId where a.GuestId=?1 and b.GuestId=?2",
    "select a.ReservationId, a.Role from tblStayGuests a join tblStayGuests b on "
    "b.ReservationId=a.ReservationId where a.GuestId=$1::bigint and b.GuestId=$2::bigint"};
constexpr OwnStatement kUnlinkOne{
    "delete from tblStayGuests where ReservationId=? and GuestId=?",
    "delete from tblStayGuests where ReservationId=$1::bigint and GuestId=$2::bigint"};
constexpr OwnStatement kMakeBooker{
    "update tblStayGuests set Role='booker', Position=0 where ReservationId=? and GuestId=?",
    "update tblStayGuests set Role='booker', Position=0 where ReservationId=$1::bigint and "
    "GuestId=$2::bigint"};
constexpr OwnStatement kMoveStays{
    "update tblStayGuests set GuestId=? where GuestId=?",
    "update tblStayGuests set GuestId=$1::bigint where GuestId=$2::bigint"};

// Everything a reservation holds, for the export.
constexpr OwnStatement kExportStays{
    "select r.id, sg.Role, r.GuestName, r.Accommodation, r.NoOfRooms, r.Type, r.ServiceIncluded, "
    "r.NoOfPersons, r.CheckInDate, r.CheckOutDate, r.CreditCardType, r.CreditCardNo, "
    "r.PhoneNumber, r.Address from tblStayGuests sg join tblRooms r on r.id=sg.ReservationId "
    "where sg.GuestId=?1 order by r.CheckInDate desc, r.id desc",
    "select r.id, sg.Role, r.GuestName, r.Accommodation, r.NoOfRooms, r.Type, r.ServiceIncluded, "
    "r.NoOfPersons, r.CheckInDate, r.CheckOutDate, r.CreditCardType, r.CreditCardNo, "
    "r.PhoneNumber, r.Address from tblStayGuests sg join tblRooms r on r.id=sg.ReservationId "
    "where sg.GuestId=$1::bigint order by r.CheckInDate desc nulls last, r.id desc"};

constexpr OwnStatement kErasureCounts{
    "select count(*), coalesce(sum(sg.Role='booker' and coalesce(r.CreditCardNo, '')<>''), 0) "
    "from tblStayGuests sg join tblRooms r on r.id=sg.ReservationId where sg.GuestId=?1",
    "select count(*), count(*) filter (where sg.Role='booker' and coalesce(r.CreditCardNo, "
    "'')<>'') from tblStayGuests sg join tblRooms r on r.id=sg.ReservationId where "
    "sg.GuestId=$1::bigint"};
// The reservations the guest booked keep their dates and what was let, and lose the guest.
constexpr OwnStatement kEraseReservations{
    "update tblRooms set GuestName=?, Address=null, PhoneNumber=null, CreditCardNo=null where id "
    "in (select ReservationId from tblStayGuests where GuestId=? and Role='booker')",
    "update tblRooms set GuestName=$1, Address=null, PhoneNumber=null, CreditCardNo=null where id "
    "in (select ReservationId from tblStayGuests where GuestId=$2::bigint and Role='booker')"};
constexpr OwnStatement kEraseProfile{
    "update tblGuests set Name=?, Phone=null, Email=null, Address=null, Nationality=null, "
    "BirthDate=null, DocType=null, DocNumber=null, DocCountry=null, DocExpiry=null, Note=null, "
    "NameKey='', PhoneKey='', EmailKey='', ErasedAt=? where id=?",
    "update tblGuests set Name=$1, Phone=null, Email=null, Address=null, Nationality=null, "
    "BirthDate=null, DocType=null, DocNumber=null, DocCountry=null, DocExpiry=null, Note=null, "
    "NameKey='', PhoneKey='', EmailKey='', ErasedAt=$2::timestamptz where id=$3::bigint"};

constexpr const char* kBooker = "booker";
constexpr const char* kFurtherGuest = "guest";

QString isoDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// An empty text or an invalid date is stored as null.
QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}
QVariant orNull(const QDate& date) {
    return date.isValid() ? QVariant(isoDate(date)) : QVariant();
}

QString trimmedBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString asciiLower(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

QString foldedEmail(const QString& email) {
    return asciiLower(trimmedBlanks(email));
}

// A reservation has no e-mail of its own; an address or phone that is one counts.
QString emailOf(const QString& phone, const QString& address) {
    for (const QString& text : {trimmedBlanks(phone), trimmedBlanks(address)})
        if (text.contains(QLatin1Char('@')) && !text.contains(QLatin1Char(' ')) &&
            !text.contains(QLatin1Char('\n')))
            return text;
    return {};
}

Guest guestFrom(const Query& q) {
    Guest g;
    g.id = q.integer(0);
    g.name = q.text(1);
    g.phone = q.text(2);
    g.email = q.text(3);
    g.address = q.text(4);
    g.nationality = q.text(5);
    g.birthDate = q.date(6);
    g.docType = q.text(7);
    g.docNumber = q.text(8);
    g.docCountry = q.text(9);
    g.docExpiry = q.date(10);
    g.note = q.text(11);
    g.erased = q.integer(12) != 0;
    return g;
}

QVariantList profileValues(const Guest& g) {
    return {g.name,
            orNull(g.phone),
            orNull(g.email),
            orNull(g.address),
            orNull(g.nationality),
            orNull(g.birthDate),
            orNull(g.docType),
            orNull(g.docNumber),
            orNull(g.docCountry),
            orNull(g.docExpiry),
            orNull(g.note),
            foldedName(g.name),
            foldedPhone(g.phone),
            foldedEmail(g.email)};
}

void checkName(const Guest& guest) {
    if (trimmedBlanks(guest.name).isEmpty())
        throw Failure(QCoreApplication::translate("Guests", "A guest profile needs a name."));
}

std::optional<Guest> findGuest(Connection& connection, qint64 id) {
    Query q(connection, kReadGuest, {QString::number(id)});
    if (!q.next()) return std::nullopt;
    return guestFrom(q);
}

Guest existingGuest(Connection& connection, qint64 id) {
    if (auto g = findGuest(connection, id)) return *g;
    throw Failure(
        QCoreApplication::translate("Guests", "Guest profile %1 no longer exists.").arg(id));
}

struct ReservationContact {
    QString name, phone, address;
};

std::optional<ReservationContact> readReservation(Connection& connection, qint64 id) {
    Query q(connection, kReservation, {QString::number(id)});
    if (!q.next()) return std::nullopt;
    return ReservationContact{q.text(0), q.text(1), q.text(2)};
}

ReservationContact existingReservation(Connection& connection, qint64 id) {
    if (auto r = readReservation(connection, id)) return *r;
    throw Failure(
        QCoreApplication::translate("Guests", "Reservation %1 no longer exists.").arg(id));
}

// Inside a transaction under way.
qint64 insertGuest(Connection& connection, const Guest& guest) {
    checkName(guest);
    connection.execute(kInsertGuest, profileValues(guest));
    Query q(connection, kLastGuestId);
    q.next();
    return q.integer(0);
}

void link(Connection& connection, qint64 reservationId, qint64 guestId, const char* role,
          int position) {
    connection.execute(kLinkGuest, {reservationId, guestId, QString::fromLatin1(role), position});
}

void makeBooker(Connection& connection, qint64 reservationId, qint64 guestId) {
    existingGuest(connection, guestId);
    connection.execute(kUnlinkForBooker, {reservationId, guestId});
    link(connection, reservationId, guestId, kBooker, 0);
}

qint64 nightsOf(const QDate& checkIn, const QDate& checkOut) {
    if (!checkIn.isValid() || !checkOut.isValid() || checkOut < checkIn) return 0;
    return checkIn == checkOut ? 1 : checkIn.daysTo(checkOut);
}

QString timestampText(const QDateTime& at) {
    return at.toUTC().toString(Qt::ISODateWithMs);
}

} // namespace

QString foldedName(const QString& name) {
    return asciiLower(trimmedBlanks(name));
}

QString foldedPhone(const QString& phone) {
    QString key;
    key.reserve(phone.size());
    for (const QChar c : phone)
        if (!QStringView(u" -()+./").contains(c)) key += c;
    return key;
}

QString erasedGuestName() {
    return QCoreApplication::translate("Guests", "Erased guest");
}

bool hasGuestTables(Connection& connection) {
    Query q(connection, kHasGuests);
    return q.next();
}

std::vector<Guest> readGuests(Connection& connection) {
    std::vector<Guest> guests;
    if (!hasGuestTables(connection)) return guests;
    {
        Query q(connection, kReadGuests);
        while (q.next())
            guests.push_back(guestFrom(q));
    }
    // By name in the desk's collation, the same on either engine; equal names by id.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(guests.begin(), guests.end(), [&](const Guest& a, const Guest& b) {
        const int order = collator.compare(a.name, b.name);
        return order != 0 ? order < 0 : a.id < b.id;
    });
    return guests;
}

Guest readGuest(Connection& connection, qint64 id) {
    return existingGuest(connection, id);
}

qint64 addGuest(Connection& connection, const Guest& guest) {
    checkName(guest);
    Transaction t(connection);
    const qint64 id = insertGuest(connection, guest);
    t.commit();
    return id;
}

void updateGuest(Connection& connection, const Guest& guest) {
    checkName(guest);
    QVariantList values = profileValues(guest);
    values << guest.id;
    if (connection.execute(kUpdateGuest, values) == 0) {
        const std::optional<Guest> stored = findGuest(connection, guest.id);
        if (!stored)
            throw Failure(
                QCoreApplication::translate("Guests", "Guest profile %1 no longer exists.")
                    .arg(guest.id));
        throw Failure(
            QCoreApplication::translate("Guests", "An erased guest profile cannot be changed."));
    }
}

std::vector<GuestStay> readGuestStays(Connection& connection, qint64 guestId) {
    std::vector<GuestStay> stays;
    if (!hasGuestTables(connection)) return stays;
    {
        Query q(connection, kGuestStays, {QString::number(guestId)});
        std::vector<std::pair<QByteArray, QString>> pool;
        while (q.next()) {
            GuestStay s;
            s.reservationId = q.integer(0);
            s.checkIn = q.date(1);
            s.checkOut = q.date(2);
            s.nights = nightsOf(s.checkIn, s.checkOut);
            s.role = q.pooled(3, pool);
            s.kind = q.pooled(4, pool);
            s.type = q.pooled(5, pool);
            stays.push_back(std::move(s));
        }
    }
    std::vector<qint64> ids;
    for (const GuestStay& s : stays)
        ids.push_back(s.reservationId);
    if (!ids.empty() && hasStayTables(connection)) {
        const std::map<qint64, StayStatus> statuses = readStatuses(connection, ids);
        for (GuestStay& s : stays)
            if (auto it = statuses.find(s.reservationId); it != statuses.end())
                s.status = it->second;
    }
    return stays;
}

std::vector<Guest> readStayGuests(Connection& connection, qint64 reservationId) {
    std::vector<Guest> guests;
    if (!hasGuestTables(connection)) return guests;
    Query q(connection, kStayGuests, {QString::number(reservationId)});
    while (q.next())
        guests.push_back(guestFrom(q));
    return guests;
}

void setStayGuests(Connection& connection, qint64 reservationId, qint64 bookerId,
                   const std::vector<qint64>& others) {
    Transaction t(connection);
    existingReservation(connection, reservationId);
    std::set<qint64> placed;
    if (bookerId != 0) existingGuest(connection, bookerId);
    for (qint64 id : others)
        existingGuest(connection, id);
    connection.execute(kDropStayGuests, {reservationId});
    if (bookerId != 0) {
        link(connection, reservationId, bookerId, kBooker, 0);
        placed.insert(bookerId);
    }
    int position = 0;
    for (qint64 id : others)
        if (placed.insert(id).second)
            link(connection, reservationId, id, kFurtherGuest, ++position);
    t.commit();
}

qint64 addedReservationId(Connection& connection, const QString& guestName, const QDate& checkIn,
                          const QDate& checkOut) {
    Query q(connection, kNewestReservation, {guestName, isoDate(checkIn), isoDate(checkOut)});
    return q.next() ? q.integer(0) : 0;
}

std::optional<Guest> matchingGuest(Connection& connection, qint64 reservationId) {
    std::optional<Guest> found;
    Query q(connection, kMatches, {QString::number(reservationId)});
    while (q.next()) {
        // One of them linked already: the reservation has its profile.
        if (q.integer(13) != 0) return std::nullopt;
        Guest g = guestFrom(q);
        if (!found || g.id < found->id) found = std::move(g);
    }
    return found;
}

void linkBooker(Connection& connection, qint64 reservationId, qint64 guestId) {
    Transaction t(connection);
    existingReservation(connection, reservationId);
    makeBooker(connection, reservationId, guestId);
    t.commit();
}

qint64 addBookerFromReservation(Connection& connection, qint64 reservationId) {
    Transaction t(connection);
    const ReservationContact r = existingReservation(connection, reservationId);
    Guest g;
    g.name = trimmedBlanks(r.name);
    g.phone = r.phone;
    g.address = r.address;
    g.email = emailOf(r.phone, r.address);
    const qint64 id = insertGuest(connection, g);
    makeBooker(connection, reservationId, id);
    t.commit();
    return id;
}

void mergeGuests(Connection& connection, qint64 keepId, qint64 goneId) {
    if (keepId == goneId)
        throw Failure(
            QCoreApplication::translate("Guests", "A guest profile cannot be merged into itself."));
    Transaction t(connection);
    Guest keep = existingGuest(connection, keepId);
    const Guest gone = existingGuest(connection, goneId);
    if (keep.erased || gone.erased)
        throw Failure(
            QCoreApplication::translate("Guests", "An erased guest profile cannot be merged."));
    // Where both take part, the one that stays keeps its place, and the booking if either had it.
    std::vector<std::pair<qint64, bool>> shared;
    {
        Query q(connection, kSharedStays, {QString::number(goneId), QString::number(keepId)});
        while (q.next())
            shared.emplace_back(q.integer(0), q.text(1) == QLatin1String(kBooker));
    }
    for (const auto& [reservationId, goneBooked] : shared) {
        connection.execute(kUnlinkOne, {reservationId, goneId});
        if (goneBooked) connection.execute(kMakeBooker, {reservationId, keepId});
    }
    connection.execute(kMoveStays, {keepId, goneId});
    // What the kept profile lacks, the other one gives.
    for (auto [field, other] : {std::pair{&keep.phone, &gone.phone},
                                {&keep.email, &gone.email},
                                {&keep.address, &gone.address},
                                {&keep.nationality, &gone.nationality},
                                {&keep.docType, &gone.docType},
                                {&keep.docNumber, &gone.docNumber},
                                {&keep.docCountry, &gone.docCountry}})
        if (field->isEmpty()) *field = *other;
    if (!keep.birthDate.isValid()) keep.birthDate = gone.birthDate;
    if (!keep.docExpiry.isValid()) keep.docExpiry = gone.docExpiry;
    if (keep.note.isEmpty())
        keep.note = gone.note;
    else if (!gone.note.isEmpty() && gone.note != keep.note)
        keep.note += QLatin1Char('\n') + gone.note;
    QVariantList values = profileValues(keep);
    values << keepId;
    connection.execute(kUpdateGuest, values);
    connection.execute(kDeleteGuest, {goneId});
    t.commit();
}

QByteArray exportGuestJson(Connection& connection, qint64 guestId) {
    const Guest g = existingGuest(connection, guestId);
    const auto date = [](const QDate& d) {
        return d.isValid() ? QJsonValue(isoDate(d)) : QJsonValue();
    };
    QJsonObject profile{{QStringLiteral("id"), g.id},
                        {QStringLiteral("name"), g.name},
                        {QStringLiteral("phone"), g.phone},
                        {QStringLiteral("email"), g.email},
                        {QStringLiteral("address"), g.address},
                        {QStringLiteral("nationality"), g.nationality},
                        {QStringLiteral("birthDate"), date(g.birthDate)},
                        {QStringLiteral("documentType"), g.docType},
                        {QStringLiteral("documentNumber"), g.docNumber},
                        {QStringLiteral("documentCountry"), g.docCountry},
                        {QStringLiteral("documentExpiry"), date(g.docExpiry)},
                        {QStringLiteral("note"), g.note},
                        {QStringLiteral("erased"), g.erased}};
    std::vector<QJsonObject> stays;
    std::vector<qint64> ids;
    {
        Query q(connection, kExportStays, {QString::number(guestId)});
        while (q.next()) {
            const QDate checkIn = q.date(8);
            const QDate checkOut = q.date(9);
            const auto number = [&](int column) {
                return q.isNull(column) ? QJsonValue() : QJsonValue(q.integer(column));
            };
            ids.push_back(q.integer(0));
            stays.push_back({{QStringLiteral("reservationId"), q.integer(0)},
                             {QStringLiteral("role"), q.text(1)},
                             {QStringLiteral("guestName"), q.text(2)},
                             {QStringLiteral("kind"), q.text(3)},
                             {QStringLiteral("rooms"), number(4)},
                             {QStringLiteral("type"), q.text(5)},
                             {QStringLiteral("serviceIncluded"), q.text(6)},
                             {QStringLiteral("persons"), number(7)},
                             {QStringLiteral("checkIn"), date(checkIn)},
                             {QStringLiteral("checkOut"), date(checkOut)},
                             {QStringLiteral("nights"), nightsOf(checkIn, checkOut)},
                             {QStringLiteral("cardType"), q.text(10)},
                             // A card number leaves the program only behind its mask.
                             {QStringLiteral("cardNumber"), maskedCardNumber(q.text(11))},
                             {QStringLiteral("phone"), q.text(12)},
                             {QStringLiteral("address"), q.text(13)}});
        }
    }
    std::map<qint64, StayStatus> statuses;
    if (!ids.empty() && hasStayTables(connection)) statuses = readStatuses(connection, ids);
    QJsonArray list;
    for (size_t i = 0; i < stays.size(); ++i) {
        const auto it = statuses.find(ids[i]);
        stays[i].insert(QStringLiteral("status"),
                        statusText(it == statuses.end() ? StayStatus::Expected : it->second));
        list.append(stays[i]);
    }
    const QJsonObject all{
        {QStringLiteral("exportedAt"), timestampText(QDateTime::currentDateTimeUtc())},
        {QStringLiteral("guest"), profile},
        {QStringLiteral("stays"), list}};
    return QJsonDocument(all).toJson(QJsonDocument::Indented);
}

ErasurePreview previewErasure(Connection& connection, qint64 guestId) {
    ErasurePreview preview;
    preview.name = existingGuest(connection, guestId).name;
    Query q(connection, kErasureCounts, {QString::number(guestId)});
    if (q.next()) {
        preview.stays = int(q.integer(0));
        preview.cardNumbers = int(q.integer(1));
    }
    return preview;
}

void eraseGuestWithin(Connection& connection, qint64 guestId) {
    connection.execute(kEraseReservations, {erasedGuestName(), guestId});
    connection.execute(kEraseProfile, {erasedGuestName(),
                                       timestampText(QDateTime::currentDateTimeUtc()), guestId});
}

void eraseGuest(Connection& connection, qint64 guestId, const QString& desk) {
    SecureDelete zeroed(connection);
    Transaction t(connection);
    if (existingGuest(connection, guestId).erased) return;
    eraseGuestWithin(connection, guestId);
    logPrivacy(connection, QStringLiteral("guest"), 1, desk);
    t.commit();
}

} // namespace corvanna
