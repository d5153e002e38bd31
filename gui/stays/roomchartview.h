#pragma once

#include "editor/roomchart.h"

#include <QDate>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <optional>

class QMimeData;

namespace corvanna {

// The room chart drawn: a row per unit, a column per night, a bar per held span with the guest's
// name, a colour and a letter by status (readable without the colour), today's column marked and,
// above the units, the rooms of each night that have no unit yet.
//
// A bar is chosen by a click or the arrow keys; dragged onto another unit's row it asks for a move
// from the night it is dropped on (moveRequested); a stay dragged in from elsewhere (the
// reservation's id as kReservationMime) asks for the unit it is dropped on. A double-click, Enter
// or Return on a bar asks to open its reservation.
class RoomChartView : public QWidget {
    Q_OBJECT
public:
    static const char* const kReservationMime;

    explicit RoomChartView(QWidget* parent = nullptr);

    void setChart(RoomChart chart, const QDate& today);
    const RoomChart& chart() const { return m_chart; }

    // The selected bar (an index into chart().bars), if any.
    std::optional<int> selectedBar() const { return m_selected; }
    void selectBar(std::optional<int> bar);
    // Selects the first bar of the reservation, if it has one in the chart.
    bool selectReservation(qint64 reservationId);

    // Where things are drawn, in the widget's coordinates.
    QRect barRect(int bar) const;
    QRect cellRect(int unitRow, int column) const;
    QRect unassignedCellRect(int column) const;
    // The bar or the unit's night under a point.
    std::optional<int> barAt(const QPoint& point) const;
    std::optional<std::pair<int, int>> cellAt(const QPoint& point) const; // unit row, column

    // What a bar says to the desk and to assistive technology.
    QString barText(int bar) const;
    // The letter a status is drawn with.
    static QString statusSign(StayStatus status);

    QSize sizeHint() const override;

signals:
    void selectionChanged();
    // A bar (or, from elsewhere, an unassigned stay) dropped on a unit's night.
    void moveRequested(qint64 reservationId, int unitRow, int column);
    void openRequested(qint64 reservationId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void measure();
    int columnLeft(int column) const;
    int rowTop(int unitRow) const;
    // The next bar from the selected one in a direction: along its row, or on the nearest row.
    std::optional<int> neighbour(int key) const;
    void announce();
    std::optional<qint64> droppedReservation(const QMimeData* data) const;

    RoomChart m_chart;
    QDate m_today;
    std::optional<int> m_selected;
    // Sizes from the font.
    int m_nameWidth = 0;
    int m_cellWidth = 0;
    int m_rowHeight = 0;
    int m_headerHeight = 0;
    // A drag under way: the bar, where it started, and the unit's night under the pointer.
    std::optional<int> m_pressed;
    QPoint m_pressPoint;
    bool m_dragging = false;
    std::optional<std::pair<int, int>> m_dropCell;
};

} // namespace corvanna
