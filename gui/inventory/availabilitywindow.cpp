#include "gui/inventory/availabilitywindow.h"

#include "base/dates.h"
#include "base/report.h"
#include "gui/editor/guesteditor.h"
#include "gui/frame/design.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/inventory/inventorywindow.h"
#include "store/statements.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace corvanna {

namespace {
const QColor kOverBooked{0xf2, 0xa7, 0xa7};
const QColor kToday{0xff, 0xf1, 0xb8};
const QColor kUnlimited{0xee, 0xee, 0xee};
constexpr int kIdColumn = 4; // the night list's reservation id

} // namespace

AvailabilityWindow::AvailabilityWindow(Form1& mainWindow)
    : QWidget(&mainWindow, Qt::Window)
    , m_mainWindow(mainWindow)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("Availability"));
    setWindowTitle(tr("Availability"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* startLabel = new QLabel(tr("&From:"), this);
    m_startDate = new QDateEdit(QDate::currentDate(), this);
    m_startDate->setObjectName(QStringLiteral("availabilityStart"));
    setUpDatePicker(m_startDate);
    startLabel->setBuddy(m_startDate);
    m_nightCount = new QComboBox(this);
    m_nightCount->setObjectName(QStringLiteral("availabilityNights"));
    m_nightCount->addItem(tr("%n nights", nullptr, 14), 14);
    m_nightCount->addItem(tr("%n nights", nullptr, 31), 31);
    auto* legend = new QLabel(tr("Free units per night; ! marks an over-booked night. "
                                 "(n): booked, no inventory entered."),
                              this);
    legend->setObjectName(QStringLiteral("availabilityLegend"));

    m_model = new AvailabilityModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("availabilityGrid"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setDefaultSectionSize(64);
    m_grid->setAccessibleName(tr("Availability"));

    m_nightLabel = new QLabel(this);
    m_nightLabel->setObjectName(QStringLiteral("nightLabel"));
    m_nightList = new QTreeWidget(this);
    m_nightList->setObjectName(QStringLiteral("nightList"));
    m_nightList->setRootIsDecorated(false);
    m_nightList->setHeaderLabels(
        {tr("Guest Name"), tr("Units"), tr("Check In Date"), tr("Check Out Date"), tr("id")});
    m_nightList->setMaximumHeight(160);
    m_nightList->setAccessibleName(tr("Reservations of the night"));

    auto* top = new QHBoxLayout;
    top->addWidget(startLabel);
    top->addWidget(m_startDate);
    top->addWidget(m_nightCount);
    top->addWidget(legend, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_nightLabel);
    layout->addWidget(m_nightList);
    resize(1000, 600);

    connect(m_startDate, &QDateEdit::dateChanged, this, [this] { refresh(); });
    connect(m_nightCount, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(m_grid, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { Grid_DblClick(index.row(), index.column()); });
    connect(m_nightList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        NightList_DblClick(m_nightList->indexOfTopLevelItem(item));
    });
    // The keyboard's double-click: Enter or Space on the chart's current cell, Enter on the
    // night's current reservation.
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)}) {
        auto* open = new QShortcut(key, m_grid, nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this, [this] {
            const QModelIndex cell = m_grid->currentIndex();
            if (cell.isValid()) Grid_DblClick(cell.row(), cell.column());
        });
    }
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* open = new QShortcut(key, m_nightList, nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this, [this] {
            if (QTreeWidgetItem* item = m_nightList->currentItem())
                NightList_DblClick(m_nightList->indexOfTopLevelItem(item));
        });
    }
    connect(&mainWindow, &Form1::reservationsChanged, this, [this] { refresh(); });
}

void AvailabilityModel::reset(std::vector<ChartRow> rows, const QDate& first, int nights,
                              const QDate& today) {
    beginResetModel();
    m_rows = std::move(rows);
    m_first = first;
    m_nights = m_rows.empty() ? 0 : nights;
    m_today = today;
    m_format = shortDateFormat();
    endResetModel();
}

int AvailabilityModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int AvailabilityModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_nights;
}

QString AvailabilityModel::caption(const ChartRow& row) {
    return row.type + QLatin1Char(' ') + kindText(row.kindWord);
}

QString AvailabilityModel::cellText(const ChartRow& row, int night) {
    const std::optional<qint64> free = row.freeOn(night);
    if (!free) return QStringLiteral("(%1)").arg(row.booked[size_t(night)]);
    if (*free < 0) return QStringLiteral("!") + QString::number(*free);
    return QString::number(*free);
}

