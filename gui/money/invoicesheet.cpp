// The invoice on paper: a layout of placed texts computed from the sheet alone, then drawn.
#include "gui/money/invoicesheet.h"

#include "base/dates.h"
#include "base/failure.h"
#include "base/report.h"
#include "gui/frame/design.h"
#include "gui/frame/session.h"
#include "gui/money/amounts.h"
#include "list/csvexport.h"
#include "store/money.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QJsonArray>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace corvanna {

namespace {

constexpr double kTitlePoints = 16;
constexpr double kHeadingPoints = 10;
constexpr double kBodyPoints = 9;

QDate isoDate(const QJsonValue& value) {
    return QDate::fromString(value.toString(), Qt::ISODate);
}

qint64 cents(const QJsonObject& o, const char* key) {
    return o.value(QLatin1String(key)).toInteger();
}

QString text(const QJsonObject& o, const char* key) {
    return o.value(QLatin1String(key)).toString();
}

enum class Style { Title, Heading, Body, Strong };

// One text at its place on one page.
struct Placed {
    int page;
    QRect rect;
    QString text;
    Style style;
    int align;
};
struct Rule {
    int page;
    int y;
    int left;
    int right;
};

// Places texts top to bottom, starting a page where the next block does not fit above the
// footer.
class Layout {
public:
    Layout(const QRect& page, QPaintDevice* device)
        : m_page(page)
        , m_title(font(Style::Title), device)
        , m_heading(font(Style::Heading), device)
        , m_body(font(Style::Body), device)
        , m_strong(font(Style::Strong), device)
        , m_y(page.top()) {}

    static QFont font(Style style) {
        switch (style) {
        case Style::Title:
            return designFont(kTitlePoints);
        case Style::Heading:
            return designFont(kHeadingPoints);
        case Style::Strong:
            return designFont(kBodyPoints);
        case Style::Body:
            break;
        }
        QFont body = designFont(kBodyPoints);
        body.setBold(false);
        return body;
    }
    const QFontMetrics& metrics(Style style) const {
        switch (style) {
        case Style::Title:
            return m_title;
        case Style::Heading:
            return m_heading;
        case Style::Strong:
            return m_strong;
        case Style::Body:
            break;
        }
        return m_body;
    }
    int lineHeight(Style style) const { return metrics(style).lineSpacing(); }
    int width(const QString& t, Style style = Style::Body) const {
        return metrics(style).horizontalAdvance(t) + 1;
    }
    const QRect& page() const { return m_page; }
    int y() const { return m_y; }
    int bottom() const { return m_page.bottom() - 3 * lineHeight(Style::Body); }

    // Room for `height` more on this page, or a new page; true when a page began.
    bool need(int height) {
        if (m_y + height <= bottom() || m_y == m_page.top()) return false;
        ++m_pageIndex;
        m_y = m_page.top();
        return true;
    }
    void place(const QRect& rect, const QString& t, Style style, int align = Qt::AlignLeft) {
        m_placed.push_back({m_pageIndex, rect, t, style, align | Qt::AlignVCenter});
    }
    // A line of text across the page at the current height.
    void line(const QString& t, Style style = Style::Body, int align = Qt::AlignLeft) {
        need(lineHeight(style));
        place(QRect(m_page.left(), m_y, m_page.width(), lineHeight(style)), t, style, align);
        m_y += lineHeight(style);
    }
    void rule() { m_rules.push_back({m_pageIndex, m_y, m_page.left(), m_page.right()}); }
    void skip(int height) { m_y += height; }
    void setY(int y) { m_y = y; }
    int pages() const { return m_pageIndex + 1; }
    const std::vector<Placed>& placed() const { return m_placed; }
    const std::vector<Rule>& rules() const { return m_rules; }

private:
    QRect m_page;
    QFontMetrics m_title, m_heading, m_body, m_strong;
    int m_y;
    int m_pageIndex = 0;
    std::vector<Placed> m_placed;
    std::vector<Rule> m_rules;
};

// A table's columns: their captions, widths and alignment; the first column of texts takes
// what the others leave.
struct Table {
    QStringList captions;
    std::vector<int> widths;
    std::vector<int> aligns;

