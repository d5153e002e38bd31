#pragma once

#include "gui/stays/stayquestions.h"
#include "store/stays.h"

#include <QCoreApplication>
#include <QDate>
#include <optional>
#include <vector>

class QAbstractItemView;
class QWidget;

namespace corvanna {

struct Session;

// What the desk does to a reservation's stay.
enum class StayCommand { CheckIn, CheckOut, Cancel, NoShow, Undo };

class StayCommands {
    Q_DECLARE_TR_FUNCTIONS(Stays)
public:
    // Runs the command on the reservation (none: nothing selected), asking what it needs. Every
    // refusal is a message saying why. True when the stay changed.
    static bool run(Session& session, QWidget* parent, StayCommand command,
                    std::optional<qint64> reservationId);
    // Gives the stay the unit from `fromNight` (invalid: the whole stay). A unit held by another
    // stay is refused with a message naming its guest. True when the stay moved.
    static bool moveToUnit(Session& session, qint64 reservationId, const Unit& unit,
                           const QDate& fromNight);
    // The units a stay may take on its nights: the free units of its kind and type first, then
    // the free units of other types, marked.
    static std::vector<UnitOffer> offersFor(Connection& connection, const Stay& stay,
                                            const std::vector<Unit>& units);
    // A unit as a choice names it: its name, and its area when it has one.
    static QString unitText(const Unit& unit);
    // False, after a message saying why, when the database keeps no stays.
    static bool staysAvailable(Session& session);
    // The text a unit is offered with: marked when it is not of the booked kind and type.
    static QString offerText(const Unit& unit, bool marked);
    // Greys the list's cancelled and no-show rows (its delegate a ListRowDelegate); nothing is
    // greyed on a database without stays.
    static void greyEndedStays(Session& session, QAbstractItemView& list);
    // Who made a change, as the stays' log keeps it: the account and the machine.
    static QString deskName();
};

} // namespace corvanna
