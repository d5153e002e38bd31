// The main window's way to the stays: the Reservation menu's stay commands on the selected row,
// the units, the room chart, and the list's greyed rows.
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/rowdelegate.h"
#include "gui/frame/session.h"
#include "gui/stays/roomchartwindow.h"
#include "gui/stays/staycommands.h"
#include "gui/stays/unitswindow.h"
#include "list/reservationmodel.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QTreeView>

namespace corvanna {

void Form1::showUnits() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showUnits"));
    proc.step(100, [&] {
        UnitsWindow window(*this);
        window.Form_Load();
        window.exec();
    });
}

void Form1::showRoomChart() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showRoomChart"));
    bool available = false;
    proc.step(100, [&] { available = StayCommands::staysAvailable(m_session); });
    if (!available) return;
    proc.step(102, [&] {
        auto* chart = findChild<RoomChartWindow*>();
        if (!chart) {
            chart = new RoomChartWindow(*this);
            chart->refresh();
        }
        chart->show();
        chart->raise();
        chart->activateWindow();
    });
}

std::optional<qint64> Form1::selectedReservation() const {
    const QItemSelectionModel* selection = ListView1->selectionModel();
    const QModelIndex current = selection ? selection->currentIndex() : QModelIndex();
    if (!current.isValid() || !selection->isRowSelected(current.row())) return std::nullopt;
    const qint64 id = model->idAt(current.row());
    return id < 0 ? std::nullopt : std::optional(id);
}

void Form1::stayCommand(StayCommand command, std::optional<qint64> reservationId) {
    QWidget* over = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    if (StayCommands::run(m_session, over, command, reservationId)) refillKeepingSelection();
}

void Form1::readListStatuses() {
    StayCommands::greyEndedStays(m_session, *ListView1);
}

} // namespace corvanna
