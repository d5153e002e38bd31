#pragma once

#include <QList>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QRect;
class QTreeView;
class QWidget;

namespace corvanna {

class ReservationModel;
struct Session;

// A list as the desk sees it, for a file or for paper: the view (its model, rows, order and
// column widths) and a title naming what it shows ("Reservations, all", "Arrivals 07/12/2026").
struct ShownList {
    const QTreeView* view;
    const ReservationModel* model;
    QString title;
};

// Export: asks for a file name (the session's save dialog) and writes the list there as CSV.
// `procedure` names the handler in an error report; its steps are 100 (the name) and 102 (the
// write).
void exportShownList(Session& session, QWidget* parent, const ShownList& list,
                     const QString& procedure);

// Print: shows the print dialog (the session's) and prints the list, or saves it as PDF, in
// landscape: the title and the date on top, the columns that fit the page width, page numbers.
// Steps 100 (the dialog) and 102 (the printing).
void printShownList(Session& session, QWidget* parent, const ShownList& list,
                    const QString& procedure);

// The columns of the list that a page of `pageWidth` device pixels at `dpi` holds, in the list's
// order: each at its width in the view; a column the view hides (the 1-twip ID) is left out, and
// columns stop at the first one that no longer fits.
QList<int> columnsThatFit(const QList<int>& viewWidths, int dpi, int pageWidth);

// Paints the list's pages on `painter` (a printer or an image) within `page`; `newPage` starts the
// next page and returns false to stop. Returns the number of pages the list takes.
int paintShownList(QPainter& painter, const QRect& page, int dpi, const ShownList& list,
                   const std::function<bool()>& newPage);

} // namespace corvanna
