#pragma once

#include "store/statements.h"

#include <QDate>
#include <functional>

namespace corvanna {

class Connection;
class Procedure;
class ReservationModel;

// Fills the list with a day view of `day`, in fillList's steps. On a database whose stay rows
// keep their arrival, Arrivals reads its reservations as before the stays and the stays with a
// row (those no longer expected) apart, first (step 101), and the list puts them second.
void fillDayView(Procedure& procedure, ReservationModel& model, Connection* connection,
                 DayView view, const QDate& day, const std::function<void(int)>& setPointer);

} // namespace corvanna
