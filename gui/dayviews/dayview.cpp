#include "gui/dayviews/dayview.h"

#include "base/dates.h"
#include "base/pointershape.h"
#include "base/report.h"
#include "base/settings.h"
#include "base/twips.h"
#include "gui/frame/design.h"
#include "gui/frame/rowdelegate.h"
#include "gui/frame/session.h"
#include "gui/output/listoutput.h"
#include "gui/stays/staycommands.h"
#include "list/dayviewfill.h"
#include "list/reservationmodel.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace corvanna {

namespace {

// The day's rows. A stay stored with its check-out before its check-in is shown in both its
// arrivals and its departures; it is marked on its name and its two dates (a warning sign, a tip
// and what assistive technology reads), so the desk sees it and mends it.
class DayListModel final : public ReservationModel {
public:
    using ReservationModel::ReservationModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole || !index.isValid() || !carriesMark(index.column()) ||
            !datesReversed(index.row()))
            return ReservationModel::data(index, role);
        switch (role) {
        case Qt::DecorationRole:
            if (index.column() != GuestName) break;
            if (m_mark.isNull())
                m_mark = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return m_mark;
        case Qt::ToolTipRole:
            return DayViewWindow::tr("The dates are reversed: the check-out date is before the "
                                     "check-in date.");
        case Qt::AccessibleTextRole:
            return DayViewWindow::tr("%1, dates reversed")
                .arg(ReservationModel::data(index, Qt::DisplayRole).toString());
        default:
            break;
        }
        return ReservationModel::data(index, role);
    }

private:
    static bool carriesMark(int column) {
        return column == GuestName || column == CheckInDate || column == CheckOutDate;
    }
    bool datesReversed(int row) const {
        const QDate in = QDate::fromString(isoCellText(row, CheckInDate), Qt::ISODate);
        const QDate out = QDate::fromString(isoCellText(row, CheckOutDate), Qt::ISODate);
        return in.isValid() && out.isValid() && out < in;
    }

    mutable QIcon m_mark;
};

} // namespace

