#include "gui/stays/roomchartwindow.h"

#include "base/dates.h"
#include "base/report.h"
#include "editor/roomchart.h"
#include "gui/editor/guesteditor.h"
#include "gui/frame/design.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/stays/roomchartview.h"
#include "gui/stays/staycommands.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace corvanna {

namespace {

constexpr int kShortNights = 14;
constexpr int kLongNights = 31;
constexpr int kWeek = 7;
constexpr int kIdRole = Qt::UserRole;
constexpr int kUnassignedWidth = 240;

// The stays without a unit, each dragged out as its reservation's id.
class UnassignedList final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QStringList mimeTypes() const override {
        return {QString::fromLatin1(RoomChartView::kReservationMime)};
    }
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
        if (items.isEmpty()) return nullptr;
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(RoomChartView::kReservationMime),
                      QByteArray::number(items.first()->data(kIdRole).toLongLong()));
        return data;
    }
};

QString dayText(const QDate& date) {
    return QLocale().toString(date, shortDateFormat());
}

} // namespace

// The focus moves while the child widgets are destroyed; by then this window is no longer one.
RoomChartWindow::~RoomChartWindow() {
    disconnect(m_focusWatch);
}

RoomChartWindow::RoomChartWindow(Form1& mainWindow)
    : QWidget(&mainWindow, Qt::Window)
    , m_mainWindow(mainWindow)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("RoomChart"));
    setWindowTitle(tr("Room Chart"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* startLabel = new QLabel(tr("&From:"), this);
    m_startDate = new QDateEdit(QDate::currentDate(), this);
    m_startDate->setObjectName(QStringLiteral("roomChartStart"));
    setUpDatePicker(m_startDate);
    m_startDate->setAccessibleName(tr("First night"));
    startLabel->setBuddy(m_startDate);
    m_nightCount = new QComboBox(this);
    m_nightCount->setObjectName(QStringLiteral("roomChartNights"));
    m_nightCount->setAccessibleName(tr("Nights shown"));
    m_nightCount->addItem(tr("%n nights", nullptr, kShortNights), kShortNights);
    m_nightCount->addItem(tr("%n nights", nullptr, kLongNights), kLongNights);
    auto* previous = new QPushButton(tr("&Previous Week"), this);
    previous->setObjectName(QStringLiteral("roomChartPrevious"));
    auto* next = new QPushButton(tr("&Next Week"), this);
    next->setObjectName(QStringLiteral("roomChartNext"));
    auto* today = new QPushButton(tr("&Today"), this);
    today->setObjectName(QStringLiteral("roomChartToday"));
    auto* legend = new QLabel(tr("E expected, H in house, O checked out. The first row counts the "
                                 "rooms of each night that have no unit yet."),
                              this);
    legend->setObjectName(QStringLiteral("roomChartLegend"));
    legend->setWordWrap(true);

    m_view = new RoomChartView(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("roomChartScroll"));
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFocusProxy(m_view);

    auto* unassignedLabel = new QLabel(tr("&Without a unit:"), this);
    m_unassigned = new UnassignedList(this);
    m_unassigned->setObjectName(QStringLiteral("roomChartUnassigned"));
    m_unassigned->setAccessibleName(tr("Stays without a unit"));
    m_unassigned->setDragEnabled(true);
    m_unassigned->setDragDropMode(QAbstractItemView::DragOnly);
    m_unassigned->setFixedWidth(kUnassignedWidth);
    m_unassigned->setWordWrap(true);
    m_unassigned->setAlternatingRowColors(true);
    unassignedLabel->setBuddy(m_unassigned);

    auto* move = new QPushButton(tr("&Move to Unit…"), this);
    move->setObjectName(QStringLiteral("roomChartMove"));
    // Ctrl+M anywhere in the window, as a command (a button's own shortcut clicks it later).
    auto* moveKey = new QAction(move->text(), this);
    moveKey->setObjectName(QStringLiteral("roomChartMoveAction"));
    moveKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    addAction(moveKey);
    connect(moveKey, &QAction::triggered, this, [this] { MoveToUnit_Click(); });
    auto* open = new QPushButton(tr("Op&en"), this);
    open->setObjectName(QStringLiteral("roomChartOpen"));
    auto* folio = new QPushButton(tr("Fo&lio…"), this);
    folio->setObjectName(QStringLiteral("roomChartFolio"));
    auto* checkIn = new QPushButton(tr("Check &In"), this);
    checkIn->setObjectName(QStringLiteral("roomChartCheckIn"));
    auto* checkOut = new QPushButton(tr("Check &Out"), this);
    checkOut->setObjectName(QStringLiteral("roomChartCheckOut"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("roomChartClose"));
    for (QPushButton* b : {previous, next, today, move, open, folio, checkIn, checkOut, close})
        b->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(startLabel);
    top->addWidget(m_startDate);
    top->addWidget(m_nightCount);
    top->addWidget(previous);
    top->addWidget(next);
    top->addWidget(today);
    top->addWidget(legend, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(unassignedLabel);
    side->addWidget(m_unassigned, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_scroll, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(move);
    bottom->addWidget(open);
    bottom->addWidget(folio);
    bottom->addWidget(checkIn);
    bottom->addWidget(checkOut);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    resize(1100, 600);

    connect(m_startDate, &QDateEdit::dateChanged, this, [this] { refresh(); });
    connect(m_nightCount, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(previous, &QPushButton::clicked, this, [this] { shiftWeeks(-1); });
    connect(next, &QPushButton::clicked, this, [this] { shiftWeeks(1); });
    connect(today, &QPushButton::clicked, this,
            [this] { m_startDate->setDate(QDate::currentDate()); });
    connect(move, &QPushButton::clicked, this, [this] { MoveToUnit_Click(); });
    connect(open, &QPushButton::clicked, this, [this] { Open_Click(); });
    connect(folio, &QPushButton::clicked, this,
            [this] { m_mainWindow.showFolio(chosenReservation()); });
    connect(checkIn, &QPushButton::clicked, this,
            [this] { m_mainWindow.stayCommand(StayCommand::CheckIn, chosenReservation()); });
    connect(checkOut, &QPushButton::clicked, this,
            [this] { m_mainWindow.stayCommand(StayCommand::CheckOut, chosenReservation()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(m_view, &RoomChartView::selectionChanged, this, [this] {
        if (m_view->selectedBar()) m_unassignedChosen = false;
    });
    connect(m_unassigned, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { m_unassignedChosen = item != nullptr; });
    // The one of the two the keyboard went to last is the chosen one.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == m_view) m_unassignedChosen = false;
        if (now == m_unassigned) m_unassignedChosen = m_unassigned->currentItem() != nullptr;
    });
    connect(m_unassigned, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openReservation(item->data(kIdRole).toLongLong()); });
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* openKey = new QShortcut(key, m_unassigned, nullptr, nullptr, Qt::WidgetShortcut);
        connect(openKey, &QShortcut::activated, this, [this] {
            m_unassignedChosen = true;
            Open_Click();
        });
    }
    connect(m_view, &RoomChartView::moveRequested, this,
            [this](qint64 id, int unitRow, int column) { dropOnUnit(id, unitRow, column); });
    connect(m_view, &RoomChartView::openRequested, this,
            [this](qint64 id) { openReservation(id); });
    connect(&mainWindow, &Form1::reservationsChanged, this, [this] { refresh(); });
}

void RoomChartWindow::shiftWeeks(int weeks) {
    m_startDate->setDate(m_startDate->date().addDays(qint64(weeks) * kWeek));
}

void RoomChartWindow::refresh() {
    Procedure proc(m_session.dialogs, QStringLiteral("RoomChart.refresh"));
    const int nights = m_nightCount->currentData().toInt();
    const QDate first = m_startDate->date();
    // A database without the stay tables has no units: the chart stays empty.
    RoomChart chart = layOutRoomChart({}, {}, first, nights);
    proc.step(100, [&] {
        if (hasStayTables(m_session.connection()))
            chart = readRoomChart(m_session.connection(), first, nights);
    });
    m_view->setChart(std::move(chart), QDate::currentDate());
    fillUnassigned();
}

void RoomChartWindow::fillUnassigned() {
    const qint64 chosen =
        m_unassigned->currentItem() ? m_unassigned->currentItem()->data(kIdRole).toLongLong() : -1;
    const bool unassignedChosen = m_unassignedChosen;
    const QSignalBlocker block(m_unassigned);
    m_unassigned->clear();
    const RoomChart& chart = m_view->chart();
    for (const WaitingStay& stay : chart.unassigned) {
        auto* item =
            new QListWidgetItem(tr("%1\n%2 %3, %4 to %5")
                                    .arg(chart.guestName(stay), chart.type(stay), chart.kind(stay),
                                         dayText(stay.checkIn), dayText(stay.checkOut)),
                                m_unassigned);
        item->setData(kIdRole, stay.reservationId);
        if (chosen == stay.reservationId) m_unassigned->setCurrentItem(item);
    }
    m_unassignedChosen = unassignedChosen && m_unassigned->currentItem();
}

std::optional<qint64> RoomChartWindow::chosenReservation() const {
    if (m_unassignedChosen && m_unassigned->currentItem())
        return m_unassigned->currentItem()->data(kIdRole).toLongLong();
    if (const std::optional<int> bar = m_view->selectedBar())
        return m_view->chart().bars[size_t(*bar)].reservationId;
    return std::nullopt;
}

void RoomChartWindow::MoveToUnit_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("RoomChart.MoveToUnit_Click"));
    const std::optional<qint64> id = chosenReservation();
    if (!id) {
        proc.step(100, [&] {
            m_session.dialogs.notify(
                tr("Choose a stay in the chart or in the list of stays without a unit first."));
        });
        return;
    }
    Stay stay;
    if (!proc.step(102, [&] { stay = readStay(m_session.connection(), *id); })) return;
    const std::vector<Unit>& units = m_view->chart().units;
    UnitQuestion question;
    question.title = tr("Move to Unit");
    // A stay that holds a unit may move from a later night on; one without takes it whole.
    question.asksNight = !stay.spans.empty();
    question.prompt =
        question.asksNight
            ? tr("Which unit does %1 move to, and from which night?").arg(stay.guestName)
            : tr("Which unit does %1 take?").arg(stay.guestName);
    question.firstNight = stay.checkIn;
    question.lastNight = std::max(stay.checkIn, stay.checkOut.addDays(-1));
    question.night = stay.checkIn;
    if (const std::optional<int> bar = m_view->selectedBar(); bar && !m_unassignedChosen)
        question.night = std::clamp(
            m_view->chart().first.addDays(m_view->chart().bars[size_t(*bar)].firstColumn),
            question.firstNight, question.lastNight);
    for (const bool booked : {true, false})
        for (const Unit& unit : units) {
            if (!unit.inService || (unit.kind == stay.kind && unit.type == stay.type) != booked)
                continue;
            question.offers.push_back({unit.id, StayCommands::offerText(unit, !booked), !booked});
        }
    if (question.offers.empty()) {
        proc.step(104, [&] {
            m_session.dialogs.notify(tr("There are no units in service. Add them under Tools, "
                                        "Units."));
        });
        return;
    }
    std::optional<UnitAnswer> answer;
    proc.step(106, [&] { answer = m_session.chooseUnit(question, this); });
    if (!answer) return;
    const auto unit = std::find_if(units.begin(), units.end(),
                                   [&](const Unit& u) { return u.id == answer->unitId; });
    if (unit == units.end()) return;
    const QDate from = question.asksNight && answer->night > stay.checkIn ? answer->night : QDate();
    if (StayCommands::moveToUnit(m_session, stay.reservationId, *unit, from)) {
        refresh();
        m_view->selectReservation(stay.reservationId);
    }
}

void RoomChartWindow::dropOnUnit(qint64 reservationId, int unitRow, int column) {
    Procedure proc(m_session.dialogs, QStringLiteral("RoomChart.dropOnUnit"));
    const RoomChart& chart = m_view->chart();
    if (unitRow < 0 || unitRow >= int(chart.units.size())) return;
    const Unit unit = chart.units[size_t(unitRow)];
    Stay stay;
    if (!proc.step(100, [&] { stay = readStay(m_session.connection(), reservationId); })) return;
    // Dropped at (or before) its first night, or a stay without a unit: the whole stay moves;
    // otherwise it moves from the night it was dropped on.
    const QDate night = chart.first.addDays(column);
    QDate from;
    if (!stay.spans.empty() && night > stay.checkIn)
        from = std::min(night, std::max(stay.checkIn, stay.checkOut.addDays(-1)));
    if (from == stay.checkIn) from = QDate();
    if (StayCommands::moveToUnit(m_session, reservationId, unit, from)) {
        refresh();
        m_view->selectReservation(reservationId);
    }
}

void RoomChartWindow::Open_Click() {
    if (const std::optional<qint64> id = chosenReservation())
        openReservation(*id);
    else
        m_session.dialogs.notify(
            tr("Choose a stay in the chart or in the list of stays without a unit first."));
}

void RoomChartWindow::openReservation(qint64 reservationId) {
    Procedure proc(m_session.dialogs, QStringLiteral("RoomChart.openReservation"));
    // As the main window's Edit Selected opens it: the reservation's key, then the modal editor.
    if (!proc.step(100, [&] { m_session.mHotelID = QString::number(reservationId); })) return;
    proc.step(102, [&] { showGuestEditor(m_mainWindow); });
    proc.step(104, [&] { refresh(); });
}

} // namespace corvanna
