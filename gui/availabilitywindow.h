#pragma once

#include "editor/availability.h"

#include <QDate>
#include <QWidget>
#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;
class QTreeWidget;

namespace corvanna {

class Form1;
struct Session;

// The availability chart: one row per kind and type, one column per night from a chosen date for
// 14 or 31 nights, each cell the free units. Over-booked cells are coloured and carry a "!";
// today's column is marked. A double-click on a cell lists that type's reservations on that
// night. It follows every fill of the main window's list, so a save or delete shows at once.
class AvailabilityWindow : public QWidget {
    Q_OBJECT
public:
    explicit AvailabilityWindow(Form1& mainWindow);

    // Reads the chart anew for the start date and number of nights shown.
    void refresh();
    // Lists the reservations of the cell's kind and type on its night.
    void grdAvailability_DblClick(int row, int column);

    // A cell's text: the free units, "!" and the (negative) free units when over-booked, the
    // booked units in brackets for a type without inventory.
    static QString cellText(const ChartRow& row, int night);

private:
    Form1& m_mainWindow;
    Session& m_session;
    QDateEdit* dtpStart;
    QComboBox* cboNights;
    QTableWidget* grdAvailability;
    QLabel* lblNight;
    QTreeWidget* lstNight;
    std::vector<ChartRow> m_rows;
    QDate m_first;
};

} // namespace corvanna
