#pragma once

#include <QString>

class QIODevice;

namespace corvanna {

class ReservationModel;

// One CSV field: between double quotes, with its quotes doubled, when it holds a comma, a double
// quote, a carriage return or a line feed; as it is otherwise.
QString csvField(const QString& value);

// The list as shown (its rows in their order, a find's rows only) as CSV: UTF-8, a header row of
// the column captions, CR LF after every record, dates as yyyy-mm-dd.
void writeCsv(const ReservationModel& model, QIODevice& out);

// Writes the list to `path` through a temporary file that takes the name only when it is
// complete, so a failed write leaves any earlier file as it was and no half file. Throws Failure
// with the file system's words.
void exportCsv(const ReservationModel& model, const QString& path);

} // namespace corvanna
