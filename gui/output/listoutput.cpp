// Export and print of a list as the desk sees it.
#include "gui/output/listoutput.h"

#include "base/dates.h"
#include "base/failure.h"
#include "base/product.h"
#include "base/report.h"
#include "gui/frame/design.h"
#include "gui/frame/session.h"
#include "list/csvexport.h"
#include "list/reservationmodel.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextLayout>
#include <QTreeView>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <vector>

namespace corvanna {

namespace {

using Column = ReservationModel::Column;

// Columns that print on any page: who stays, in what, when, and how to reach the guest.
constexpr Column kAlwaysPrinted[] = {
    ReservationModel::Id,         ReservationModel::GuestName,   ReservationModel::Accommodation,
    ReservationModel::Type,       ReservationModel::CheckInDate, ReservationModel::CheckOutDate,
    ReservationModel::PhoneNumber};
// The others, left out in this order when a page is too narrow for every column.
constexpr Column kLeftOutFirst[] = {
    ReservationModel::CreditCardNo,    ReservationModel::CreditCardType,
    ReservationModel::ServiceIncluded, ReservationModel::NoOfPersons,
    ReservationModel::NoOfRooms,       ReservationModel::Address};
static_assert(std::size(kAlwaysPrinted) + std::size(kLeftOutFirst) ==
              std::size_t(ReservationModel::ColumnCount));
// Columns of numbers and dates: never wrapped, always as wide as their widest text.
constexpr Column kUnwrapped[] = {ReservationModel::Id, ReservationModel::NoOfRooms,
                                 ReservationModel::NoOfPersons, ReservationModel::CheckInDate,
                                 ReservationModel::CheckOutDate};
// A column of texts gets at least this many average characters before long texts wrap, and
// keeps this many on a page too narrow for that.
constexpr int kLeastTextCharacters = 8;
constexpr int kSqueezedTextCharacters = 4;
// Points of the title and of the list's text.
constexpr double kTitlePoints = 14;
constexpr double kListPoints = 9;

template <std::size_t N> bool isOneOf(int column, const Column (&columns)[N]) {
    return std::find(std::begin(columns), std::end(columns), column) != std::end(columns);
}

// Line breaks of a cell (an address of two lines) as the text layout's own.
QString layoutText(QString text) {
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

// A font on the painter's device: its measures and the lines of a cell's text.
class TextStyle {
public:
    TextStyle(const QFont& font, QPaintDevice* device)
        : m_font(font)
        , m_device(device)
        , m_metrics(font, device) {}
    const QFont& font() const { return m_font; }
    int lineHeight() const { return int(std::ceil(m_metrics.lineSpacing())); }
    int averageCharWidth() const { return int(std::ceil(m_metrics.averageCharWidth())); }

    // The width of the widest line of a text, or of its widest word, rounded up: the layout
    // places glyphs at fractions of a pixel, and a word must not wrap in a column made for it.
    int widest(const QString& text, bool words) const {
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        qreal width = 0;
        const QStringList parts =
            words ? text.split(blanks, Qt::SkipEmptyParts) : text.split(QChar::LineSeparator);
        for (const QString& part : parts)
            width = std::max(width, m_metrics.horizontalAdvance(part));
        return int(std::ceil(width)) + 1;
    }
    // A text of one line that `width` holds: most cells, drawn without a layout of their own.
    bool fitsOneLine(const QString& text, int width) const {
        return !text.contains(QChar::LineSeparator) && widest(text, false) <= width;
    }
    // The text laid out in lines of `width`, wrapped at word boundaries or, for a word longer
    // than the width, anywhere.
    std::unique_ptr<QTextLayout> layout(const QString& text, int width) const {
        auto layout = std::make_unique<QTextLayout>(text, m_font, m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine())
            line.setLineWidth(width);
        layout->endLayout();
        return layout;
    }
    int lines(const QString& text, int width) const {
        return fitsOneLine(text, width) ? 1 : layout(text, width)->lineCount();
    }
    // Draws the text from `topLeft` in lines of `width`, at most `maxLines`; a text that goes on
    // beyond them ends its last line with an ellipsis.
    void draw(QPainter& painter, const QString& text, const QPoint& topLeft, int width,
              int maxLines) const {
        painter.setFont(m_font);
        const QRect firstLine(topLeft, QSize(width, lineHeight()));
        if (fitsOneLine(text, width)) {
            painter.drawText(firstLine, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
            return;
        }
        const std::unique_ptr<QTextLayout> lines = layout(text, width);
        const int shown = std::min(lines->lineCount(), maxLines);
        for (int i = 0; i < shown; ++i) {
            const QTextLine line = lines->lineAt(i);
            const QRect place = firstLine.translated(0, i * lineHeight());
            if (i == shown - 1 && shown < lines->lineCount()) {
                const QString rest = text.mid(line.textStart()).simplified();
                painter.drawText(
                    place, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    QFontMetrics(m_font, m_device).elidedText(rest, Qt::ElideRight, width));
            } else {
                line.draw(&painter, QPointF(place.topLeft()) - QPointF(0, line.y()));
            }
        }
    }

private:
    QFont m_font;
    QPaintDevice* m_device;
    QFontMetricsF m_metrics;
};

// The printed width of each of `columns` (0: left out): every column at least its `least`, then
// the page's room shared out towards each `natural` width. Columns are left out in the order of
// kLeftOutFirst while the least widths do not fit; on a page narrower still, the columns of
// texts give up their room down to their `smallest` (their texts wrap more), and only then are
// all narrowed in proportion.
QList<int> printedColumnWidths(const QList<int>& columns, const QList<int>& natural,
                               const QList<int>& least, const QList<int>& smallest, int pageWidth) {
    QList<int> width = least;
    qint64 used = 0;
    for (const int w : least)
        used += w;
    for (const Column dropped : kLeftOutFirst) {
        if (used <= pageWidth) break;
        const qsizetype i = columns.indexOf(dropped);
        if (i < 0) continue;
        used -= width[i];
        width[i] = 0;
    }
    if (used > pageWidth) {
        qint64 give = 0;
        for (qsizetype i = 0; i < columns.size(); ++i)
            give += width[i] > 0 ? width[i] - smallest[i] : 0;
        const qint64 over = used - pageWidth;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (width[i] == 0 || give == 0) continue;
            const qint64 share = std::min<qint64>(
                width[i] - smallest[i], (qint64(width[i] - smallest[i]) * over + give - 1) / give);
            width[i] -= int(share);
            used -= share;
        }
        if (used > pageWidth)
            for (int& w : width)
                w = int(w * qint64(pageWidth) / used);
        return width;
    }
    int room = int(pageWidth - used);
    for (bool growing = true; growing && room > 0;) {
        growing = false;
        int open = 0;
        for (qsizetype i = 0; i < columns.size(); ++i)
            open += width[i] > 0 && width[i] < natural[i] ? 1 : 0;
        const int share = std::max(1, room / std::max(1, open));
        for (qsizetype i = 0; i < columns.size() && room > 0; ++i) {
            if (width[i] == 0 || width[i] >= natural[i]) continue;
            const int more = std::min({share, natural[i] - width[i], room});
            width[i] += more;
            room -= more;
            growing = true;
        }
    }
    return width;
}

// The bounds of each printed column's width.
struct ColumnBounds {
    QList<int> natural;  // as wide as its widest text, or as its caption's widest word
    QList<int> least;    // a column of texts on any page that has room: its texts wrap
    QList<int> smallest; // on a narrow page: captions wrap within words, short words kept
};

ColumnBounds columnBounds(const ReservationModel& model, const QList<int>& columns,
                          const TextStyle& head, const TextStyle& body, int pad) {
    const int readable = kLeastTextCharacters * body.averageCharWidth();
    const int squeezed = kSqueezedTextCharacters * body.averageCharWidth();
    ColumnBounds bounds;
    for (const int c : columns) {
        const int captionWord = head.widest(ReservationModel::headerCaption(c), true);
        const bool wraps = !isOneOf(c, kUnwrapped);
        int text = 0;
        int word = 0;
        for (int r = 0; r < model.rowCount(); ++r) {
            const QString t = layoutText(model.data(model.index(r, c)).toString());
            text = std::max(text, body.widest(t, false));
            if (wraps) word = std::max(word, body.widest(t, true));
        }
        const int full = std::max(captionWord, text) + 2 * pad;
        bounds.natural << full;
        bounds.least << (wraps ? std::min(full, std::max(captionWord, readable) + 2 * pad) : full);
        bounds.smallest << (wraps ? std::min(full,
                                             std::max(squeezed, std::min(word, readable)) + 2 * pad)
                                  : full);
    }
    return bounds;
}

// The first row of each page, for rows of these heights on pages of `bodyHeight`.
std::vector<int> pageStarts(const std::vector<int>& rowHeight, int bodyHeight) {
    std::vector<int> starts{0};
    for (int r = 0, y = 0; r < int(rowHeight.size()); ++r) {
        if (y > 0 && y + rowHeight[r] > bodyHeight) {
            starts.push_back(r);
            y = 0;
        }
        y += rowHeight[r];
    }
    return starts;
}

// The fonts and padding of a page's title line.
struct TitleStyles {
    const TextStyle& title;
    const TextStyle& body;
    int pad;
};

// The list's title on the left, cut short before the print's date on the right.
void drawTitleLine(QPainter& painter, const QRect& line, const TitleStyles& styles,
                   const QString& listTitle, const QString& printed) {
    painter.setPen(Qt::black);
    painter.setFont(styles.body.font());
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, printed);
    painter.setFont(styles.title.font());
    const int titleWidth =
        std::max(0, line.width() - styles.body.widest(printed, false) - 2 * styles.pad);
    painter.drawText(QRect(line.left(), line.top(), titleWidth, line.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(listTitle, Qt::ElideRight, titleWidth));
}

} // namespace

int paintShownList(QPainter& painter, const QRect& page, const ShownList& list,
                   const std::function<bool()>& newPage) {
    const ReservationModel& model = *list.model;
    QPaintDevice* device = painter.device();

    // The columns in the view's order (a moved column prints where the desk sees it).
    QList<int> columns;
    for (int visual = 0; visual < model.columnCount(); ++visual)
        columns << (list.view ? list.view->header()->logicalIndex(visual) : visual);

    const TextStyle title(designFont(kTitlePoints), device);
    const TextStyle head(designFont(kListPoints), device);
    QFont bodyFont = designFont(kListPoints);
    bodyFont.setBold(false);
    const TextStyle body(bodyFont, device);
    const int lineHeight = body.lineHeight();
    const int rowGap = lineHeight * 3 / 10;
    const int pad = body.averageCharWidth() / 2;
    const int rows = model.rowCount();
    const auto cell = [&](int r, int c) {
        return layoutText(model.data(model.index(r, c)).toString());
    };

    const ColumnBounds bounds = columnBounds(model, columns, head, body, pad);
    const QList<int> widths =
        printedColumnWidths(columns, bounds.natural, bounds.least, bounds.smallest, page.width());
    // The room for a column's text, 0 for a column left out.
    QList<int> inner;
    for (const int w : widths)
        inner << (w > 0 ? std::max(1, w - 2 * pad) : 0);

    // The header row: captions wrapped at their words.
    int headLines = 1;
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (inner[i] > 0)
            headLines = std::max(headLines,
                                 head.lines(ReservationModel::headerCaption(columns[i]), inner[i]));
    const int titleHeight = title.lineHeight() * 2;
    const int headTop = page.top() + titleHeight + lineHeight / 2;
    const int bodyTop = headTop + headLines * head.lineHeight() + rowGap;
    const int footer = lineHeight * 2;
    const int bodyHeight = std::max(lineHeight + rowGap, page.bottom() - footer - bodyTop);
    const int maxLines = std::max(1, (bodyHeight - rowGap) / lineHeight);

    // Every row's height, then the rows of each page.
    std::vector<int> rowHeight(rows);
    for (int r = 0; r < rows; ++r) {
        int lines = 1;
        for (qsizetype i = 0; i < columns.size(); ++i)
            if (inner[i] > 0) lines = std::max(lines, body.lines(cell(r, columns[i]), inner[i]));
        rowHeight[r] = std::min(lines, maxLines) * lineHeight + rowGap;
    }
    const std::vector<int> pageStart = pageStarts(rowHeight, bodyHeight);
    const int pages = int(pageStart.size());
    const QString printed =
        QCoreApplication::translate("ListOutput", "%1, printed %2")
            .arg(kProductName, QLocale().toString(QDate::currentDate(), shortDateFormat()));
    int tableWidth = 0;
    for (const int w : widths)
        tableWidth += w;
    const auto rule = [&](int y) { painter.drawLine(page.left(), y, page.left() + tableWidth, y); };

    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !newPage()) return pages;
        drawTitleLine(painter, QRect(page.left(), page.top(), page.width(), titleHeight),
                      {title, body, pad}, list.title, printed);

