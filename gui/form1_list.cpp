// The main window's list: the two fills and the header-click sort.
#include "gui/form1.h"
#include "base/report.h"
#include "gui/session.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/statements.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QTreeView>

namespace corvanna {

void Form1::fill(const QString& procedure, const std::function<QString()>& statement) {
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

void Form1::listRooms() {
    fill(QStringLiteral("Form1.listRooms"),
         [this] { return statements::selectRange(dtpCheckIn->date(), dtpCheckOut->date()); });
}

void Form1::PushButton5_Click() {
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
