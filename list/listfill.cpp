#include "listfill.h"

#include "base/failure.h"
#include "base/report.h"
#include "reservationmodel.h"
#include "store/connection.h"

namespace corvanna {

namespace {

void fillFrom(Procedure& proc, ReservationModel& model, Connection* connection,
              const std::function<void(ResultSet&, Connection&)>& open,
              const std::function<void(int)>& setPointer) {
    ResultSet rs; // 100
    proc.step(102, [&] { model.beginFill(); });
    proc.step(104, [&] { setPointer(kPointerHourglass); });
    const bool opened = proc.step(106, [&] {
        if (!connection) throw Failure(kObjectRequired);
        open(rs, *connection);
    });
    if (opened) {
        // The rows are read front to back once; a row the engine cannot read ends the loop.
        while (rs.state() != 0 && !rs.eof()) {
            if (!proc.step(110, [&] { model.append(rs.row()); })) break;
            if (!proc.step(136, [&] { rs.moveNext(); })) break;
        }
    }
    proc.step(138, [&] {
        if (rs.state() != 0) rs.close();
    });
    model.endFill();
    proc.step(140, [&] { setPointer(kPointerDefault); });
}

} // namespace

void fillList(Procedure& proc, ReservationModel& model, Connection* connection,
              const std::function<QString()>& statement,
              const std::function<void(int)>& setPointer) {
    fillFrom(
        proc, model, connection, [&](ResultSet& rs, Connection& c) { rs.open(statement(), c); },
        setPointer);
}

void fillList(Procedure& proc, ReservationModel& model, Connection* connection,
              const OwnStatement& statement, const QStringList& parameters,
              const std::function<void(int)>& setPointer) {
    fillFrom(
        proc, model, connection,
        [&](ResultSet& rs, Connection& c) { rs.open(statement, parameters, c); }, setPointer);
}

} // namespace corvanna
