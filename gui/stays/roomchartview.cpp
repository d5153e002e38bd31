#include "gui/stays/roomchartview.h"

#include "base/dates.h"

#include <QAccessible>
#include <QApplication>
#include <QDrag>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>

namespace corvanna {

const char* const RoomChartView::kReservationMime = "application/x-corvanna-reservation";

namespace {

const QColor kTodayColour{0xff, 0xf1, 0xb8};
const QColor kGridColour{0xc8, 0xc8, 0xc8};
const QColor kHeaderColour{0xf0, 0xf0, 0xf0};
const QColor kWantedColour{0xf2, 0xa7, 0xa7};
const QColor kDropColour{0x30, 0x60, 0xc0};
constexpr int kBarInset = 3;
constexpr int kCellPadding = 8;
constexpr int kSelectionPen = 3;

QColor statusColour(StayStatus status) {
    switch (status) {
    case StayStatus::Expected:
        return {0xbc, 0xd7, 0xf5};
    case StayStatus::InHouse:
        return {0x9f, 0xd8, 0x9f};
    case StayStatus::CheckedOut:
        return {0xd6, 0xd6, 0xd6};
    case StayStatus::Cancelled:
    case StayStatus::NoShow:
        break;
    }
    return {0xee, 0xee, 0xee};
}

QString dayText(const QDate& date) {
    return QLocale().toString(date, shortDateFormat());
}

} // namespace

RoomChartView::RoomChartView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("roomChartView"));
    setAccessibleName(tr("Room chart"));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    measure();
}

QString RoomChartView::statusSign(StayStatus status) {
    switch (status) {
    case StayStatus::Expected:
        return tr("E", "sign of an expected stay");
    case StayStatus::InHouse:
        return tr("H", "sign of a stay in house");
    case StayStatus::CheckedOut:
        return tr("O", "sign of a checked-out stay");
    case StayStatus::Cancelled:
        return tr("C", "sign of a cancelled stay");
    case StayStatus::NoShow:
        return tr("N", "sign of a no-show");
    }
    return {};
}

void RoomChartView::measure() {
    const QFontMetrics metrics(font());
    m_rowHeight = metrics.height() + 2 * kCellPadding;
    m_headerHeight = 2 * metrics.height() + kCellPadding;
    int cell = metrics.horizontalAdvance(tr("Today"));
    if (m_chart.first.isValid())
        for (int n = 0; n < m_chart.nights; n += 7)
            cell = std::max(cell, metrics.horizontalAdvance(dayText(m_chart.first.addDays(n))));
    m_cellWidth = cell + 2 * kCellPadding;
    int names = metrics.horizontalAdvance(tr("Without a unit"));
    for (const Unit& unit : m_chart.units)
        names = std::max(names,
                         metrics.horizontalAdvance(unit.name + QStringLiteral("  ") + unit.type));
    m_nameWidth = names + 2 * kCellPadding;
    updateGeometry();
}

void RoomChartView::setChart(RoomChart chart, const QDate& today) {
    const std::optional<qint64> selected =
        m_selected ? std::optional(m_chart.bars[size_t(*m_selected)].reservationId) : std::nullopt;
    m_chart = std::move(chart);
    m_today = today;
    m_selected.reset();
    m_pressed.reset();
    m_dragging = false;
    m_dropCell.reset();
    measure();
    resize(sizeHint());
    if (!selected || !selectReservation(*selected)) emit selectionChanged();
    update();
}

QSize RoomChartView::sizeHint() const {
    return {m_nameWidth + m_cellWidth * std::max(m_chart.nights, 1) + 1,
            m_headerHeight + m_rowHeight * int(m_chart.units.size() + 1) + 1};
}

int RoomChartView::columnLeft(int column) const {
    return m_nameWidth + column * m_cellWidth;
}

int RoomChartView::rowTop(int unitRow) const {
    return m_headerHeight + (unitRow + 1) * m_rowHeight; // below the row of stays without a unit
}

QRect RoomChartView::cellRect(int unitRow, int column) const {
    return {columnLeft(column), rowTop(unitRow), m_cellWidth, m_rowHeight};
}

QRect RoomChartView::unassignedCellRect(int column) const {
    return {columnLeft(column), m_headerHeight, m_cellWidth, m_rowHeight};
}

QRect RoomChartView::barRect(int bar) const {
    const ChartBar& b = m_chart.bars[size_t(bar)];
    return QRect(columnLeft(b.firstColumn), rowTop(b.unitRow), b.columns * m_cellWidth, m_rowHeight)
        .adjusted(b.startsBefore ? 0 : kBarInset, kBarInset, b.endsAfter ? 0 : -kBarInset,
                  -kBarInset);
}

std::optional<int> RoomChartView::barAt(const QPoint& point) const {
    for (size_t i = 0; i < m_chart.bars.size(); ++i)
        if (barRect(int(i)).contains(point)) return int(i);
    return std::nullopt;
}

