#pragma once

#include "store/stays.h"

#include <QDate>
#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QListWidget;
class QScrollArea;

namespace corvanna {

class Form1;
class RoomChartView;
struct Session;

// The room chart: units down, 14 or 31 nights across from a chosen date (a week back or on at a
// click), a bar per stay, and beside it the stays that have no unit yet. A stay moves to another
// unit by a drag, or by the keyboard with Move to Unit…; an unassigned stay takes a unit the same
// ways. It follows every fill of the main window's list, so another desk's change shows here too.
class RoomChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit RoomChartWindow(Form1& mainWindow);
    ~RoomChartWindow() override;

    // Reads the chart anew for the nights shown, keeping the chosen stay chosen.
    void refresh();
    // The chosen stay: the chart's selected bar, or the unassigned stay chosen beside it.
    std::optional<qint64> chosenReservation() const;

    // Asks for the unit (and, for a stay that has one, the night) and moves the chosen stay.
    void MoveToUnit_Click();
    void Open_Click();
    // A bar or an unassigned stay dropped on a unit's night.
    void dropOnUnit(qint64 reservationId, int unitRow, int column);
    void shiftWeeks(int weeks);

private:
    void openReservation(qint64 reservationId);
    void fillUnassigned();

    Form1& m_mainWindow;
    Session& m_session;
    QDateEdit* m_startDate;
    QComboBox* m_nightCount;
    QScrollArea* m_scroll;
    RoomChartView* m_view;
    QListWidget* m_unassigned;
    // Which of the two the desk chose last: the chart's bar or the unassigned stay.
    bool m_unassignedChosen = false;
    // The application's focus signal, dropped before the window's members go.
    QMetaObject::Connection m_focusWatch;
};

} // namespace corvanna
