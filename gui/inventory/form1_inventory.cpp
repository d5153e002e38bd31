// The main window's way to the hotel's inventory and its availability chart.
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/inventory/availabilitywindow.h"
#include "gui/inventory/inventorywindow.h"

namespace corvanna {

void Form1::showInventory() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showInventory"));
    proc.step(100, [&] {
        InventoryWindow window(*this);
        window.Form_Load();
        window.exec();
    });
}

void Form1::showAvailability() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showAvailability"));
    proc.step(100, [&] { noticeInventoryUnavailable(m_session); });
    proc.step(102, [&] {
        auto* chart = findChild<AvailabilityWindow*>();
        if (!chart) {
            chart = new AvailabilityWindow(*this);
            chart->refresh();
        }
        chart->show();
        chart->raise();
        chart->activateWindow();
    });
}

} // namespace corvanna
