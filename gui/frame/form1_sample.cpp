// The main window's "Load Sample/Example Data": three example reservations from today, then the
// whole list.
#include "base/failure.h"
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "store/sampledata.h"

#include <QDate>

namespace corvanna {

void Form1::PushButton6_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.PushButton6_Click"));

    // Each insert runs only the statement built for it: when building one fails, its run fails
    // too instead of sending an earlier guest a second time.
    auto run = [this](const QString& statement) {
        if (statement.isEmpty()) throw Failure(kCommandTextNotSet);
        m_session.connection().execute(statement);
    };
    constexpr int kFirstLine = 102;
    for (int i = 0; i < kSampleReservationCount; ++i) {
        const int line = kFirstLine + 4 * i;
        QString statement;
        proc.step(line, [&] {
            statement = statements::insert(sampleReservations(QDate::currentDate())[size_t(i)]);
        });
        proc.step(line + 2, [&] { run(statement); });
    }

    // Whatever the pickers and the find box say, the list ends showing every reservation.
    clearFind();
    proc.step(114, [&] { listRooms(); });
    proc.step(114, [&] { PushButton5_Click(); });
    backUpAfterSave();
}

} // namespace corvanna
