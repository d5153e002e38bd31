#include "guests.h"

#include "base/failure.h"
#include "connection.h"

#include <QCoreApplication>

namespace corvanna {

namespace {
[[noreturn]] void notYet() {
    throw Failure(QStringLiteral("Guest profiles are not available yet."));
}
} // namespace

bool hasGuestTables(Connection&) {
    return false;
}
std::vector<Guest> readGuests(Connection&) {
    return {};
}
Guest readGuest(Connection&, qint64) {
    notYet();
}
qint64 addGuest(Connection&, const Guest&) {
    notYet();
}
void updateGuest(Connection&, const Guest&) {
    notYet();
}
std::vector<GuestStay> readGuestStays(Connection&, qint64) {
    return {};
}
std::vector<Guest> readStayGuests(Connection&, qint64) {
    return {};
}
void setStayGuests(Connection&, qint64, qint64, const std::vector<qint64>&) {
    notYet();
}
std::optional<Guest> matchingGuest(Connection&, qint64) {
    return std::nullopt;
}
void linkBooker(Connection&, qint64, qint64) {
    notYet();
}
qint64 addBookerFromReservation(Connection&, qint64) {
    notYet();
}
void mergeGuests(Connection&, qint64, qint64) {
    notYet();
}
QByteArray exportGuestJson(Connection&, qint64) {
    notYet();
}
ErasurePreview previewErasure(Connection&, qint64) {
    return {};
}
void eraseGuest(Connection&, qint64, const QString&) {
    notYet();
}
QString erasedGuestName() {
    return QCoreApplication::translate("Guests", "Erased guest");
}
QString foldedName(const QString& name) {
    return name.toLower();
}
QString foldedPhone(const QString& phone) {
    return phone;
}

} // namespace corvanna