    void row(Layout& layout, const QStringList& cells, Style style, bool header = false) const {
        const int height = layout.lineHeight(style);
        if (layout.need(height) && !header) row(layout, captions, Style::Strong, true);
        int x = layout.page().left();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const int w = widths[size_t(i)];
            const QString shown = layout.metrics(style).elidedText(cells[i], Qt::ElideRight, w);
            layout.place(QRect(x, layout.y(), w, height), shown, style, aligns[size_t(i)]);
            x += w + layout.width(QStringLiteral("  "));
        }
        layout.skip(height);
        if (header) layout.rule();
    }
};

// Widths for the columns: each as wide as its widest text, `flexible` taking the rest.
std::vector<int> columnWidths(const Layout& layout, const std::vector<QStringList>& columns,
                              size_t flexible) {
    std::vector<int> widths;
    const int gap = layout.width(QStringLiteral("  "));
    int used = 0;
    for (const QStringList& texts : columns) {
        int w = 0;
        for (const QString& t : texts)
            w = std::max(w, layout.width(t, Style::Strong));
        widths.push_back(w);
        used += w + gap;
    }
    used -= widths[flexible];
    widths[flexible] =
        std::max(layout.width(QStringLiteral("MMMMMM")), layout.page().width() - used + gap);
    return widths;
}

void layOutLines(Layout& layout, const InvoiceSheet& sheet, const QLocale& locale) {
    const auto money = [&](qint64 c) { return formatMoney(c, sheet.currency, locale); };
    Table table;
    table.captions = {QCoreApplication::translate("Invoice", "Date"),
                      QCoreApplication::translate("Invoice", "Description"),
                      QCoreApplication::translate("Invoice", "Quantity"),
                      QCoreApplication::translate("Invoice", "Unit price"),
                      QCoreApplication::translate("Invoice", "Tax rate"),
                      QCoreApplication::translate("Invoice", "Tax"),
                      QCoreApplication::translate("Invoice", "Amount")};
    table.aligns = {Qt::AlignLeft,  Qt::AlignLeft,  Qt::AlignRight, Qt::AlignRight,
                    Qt::AlignRight, Qt::AlignRight, Qt::AlignRight};
    std::vector<QStringList> rows;
    for (const InvoiceSheet::Line& line : sheet.lines)
        rows.push_back({locale.toString(line.date, shortDateFormat(locale)), line.description,
                        locale.toString(line.quantity), money(line.unitCents),
                        formatPercent(line.basisPoints, locale), money(line.taxCents),
                        money(line.totalCents)});
    std::vector<QStringList> columns(size_t(table.captions.size()));
    for (size_t c = 0; c < columns.size(); ++c) {
        columns[c] << table.captions[qsizetype(c)];
        for (const QStringList& row : rows)
            columns[c] << row[qsizetype(c)];
    }
    table.widths = columnWidths(layout, columns, 1);
    table.row(layout, table.captions, Style::Strong, true);
    for (const QStringList& row : rows)
        table.row(layout, row, Style::Body);
}