std::optional<std::pair<int, int>> RoomChartView::cellAt(const QPoint& point) const {
    if (point.x() < m_nameWidth || point.y() < rowTop(0)) return std::nullopt;
    const int column = (point.x() - m_nameWidth) / m_cellWidth;
    const int row = (point.y() - rowTop(0)) / m_rowHeight;
    if (column >= m_chart.nights || row >= int(m_chart.units.size())) return std::nullopt;
    return std::pair(row, column);
}

QString RoomChartView::barText(int bar) const {
    const ChartBar& b = m_chart.bars[size_t(bar)];
    const QDate first = m_chart.first.addDays(b.firstColumn);
    const QDate last = first.addDays(b.columns - 1);
    return tr("%1, %2, unit %3, nights of %4 to %5")
        .arg(b.guestName, statusText(b.status), m_chart.units[size_t(b.unitRow)].name,
             dayText(first), dayText(last));
}

void RoomChartView::selectBar(std::optional<int> bar) {
    if (bar && (*bar < 0 || *bar >= int(m_chart.bars.size()))) bar.reset();
    if (bar == m_selected) return;
    m_selected = bar;
    update();
    announce();
    emit selectionChanged();
}

bool RoomChartView::selectReservation(qint64 reservationId) {
    for (size_t i = 0; i < m_chart.bars.size(); ++i)
        if (m_chart.bars[i].reservationId == reservationId) {
            selectBar(int(i));
            return true;
        }
    return false;
}

// Assistive technology reads the chosen bar as the chart's description.
void RoomChartView::announce() {
    setAccessibleDescription(m_selected ? barText(*m_selected) : QString());
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void RoomChartView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) measure();
    QWidget::changeEvent(event);
}

void RoomChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics(font());
    QFont bold = font();
    bold.setBold(true);
    const int units = int(m_chart.units.size());
    const int bottom = rowTop(units);

    // Nights across: today's column tinted, the header with weekday and date.
    painter.fillRect(QRect(0, 0, width(), m_headerHeight), kHeaderColour);
    for (int n = 0; n < m_chart.nights; ++n) {
        const QDate night = m_chart.first.addDays(n);
        const QRect column(columnLeft(n), 0, m_cellWidth, bottom);
        if (night == m_today) painter.fillRect(column, kTodayColour);
        painter.setFont(night == m_today ? bold : font());
        painter.setPen(palette().color(QPalette::Text));
        const QString day = night == m_today
                                ? tr("Today")
                                : QLocale().dayName(night.dayOfWeek(), QLocale::ShortFormat);
        painter.drawText(QRect(column.left(), 0, m_cellWidth, m_headerHeight), Qt::AlignCenter,
                         day + QLatin1Char('\n') + dayText(night));
    }
    painter.setFont(font());

    // The row of stays without a unit: how many rooms each night still needs.
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(kCellPadding, m_headerHeight, m_nameWidth - kCellPadding, m_rowHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, tr("Without a unit"));
    for (int n = 0; n < m_chart.nights && n < int(m_chart.unassignedPerNight.size()); ++n) {
        const int wanted = m_chart.unassignedPerNight[size_t(n)];
        if (wanted == 0) continue;
        const QRect cell = unassignedCellRect(n);
        painter.fillRect(cell.adjusted(1, 1, 0, 0), kWantedColour);
        painter.setFont(bold);
        painter.drawText(cell, Qt::AlignCenter, QString::number(wanted));
        painter.setFont(font());
    }

    // Units down.
    for (int row = 0; row < units; ++row) {
        const Unit& unit = m_chart.units[size_t(row)];
        QFont nameFont = font();
        nameFont.setItalic(!unit.inService);
        painter.setFont(nameFont);
        painter.setPen(palette().color(unit.inService ? QPalette::Active : QPalette::Disabled,
                                       QPalette::Text));
        painter.drawText(QRect(kCellPadding, rowTop(row), m_nameWidth - kCellPadding, m_rowHeight),
                         Qt::AlignVCenter | Qt::AlignLeft,
                         unit.name + QStringLiteral("  ") + unit.type);
    }
    painter.setFont(font());

    // The grid.
    painter.setPen(kGridColour);
    for (int row = -1; row <= units; ++row)
        painter.drawLine(0, rowTop(row), columnLeft(m_chart.nights), rowTop(row));
    for (int n = 0; n <= m_chart.nights; ++n)
        painter.drawLine(columnLeft(n), 0, columnLeft(n), bottom);
    painter.drawLine(0, 0, 0, bottom);

    // The bars: colour and letter by status, the guest's name; a cut end where the stay goes on
    // beyond the chart.
    for (size_t i = 0; i < m_chart.bars.size(); ++i) {
        const ChartBar& bar = m_chart.bars[i];
        const QRect r = barRect(int(i));
        painter.fillRect(r, statusColour(bar.status));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        QString text = statusSign(bar.status) + QLatin1Char(' ') + bar.guestName;
        if (bar.startsBefore) text.prepend(QStringLiteral("\u2039 "));
        if (bar.endsAfter) text.append(QStringLiteral(" \u203a"));
        painter.drawText(r.adjusted(kBarInset, 0, -kBarInset, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         metrics.elidedText(text, Qt::ElideRight, r.width() - 2 * kBarInset));
    }
    if (m_selected) {
        QPen pen(palette().color(QPalette::Highlight), kSelectionPen);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(barRect(*m_selected).adjusted(1, 1, -1, -1));
    }
    if (m_dropCell) {
        painter.setPen(QPen(kDropColour, kSelectionPen, Qt::DashLine));
        painter.drawRect(cellRect(m_dropCell->first, m_dropCell->second).adjusted(1, 1, -1, -1));
    }
}

void RoomChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    m_pressed = barAt(event->position().toPoint());
    m_pressPoint = event->position().toPoint();
    m_dragging = false;
    if (m_pressed) selectBar(m_pressed);
}

void RoomChartView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressed || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint point = event->position().toPoint();
    if (!m_dragging && (point - m_pressPoint).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragging = true;
    setCursor(Qt::ClosedHandCursor);
    m_dropCell = cellAt(point);
    update();
}

void RoomChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const std::optional<int> bar = m_pressed;
    const bool dragged = m_dragging;
    m_pressed.reset();
    m_dragging = false;
    m_dropCell.reset();
    unsetCursor();
    update();
    if (!bar || !dragged) return;
    const std::optional<std::pair<int, int>> cell = cellAt(event->position().toPoint());
    const ChartBar& moved = m_chart.bars[size_t(*bar)];
    if (cell && cell->first != moved.unitRow)
        emit moveRequested(moved.reservationId, cell->first, cell->second);
}

void RoomChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const std::optional<int> bar = barAt(event->position().toPoint()))
        emit openRequested(m_chart.bars[size_t(*bar)].reservationId);
}

std::optional<int> RoomChartView::neighbour(int key) const {
    const int count = int(m_chart.bars.size());
    if (count == 0) return std::nullopt;
    if (!m_selected) return 0;
    const ChartBar& from = m_chart.bars[size_t(*m_selected)];
    std::optional<int> best;
    int bestDistance = 0;
    for (int i = 0; i < count; ++i) {
        if (i == *m_selected) continue;
        const ChartBar& to = m_chart.bars[size_t(i)];
        int distance = 0;
        switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right: {
            if (to.unitRow != from.unitRow) continue;
            const int step = to.firstColumn - from.firstColumn;
            if ((key == Qt::Key_Right) != (step > 0) || step == 0) continue;
            distance = std::abs(step);
            break;
        }
        default: {
            const int rows = to.unitRow - from.unitRow;
            if ((key == Qt::Key_Down) != (rows > 0) || rows == 0) continue;
            // The nearest row first, then the bar nearest in time on it.
            distance = std::abs(rows) * 100000 + std::abs(to.firstColumn - from.firstColumn);
            break;
        }
        }
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void RoomChartView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (const std::optional<int> next = neighbour(event->key())) selectBar(next);
        return;
    case Qt::Key_Home:
        if (!m_chart.bars.empty()) selectBar(0);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selected) emit openRequested(m_chart.bars[size_t(*m_selected)].reservationId);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

std::optional<qint64> RoomChartView::droppedReservation(const QMimeData* data) const {
    if (!data || !data->hasFormat(QString::fromLatin1(kReservationMime))) return std::nullopt;
    bool ok = false;
    const qint64 id = data->data(QString::fromLatin1(kReservationMime)).toLongLong(&ok);
    return ok ? std::optional(id) : std::nullopt;
}

void RoomChartView::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedReservation(event->mimeData())) event->acceptProposedAction();
}

void RoomChartView::dragMoveEvent(QDragMoveEvent* event) {
    m_dropCell = cellAt(event->position().toPoint());
    if (m_dropCell)
        event->acceptProposedAction();
    else
        event->ignore();
    update();
}

void RoomChartView::dragLeaveEvent(QDragLeaveEvent*) {
    m_dropCell.reset();
    update();
}

void RoomChartView::dropEvent(QDropEvent* event) {
    m_dropCell.reset();
    update();
    const std::optional<qint64> id = droppedReservation(event->mimeData());
    const std::optional<std::pair<int, int>> cell = cellAt(event->position().toPoint());
    if (!id || !cell) return;
    event->acceptProposedAction();
    emit moveRequested(*id, cell->first, cell->second);
}

bool RoomChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const std::optional<int> bar = barAt(help->pos()))
            QToolTip::showText(help->globalPos(), barText(*bar), this, barRect(*bar));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace corvanna