DayViewWindow::DayViewWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_session(session) {
    setObjectName(QStringLiteral("DayView"));
    setFont(designFont(9));
    resize(twipsToPixels(9960), twipsToPixels(6000));

    auto* viewLabel = new QLabel(tr("&View:"), this);
    m_view = new QComboBox(this);
    m_view->setObjectName(QStringLiteral("dayViewChoice"));
    for (const DayViewEntry& entry : dayViewTable())
        m_view->addItem(viewName(entry.view), int(entry.view));
    viewLabel->setBuddy(m_view);
    m_view->setAccessibleName(tr("View"));

    auto* dateLabel = new QLabel(tr("&Date:"), this);
    m_date = new QDateEdit(QDate::currentDate(), this);
    m_date->setObjectName(QStringLiteral("dayViewDate"));
    setUpDatePicker(m_date);
    dateLabel->setBuddy(m_date);
    m_date->setAccessibleName(tr("Date"));
    auto* today = new QPushButton(tr("&Today"), this);
    today->setObjectName(QStringLiteral("dayViewToday"));

    m_model = new DayListModel(this);
    m_model->setCardNumbersInFull(cardNumbersShownInFull());
    m_model->setGuestNameOrder(true); // the main list's order of names
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("dayList"));
    m_list->setAccessibleName(tr("Reservations of the day"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setItemDelegate(new ListRowDelegate(m_list));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setMinimumSectionSize(0);
    m_list->header()->setSectionsClickable(true);
    // The main list's widths: the ID practically hidden, the others 2000 twips.
    m_list->header()->resizeSection(0, twipsToPixels(1));
    for (int c = 1; c < m_model->columnCount(); ++c)
        m_list->header()->resizeSection(c, twipsToPixels(2000));
    connect(m_list->header(), &QHeaderView::sectionClicked, this, [this](int section) {
        m_model->columnClick(section + 1);
        m_list->header()->setSortIndicatorShown(true);
        m_list->header()->setSortIndicator(m_model->sortKey(),
                                           m_model->sortOrder() == ReservationModel::Ascending
                                               ? Qt::AscendingOrder
                                               : Qt::DescendingOrder);
    });

    auto* exportButton = new QPushButton(tr("E&xport CSV..."), this);
    exportButton->setObjectName(QStringLiteral("dayViewExport"));
    auto* printButton = new QPushButton(tr("&Print..."), this);
    printButton->setObjectName(QStringLiteral("dayViewPrint"));
    // The stay commands, on the list's context menu and on the Stay button's menu.
    auto* stayMenu = new QMenu(this);
    stayMenu->setObjectName(QStringLiteral("dayViewStayMenu"));
    const std::pair<const char*, QString> stayCommands[] = {
        {"dayViewCheckIn", tr("Check &In")},
        {"dayViewCheckOut", tr("Check &Out")},
        {"dayViewCancel", tr("&Cancel…")},
        {"dayViewNoShow", tr("No-&show")},
        {"dayViewUndo", tr("&Undo Check-in/Check-out")}};
    const StayCommand commands[] = {StayCommand::CheckIn, StayCommand::CheckOut,
                                    StayCommand::Cancel, StayCommand::NoShow, StayCommand::Undo};
    for (size_t i = 0; i < std::size(commands); ++i) {
        QAction* action = stayMenu->addAction(stayCommands[i].second);
        action->setObjectName(QString::fromLatin1(stayCommands[i].first));
        connect(action, &QAction::triggered, this, [this, command = commands[i]] {
            emit stayCommandRequested(command, selectedReservation());
        });
        m_list->addAction(action);
    }
    // The reservation's account, opened by the main window.
    stayMenu->addSeparator();
    QAction* folio = stayMenu->addAction(tr("&Folio…"));
    folio->setObjectName(QStringLiteral("dayViewFolio"));
    connect(folio, &QAction::triggered, this,
            [this] { emit folioRequested(selectedReservation()); });
    m_list->addAction(folio);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* stayButton = new QPushButton(tr("Sta&y"), this);
    stayButton->setObjectName(QStringLiteral("dayViewStay"));
    stayButton->setMenu(stayMenu);
    stayButton->setAccessibleName(tr("Stay"));

    auto* closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName(QStringLiteral("dayViewClose"));
    for (QPushButton* b : {today, exportButton, printButton, closeButton})
        b->setAccessibleName(b->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")));

    auto* top = new QHBoxLayout;
    top->addWidget(viewLabel);
    top->addWidget(m_view);
    top->addSpacing(12);
    top->addWidget(dateLabel);
    top->addWidget(m_date);
    top->addWidget(today);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(exportButton);
    bottom->addWidget(printButton);
    bottom->addWidget(stayButton);
    bottom->addStretch();
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list);
    layout->addLayout(bottom);

    connect(m_view, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    connect(m_date, &QDateEdit::dateChanged, this, [this] { Refresh(); });
    connect(today, &QPushButton::clicked, this, [this] { m_date->setDate(QDate::currentDate()); });
    connect(exportButton, &QPushButton::clicked, this, [this] { Export_Click(); });
    connect(printButton, &QPushButton::clicked, this, [this] { Print_Click(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QString DayViewWindow::viewName(DayView view) {
    const DayViewEntry* entry = findDayView(view);
    return entry ? QCoreApplication::translate("DayView", entry->name) : QString();
}

DayView DayViewWindow::view() const {
    return DayView(m_view->currentData().toInt());
}

QDate DayViewWindow::date() const {
    return m_date->date();
}

QString DayViewWindow::listTitle() const {
    //: A day view's name and its date, as the list's title: "Arrivals 08/12/2026"
    return tr("%1 %2").arg(viewName(view()), QLocale().toString(date(), shortDateFormat()));
}

void DayViewWindow::showDay(DayView view, const QDate& date) {
    const QSignalBlocker blockView(m_view);
    const QSignalBlocker blockDate(m_date);
    m_view->setCurrentIndex(m_view->findData(int(view)));
    m_date->setDate(date);
    Refresh();
}

void DayViewWindow::Refresh() {
    Procedure proc(m_session.dialogs, QStringLiteral("DayView.Refresh"));
    fillDayView(proc, *m_model, m_session.dbConnection.get(), view(), date(), [this](int shape) {
        if (shape == kPointerHourglass)
            setCursor(Qt::WaitCursor);
        else
            unsetCursor();
    });
    StayCommands::greyEndedStays(m_session, *m_list);
    if (const int first = m_model->firstAddedRow(); first >= 0)
        m_list->selectionModel()->setCurrentIndex(m_model->index(first, 0),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    const int count = m_model->rowCount();
    // English says "1 reservation" and "%n reservations"; translations follow their plural forms.
    setWindowTitle(count == 1 ? tr("%1 - 1 reservation").arg(listTitle())
                              : tr("%1 - %n reservations", nullptr, count).arg(listTitle()));
}

std::optional<qint64> DayViewWindow::selectedReservation() const {
    const QItemSelectionModel* selection = m_list->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (!current.isValid() || !selection->isRowSelected(current.row())) return std::nullopt;
    const qint64 id = m_model->idAt(current.row());
    return id < 0 ? std::nullopt : std::optional(id);
}

void DayViewWindow::Export_Click() {
    exportShownList(m_session, this, {m_list, m_model, listTitle()},
                    QStringLiteral("DayView.Export_Click"));
}

void DayViewWindow::Print_Click() {
    printShownList(m_session, this, {m_list, m_model, listTitle()},
                   QStringLiteral("DayView.Print_Click"));
}

} // namespace corvanna
