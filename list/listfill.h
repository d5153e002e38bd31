#pragma once

#include "base/pointershape.h"
#include "store/ownstatement.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace corvanna {

class Connection;
class Procedure;
class ReservationModel;

// Refills the list from a select, in the numbered steps the error report names: 102 clear,
// 104 hourglass, 106 run the statement, 108 to 136 read every row, 138 close, 140 default
// pointer. A statement that cannot run ends the fill with that one report and an empty list.
// `statement` is built inside step 106, so a failure to build it is reported there too.
void fillList(Procedure& procedure, ReservationModel& model, Connection* connection,
              const std::function<QString()>& statement,
              const std::function<void(int)>& setPointer);
// The same fill from a select of our own with its values bound as parameters, in the dialect of
// the engine in use; on a server the rows come through its row cursor as Show All's do.
void fillList(Procedure& procedure, ReservationModel& model, Connection* connection,
              const OwnStatement& statement, const QStringList& parameters,
              const std::function<void(int)>& setPointer);

} // namespace corvanna
