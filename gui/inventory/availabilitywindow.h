#pragma once

#include "editor/availability.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QTableView;
class QTreeWidget;

namespace corvanna {

class Form1;
struct Session;

// The chart's cells, formatted when the view asks for them: the free units, "!" and the
// (negative) free units when over-booked, the booked units in brackets for a type without
// inventory; over-booked cells coloured, today's column marked.
class AvailabilityModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    void reset(std::vector<ChartRow> rows, const QDate& first, int nights, const QDate& today);
    const ChartRow& chartRow(int row) const { return m_rows[size_t(row)]; }
    QDate night(int column) const { return m_first.addDays(column); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString cellText(const ChartRow& row, int night);
    static QString caption(const ChartRow& row);

private:
    std::vector<ChartRow> m_rows;
    QDate m_first;
    QDate m_today;
    int m_nights = 0;
    QString m_format;
};

// The availability chart: one row per kind and type, one column per night from a chosen date for
// 14 or 31 nights, each cell the free units. Over-booked cells are coloured and carry a "!";
// today's column is marked. A double-click on a cell (or Enter or Space) lists that type's
// reservations on that night; a double-click on one of them (or Enter) opens it in the guest
// editor. It follows every fill of the main window's list, so a save or delete shows at once.
class AvailabilityWindow : public QWidget {
    Q_OBJECT
public:
    explicit AvailabilityWindow(Form1& mainWindow);

    // Reads the chart anew for the start date and number of nights shown.
    void refresh();
    // Lists the reservations of the cell's kind and type on its night.
    void Grid_DblClick(int row, int column);
    // Opens the night's reservation in the guest editor, then lists the night again.
    void NightList_DblClick(int row);

private:
    // The night the list shows: its kind and type, and the night.
    struct ShownNight {
        ChartRow chartRow;
        QDate night;
    };
    void listNight(const ShownNight& shown);

    Form1& m_mainWindow;
    Session& m_session;
    QDateEdit* m_startDate;
    QComboBox* m_nightCount;
    QTableView* m_grid;
    AvailabilityModel* m_model;
    QLabel* m_nightLabel;
    QTreeWidget* m_nightList;
    std::optional<ShownNight> m_shownNight;
};

} // namespace corvanna
