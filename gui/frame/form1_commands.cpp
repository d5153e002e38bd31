// The main window's list commands: add, edit and delete the selected reservation.
#include "base/failure.h"
#include "base/report.h"
#include "gui/editor/guesteditor.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/statements.h"

#include <QItemSelectionModel>
#include <QTreeView>

namespace corvanna {

namespace {

// The list row the user has selected. The current row counts only while it is highlighted, so a
// command never acts on a row the user cannot see as chosen. Throws Failure when there is none.
int selectedRow(const QTreeView& list, const ReservationModel& model) {
    const QItemSelectionModel* selection = list.selectionModel();
    const QModelIndex current = selection ? selection->currentIndex() : QModelIndex();
    if (!current.isValid() || current.model() != &model || !selection->isRowSelected(current.row()))
        throw Failure(kObjectVariableNotSet);
    return current.row();
}

// The reservation's key as the row shows it: the id is what names a reservation, never its
// guest name or its place in the list.
QString idOfRow(const ReservationModel& model, int row) {
    const qint64 id = model.idAt(row);
    if (id < 0) throw Failure(kInvalidUseOfNull);
    return QString::number(id);
}

} // namespace

void Form1::PushButton1_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.PushButton1_Click"));
    proc.step(100, [&] { m_session.mHotelID = QString(); });
    proc.step(102, [&] { showGuestEditor(*this); });
}

void Form1::PushButton3_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.PushButton3_Click"));
    if (proc.test(100, [&] { return model->rowCount() == 0; })) return;
    // Without a selected row the editor must not open on the key of its previous showing.
    if (!proc.step(102,
                   [&] { m_session.mHotelID = idOfRow(*model, selectedRow(*ListView1, *model)); }))
        return;
    proc.step(104, [&] { showGuestEditor(*this); });
}

void Form1::PushButton2_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.PushButton2_Click"));
    if (proc.test(100, [&] { return model->rowCount() == 0; })) return;

    // The row's key is read before the question, so the answer applies to the row it names.
    QString id;
    bool confirmed = false;
    if (!proc.step(102, [&] {
            const int row = selectedRow(*ListView1, *model);
            id = idOfRow(*model, row);
            confirmed =
                m_session.dialogs.ask(tr("Are you sure you want to delete %1?")
                                          .arg(model->cellText(row, ReservationModel::GuestName)));
        }))
        return; // nothing was asked, so nothing is deleted
    if (!confirmed) return;

    proc.step(104, [&] { m_session.connection().execute(statements::deleteById(id)); });
    proc.step(106, [&] { listRooms(); });
    backUpAfterSave();
}

void Form1::ListView1_DblClick() {
    PushButton2_Click();
}

} // namespace corvanna
