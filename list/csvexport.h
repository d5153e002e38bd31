#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

class QIODevice;

namespace corvanna {

class ReservationModel;

// One CSV field: between double quotes, with its quotes doubled, when it holds a comma, a double
// quote, a carriage return or a line feed; as it is otherwise. A value that begins with =, +, -,
// @, a tab or a carriage return gets a leading ' first, so a spreadsheet that opens the file
// shows it as text instead of running it as a formula.
QString csvField(const QString& value);

// The list as shown (its rows in their order, a find's rows only) as CSV: UTF-8, a header row of
// the column captions, CR LF after every record, dates as yyyy-mm-dd. Throws Failure with the
// device's words when a write fails.
void writeCsv(const ReservationModel& model, QIODevice& out);

// Writes the list to `path`, readable by the desk's account only, through a temporary file that
// takes the name only when it is complete, so a failed write leaves any earlier file as it was
// and no half file. Throws Failure naming the file: a full disk is said as such.
void exportCsv(const ReservationModel& model, const QString& path);

// A table of texts (a report) as CSV to `path`: the header row, then the rows, written as
// exportCsv writes a list.
void exportTable(const QStringList& header, const std::vector<QStringList>& rows,
                 const QString& path);

// The file name (without extension) a shown list proposes for its export or its PDF: the list's
// title with its dates, written in `locale`'s short form, as yyyy-mm-dd, and no character that a
// file system takes for a folder or refuses (/ \ : * ? < > |; a double quote becomes ').
QString listFileName(const QString& title, const QLocale& locale = QLocale());

} // namespace corvanna