void layOutTotals(Layout& layout, const InvoiceSheet& sheet, const QLocale& locale) {
    const auto money = [&](qint64 c) { return formatMoney(c, sheet.currency, locale); };
    Table taxes;
    taxes.captions = {QCoreApplication::translate("Invoice", "Tax rate"),
                      QCoreApplication::translate("Invoice", "Gross"),
                      QCoreApplication::translate("Invoice", "Net"),
                      QCoreApplication::translate("Invoice", "Tax")};
    taxes.aligns = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight};
    std::vector<QStringList> rows;
    for (const InvoiceSheet::Tax& tax : sheet.taxes)
        rows.push_back({QCoreApplication::translate("Invoice", "%1 %2")
                            .arg(tax.name, formatPercent(tax.basisPoints, locale)),
                        money(tax.grossCents), money(tax.grossCents - tax.taxCents),
                        money(tax.taxCents)});
    std::vector<QStringList> columns(4);
    for (size_t c = 0; c < columns.size(); ++c) {
        columns[c] << taxes.captions[qsizetype(c)];
        for (const QStringList& row : rows)
            columns[c] << row[qsizetype(c)];
    }
    taxes.widths = columnWidths(layout, columns, 0);
    layout.skip(layout.lineHeight(Style::Body));
    taxes.row(layout, taxes.captions, Style::Strong, true);
    for (const QStringList& row : rows)
        taxes.row(layout, row, Style::Body);

    layout.skip(layout.lineHeight(Style::Body));
    const std::pair<QString, qint64> totals[] = {
        {QCoreApplication::translate("Invoice", "Total (taxes included)"), sheet.totalCents},
        {QCoreApplication::translate("Invoice", "Net"), sheet.netCents},
        {QCoreApplication::translate("Invoice", "Taxes"), sheet.taxCents},
    };
    for (const auto& [caption, amount] : totals)
        layout.line(QCoreApplication::translate("Invoice", "%1: %2").arg(caption, money(amount)),
                    Style::Strong, Qt::AlignRight);
    if (!sheet.payments.empty()) {
        layout.skip(layout.lineHeight(Style::Body));
        layout.line(QCoreApplication::translate("Invoice", "Payments received"), Style::Heading);
        for (const InvoiceSheet::Paid& paid : sheet.payments)
            layout.line(QCoreApplication::translate("Invoice", "%1  %2  %3  %4")
                            .arg(locale.toString(paid.date, shortDateFormat(locale)),
                                 paymentKindText(paid.kind), paid.method, money(paid.amountCents)));
    }
    layout.line(QCoreApplication::translate("Invoice", "Paid: %1").arg(money(sheet.paidCents)),
                Style::Strong, Qt::AlignRight);
    layout.line(
        QCoreApplication::translate("Invoice", "Balance due: %1").arg(money(sheet.balanceCents)),
        Style::Heading, Qt::AlignRight);
}

} // namespace

QString paymentKindText(const QString& kind) {
    if (kind == QLatin1String("deposit")) return QCoreApplication::translate("Invoice", "Deposit");
    if (kind == QLatin1String("refund")) return QCoreApplication::translate("Invoice", "Refund");
    if (kind == QLatin1String("payment")) return QCoreApplication::translate("Invoice", "Payment");
    return kind;
}

QString invoiceNumberText(int year, int number) {
    Invoice invoice;
    invoice.year = year;
    invoice.number = number;
    return invoiceNumberText(invoice);
}

