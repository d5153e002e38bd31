#include "gui/stays/staycommands.h"

#include "base/dates.h"
#include "base/failure.h"
#include "base/report.h"
#include "gui/frame/rowdelegate.h"
#include "gui/frame/session.h"

#include <QAbstractItemView>

#include <QLocale>
#include <QSysInfo>
#include <set>
#include <utility>

namespace corvanna {

namespace {

QString nightText(const QDate& night) {
    return QLocale().toString(night, shortDateFormat());
}

QString procedureName(StayCommand command) {
    switch (command) {
    case StayCommand::CheckIn:
        return QStringLiteral("Stays.CheckIn_Click");
    case StayCommand::CheckOut:
        return QStringLiteral("Stays.CheckOut_Click");
    case StayCommand::Cancel:
        return QStringLiteral("Stays.Cancel_Click");
    case StayCommand::NoShow:
        return QStringLiteral("Stays.NoShow_Click");
    case StayCommand::Undo:
        return QStringLiteral("Stays.Undo_Click");
    }
    return {};
}

// The status each command starts from.
StayStatus statusNeeded(StayCommand command) {
    return command == StayCommand::CheckOut ? StayStatus::InHouse : StayStatus::Expected;
}

} // namespace

QString StayCommands::deskName() {
    return qEnvironmentVariable("USER") + QLatin1Char('@') + QSysInfo::machineHostName();
}

QString StayCommands::unitText(const Unit& unit) {
    return unit.area.isEmpty() ? unit.name : tr("%1 (%2)").arg(unit.name, unit.area);
}

QString StayCommands::offerText(const Unit& unit, bool marked) {
    return marked ? tr("%1: %2 %3, not the booked type").arg(unitText(unit), unit.type, unit.kind)
                  : unitText(unit);
}

void StayCommands::greyEndedStays(Session& session, QAbstractItemView& list) {
    auto* rows = qobject_cast<ListRowDelegate*>(list.itemDelegate());
    if (!rows) return;
    std::map<qint64, QString> greyed;
    // The grey is only how rows are drawn: a read that fails (a lock held elsewhere, which the
    // fill before has already reported) leaves the rows plain until the next fill, with no second
    // report of the same trouble.
    try {
        Connection* connection = session.dbConnection.get();
        if (connection && connection->state() != 0)
            // The delegate asks by id, so a stay the list does not show (or the find hides)
            // costs nothing.
            for (const auto& [id, status] : readCancelledStays(*connection))
                greyed.emplace(id, statusText(status));
    } catch (const Failure&) {
        greyed.clear();
    }
    rows->setGreyedRows(std::move(greyed));
}

bool StayCommands::staysAvailable(Session& session) {
    if (hasStayTables(session.connection())) return true;
    session.dialogs.notify(tr("This database keeps no stays (it was made by an older program and "
                              "cannot be changed here), so check-in, check-out and units are not "
                              "available."));
    return false;
}

std::vector<UnitOffer> StayCommands::offersFor(Connection& connection, const Stay& stay,
                                               const std::vector<Unit>& units) {
    std::vector<UnitOffer> offers;
    for (const Unit& unit :
         freeUnits(connection, stay.kind, stay.type, stay.checkIn, stay.checkOut))
        offers.push_back({unit.id, offerText(unit, false), false});
    std::set<std::pair<QString, QString>> otherTypes;
    for (const Unit& unit : units)
        if (unit.inService && (unit.kind != stay.kind || unit.type != stay.type))
            otherTypes.insert({unit.kind, unit.type});
    for (const auto& [kind, type] : otherTypes)
        for (const Unit& unit : freeUnits(connection, kind, type, stay.checkIn, stay.checkOut))
            offers.push_back({unit.id, offerText(unit, true), true});
    return offers;
}

bool StayCommands::run(Session& session, QWidget* parent, StayCommand command,
                       std::optional<qint64> reservationId) {
    Procedure proc(session.dialogs, procedureName(command));
    if (!reservationId) {
        proc.step(100, [&] { session.dialogs.notify(tr("Select a reservation first.")); });
        return false;
    }
    bool available = false;
    if (!proc.step(102, [&] { available = staysAvailable(session); }) || !available) return false;
    Stay stay;
    if (!proc.step(104, [&] { stay = readStay(session.connection(), *reservationId); }))
        return false;
    Connection& connection = session.connection();
    const QString& guest = stay.guestName;

    if (command != StayCommand::Undo && stay.status != statusNeeded(command)) {
        proc.step(106, [&] {
            const QString status = statusText(stay.status);
            switch (command) {
            case StayCommand::CheckIn:
                session.dialogs.notify(
                    tr("The reservation of %1 cannot be checked in: its status is %2.")
                        .arg(guest, status));
                break;
            case StayCommand::CheckOut:
                session.dialogs.notify(
                    tr("The reservation of %1 cannot be checked out: its status is %2.")
                        .arg(guest, status));
                break;
            case StayCommand::Cancel:
                session.dialogs.notify(
                    tr("The reservation of %1 cannot be cancelled: its status is %2.")
                        .arg(guest, status));
                break;
            case StayCommand::NoShow:
                session.dialogs.notify(
                    tr("The reservation of %1 cannot be marked as a no-show: its status is %2.")
                        .arg(guest, status));
                break;
            case StayCommand::Undo:
                break;
            }
        });
        return false;
    }

    bool changed = false;
    switch (command) {
    case StayCommand::CheckIn: {
        // A stay without a unit takes one now: the desk chooses among the free ones.
        std::optional<qint64> unitId;
        if (stay.spans.empty()) {
            std::vector<UnitOffer> offers;
            if (!proc.step(108,
                           [&] { offers = offersFor(connection, stay, readUnits(connection)); }))
                return false;
            if (offers.empty()) {
                proc.step(110, [&] {
                    session.dialogs.notify(
                        tr("No unit is free for every night of %1's stay. Free a unit in the "
                           "room chart, or add one under Tools, Units.")
                            .arg(guest));
                });
                return false;
            }
            std::optional<UnitAnswer> answer;
            proc.step(112, [&] {
                answer = session.chooseUnit(
                    {tr("Check In"),
                     tr("Which unit does %1 take? Units of the booked type (%2 %3) come first.")
                         .arg(guest, stay.type, stay.kind),
                     std::move(offers),
                     false,
                     {},
                     {},
                     {}},
                    parent);
            });
            if (!answer) return false;
            unitId = answer->unitId;
        }
        std::optional<UnitTaken> taken;
        if (!proc.step(
                114, [&] { taken = checkIn(connection, stay.reservationId, unitId, deskName()); }))
            return false;
        if (taken) {
            proc.step(116, [&] {
                session.dialogs.notify(
                    tr("%1 holds that unit on the night of %2, so %3 was not checked in.")
                        .arg(taken->otherGuest, nightText(taken->night), guest));
            });
            return false;
        }
        changed = true;
        break;
    }
    case StayCommand::CheckOut:
        changed = proc.step(118, [&] { checkOut(connection, stay.reservationId, deskName()); });
        break;
    case StayCommand::Cancel: {
        std::optional<CancelReason> reason;
        proc.step(120, [&] { reason = session.chooseCancelReason(guest, parent); });
        if (!reason) return false;
        changed =
            proc.step(122, [&] { cancel(connection, stay.reservationId, *reason, deskName()); });
        break;
    }
    case StayCommand::NoShow: {
        bool confirmed = false;
        proc.step(124, [&] {
            confirmed = session.dialogs.askDefaultNo(
                tr("Mark %1 as a no-show? The reservation stays in the list and its units are "
                   "freed.")
                    .arg(guest));
        });
        if (!confirmed) return false;
        changed = proc.step(126, [&] { markNoShow(connection, stay.reservationId, deskName()); });
        break;
    }
    case StayCommand::Undo: {
        bool possible = false;
        if (!proc.step(128, [&] { possible = canUndo(connection, stay.reservationId); }))
            return false;
        if (!possible) {
            proc.step(130, [&] {
                session.dialogs.notify(
                    tr("There is no check-in or check-out of %1 to undo.").arg(guest));
            });
            return false;
        }
        bool confirmed = false;
        proc.step(132, [&] {
            confirmed = session.dialogs.askDefaultNo(
                tr("Undo the last check-in or check-out of %1?").arg(guest));
        });
        if (!confirmed) return false;
        changed = proc.step(134, [&] { undoLast(connection, stay.reservationId); });
        break;
    }
    }
    return changed;
}

bool StayCommands::moveToUnit(Session& session, qint64 reservationId, const Unit& unit,
                              const QDate& fromNight) {
    Procedure proc(session.dialogs, QStringLiteral("Stays.MoveToUnit"));
    bool available = false;
    if (!proc.step(100, [&] { available = staysAvailable(session); }) || !available) return false;
    std::optional<UnitTaken> taken;
    if (!proc.step(102, [&] {
            taken = assignUnit(session.connection(), reservationId, unit.id, fromNight);
        }))
        return false;
    if (!taken) return true;
    proc.step(104, [&] {
        session.dialogs.notify(
            tr("Unit %1 is held by %2 on the night of %3, so the stay was not moved.")
                .arg(unit.name, taken->otherGuest, nightText(taken->night)));
    });
    return false;
}

} // namespace corvanna
