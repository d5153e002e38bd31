#pragma once

#include "store/money.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTreeWidget;

namespace corvanna {

class Form1;
struct Session;

// A reservation's account: its nights with their prices, charges, deposits, payments and refunds,
// and the balance; a night's price set by hand, a charge or a payment added, an entry voided; its
// invoices issued, printed or saved as PDF, and cancelled by a credit note. Nothing is ever
// changed or removed: every correction is a new entry.
class FolioWindow : public QDialog {
    Q_OBJECT
public:
    FolioWindow(Form1& mainWindow, qint64 reservationId);

    // Reads the account; everything is off when the database keeps no accounts.
    void Form_Load();
    // Each adds what is typed in its row below the account; false, after a message, when it is
    // refused.
    bool SetNightPrice_Click();
    bool AddCharge_Click();
    bool AddPayment_Click();
    // Voids the selected charge or payment once the desk confirms.
    void Void_Click();
    // Issues an invoice of the account as it stands, once the desk confirms.
    void IssueInvoice_Click();
    // The selected invoice or credit note on paper, or as a PDF.
    void Print_Click();
    void Pdf_Click();
    // Cancels the selected invoice by a credit note, once the desk confirms.
    void CreditNote_Click();

private:
    void showFolio();
    void showInvoices(qint64 selectId = 0);
    QString money(qint64 cents) const;
    QString taxText(qint64 taxRateId) const;
    // The stay's invoice no credit note cancels, if there is one.
    const Invoice* standingInvoice() const;
    // The selected invoice, or nothing after a message.
    const Invoice* selectedInvoice();

    Session& m_session;
    qint64 m_reservationId;
    QString m_currency;
    Folio m_folio;
    std::vector<TaxRate> m_taxRates;
    std::vector<Invoice> m_invoices;

    QLabel* m_guest;
    QTableWidget* m_grid;
    QLabel* m_unpriced;
    QLabel* m_charges;
    QLabel* m_paid;
    QLabel* m_balance;
    QComboBox* m_night;
    QLineEdit* m_nightPrice;
    QComboBox* m_nightTax;
    QLineEdit* m_chargeText;
    QSpinBox* m_chargeQuantity;
    QLineEdit* m_chargePrice;
    QComboBox* m_chargeTax;
    QComboBox* m_paymentKind;
    QLineEdit* m_paymentAmount;
    QComboBox* m_paymentMethod;
    QTreeWidget* m_invoiceList;
    std::vector<QWidget*> m_actions; // off without accounts
};

} // namespace corvanna
