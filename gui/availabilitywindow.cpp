#include "gui/availabilitywindow.h"

#include "base/dates.h"
#include "base/report.h"
#include "gui/design.h"
#include "gui/form1.h"
#include "gui/inventorywindow.h"
#include "gui/session.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvanna {

namespace {
const QColor kOverBooked{0xf2, 0xa7, 0xa7};
const QColor kToday{0xff, 0xf1, 0xb8};
const QColor kUnlimited{0xee, 0xee, 0xee};

QString rowCaption(const ChartRow& row) {
    return row.type + QLatin1Char(' ') + row.kindWord;
}
} // namespace

AvailabilityWindow::AvailabilityWindow(Form1& mainWindow)
    : QWidget(&mainWindow, Qt::Window)
    , m_mainWindow(mainWindow)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("Availability"));
    setWindowTitle(QStringLiteral("Availability"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* lblStart = new QLabel(QStringLiteral("&From:"), this);
    dtpStart = new QDateEdit(QDate::currentDate(), this);
    dtpStart->setObjectName(QStringLiteral("dtpStart"));
    setUpDatePicker(dtpStart);
    lblStart->setBuddy(dtpStart);
    cboNights = new QComboBox(this);
    cboNights->setObjectName(QStringLiteral("cboNights"));
    cboNights->addItem(QStringLiteral("14 nights"), 14);
    cboNights->addItem(QStringLiteral("31 nights"), 31);
    auto* legend = new QLabel(QStringLiteral("Free units per night; ! marks an over-booked night. "
                                             "(n): booked, no inventory entered."),
                              this);
    legend->setObjectName(QStringLiteral("lblLegend"));

    grdAvailability = new QTableWidget(this);
    grdAvailability->setObjectName(QStringLiteral("grdAvailability"));
    grdAvailability->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAvailability->setSelectionMode(QAbstractItemView::SingleSelection);
    grdAvailability->horizontalHeader()->setDefaultSectionSize(64);

    lblNight = new QLabel(this);
    lblNight->setObjectName(QStringLiteral("lblNight"));
    lstNight = new QTreeWidget(this);
    lstNight->setObjectName(QStringLiteral("lstNight"));
    lstNight->setRootIsDecorated(false);
    lstNight->setHeaderLabels({QStringLiteral("Guest Name"), QStringLiteral("Units"),
                               QStringLiteral("Check In Date"), QStringLiteral("Check Out Date"),
                               QStringLiteral("id")});
    lstNight->setMaximumHeight(160);

    auto* top = new QHBoxLayout;
    top->addWidget(lblStart);
    top->addWidget(dtpStart);
    top->addWidget(cboNights);
    top->addWidget(legend, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdAvailability, 1);
    layout->addWidget(lblNight);
    layout->addWidget(lstNight);
    resize(1000, 600);

    connect(dtpStart, &QDateEdit::dateChanged, this, [this] { refresh(); });
    connect(cboNights, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(grdAvailability, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { grdAvailability_DblClick(row, column); });
    connect(&mainWindow, &Form1::reservationsChanged, this, [this] { refresh(); });
}

QString AvailabilityWindow::cellText(const ChartRow& row, int night) {
    const std::optional<qint64> free = row.freeOn(night);
    if (!free) return QStringLiteral("(%1)").arg(row.booked[size_t(night)]);
    if (*free < 0) return QStringLiteral("!") + QString::number(*free);
    return QString::number(*free);
}

void AvailabilityWindow::refresh() {
    Procedure proc(m_session.dialogs, QStringLiteral("Availability.refresh"));
    const int nights = cboNights->currentData().toInt();
    m_first = dtpStart->date();
    m_rows.clear();
    proc.step(100, [&] { m_rows = readAvailabilityChart(m_session.connection(), m_first, nights); });

    const QDate today = QDate::currentDate();
    const QLocale locale;
    const QString format = shortDateFormat(locale);
    grdAvailability->clear();
    grdAvailability->setRowCount(int(m_rows.size()));
    grdAvailability->setColumnCount(m_rows.empty() ? 0 : nights);
    for (int n = 0; n < grdAvailability->columnCount(); ++n) {
        const QDate night = m_first.addDays(n);
        auto* header = new QTableWidgetItem(
            (night == today ? QStringLiteral("Today") : locale.dayName(night.dayOfWeek(),
                                                                       QLocale::ShortFormat)) +
            QLatin1Char('\n') + locale.toString(night, format));
        if (night == today) {
            QFont bold = header->font();
            bold.setBold(true);
            header->setFont(bold);
        }
        grdAvailability->setHorizontalHeaderItem(n, header);
    }
    for (int r = 0; r < int(m_rows.size()); ++r) {
        const ChartRow& row = m_rows[size_t(r)];
        grdAvailability->setVerticalHeaderItem(r, new QTableWidgetItem(rowCaption(row)));
        for (int n = 0; n < grdAvailability->columnCount(); ++n) {
            const QDate night = m_first.addDays(n);
            const std::optional<qint64> free = row.freeOn(n);
            auto* item = new QTableWidgetItem(cellText(row, n));
            item->setTextAlignment(Qt::AlignCenter);
            QString tip = rowCaption(row) + QStringLiteral(" on ") + locale.toString(night, format) +
                          QStringLiteral(": %1 booked").arg(row.booked[size_t(n)]);
            if (free && *free < 0) {
                item->setBackground(kOverBooked);
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                tip += QStringLiteral(", %1 over").arg(-*free);
            } else if (free) {
                tip += QStringLiteral(", %1 free").arg(*free);
            } else {
                tip += QStringLiteral(", no inventory entered");
            }
            if (!(free && *free < 0)) {
                if (night == today) item->setBackground(kToday);
                else if (!free) item->setBackground(kUnlimited);
            }
            item->setToolTip(tip);
            grdAvailability->setItem(r, n, item);
        }
    }
    grdAvailability->resizeRowsToContents();
}

void AvailabilityWindow::grdAvailability_DblClick(int row, int column) {
    if (row < 0 || row >= int(m_rows.size()) || column < 0) return;
    Procedure proc(m_session.dialogs, QStringLiteral("Availability.grdAvailability_DblClick"));
    const ChartRow& chartRow = m_rows[size_t(row)];
    const QDate night = m_first.addDays(column);
    const QString format = shortDateFormat();
    lstNight->clear();
    lblNight->setText(rowCaption(chartRow) + QStringLiteral(" on ") +
                      QLocale().toString(night, format));
    proc.step(100, [&] {
        for (const NightGuest& g :
             readNightGuests(m_session.connection(), chartRow.kindWord, chartRow.type, night)) {
            auto* item = new QTreeWidgetItem(lstNight);
            item->setText(0, g.guestName);
            item->setText(1, QString::number(g.units));
            item->setText(2, QLocale().toString(g.checkIn, format));
            item->setText(3, QLocale().toString(g.checkOut, format));
            item->setText(4, QString::number(g.id));
        }
    });
}

} // namespace corvanna
