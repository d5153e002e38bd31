#pragma once

#include "gui/guests/registrationcard.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <optional>

class QWidget;

namespace corvanna {

class Connection;
struct Guest;
struct GuestValues;
struct Session;

// What the main window and the guests' windows do with the guest profiles, each a run of
// numbered steps whose failures are reported through the session's dialogs.
class GuestCommands {
    Q_DECLARE_TR_FUNCTIONS(GuestCommands)
public:
    // True when the database keeps guest profiles; otherwise tells the desk so, once a call.
    static bool guestsAvailable(Session& session);

    // After a reservation was saved (the edited one's id, or 0 for the newest reservation of
    // the added name): offers the profile whose name and phone (or e-mail) match
    // it (Yes links the reservation to it, No or Esc leaves it as it is); with no match and no
    // booker yet, makes the reservation's own profile without asking.
    static void offerProfileAfterSave(Session& session, qint64 editedId, const GuestValues& values);

    // The registration card of a stay: its guests (the reservation's own values while it has
    // none), its document lines, dates and units, under the hotel's name.
    static RegistrationCard registrationCardOf(Connection& connection, qint64 reservationId,
                                               const QString& hotel);
    // The hotel's name from the settings, else the program's title.
    static QString hotelName();
    // Prints the card, or saves it as PDF, through the session's print dialog.
    static void printRegistrationCard(Session& session, QWidget* parent, qint64 reservationId);

    // Writes everything held about the guest: a PDF to read at the chosen path and the same as
    // JSON beside it (same name, .json), both private to the desk's account. True when written.
    static bool exportGuest(Session& session, QWidget* parent, qint64 guestId);

    // The privacy rules the desk turned on, for today; tells the desk what they erased.
    static void runPrivacyRules(Session& session, const QDate& today);
};

} // namespace corvanna
