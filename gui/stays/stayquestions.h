#pragma once

#include "store/stays.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace corvanna {

// A unit the desk may choose: its id and how the choice names it. `marked` units are offered
// after the others and say why they are not the first choice (another type).
struct UnitOffer {
    qint64 unitId = 0;
    QString text;
    bool marked = false;
};

// Which unit a stay takes: for a check-in from its first night, for a move also from which night.
struct UnitQuestion {
    QString title;
    QString prompt;
    std::vector<UnitOffer> offers; // in the order shown
    bool asksNight = false;
    QDate night; // the night proposed; the desk may choose one from firstNight to lastNight
    QDate firstNight;
    QDate lastNight;
};

struct UnitAnswer {
    qint64 unitId = 0;
    QDate night; // valid only when the question asked for it
};

// The program's own windows for the two questions; nothing when the desk cancels.
std::optional<UnitAnswer> askForUnit(const UnitQuestion& question, QWidget* parent);
std::optional<CancelReason> askCancelReason(const QString& guestName, QWidget* parent);

} // namespace corvanna
