// The main window's list: the two fills and the header-click sort.
#include "gui/form1.h"
#include "base/report.h"
#include "gui/session.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/statements.h"

#include <QApplication>
#include <QDateEdit>
#include <QTimer>
#include <QHeaderView>
#include <QTreeView>

namespace corvanna {

namespace {
constexpr int kOtherDesksPollMs = 500;
} // namespace

void Form1::fill(const QString& procedure, const std::function<QString()>& statement) {
    m_lastFill = [this, procedure, statement] { fill(procedure, statement); };
    m_otherDeskChanged = false;
    Procedure proc(m_session.dialogs, procedure);
    fillList(proc, *model, m_session.dbConnection.get(), statement,
             [this](int shape) { setMousePointer(PointerShape(shape)); });
    selectFirstAdded();
    emit reservationsChanged();
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
    if (connection->takeChanges()) m_otherDeskChanged = true;
    if (m_otherDeskChanged && m_lastFill && !QApplication::activeModalWidget() &&
        !QApplication::activePopupWidget() && !model->filling()) {
        const std::function<void()> refill = m_lastFill; // fill() replaces m_lastFill
        refill();
    }
}

void Form1::listRooms() {
    m_listTitle =
        QStringLiteral("Reservations %1 to %2").arg(dtpCheckIn->text(), dtpCheckOut->text());
    fill(QStringLiteral("Form1.listRooms"),
         [this] { return statements::selectRange(dtpCheckIn->date(), dtpCheckOut->date()); });
}

void Form1::PushButton5_Click() {
    m_listTitle = QStringLiteral("All reservations");
    fill(QStringLiteral("Form1.PushButton5_Click"), [] { return statements::selectAll(); });
}

void Form1::PushButton4_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.PushButton4_Click"));
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
