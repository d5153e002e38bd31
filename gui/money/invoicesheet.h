#pragma once

#include <QDate>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
class QPrinter;
class QRect;
class QWidget;

namespace corvanna {

struct Session;

// An issued invoice or credit note as it prints: everything comes from the snapshot kept with
// it, so a reprint years later shows what the guest was given, whatever changed since.
struct InvoiceSheet {
    struct Line {
        QDate date;
        QString description;
        qint64 quantity = 1;
        qint64 unitCents = 0;
        qint64 totalCents = 0;
        QString taxName;
        int basisPoints = 0;
        qint64 taxCents = 0;
    };
    struct Tax {
        QString name;
        int basisPoints = 0;
        qint64 grossCents = 0;
        qint64 taxCents = 0;
    };
    struct Paid {
        QDate date;
        QString kind; // deposit, payment, refund
        QString method;
        qint64 amountCents = 0;
    };

    bool creditNote = false;
    int year = 0;
    int number = 0;
    QString refersTo; // a credit note's invoice, by its number
    QDate issued;
    QString hotelName, hotelAddress, taxNumber, currency, footer;
    QString guestName, guestAddress, guestPhone;
    qint64 reservationId = 0;
    QString kind, type;
    QDate checkIn, checkOut;
    std::vector<Line> lines;
    std::vector<Tax> taxes;
    std::vector<Paid> payments;
    qint64 totalCents = 0, taxCents = 0, netCents = 0, paidCents = 0, balanceCents = 0;
};

// The sheet of a stored invoice: its number and kind, and its snapshot's details.
InvoiceSheet invoiceSheet(const QJsonObject& snapshot, int year, int number, bool creditNote);

// A payment's kind as shown: Deposit, Payment, Refund.
QString paymentKindText(const QString& kind);

// An invoice's number as printed and shown: "2026-0007" (the store's format).
QString invoiceNumberText(int year, int number);

// Paints the sheet's pages within `page` (a printer or an image); `newPage` starts the next page
// and returns false to stop. Returns the number of pages. Reads nothing but the sheet.
int paintInvoice(QPainter& painter, const QRect& page, const InvoiceSheet& sheet,
                 const QLocale& locale, const std::function<bool()>& newPage);

// The document's name, as a PDF's proposed file name: "Invoice 2026-0007 Ada Lovelace".
QString invoiceDocumentName(const InvoiceSheet& sheet);

// Print: the session's print dialog, then the sheet on the printer (or its PDF). Save as PDF:
// the session's file dialog, then the PDF written there. Each is a run of steps under
// `procedure` (100 the dialog, 102 the painting).
void printInvoice(Session& session, QWidget* parent, const InvoiceSheet& sheet,
                  const QString& procedure);
void saveInvoicePdf(Session& session, QWidget* parent, const InvoiceSheet& sheet,
                    const QString& procedure);

} // namespace corvanna
