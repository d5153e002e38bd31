// Export and print of a list as the desk sees it.
#include "gui/listoutput.h"

#include "base/failure.h"
#include "base/product.h"
#include "base/report.h"
#include "gui/design.h"
#include "gui/session.h"
#include "list/csvexport.h"
#include "list/reservationmodel.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTreeView>

namespace corvanna {

namespace {

// The width of every column as the view shows it, in pixels.
QList<int> viewWidths(const QTreeView& view) {
    QList<int> widths;
    const QHeaderView* header = view.header();
    for (int c = 0; c < header->count(); ++c)
        widths << (header->isSectionHidden(c) ? 0 : header->sectionSize(c));
    return widths;
}

// Screen pixels (96 to the inch, 15 twips each) to device pixels at `dpi`.
int toDevice(int screenPixels, int dpi) {
    return int(std::lround(screenPixels * kTwipsPerPixel / 1440.0 * dpi));
}

} // namespace

QList<int> columnsThatFit(const QList<int>& viewWidths, int dpi, int pageWidth) {
    QList<int> columns;
    int used = 0;
    for (int c = 0; c < viewWidths.size(); ++c) {
        const int width = toDevice(viewWidths[c], dpi);
        if (viewWidths[c] < 2) continue; // hidden in the view, as the 1-twip ID is
        if (used + width > pageWidth) break;
        columns << c;
        used += width;
    }
    return columns;
}

int paintShownList(QPainter& painter, const QRect& page, int dpi, const ShownList& list,
                   const std::function<bool()>& newPage) {
    const QList<int> widths = viewWidths(*list.view);
    const QList<int> columns = columnsThatFit(widths, dpi, page.width());
    const ReservationModel& model = *list.model;

    QFont titleFont = designFont(14);
    QFont headFont = designFont(9);
    QFont bodyFont = designFont(9);
    bodyFont.setBold(false);
    painter.setFont(titleFont);
    const int titleHeight = painter.fontMetrics().height() * 2;
    painter.setFont(bodyFont);
    const int line = painter.fontMetrics().height() * 13 / 10;
    const int pad = painter.fontMetrics().averageCharWidth() / 2;
    const int footer = line * 2;
    const int bodyTop = page.top() + titleHeight + line * 2;
    const int rowsPerPage = std::max(1, (page.bottom() - footer - bodyTop) / line);
    const int rows = model.rowCount();
    const int pages = std::max(1, (rows + rowsPerPage - 1) / rowsPerPage);
    const QString printed = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);

    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !newPage()) return pages;
        painter.setPen(Qt::black);
        painter.setFont(titleFont);
        painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, list.title);
        painter.setFont(bodyFont);
        painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight),
                         Qt::AlignRight | Qt::AlignVCenter,
                         kProductName + QStringLiteral(", printed ") + printed);

        // The header row, then the rows of this page, each cell cut to its column.
        int x = page.left();
        const int headTop = page.top() + titleHeight + line / 2;
        painter.setFont(headFont);
        for (const int c : columns) {
            const int w = toDevice(widths[c], dpi);
            const QRect cell(x + pad, headTop, w - 2 * pad, line);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(ReservationModel::headerCaption(c),
                                                              Qt::ElideRight, cell.width()));
            x += w;
        }
        painter.drawLine(page.left(), headTop + line, x, headTop + line);
        painter.setFont(bodyFont);
        const int first = p * rowsPerPage;
        const int last = std::min(rows, first + rowsPerPage);
        for (int r = first; r < last; ++r) {
            const int top = bodyTop + (r - first) * line;
            x = page.left();
            for (const int c : columns) {
                const int w = toDevice(widths[c], dpi);
                const QRect cell(x + pad, top, w - 2 * pad, line);
                QString text = model.data(model.index(r, c)).toString();
                painter.drawText(
                    cell, Qt::AlignLeft | Qt::AlignVCenter,
                    painter.fontMetrics().elidedText(text, Qt::ElideRight, cell.width()));
                x += w;
            }
        }
        painter.drawText(QRect(page.left(), page.bottom() - footer, page.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages));
    }
    return pages;
}

void exportShownList(Session& session, QWidget* parent, const ShownList& list,
                     const QString& procedure) {
    Procedure proc(session.dialogs, procedure);
    QString path;
    proc.step(100, [&] {
        const QString suggested =
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .filePath(list.title + QStringLiteral(".csv"));
        path = session.saveFileName
                   ? session.saveFileName(parent, suggested)
                   : QFileDialog::getSaveFileName(parent, QStringLiteral("Export CSV"), suggested,
                                                  QStringLiteral("CSV files (*.csv)"));
    });
    if (path.isEmpty()) return;
    proc.step(102, [&] { exportCsv(*list.model, path); });
}

void printShownList(Session& session, QWidget* parent, const ShownList& list,
                    const QString& procedure) {
    Procedure proc(session.dialogs, procedure);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(list.title);
    bool accepted = false;
    proc.step(100, [&] {
        if (session.printDialog) {
            accepted = session.printDialog(parent, printer);
        } else {
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(QStringLiteral("Print ") + list.title);
            accepted = dialog.exec() == QDialog::Accepted;
        }
    });
    if (!accepted) return;
    proc.step(102, [&] {
        QPainter painter;
        if (!painter.begin(&printer))
            throw Failure(QStringLiteral("The printer could not be started"));
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        paintShownList(painter, QRect(QPoint(0, 0), page.size()), printer.resolution(), list,
                       [&] { return printer.newPage(); });
        if (!painter.end()) throw Failure(QStringLiteral("The printing did not finish"));
    });
}

} // namespace corvanna
