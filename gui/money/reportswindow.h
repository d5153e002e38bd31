#pragma once

#include "store/money.h"

#include <QStringList>
#include <QWidget>
#include <vector>

class QChartView;
class QComboBox;
class QDateEdit;
class QTableWidget;

namespace corvanna {

class Form1;
struct Session;

// The figures of a period, by day or by month: units available, nights sold, occupancy, room
// revenue, ADR and RevPAR in a table with a chart of the occupancy; below, the revenue by tax
// rate, the payments by method, the stays that do not balance and the deleted reservations that
// kept money. The table exports as CSV.
class ReportsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportsWindow(Form1& mainWindow);

    // Reads the period's figures anew; nothing when the database keeps no accounts.
    void refresh();
    // Writes the table as shown (by day or by month) to a CSV file the desk names: ISO dates,
    // amounts and percentages with a decimal point and no currency.
    void Export_Click();

    // The table's rows for a file: its header and its rows (public for the export's reuse).
    QStringList csvHeader() const;
    std::vector<QStringList> csvRows() const;

private:
    void showTable();
    void showChart();
    void showDetails();
    bool byMonth() const;

    Session& m_session;
    QString m_currency;
    Report m_report;
    std::vector<KeptMoney> m_kept;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QComboBox* m_by;
    QTableWidget* m_table;
    QChartView* m_chart;
    QTableWidget* m_taxes;
    QTableWidget* m_payments;
    QTableWidget* m_balances;
    QTableWidget* m_deleted;
};

} // namespace corvanna
