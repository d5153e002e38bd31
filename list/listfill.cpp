#include "listfill.h"

#include "base/failure.h"
#include "base/report.h"
#include "reservationmodel.h"
#include "store/connection.h"

namespace corvanna {

void fillList(Procedure& proc, ReservationModel& model, Connection* connection,
              const std::function<QString()>& statement,
              const std::function<void(int)>& setPointer) {
    ResultSet rs; // 100
    proc.step(102, [&] { model.beginFill(); });
    proc.step(104, [&] { setPointer(kPointerHourglass); });
    const bool opened = proc.step(106, [&] {
        if (!connection) throw Failure(QStringLiteral("Object required"));
        rs.open(statement(), *connection);
    });
    if (opened) {
        // The rows are read front to back once; a row the engine cannot read ends the loop.
        while (rs.state() != 0 && !rs.eof()) {
            if (!proc.step(110, [&] { model.append(rs); })) break;
            if (!proc.step(136, [&] { rs.moveNext(); })) break;
        }
    }
    proc.step(138, [&] {
        if (rs.state() != 0) rs.close();
    });
    model.endFill();
    proc.step(140, [&] { setPointer(kPointerDefault); });
}

} // namespace corvanna
