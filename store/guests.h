#pragma once

#include "stays.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace corvanna {

class Connection;

// A guest's profile: who they are and the document they showed. An erased profile keeps only
// its id and the name "Erased guest".
struct Guest {
    qint64 id = 0;
    QString name, phone, email, address, nationality;
    QDate birthDate;
    QString docType, docNumber, docCountry;
    QDate docExpiry;
    QString note;
    bool erased = false;
    bool operator==(const Guest&) const = default;
};

// One reservation the guest takes part in, as the guest's window lists it.
struct GuestStay {
    qint64 reservationId = 0;
    QDate checkIn, checkOut;
    qint64 nights = 0;
    StayStatus status = StayStatus::Expected;
    QString role; // "booker" or "guest"
    QString kind, type;
};

// True when the database holds the guest tables.
bool hasGuestTables(Connection& connection);

// Every profile, ordered by name.
std::vector<Guest> readGuests(Connection& connection);
// One profile; throws Failure when none has the id.
Guest readGuest(Connection& connection, qint64 id);
// Adds a profile and returns its id. Throws Failure for an empty name.
qint64 addGuest(Connection& connection, const Guest& guest);
// Writes every field of the profile; throws Failure for an erased or missing one.
void updateGuest(Connection& connection, const Guest& guest);

// The reservations the guest takes part in, newest check-in first.
std::vector<GuestStay> readGuestStays(Connection& connection, qint64 guestId);
// The guests of a reservation, the booker first, then the others in their order.
std::vector<Guest> readStayGuests(Connection& connection, qint64 reservationId);
// Replaces the reservation's guests: the booker (0: none) and the others in order.
void setStayGuests(Connection& connection, qint64 reservationId, qint64 bookerId,
                   const std::vector<qint64>& others);

// The newest reservation with this guest name and these dates: the one a desk's classic insert
// has just added. 0 when none.
qint64 addedReservationId(Connection& connection, const QString& guestName, const QDate& checkIn,
                          const QDate& checkOut);

// After a save: the profile whose folded name and phone (or e-mail) match the reservation's and
// that is not yet linked to it; nullopt when none matches or one is already linked.
std::optional<Guest> matchingGuest(Connection& connection, qint64 reservationId);
// Makes the guest the reservation's booker (the former booker, if any, is unlinked).
void linkBooker(Connection& connection, qint64 reservationId, qint64 guestId);
// A new profile from the reservation's name, phone and address, linked as its booker.
qint64 addBookerFromReservation(Connection& connection, qint64 reservationId);
// Moves every stay of `goneId` to `keepId` and removes `goneId`; fields `keepId` lacks are taken
// from `goneId`.
void mergeGuests(Connection& connection, qint64 keepId, qint64 goneId);

// Everything held about the guest as UTF-8 JSON: the profile and each stay with its
// reservation's values (the card number behind its mask). The caller logs the export
// (logPrivacy, store/privacy.h).
QByteArray exportGuestJson(Connection& connection, qint64 guestId);

// What an erasure takes away, for the desk's question.
struct ErasurePreview {
    QString name;
    int stays = 0;
    int cardNumbers = 0;
};
ErasurePreview previewErasure(Connection& connection, qint64 guestId);
// Blanks the profile and the guest's values in the reservations they booked, in one
// transaction, and logs the erasure (never what was erased).
void eraseGuest(Connection& connection, qint64 guestId, const QString& desk);
// The same inside a transaction under way, unlogged: the privacy rules erase many at once.
void eraseGuestWithin(Connection& connection, qint64 guestId);

// The name an erased profile and its reservations keep (translated).
QString erasedGuestName();

// The keys a save's match compares, as the schema step that made the first profiles computed
// them on either engine: the name with its outer blanks trimmed and ASCII letters in lower case;
// the phone without blanks, dashes, brackets, plus signs, dots and slashes.
QString foldedName(const QString& name);
QString foldedPhone(const QString& phone);

} // namespace corvanna
