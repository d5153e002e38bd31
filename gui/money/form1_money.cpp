// The main window's way to the money: the hotel's details, the rates, the selected reservation's
// folio and the reports.
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/money/foliowindow.h"
#include "gui/money/hotelwindow.h"
#include "gui/money/rateswindow.h"
#include "gui/money/reportswindow.h"

#include <QApplication>

namespace corvanna {

void Form1::showHotel() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showHotel"));
    proc.step(100, [&] {
        HotelWindow window(*this);
        window.Form_Load();
        window.exec();
    });
}

void Form1::showRates() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showRates"));
    proc.step(100, [&] {
        RatesWindow window(*this);
        window.Form_Load();
        window.exec();
    });
}

void Form1::showFolio(std::optional<qint64> reservationId) {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showFolio"));
    if (!reservationId) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("Select a reservation first.")); });
        return;
    }
    proc.step(102, [&] {
        FolioWindow window(*this, *reservationId);
        window.Form_Load();
        window.exec();
    });
}

void Form1::showReports() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showReports"));
    proc.step(100, [&] {
        auto* reports = findChild<ReportsWindow*>();
        if (!reports) {
            reports = new ReportsWindow(*this);
            reports->refresh();
        }
        reports->show();
        reports->raise();
        reports->activateWindow();
    });
}

} // namespace corvanna