InvoiceSheet invoiceSheet(const QJsonObject& snapshot, int year, int number, bool creditNote) {
    InvoiceSheet sheet;
    sheet.creditNote = creditNote;
    sheet.year = year;
    sheet.number = number;
    sheet.refersTo = text(snapshot, "refersTo");
    sheet.issued = isoDate(snapshot.value(QLatin1String("issuedOn")));
    const QJsonObject hotel = snapshot.value(QLatin1String("hotel")).toObject();
    sheet.hotelName = text(hotel, "name");
    sheet.hotelAddress = text(hotel, "address");
    sheet.taxNumber = text(hotel, "taxNumber");
    sheet.currency = text(hotel, "currency");
    sheet.footer = text(hotel, "footer");
    const QJsonObject guest = snapshot.value(QLatin1String("guest")).toObject();
    sheet.guestName = text(guest, "name");
    sheet.guestAddress = text(guest, "address");
    sheet.guestPhone = text(guest, "phone");
    const QJsonObject stay = snapshot.value(QLatin1String("reservation")).toObject();
    sheet.reservationId = cents(stay, "id");
    sheet.kind = text(stay, "kind");
    sheet.type = text(stay, "type");
    sheet.checkIn = isoDate(stay.value(QLatin1String("checkIn")));
    sheet.checkOut = isoDate(stay.value(QLatin1String("checkOut")));
    for (const QJsonValue& v : snapshot.value(QLatin1String("lines")).toArray()) {
        const QJsonObject o = v.toObject();
        // A night says what was let; its date has a column of its own.
        const QString description =
            text(o, "kind") == QLatin1String("night")
                ? QCoreApplication::translate("Invoice", "Night, %1 %2").arg(sheet.type, sheet.kind)
                : text(o, "description");
        sheet.lines.push_back({isoDate(o.value(QLatin1String("date"))), description,
                               cents(o, "quantity"), cents(o, "unitCents"), cents(o, "totalCents"),
                               text(o, "taxRateName"), int(cents(o, "basisPoints")),
                               cents(o, "taxCents")});
    }
    for (const QJsonValue& v : snapshot.value(QLatin1String("taxes")).toArray()) {
        const QJsonObject o = v.toObject();
        sheet.taxes.push_back({text(o, "name"), int(cents(o, "basisPoints")),
                               cents(o, "grossCents"), cents(o, "taxCents")});
    }
    for (const QJsonValue& v : snapshot.value(QLatin1String("payments")).toArray()) {
        const QJsonObject o = v.toObject();
        sheet.payments.push_back({isoDate(o.value(QLatin1String("date"))), text(o, "kind"),
                                  text(o, "method"), cents(o, "amountCents")});
    }
    sheet.totalCents = cents(snapshot, "totalCents");
    sheet.taxCents = cents(snapshot, "taxCents");
    sheet.netCents = sheet.totalCents - sheet.taxCents;
    sheet.paidCents = cents(snapshot, "paidCents");
    sheet.balanceCents = cents(snapshot, "balanceCents");
    return sheet;
}

QString invoiceDocumentName(const InvoiceSheet& sheet) {
    const QString number = invoiceNumberText(sheet.year, sheet.number);
    return listFileName(
        sheet.creditNote
            ? QCoreApplication::translate("Invoice", "Credit note %1 %2")
                  .arg(number, sheet.guestName)
            : QCoreApplication::translate("Invoice", "Invoice %1 %2").arg(number, sheet.guestName));
}

