#include "gui/money/reportswindow.h"

#include "base/dates.h"
#include "base/report.h"
#include "gui/frame/design.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/money/amounts.h"
#include "gui/money/invoicesheet.h"
#include "gui/money/moneyaccess.h"
#include "list/csvexport.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <QValueAxis>

namespace corvanna {

namespace {

enum Column {
    PeriodColumn,
    AvailableColumn,
    SoldColumn,
    OccupancyColumn,
    RevenueColumn,
    AdrColumn,
    RevParColumn,
    ColumnCount
};
constexpr int kFullPercent = 100;
constexpr int kChartHeight = 220;
constexpr int kLeastTicks = 2;
constexpr int kMostTicks = 8;

// One row of the table, whatever its period.
struct Figures {
    QDate start;
    bool month;
    qint64 available;
    qint64 sold;
    qint64 revenue;
};

QTableWidget* table(QWidget* parent, const char* name, const QStringList& captions) {
    auto* t = new QTableWidget(0, int(captions.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(captions);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

// Fills a table; the columns listed in `right` are amounts, aligned right.
void fill(QTableWidget* t, const std::vector<QStringList>& rows, const QList<int>& right) {
    t->setRowCount(int(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            if (right.contains(c)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(int(r), c, item);
        }
    t->resizeColumnsToContents();
}

std::vector<Figures> figures(const Report& report, bool byMonth) {
    std::vector<Figures> rows;
    if (byMonth)
        for (const ReportMonth& m : report.months)
            rows.push_back({QDate(m.year, m.month, 1), true, m.unitsAvailable, m.nightsSold,
                            m.roomRevenueCents});
    else
        for (const ReportDay& d : report.days)
            rows.push_back({d.day, false, d.unitsAvailable, d.nightsSold, d.roomRevenueCents});
    return rows;
}

} // namespace

ReportsWindow::ReportsWindow(Form1& mainWindow)
    : QWidget(&mainWindow, Qt::Window)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("Reports"));
    setWindowTitle(tr("Reports"));
    setAttribute(Qt::WA_DeleteOnClose);

    const QDate today = QDate::currentDate();
    m_from = new QDateEdit(QDate(today.year(), today.month(), 1), this);
    m_from->setObjectName(QStringLiteral("reportsFrom"));
    m_to = new QDateEdit(QDate(today.year(), today.month(), today.daysInMonth()), this);
    m_to->setObjectName(QStringLiteral("reportsTo"));
    for (QDateEdit* d : {m_from, m_to})
        setUpDatePicker(d);
    auto* fromLabel = new QLabel(tr("&From:"), this);
    fromLabel->setBuddy(m_from);
    auto* toLabel = new QLabel(tr("&To:"), this);
    toLabel->setBuddy(m_to);
    m_by = new QComboBox(this);
    m_by->setObjectName(QStringLiteral("reportsBy"));
    m_by->setAccessibleName(tr("Rows of the table"));
    m_by->addItem(tr("By day"));
    m_by->addItem(tr("By month"));
    auto* show = new QPushButton(tr("&Show"), this);
    show->setObjectName(QStringLiteral("reportsShow"));
    auto* exportCsv = new QPushButton(tr("E&xport CSV…"), this);
    exportCsv->setObjectName(QStringLiteral("reportsExport"));
    connect(show, &QPushButton::clicked, this, [this] { refresh(); });
    connect(exportCsv, &QPushButton::clicked, this, [this] { Export_Click(); });
    connect(m_by, &QComboBox::currentIndexChanged, this, [this] {
        showTable();
        showChart();
    });
    auto* top = new QHBoxLayout;
    top->addWidget(fromLabel);
    top->addWidget(m_from);
    top->addWidget(toLabel);
    top->addWidget(m_to);
    top->addWidget(m_by);
    top->addWidget(show);
    top->addStretch();
    top->addWidget(exportCsv);

    m_table = table(this, "reportsTable",
                    {tr("Period"), tr("Units available"), tr("Nights sold"), tr("Occupancy"),
                     tr("Room revenue"), tr("ADR"), tr("RevPAR")});
    m_table->setAccessibleName(tr("Occupancy and revenue"));
    m_chart = new QChartView(this);
    m_chart->setObjectName(QStringLiteral("reportsChart"));
    m_chart->setAccessibleName(tr("Occupancy chart"));
    m_chart->setMinimumHeight(kChartHeight);
    m_chart->setRenderHint(QPainter::Antialiasing);

    m_taxes = table(this, "reportsTaxes", {tr("Tax rate"), tr("Gross"), tr("Net"), tr("Tax")});
    m_payments = table(this, "reportsPayments", {tr("Method"), tr("Amount")});
    m_balances = table(this, "reportsBalances",
                       {tr("Reservation"), tr("Guest Name"), tr("Check In Date"),
                        tr("Check Out Date"), tr("Balance")});
    m_deleted = table(this, "reportsDeleted",
                      {tr("Reservation"), tr("Guest Name"), tr("Check In Date"),
                       tr("Check Out Date"), tr("Deleted")});
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("reportsTabs"));
    tabs->addTab(m_taxes, tr("Revenue by tax rate"));
    tabs->addTab(m_payments, tr("Payments by method"));
    tabs->addTab(m_balances, tr("Open balances"));
    tabs->addTab(m_deleted, tr("Deleted reservations with money"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 2);
    layout->addWidget(m_chart, 2);
    layout->addWidget(tabs, 1);
    resize(900, 760);
}

bool ReportsWindow::byMonth() const {
    return m_by->currentIndex() == 1;
}

void ReportsWindow::refresh() {
    Procedure proc(m_session.dialogs, QStringLiteral("Reports.refresh"));
    bool available = false;
    proc.step(100, [&] { available = MoneyAccess::available(m_session); });
    if (!available) return;
    if (m_to->date() < m_from->date()) {
        proc.step(102, [&] {
            m_session.dialogs.notify(tr("The period's last day cannot come before its first."));
        });
        return;
    }
    m_report = Report();
    m_kept.clear();
    proc.step(104, [&] {
        m_currency = MoneyAccess::currency(m_session.connection());
        m_report = readReport(m_session.connection(), m_from->date(), m_to->date());
    });
    proc.step(106, [&] { m_kept = readDeletedWithMoney(m_session.connection()); });
    showTable();
    showChart();
    showDetails();
}

QStringList ReportsWindow::csvHeader() const {
    QStringList header;
    for (int c = 0; c < ColumnCount; ++c)
        header << m_table->horizontalHeaderItem(c)->text();
    return header;
}

std::vector<QStringList> ReportsWindow::csvRows() const {
    const QLocale c = QLocale::c();
    std::vector<QStringList> rows;
    for (const Figures& f : figures(m_report, byMonth()))
        rows.push_back(
            {f.start.toString(f.month ? QStringLiteral("yyyy-MM") : QStringLiteral("yyyy-MM-dd")),
             QString::number(f.available), QString::number(f.sold),
             editableAmount(occupancyBasisPoints(f.sold, f.available), c),
             editableAmount(f.revenue, c),
             editableAmount(averageDailyRateCents(f.revenue, f.sold), c),
             editableAmount(revParCents(f.revenue, f.available), c)});
    return rows;
}

void ReportsWindow::showTable() {
    const auto money = [&](qint64 cents) { return formatMoney(cents, m_currency); };
    std::vector<QStringList> rows;
    for (const Figures& f : figures(m_report, byMonth()))
        rows.push_back({f.month ? QLocale().toString(f.start, QStringLiteral("MMMM yyyy"))
                                : QLocale().toString(f.start, shortDateFormat()),
                        QLocale().toString(f.available), QLocale().toString(f.sold),
                        formatPercent(int(occupancyBasisPoints(f.sold, f.available))),
                        money(f.revenue), money(averageDailyRateCents(f.revenue, f.sold)),
                        money(revParCents(f.revenue, f.available))});
    fill(m_table, rows,
         {AvailableColumn, SoldColumn, OccupancyColumn, RevenueColumn, AdrColumn, RevParColumn});
}

void ReportsWindow::showChart() {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(tr("Occupancy"));
    auto* series = new QLineSeries(chart);
    for (const Figures& f : figures(m_report, byMonth()))
        series->append(double(f.start.startOfDay().toMSecsSinceEpoch()),
                       double(occupancyBasisPoints(f.sold, f.available)) / kFullPercent);
    chart->addSeries(series);
    auto* time = new QDateTimeAxis(chart);
    time->setFormat(byMonth() ? QStringLiteral("MMM yyyy") : shortDateFormat());
    time->setRange(m_from->date().startOfDay(), m_to->date().startOfDay());
    // A tick per period on a short one, never two ticks on one day.
    time->setTickCount(std::clamp(int(series->count()), kLeastTicks, kMostTicks));
    auto* percent = new QValueAxis(chart);
    percent->setRange(0, kFullPercent);
    percent->setLabelFormat(QStringLiteral("%d %%"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    series->attachAxis(time);
    series->attachAxis(percent);
    QChart* old = m_chart->chart();
    m_chart->setChart(chart);
    delete old;
}

void ReportsWindow::showDetails() {
    const auto money = [&](qint64 cents) { return formatMoney(cents, m_currency); };
    const auto date = [](const QDate& d) { return QLocale().toString(d, shortDateFormat()); };
    std::vector<QStringList> rows;
    for (const auto& [id, tax] : m_report.revenueByTaxRate)
        rows.push_back({tr("%1 %2").arg(tax.name, formatPercent(tax.basisPoints)),
                        money(tax.grossCents), money(tax.grossCents - tax.taxCents),
                        money(tax.taxCents)});
    fill(m_taxes, rows, {1, 2, 3});
    rows.clear();
    for (const auto& [method, cents] : m_report.paymentsByMethod)
        rows.push_back({method, money(cents)});
    fill(m_payments, rows, {1});
    rows.clear();
    for (const OpenBalance& b : m_report.openBalances)
        rows.push_back({QString::number(b.reservationId), b.guestName, date(b.checkIn),
                        date(b.checkOut), money(b.balanceCents)});
    fill(m_balances, rows, {0, 4});
    rows.clear();
    for (const KeptMoney& k : m_kept)
        rows.push_back({QString::number(k.reservationId), k.guestName, date(k.checkIn),
                        date(k.checkOut),
                        QLocale().toString(k.deletedAt.toLocalTime(), QLocale::ShortFormat)});
    fill(m_deleted, rows, {0});
}

void ReportsWindow::Export_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Reports.Export_Click"));
    QString path;
    proc.step(100, [&] {
        const QString title = tr("Report %1 to %2")
                                  .arg(QLocale().toString(m_from->date(), shortDateFormat()),
                                       QLocale().toString(m_to->date(), shortDateFormat()));
        const QString suggested =
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .filePath(listFileName(title) + QStringLiteral(".csv"));
        path = m_session.saveFileName
                   ? m_session.saveFileName(this, suggested)
                   : QFileDialog::getSaveFileName(this, tr("Export CSV"), suggested,
                                                  tr("CSV files (*.csv)"));
    });
    if (path.isEmpty()) return;
    proc.step(102, [&] { exportTable(csvHeader(), csvRows(), path); });
}

} // namespace corvanna
