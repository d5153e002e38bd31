#include "gui/guests/guestcommands.h"

#include "base/dialogs.h"
#include "base/failure.h"
#include "base/report.h"
#include "base/settings.h"
#include "gui/frame/session.h"
#include "gui/stays/staycommands.h"
#include "store/guests.h"
#include "store/privacy.h"
#include "store/statements.h"
#include "store/stays.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <map>

namespace corvanna {

namespace {

constexpr QFileDevice::Permissions kPrivateFile =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

// Paints the lines on a printer the dialog set up (or on a PDF file).
void printLines(QPrinter& printer, const std::vector<CardLine>& lines) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw Failure(GuestCommands::tr("The printer could not be started"));
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintRegistrationCard(painter, QRect(QPoint(0, 0), page.size()), lines,
                          [&] { return printer.newPage(); });
    if (!painter.end()) throw Failure(GuestCommands::tr("The printing did not finish"));
}

void writePrivateFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.setPermissions(kPrivateFile) || !file.commit())
        throw Failure(file.errorString());
}

QString dateText(const QDate& date) {
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

// Everything a profile holds, as lines to read.
std::vector<CardLine> profileLines(const Guest& guest, const std::vector<GuestStay>& stays) {
    std::vector<CardLine> lines;
    const auto field = [&](const QString& text) {
        lines.push_back({CardLine::Style::Field, text});
    };
    lines.push_back(
        {CardLine::Style::Title, GuestCommands::tr("Guest profile of %1").arg(guest.name)});
    field(GuestCommands::tr("Phone: %1").arg(guest.phone));
    field(GuestCommands::tr("E-mail: %1").arg(guest.email));
    field(GuestCommands::tr("Address: %1").arg(guest.address));
    field(GuestCommands::tr("Nationality: %1").arg(guest.nationality));
    field(GuestCommands::tr("Date of birth: %1").arg(dateText(guest.birthDate)));
    field(GuestCommands::tr("Document: %1 %2, issued by %3, valid until %4")
              .arg(guest.docType, guest.docNumber, guest.docCountry, dateText(guest.docExpiry)));
    field(GuestCommands::tr("Note: %1").arg(guest.note));
    // English says "1 stay" and "%n stays"; translations follow their plural forms.
    const int count = int(stays.size());
    lines.push_back(
        {CardLine::Style::Heading,
         count == 1 ? GuestCommands::tr("1 stay") : GuestCommands::tr("%n stays", nullptr, count)});
    for (const GuestStay& stay : stays)
        field(GuestCommands::tr("Reservation %1: %2 to %3, %4 %5, %6 (%7)")
                  .arg(stay.reservationId)
                  .arg(dateText(stay.checkIn), dateText(stay.checkOut), stay.kind, stay.type,
                       statusText(stay.status),
                       stay.role == QLatin1String("booker") ? GuestCommands::tr("booker")
                                                            : GuestCommands::tr("guest")));
    return lines;
}

} // namespace

bool GuestCommands::guestsAvailable(Session& session) {
    if (hasGuestTables(session.connection())) return true;
    session.dialogs.notify(tr("This database keeps no guest profiles (it was made by an older "
                              "program and cannot be changed here), so the guests' commands are "
                              "not available."));
    return false;
}

void GuestCommands::offerProfileAfterSave(Session& session, qint64 editedId,
                                          const GuestValues& values) {
    Procedure proc(session.dialogs, QStringLiteral("Guests.offerProfileAfterSave"));
    bool available = false;
    proc.step(100, [&] { available = hasGuestTables(session.connection()); });
    if (!available) return;
    qint64 reservationId = editedId;
    if (reservationId == 0)
        proc.step(101, [&] {
            reservationId = addedReservationId(session.connection(), values.guestName,
                                               values.checkIn, values.checkOut);
        });
    if (reservationId <= 0) return;
    std::optional<Guest> match;
    if (!proc.step(102, [&] { match = matchingGuest(session.connection(), reservationId); }))
        return;
    if (match) {
        bool link = false;
        proc.step(104, [&] {
            link = session.dialogs.ask(
                tr("Link this reservation to the guest profile of %1?").arg(match->name));
        });
        if (link)
            proc.step(106, [&] { linkBooker(session.connection(), reservationId, match->id); });
        return;
    }
    bool unbooked = false;
    proc.step(108, [&] { unbooked = readStayGuests(session.connection(), reservationId).empty(); });
    if (unbooked)
        proc.step(110, [&] { addBookerFromReservation(session.connection(), reservationId); });
}

QString GuestCommands::hotelName() {
    const QString hotel = SettingsStore().read(kHotelNameKey, QString()).trimmed();
    return hotel.isEmpty() ? applicationTitle() : hotel;
}

