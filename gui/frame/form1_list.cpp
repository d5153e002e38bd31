// The main window's list: the two fills, the refill for other desks' changes and the header-click
// sort.
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/statements.h"

#include <QApplication>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

namespace corvanna {

namespace {
constexpr int kOtherDesksPollMs = 500;
} // namespace

void Form1::fill(const QString& procedure, const std::function<QString()>& statement,
                 bool everyReservation) {
    m_lastFill = [this, procedure, statement,
                  everyReservation](bool refill, std::function<void(bool inParts)> ended) {
        m_otherDeskChanged = false;
        ListFill::Request request{&m_session.dialogs,
                                  procedure,
                                  m_session.dbConnection.get(),
                                  statement,
                                  [this](int shape) { setMousePointer(PointerShape(shape)); },
                                  everyReservation,
                                  {},
                                  std::move(ended)};
        if (!refill)
            request.shown = [this] {
                readListStatuses();
                selectFirstAdded();
            };
        m_listFill->start(std::move(request), refill);
    };
    m_lastFill(false, [this](bool inParts) {
        // A fill in parts showed its first screen with its statuses, and the desk may have
        // chosen another row since.
        if (!inParts) {
            readListStatuses();
            selectFirstAdded();
        }
        emit reservationsChanged();
    });
}

// The desk did not ask for this fill: whatever it had chosen stays chosen, so that a command
// never acts on another reservation than the one the desk selected. A selected reservation that
// is gone (or that the find now hides) leaves no row selected. A refill in parts keeps the rows
// shown until its end, and they take the selection and the scroll position along.
void Form1::refillKeepingSelection() {
    if (!m_lastFill) return;
    QItemSelectionModel* selection = ListView1->selectionModel();
    const QModelIndex current = selection->currentIndex();
    const qint64 selectedId = current.isValid() && selection->isRowSelected(current.row())
                                  ? model->idAt(current.row())
                                  : -1;
    const int column = current.isValid() ? current.column() : 0;
    const QModelIndex topIndex = ListView1->indexAt(QPoint(0, 0));
    const int top = topIndex.isValid() ? topIndex.row() : 0;
    const int vertical = ListView1->verticalScrollBar()->value();
    const int horizontal = ListView1->horizontalScrollBar()->value();

    const auto refill = m_lastFill; // a fill may replace m_lastFill
    refill(true, [=, this](bool inParts) {
        readListStatuses();
        if (!inParts) {
            if (const int row = model->rowOfId(selectedId); row >= 0)
                selection->setCurrentIndex(model->index(row, column),
                                           QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
            if (const int rows = model->rowCount(); rows > 0) {
                // Lays the new rows out (so the scroll range is theirs), then scrolls back.
                ListView1->scrollTo(model->index(std::min(top, rows - 1), 0),
                                    QAbstractItemView::PositionAtTop);
                ListView1->verticalScrollBar()->setValue(vertical);
            }
            ListView1->horizontalScrollBar()->setValue(horizontal);
        }
        emit reservationsChanged();
    });
}

void Form1::clearFind() {
    if (!m_find || m_find->text().isEmpty()) return;
    // Through the box's own signal, so its clear button goes with the text.
    m_find->clear();
}

void Form1::selectFirstAdded() {
    const int row = model->firstAddedRow();
    if (row < 0) return;
    const QModelIndex first = model->index(row, 0);
    ListView1->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
}

// Another desk's notice arrives on the server session; on the file, another program's commit
// shows in the connection's data version. Either is looked for twice a second, so a save shows
// here within a second or so. No refill runs under an open box or editor: it waits.
void Form1::watchOtherDesks() {
    m_session.connection().takeChanges(); // from here on, others' changes count
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("otherDesksWatch"));
    connect(timer, &QTimer::timeout, this, [this] { otherDesksChanged(); });
    timer->start(kOtherDesksPollMs);
}

void Form1::otherDesksChanged() {
    Connection* connection = m_session.dbConnection.get();
    if (!connection || connection->state() == 0) return;
    // A database file another program replaced is opened anew here; one that cannot be is
    // reported once (the connection is closed then).
    bool changed = false;
    Procedure(m_session.dialogs, QStringLiteral("Form1.otherDesksChanged")).step(100, [&] {
        changed = connection->takeChanges();
    });
    if (changed) m_otherDeskChanged = true;
    watchLocalCopy();
    if (m_otherDeskChanged && !QApplication::activeModalWidget() &&
        !QApplication::activePopupWidget() && !model->filling())
        refillKeepingSelection();
}

void Form1::listRooms() {
    m_listTitle = tr("Reservations %1 to %2").arg(dtpCheckIn->text(), dtpCheckOut->text());
    // The range of this moment: a refill repeats it whatever the pickers show by then.
    const QDate checkIn = dtpCheckIn->date();
    const QDate checkOut = dtpCheckOut->date();
    fill(QStringLiteral("Form1.listRooms"),
         [checkIn, checkOut] { return statements::selectRange(checkIn, checkOut); });
}

void Form1::PushButton5_Click() {
    clearFind(); // "all reservations" means all of them
    m_listTitle = tr("All reservations");
    fill(
        QStringLiteral("Form1.PushButton5_Click"), [] { return statements::selectAll(); }, true);
}

void Form1::PushButton4_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.PushButton4_Click"));
    clearFind();
    proc.step(100, [&] { listRooms(); });
}

void Form1::ListView1_ColumnClick(int index) {
    model->columnClick(index);
    ListView1->header()->setSortIndicatorShown(true);
    ListView1->header()->setSortIndicator(
        model->sortKey(), model->sortOrder() == ReservationModel::Ascending ? Qt::AscendingOrder
                                                                            : Qt::DescendingOrder);
}

} // namespace corvanna