int paintInvoice(QPainter& painter, const QRect& page, const InvoiceSheet& sheet,
                 const QLocale& locale, const std::function<bool()>& newPage) {
    Layout layout(page, painter.device());
    const QString dateFormat = shortDateFormat(locale);
    const QString number = invoiceNumberText(sheet.year, sheet.number);

    // The hotel on the left, the document's number and date on the right.
    const int top = layout.y();
    layout.line(sheet.hotelName, Style::Title);
    for (const QString& l : sheet.hotelAddress.split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty()) layout.line(l.trimmed());
    if (!sheet.taxNumber.isEmpty())
        layout.line(QCoreApplication::translate("Invoice", "Tax number: %1").arg(sheet.taxNumber));
    const int hotelBottom = layout.y();
    layout.setY(top);
    layout.line(sheet.creditNote
                    ? QCoreApplication::translate("Invoice", "Credit note %1").arg(number)
                    : QCoreApplication::translate("Invoice", "Invoice %1").arg(number),
                Style::Title, Qt::AlignRight);
    layout.line(QCoreApplication::translate("Invoice", "Date: %1")
                    .arg(locale.toString(sheet.issued, dateFormat)),
                Style::Body, Qt::AlignRight);
    if (sheet.creditNote)
        layout.line(
            QCoreApplication::translate("Invoice", "Cancels invoice %1").arg(sheet.refersTo),
            Style::Body, Qt::AlignRight);
    layout.line(QCoreApplication::translate("Invoice", "Reservation %1").arg(sheet.reservationId),
                Style::Body, Qt::AlignRight);
    layout.setY(std::max(hotelBottom, layout.y()) + layout.lineHeight(Style::Body));

    // The guest and the stay.
    layout.line(sheet.guestName, Style::Heading);
    for (const QString& l : sheet.guestAddress.split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty()) layout.line(l.trimmed());
    if (!sheet.guestPhone.isEmpty()) layout.line(sheet.guestPhone);
    layout.skip(layout.lineHeight(Style::Body));
    layout.line(QCoreApplication::translate("Invoice", "%1 %2, %3 to %4")
                    .arg(sheet.type, sheet.kind, locale.toString(sheet.checkIn, dateFormat),
                         locale.toString(sheet.checkOut, dateFormat)));
    layout.skip(layout.lineHeight(Style::Body));

    layOutLines(layout, sheet, locale);
    layOutTotals(layout, sheet, locale);

    // Drawn page by page, each with the hotel's footer and its number.
    const int pages = layout.pages();
    const int footerHeight = layout.lineHeight(Style::Body);
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !newPage()) return pages;
        painter.setPen(Qt::black);
        for (const Placed& item : layout.placed()) {
            if (item.page != p) continue;
            painter.setFont(Layout::font(item.style));
            painter.drawText(item.rect, item.align | Qt::TextSingleLine, item.text);
        }
        for (const Rule& rule : layout.rules())
            if (rule.page == p) painter.drawLine(rule.left, rule.y, rule.right, rule.y);
        painter.setFont(Layout::font(Style::Body));
        const QRect footer(page.left(), page.bottom() - 2 * footerHeight, page.width(),
                           footerHeight);
        painter.drawText(footer, Qt::AlignHCenter | Qt::TextSingleLine, sheet.footer);
        painter.drawText(
            footer.translated(0, footerHeight), Qt::AlignHCenter | Qt::TextSingleLine,
            QCoreApplication::translate("Invoice", "Page %1 of %2").arg(p + 1).arg(pages));
    }
    return pages;
}

namespace {

void paintOn(QPrinter& printer, const InvoiceSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw Failure(QCoreApplication::translate("Invoice", "The printer could not be started"));
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintInvoice(painter, QRect(QPoint(0, 0), page.size()), sheet, QLocale(),
                 [&] { return printer.newPage(); });
    if (!painter.end())
        throw Failure(QCoreApplication::translate("Invoice", "The printing did not finish"));
}

} // namespace

void printInvoice(Session& session, QWidget* parent, const InvoiceSheet& sheet,
                  const QString& procedure) {
    Procedure proc(session.dialogs, procedure);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(invoiceDocumentName(sheet));
    bool accepted = false;
    proc.step(100, [&] {
        if (session.printDialog) {
            accepted = session.printDialog(parent, printer);
        } else {
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(QCoreApplication::translate("Invoice", "Print %1")
                                      .arg(invoiceNumberText(sheet.year, sheet.number)));
            accepted = dialog.exec() == QDialog::Accepted;
        }
    });
    if (accepted) proc.step(102, [&] { paintOn(printer, sheet); });
}

void saveInvoicePdf(Session& session, QWidget* parent, const InvoiceSheet& sheet,
                    const QString& procedure) {
    Procedure proc(session.dialogs, procedure);
    QString path;
    proc.step(100, [&] {
        const QString suggested =
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .filePath(invoiceDocumentName(sheet) + QStringLiteral(".pdf"));
        path = session.saveFileName
                   ? session.saveFileName(parent, suggested)
                   : QFileDialog::getSaveFileName(
                         parent, QCoreApplication::translate("Invoice", "Save as PDF"), suggested,
                         QCoreApplication::translate("Invoice", "PDF files (*.pdf)"));
    });
    if (path.isEmpty()) return;
    proc.step(102, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(invoiceDocumentName(sheet));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        paintOn(printer, sheet);
    });
}

} // namespace corvanna