        // The header row, then the rows of this page, each cell's text wrapped in its column.
        int x = page.left();
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (inner[i] == 0) continue;
            head.draw(painter, ReservationModel::headerCaption(columns[i]),
                      QPoint(x + pad, headTop), inner[i], headLines);
            x += widths[i];
        }
        rule(bodyTop - rowGap / 2);
        const int first = pageStart[p];
        const int last = p + 1 < pages ? pageStart[p + 1] : rows;
        int top = bodyTop;
        for (int r = first; r < last; ++r) {
            x = page.left();
            for (qsizetype i = 0; i < columns.size(); ++i) {
                if (inner[i] == 0) continue;
                body.draw(painter, cell(r, columns[i]), QPoint(x + pad, top), inner[i], maxLines);
                x += widths[i];
            }
            top += rowHeight[r];
            // A light rule between rows keeps a wrapped row's lines together for the eye.
            painter.setPen(Qt::lightGray);
            rule(top - rowGap / 2);
            painter.setPen(Qt::black);
        }
        painter.setFont(body.font());
        painter.drawText(
            QRect(page.left(), page.bottom() - footer, page.width(), footer),
            Qt::AlignHCenter | Qt::AlignBottom,
            QCoreApplication::translate("ListOutput", "Page %1 of %2").arg(p + 1).arg(pages));
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
                .filePath(listFileName(list.title) + QStringLiteral(".csv"));
        path = session.saveFileName
                   ? session.saveFileName(parent, suggested)
                   : QFileDialog::getSaveFileName(
                         parent, QCoreApplication::translate("ListOutput", "Export CSV"), suggested,
                         QCoreApplication::translate("ListOutput", "CSV files (*.csv)"));
    });
    if (path.isEmpty()) return;
    proc.step(102, [&] { exportCsv(*list.model, path); });
}

void printShownList(Session& session, QWidget* parent, const ShownList& list,
                    const QString& procedure) {
    Procedure proc(session.dialogs, procedure);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    // The print dialog proposes the document's name for a PDF: no slashes of a date in it.
    printer.setDocName(listFileName(list.title));
    bool accepted = false;
    proc.step(100, [&] {
        if (session.printDialog) {
            accepted = session.printDialog(parent, printer);
        } else {
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(
                QCoreApplication::translate("ListOutput", "Print %1").arg(list.title));
            accepted = dialog.exec() == QDialog::Accepted;
        }
    });
    if (!accepted) return;
    proc.step(102, [&] {
        QPainter painter;
        if (!painter.begin(&printer))
            throw Failure(
                QCoreApplication::translate("ListOutput", "The printer could not be started"));
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        paintShownList(painter, QRect(QPoint(0, 0), page.size()), list,
                       [&] { return printer.newPage(); });
        if (!painter.end())
            throw Failure(QCoreApplication::translate("ListOutput", "The printing did not finish"));
    });
}

} // namespace corvanna
