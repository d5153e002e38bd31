#pragma once

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

// A list as the desk sees it, for a file or for paper: the view (its column order), its model (the
// rows in their order) and a title naming what it shows ("Reservations, all", "Arrivals
// 07/12/2026").
struct ShownList {
    const QTreeView* view;
    const ReservationModel* model;
    QString title;
};

// Export: asks for a file name (the session's save dialog, proposing the title with ISO dates) and
// writes the list there as CSV. `procedure` names the handler in an error report; its steps are
// 100 (the name) and 102 (the write).
void exportShownList(Session& session, QWidget* parent, const ShownList& list,
                     const QString& procedure);

// Print: shows the print dialog (the session's) and prints the list, or saves it as PDF, in
// landscape: the title and the date on top, the columns with their long texts wrapped, page
// numbers. The document is named as an export is (the PDF's proposed file name). Steps 100 (the
// dialog) and 102 (the printing).
void printShownList(Session& session, QWidget* parent, const ShownList& list,
                    const QString& procedure);

// Paints the list's pages on `painter` (a printer or an image) within `page`; `newPage` starts the
// next page and returns false to stop. The columns come in the view's order, each as wide as its
// texts need while the page has room and its long texts wrapped within it; the ID, the guest
// name, the kind, the type, the dates and the phone number always print, the others only as long
// as a page has room for them. Returns the number of pages the list takes.
int paintShownList(QPainter& painter, const QRect& page, const ShownList& list,
                   const std::function<bool()>& newPage);

} // namespace corvanna
