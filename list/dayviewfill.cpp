#include "dayviewfill.h"

#include "base/report.h"
#include "listfill.h"
#include "reservationmodel.h"
#include "store/stays.h"

#include <utility>

namespace corvanna {

void fillDayView(Procedure& proc, ReservationModel& model, Connection* connection, DayView view,
                 const QDate& day, const std::function<void(int)>& setPointer) {
    const QStringList parameters{day.toString(Qt::ISODate)};
    OwnStatement statement = statements::dayViewStatement(view);
    if (view == DayView::Arrivals && connection) {
        std::vector<qint64> withRow;
        bool apart = false;
        proc.step(101, [&] {
            apart = hasStayArrivals(*connection);
            if (apart) withRow = stayRowsArrivingOn(*connection, day);
        });
        if (apart) {
            model.groupNextFill(std::move(withRow));
            statement = statements::arrivalsWithoutGroup();
        }
    }
    fillList(proc, model, connection, statement, parameters, setPointer);
}

} // namespace corvanna