RegistrationCard GuestCommands::registrationCardOf(Connection& connection, qint64 reservationId,
                                                   const QString& hotel) {
    const Stay stay = readStay(connection, reservationId);
    RegistrationCard card;
    card.hotel = hotel;
    card.reservationId = reservationId;
    card.kind = stay.kind;
    card.type = stay.type;
    card.checkIn = stay.checkIn;
    card.checkOut = stay.checkOut;
    if (!stay.spans.empty()) {
        std::map<qint64, QString> names;
        for (const Unit& unit : readUnits(connection))
            names[unit.id] = unit.name;
        for (const UnitSpan& span : stay.spans)
            if (!card.units.contains(names[span.unitId])) card.units << names[span.unitId];
    }
    const std::vector<Guest> guests = hasGuestTables(connection)
                                          ? readStayGuests(connection, reservationId)
                                          : std::vector<Guest>{};
    for (size_t i = 0; i < guests.size(); ++i) {
        const Guest& g = guests[i];
        card.guests.push_back({g.name, i == 0, g.nationality, g.birthDate, g.address, g.docType,
                               g.docNumber, g.docCountry, g.docExpiry});
    }
    if (card.guests.empty())
        card.guests.push_back({stay.guestName, true, {}, {}, {}, {}, {}, {}, {}});
    return card;
}

void GuestCommands::printRegistrationCard(Session& session, QWidget* parent, qint64 reservationId) {
    Procedure proc(session.dialogs, QStringLiteral("Guests.printRegistrationCard"));
    RegistrationCard card;
    if (!proc.step(100, [&] {
            card = registrationCardOf(session.connection(), reservationId, hotelName());
        }))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Registration card %1").arg(reservationId));
    bool accepted = false;
    proc.step(102, [&] {
        if (session.printDialog) {
            accepted = session.printDialog(parent, printer);
        } else {
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(tr("Print the registration card"));
            accepted = dialog.exec() == QDialog::Accepted;
        }
    });
    if (!accepted) return;
    proc.step(104, [&] { printLines(printer, layOutRegistrationCard(card)); });
}

bool GuestCommands::exportGuest(Session& session, QWidget* parent, qint64 guestId) {
    Procedure proc(session.dialogs, QStringLiteral("Guests.exportGuest"));
    Guest guest;
    std::vector<GuestStay> stays;
    if (!proc.step(100, [&] {
            guest = readGuest(session.connection(), guestId);
            stays = readGuestStays(session.connection(), guestId);
        }))
        return false;
    QString path;
    proc.step(102, [&] {
        const QString suggested =
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .filePath(tr("Guest %1").arg(guest.name).remove(QLatin1Char('/')) +
                          QStringLiteral(".pdf"));
        path = session.saveFileName
                   ? session.saveFileName(parent, suggested)
                   : QFileDialog::getSaveFileName(parent, tr("Export Guest"), suggested,
                                                  tr("PDF files (*.pdf)"));
    });
    if (path.isEmpty()) return false;
    const QFileInfo chosen(path);
    const QString base = chosen.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0
                             ? chosen.absolutePath() + QLatin1Char('/') + chosen.completeBaseName()
                             : chosen.absoluteFilePath();
    const QString pdf = base + QStringLiteral(".pdf");
    const QString json = base + QStringLiteral(".json");
    const bool written = proc.step(104, [&] {
        writePrivateFile(json, exportGuestJson(session.connection(), guestId));
    }) && proc.step(106, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setDocName(tr("Guest profile of %1").arg(guest.name));
        printLines(printer, profileLines(guest, stays));
        QFile::setPermissions(pdf, kPrivateFile);
    }) && proc.step(107, [&] {
        logPrivacy(session.connection(), QStringLiteral("export"), 1, StayCommands::deskName());
    });
    if (written)
        proc.step(108, [&] {
            session.dialogs.notify(
                tr("The guest's data was written to %1 and %2.")
                    .arg(QDir::toNativeSeparators(pdf), QDir::toNativeSeparators(json)));
        });
    return written;
}

void GuestCommands::runPrivacyRules(Session& session, const QDate& today) {
    Procedure proc(session.dialogs, QStringLiteral("Guests.runPrivacyRules"));
    if (!session.dbConnection || session.dbConnection->state() == 0) return;
    Connection& connection = session.connection();
    bool available = false;
    proc.step(100, [&] { available = hasGuestTables(connection) && !connection.onLocalCopy(); });
    if (!available) return;
    PrivacyRules rules;
    if (!proc.step(102, [&] { rules = readPrivacyRules(connection); })) return;
    const QString desk = StayCommands::deskName();
    int cards = 0;
    int guests = 0;
    if (rules.cardsOn) proc.step(104, [&] { cards = eraseCardsDue(connection, today, desk); });
    if (rules.guestsOn) proc.step(106, [&] { guests = eraseGuestsDue(connection, today, desk); });
    if (cards > 0)
        proc.step(108, [&] {
            session.dialogs.notify(
                cards == 1 ? tr("The privacy rules erased 1 card number.")
                           : tr("The privacy rules erased %n card numbers.", nullptr, cards));
        });
    if (guests > 0)
        proc.step(110, [&] {
            session.dialogs.notify(
                guests == 1 ? tr("The privacy rules erased 1 guest profile.")
                            : tr("The privacy rules erased %n guest profiles.", nullptr, guests));
        });
}

} // namespace corvanna