QVariant AvailabilityModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_nights) return {};
    const ChartRow& row = m_rows[size_t(index.row())];
    const int n = index.column();
    const std::optional<qint64> free = row.freeOn(n);
    const bool over = free && *free < 0;
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, n);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (over) return QBrush(kOverBooked);
        if (night(n) == m_today) return QBrush(kToday);
        if (!free) return QBrush(kUnlimited);
        return {};
    case Qt::FontRole:
        if (over) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ToolTipRole: {
        const QString shown = caption(row);
        const QString date = QLocale().toString(night(n), m_format);
        const QString booked = QString::number(row.booked[size_t(n)]);
        if (over)
            return AvailabilityWindow::tr("%1 on %2: %3 booked, %4 over")
                .arg(shown, date, booked, QString::number(-*free));
        if (free)
            return AvailabilityWindow::tr("%1 on %2: %3 booked, %4 free")
                .arg(shown, date, booked, QString::number(*free));
        return AvailabilityWindow::tr("%1 on %2: %3 booked, no inventory entered")
            .arg(shown, date, booked);
    }
    default:
        return {};
    }
}

QVariant AvailabilityModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole && section >= 0 && section < rowCount())
            return caption(m_rows[size_t(section)]);
        return {};
    }
    if (section < 0 || section >= m_nights) return {};
    const QDate date = night(section);
    const QLocale locale;
    if (role == Qt::DisplayRole)
        return (date == m_today ? AvailabilityWindow::tr("Today")
                                : locale.dayName(date.dayOfWeek(), QLocale::ShortFormat)) +
               QLatin1Char('\n') + locale.toString(date, m_format);
    if (role == Qt::FontRole && date == m_today) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

void AvailabilityWindow::refresh() {
    Procedure proc(m_session.dialogs, QStringLiteral("Availability.refresh"));
    const int nights = m_nightCount->currentData().toInt();
    const QDate first = m_startDate->date();
    std::vector<ChartRow> rows;
    proc.step(100, [&] { rows = readAvailabilityChart(m_session.connection(), first, nights); });
    m_model->reset(std::move(rows), first, nights, QDate::currentDate());
    // Every column as wide as the widest date the locale writes, so no header loses letters;
    // the bold "Today" is a little wider than the plain metrics give.
    const QFontMetrics metrics(m_grid->horizontalHeader()->font());
    const QString format = shortDateFormat();
    int width = metrics.horizontalAdvance(tr("Today"));
    for (int n = 0; n < m_model->columnCount(); n += 7)
        width = std::max(width,
                         metrics.horizontalAdvance(QLocale().toString(first.addDays(n), format)));
    m_grid->horizontalHeader()->setDefaultSectionSize(width + 24);
}

void AvailabilityWindow::Grid_DblClick(int row, int column) {
    if (row < 0 || row >= m_model->rowCount() || column < 0 || column >= m_model->columnCount())
        return;
    listNight({m_model->chartRow(row), m_model->night(column)});
}

void AvailabilityWindow::listNight(const ShownNight& shown) {
    Procedure proc(m_session.dialogs, QStringLiteral("Availability.Grid_DblClick"));
    m_shownNight = shown;
    const QString format = shortDateFormat();
    m_nightList->clear();
    m_nightLabel->setText(tr("%1 on %2")
                              .arg(AvailabilityModel::caption(shown.chartRow),
                                   QLocale().toString(shown.night, format)));
    proc.step(100, [&] {
        for (const NightGuest& g : readNightGuests(m_session.connection(), shown.chartRow.kindWord,
                                                   shown.chartRow.type, shown.night)) {
            auto* item = new QTreeWidgetItem(m_nightList);
            item->setText(0, g.guestName);
            item->setText(1, QString::number(g.units));
            item->setText(2, QLocale().toString(g.checkIn, format));
            item->setText(3, QLocale().toString(g.checkOut, format));
            item->setText(kIdColumn, QString::number(g.id));
        }
    });
    if (m_nightList->topLevelItemCount() > 0)
        m_nightList->setCurrentItem(m_nightList->topLevelItem(0));
}

void AvailabilityWindow::NightList_DblClick(int row) {
    QTreeWidgetItem* item = m_nightList->topLevelItem(row);
    if (!item || !m_shownNight) return;
    Procedure proc(m_session.dialogs, QStringLiteral("Availability.NightList_DblClick"));
    // As the main window's Edit Selected opens it: the reservation's key, then the modal editor.
    if (!proc.step(100, [&] { m_session.mHotelID = checkedId(item->text(kIdColumn)); })) return;
    proc.step(102, [&] { showGuestEditor(m_mainWindow); });
    // A save may have moved or removed the stay.
    const ShownNight shown = *m_shownNight;
    listNight(shown);
}

} // namespace corvanna
