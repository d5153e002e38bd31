#include "gui/money/foliowindow.h"

#include "base/dates.h"
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/money/amounts.h"
#include "gui/money/invoicesheet.h"
#include "gui/money/moneyaccess.h"
#include "gui/stays/staycommands.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace corvanna {

namespace {

enum Column {
    DateColumn,
    EntryColumn,
    DescriptionColumn,
    QuantityColumn,
    UnitColumn,
    AmountColumn,
    TaxColumn,
    DeskColumn,
    ColumnCount
};
enum InvoiceColumn { NumberColumn, KindColumn, IssuedColumn, TotalColumn, InvoiceColumnCount };
constexpr int kMostOfACharge = 9999;
const QColor kVoided(Qt::gray);

QString entryText(const FolioLine& line) {
    switch (line.kind) {
    case FolioLine::Night:
        return line.source == QLatin1String("override")
                   ? FolioWindow::tr("Night, price set by hand")
                   : FolioWindow::tr("Night");
    case FolioLine::Charge:
        return FolioWindow::tr("Charge");
    case FolioLine::Deposit:
        return FolioWindow::tr("Deposit");
    case FolioLine::Payment:
        return FolioWindow::tr("Payment");
    case FolioLine::Refund:
        return FolioWindow::tr("Refund");
    }
    return QString();
}

QPushButton* button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

FolioWindow::FolioWindow(Form1& mainWindow, qint64 reservationId)
    : QDialog(&mainWindow)
    , m_session(mainWindow.session())
    , m_reservationId(reservationId) {
    setObjectName(QStringLiteral("Folio"));
    setWindowTitle(tr("Folio"));
    setModal(true);

    m_guest = new QLabel(this);
    m_guest->setObjectName(QStringLiteral("folioGuest"));
    m_grid = new QTableWidget(0, ColumnCount, this);
    m_grid->setObjectName(QStringLiteral("folioGrid"));
    m_grid->setAccessibleName(tr("Account"));
    m_grid->setHorizontalHeaderLabels({tr("Date"), tr("Entry"), tr("Description"), tr("Quantity"),
                                       tr("Unit price"), tr("Amount"), tr("Tax rate"), tr("Desk")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_unpriced = new QLabel(this);
    m_unpriced->setObjectName(QStringLiteral("folioUnpriced"));
    m_unpriced->setWordWrap(true);
    m_charges = new QLabel(this);
    m_charges->setObjectName(QStringLiteral("folioCharges"));
    m_paid = new QLabel(this);
    m_paid->setObjectName(QStringLiteral("folioPaid"));
    m_balance = new QLabel(this);
    m_balance->setObjectName(QStringLiteral("folioBalance"));
    QFont strong = m_balance->font();
    strong.setBold(true);
    m_balance->setFont(strong);
    auto* totals = new QHBoxLayout;
    totals->addWidget(m_unpriced, 1);
    totals->addWidget(m_charges);
    totals->addSpacing(12);
    totals->addWidget(m_paid);
    totals->addSpacing(12);
    totals->addWidget(m_balance);

    // A night's price by hand.
    m_night = new QComboBox(this);
    m_night->setObjectName(QStringLiteral("folioNight"));
    m_night->setAccessibleName(tr("Night"));
    m_nightPrice = new QLineEdit(this);
    m_nightPrice->setObjectName(QStringLiteral("folioNightPrice"));
    m_nightPrice->setAccessibleName(tr("Night's price"));
    m_nightTax = new QComboBox(this);
    m_nightTax->setObjectName(QStringLiteral("folioNightTax"));
    m_nightTax->setAccessibleName(tr("Tax rate of the night's price"));
    auto* setNight = button(this, tr("Set &Price"), "folioSetNightPrice");
    connect(setNight, &QPushButton::clicked, this, [this] { SetNightPrice_Click(); });
    connect(m_nightPrice, &QLineEdit::returnPressed, this, [this] { SetNightPrice_Click(); });

    // A charge.
    m_chargeText = new QLineEdit(this);
    m_chargeText->setObjectName(QStringLiteral("folioChargeText"));
    m_chargeText->setAccessibleName(tr("Charge's description"));
    m_chargeText->setPlaceholderText(tr("Description"));
    m_chargeQuantity = new QSpinBox(this);
    m_chargeQuantity->setObjectName(QStringLiteral("folioChargeQuantity"));
    m_chargeQuantity->setAccessibleName(tr("Quantity"));
    m_chargeQuantity->setRange(1, kMostOfACharge);
    m_chargePrice = new QLineEdit(this);
    m_chargePrice->setObjectName(QStringLiteral("folioChargePrice"));
    m_chargePrice->setAccessibleName(tr("Unit price"));
    m_chargePrice->setPlaceholderText(tr("Unit price"));
    m_chargeTax = new QComboBox(this);
    m_chargeTax->setObjectName(QStringLiteral("folioChargeTax"));
    m_chargeTax->setAccessibleName(tr("Tax rate"));
    auto* addCharge = button(this, tr("Add &Charge"), "folioAddCharge");
    connect(addCharge, &QPushButton::clicked, this, [this] { AddCharge_Click(); });
    connect(m_chargePrice, &QLineEdit::returnPressed, this, [this] { AddCharge_Click(); });

    // A deposit, payment or refund.
    m_paymentKind = new QComboBox(this);
    m_paymentKind->setObjectName(QStringLiteral("folioPaymentKind"));
    m_paymentKind->setAccessibleName(tr("Kind of payment"));
    m_paymentKind->addItem(tr("Payment"), int(PaymentKind::Payment));
    m_paymentKind->addItem(tr("Deposit"), int(PaymentKind::Deposit));
    m_paymentKind->addItem(tr("Refund"), int(PaymentKind::Refund));
    m_paymentAmount = new QLineEdit(this);
    m_paymentAmount->setObjectName(QStringLiteral("folioPaymentAmount"));
    m_paymentAmount->setAccessibleName(tr("Amount"));
    m_paymentAmount->setPlaceholderText(tr("Amount"));
    m_paymentMethod = new QComboBox(this);
    m_paymentMethod->setObjectName(QStringLiteral("folioPaymentMethod"));
    m_paymentMethod->setAccessibleName(tr("Method"));
    m_paymentMethod->setEditable(true);
    m_paymentMethod->addItems({tr("Cash"), tr("Card"), tr("Bank transfer")});
    auto* addPayment = button(this, tr("Add Pa&yment"), "folioAddPayment");
    connect(addPayment, &QPushButton::clicked, this, [this] { AddPayment_Click(); });
    connect(m_paymentAmount, &QLineEdit::returnPressed, this, [this] { AddPayment_Click(); });

    auto* entries = new QGridLayout;
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    entries->addWidget(label(tr("&Night:"), m_night), 0, 0);
    entries->addWidget(m_night, 0, 1, 1, 2);
    entries->addWidget(m_nightPrice, 0, 3);
    entries->addWidget(m_nightTax, 0, 4);
    entries->addWidget(setNight, 0, 5);
    entries->addWidget(label(tr("C&harge:"), m_chargeText), 1, 0);
    entries->addWidget(m_chargeText, 1, 1);
    entries->addWidget(m_chargeQuantity, 1, 2);
    entries->addWidget(m_chargePrice, 1, 3);
    entries->addWidget(m_chargeTax, 1, 4);
    entries->addWidget(addCharge, 1, 5);
    entries->addWidget(label(tr("Pay&ment:"), m_paymentAmount), 2, 0);
    entries->addWidget(m_paymentKind, 2, 1);
    entries->addWidget(m_paymentMethod, 2, 2);
    entries->addWidget(m_paymentAmount, 2, 3);
    entries->addWidget(addPayment, 2, 5);
    entries->setColumnStretch(1, 1);

    m_invoiceList = new QTreeWidget(this);
    m_invoiceList->setObjectName(QStringLiteral("folioInvoices"));
    m_invoiceList->setAccessibleName(tr("Invoices"));
    m_invoiceList->setRootIsDecorated(false);
    m_invoiceList->setHeaderLabels({tr("Number"), tr("Kind"), tr("Issued"), tr("Total")});
    m_invoiceList->setMaximumHeight(120);
    auto* voidEntry = button(this, tr("&Void"), "folioVoid");
    auto* issue = button(this, tr("&Invoice"), "folioIssueInvoice");
    auto* print = button(this, tr("&Print…"), "folioPrint");
    auto* pdf = button(this, tr("Save as P&DF…"), "folioPdf");
    auto* credit = button(this, tr("C&redit Note"), "folioCreditNote");
    auto* close = button(this, tr("&Close"), "folioClose");
    connect(voidEntry, &QPushButton::clicked, this, [this] { Void_Click(); });
    connect(issue, &QPushButton::clicked, this, [this] { IssueInvoice_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { Print_Click(); });
    connect(pdf, &QPushButton::clicked, this, [this] { Pdf_Click(); });
    connect(credit, &QPushButton::clicked, this, [this] { CreditNote_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {voidEntry, issue, print, pdf, credit})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);

    m_actions = {setNight, addCharge, addPayment,   voidEntry,     issue,          print,
                 pdf,      credit,    m_nightPrice, m_chargePrice, m_paymentAmount};
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_guest);
    layout->addWidget(m_grid, 1);
    layout->addLayout(totals);
    layout->addLayout(entries);
    layout->addWidget(m_invoiceList);
    layout->addLayout(buttons);
    resize(860, 620);
}

QString FolioWindow::money(qint64 cents) const {
    return formatMoney(cents, m_currency);
}

QString FolioWindow::taxText(qint64 taxRateId) const {
    for (const TaxRate& rate : m_taxRates)
        if (rate.id == taxRateId)
            return tr("%1 %2").arg(rate.name, formatPercent(rate.basisPoints));
    return QString();
}

void FolioWindow::Form_Load() {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.Form_Load"));
    bool available = false;
    proc.step(100, [&] { available = MoneyAccess::available(m_session); });
    if (!available) {
        for (QWidget* w : m_actions)
            w->setEnabled(false);
        return;
    }
    proc.step(102, [&] {
        m_currency = MoneyAccess::currency(m_session.connection());
        m_taxRates = readTaxRates(m_session.connection());
        m_chargeTax->clear();
        m_nightTax->clear();
        m_nightTax->addItem(tr("Tax rate as before"), 0);
        for (const TaxRate& rate : m_taxRates) {
            m_chargeTax->addItem(taxText(rate.id), rate.id);
            m_nightTax->addItem(taxText(rate.id), rate.id);
        }
    });
    showFolio();
    showInvoices();
}

void FolioWindow::showFolio() {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.showFolio"));
    const int row = m_grid->currentRow();
    if (!proc.step(100, [&] { m_folio = readFolio(m_session.connection(), m_reservationId); }))
        return;
    const QString format = shortDateFormat();
    const auto date = [&](const QDate& d) { return QLocale().toString(d, format); };
    m_guest->setText(tr("%1, %2 %3, %4 to %5, reservation %6")
                         .arg(m_folio.guestName, m_folio.type, m_folio.kind, date(m_folio.checkIn),
                              date(m_folio.checkOut))
                         .arg(m_reservationId));
    setWindowTitle(tr("Folio of %1").arg(m_folio.guestName));

    m_grid->setRowCount(int(m_folio.lines.size()));
    for (size_t i = 0; i < m_folio.lines.size(); ++i) {
        const FolioLine& line = m_folio.lines[i];
        const bool charged = line.kind == FolioLine::Night || line.kind == FolioLine::Charge;
        QStringList description;
        if (line.kind == FolioLine::Night)
            description << tr("%1 %2").arg(m_folio.type, m_folio.kind);
        else
            description << line.method << line.description;
        description.removeAll(QString());
        const QStringList cells{
            date(line.date), line.voided ? tr("%1 (void)").arg(entryText(line)) : entryText(line),
            description.join(QStringLiteral(", ")),
            charged ? QLocale().toString(line.quantity) : QString(),
            charged ? money(line.unitCents) : QString(),
            // What the guest owes counts up, what the guest paid counts down.
            money(charged || line.kind == FolioLine::Refund ? line.totalCents : -line.totalCents),
            charged ? taxText(line.taxRateId) : QString(), line.desk};
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == QuantityColumn || c == UnitColumn || c == AmountColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (line.voided) item->setForeground(kVoided);
            m_grid->setItem(int(i), c, item);
        }
    }
    m_grid->resizeColumnsToContents();
    if (row >= 0 && row < m_grid->rowCount()) m_grid->selectRow(row);

    QStringList unpriced;
    for (const QDate& night : m_folio.unpricedNights)
        unpriced << date(night);
    const int count = int(unpriced.size());
    m_unpriced->setText(m_folio.unsold
                            ? tr("Cancelled or a no-show: the stay's nights are not charged.")
                        : count == 0 ? QString()
                        : count == 1 ? tr("1 night without a price: %1").arg(unpriced.front())
                                     : tr("%n nights without a price: %1", nullptr, count)
                                           .arg(unpriced.join(QStringLiteral(", "))));
    m_charges->setText(tr("Charges: %1").arg(money(m_folio.chargesCents)));
    m_paid->setText(tr("Paid: %1").arg(money(m_folio.paidCents)));
    m_balance->setText(tr("Balance: %1").arg(money(m_folio.balanceCents)));

    // The stay's nights, each with its price now.
    const QDate chosen = m_night->currentData().toDate();
    m_night->clear();
    for (QDate night = m_folio.checkIn; night < m_folio.checkOut; night = night.addDays(1)) {
        QString price = tr("no price");
        for (const FolioLine& line : m_folio.lines)
            if (line.kind == FolioLine::Night && line.date == night) price = money(line.unitCents);
        m_night->addItem(tr("%1 (%2)").arg(date(night), price), night);
    }
    if (const int i = m_night->findData(chosen); i >= 0) m_night->setCurrentIndex(i);
}

void FolioWindow::showInvoices(qint64 selectId) {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.showInvoices"));
    m_invoices.clear();
    proc.step(100, [&] { m_invoices = readInvoices(m_session.connection(), m_reservationId); });
    m_invoiceList->clear();
    for (const Invoice& invoice : m_invoices) {
        const QString kind =
            invoice.kind == QLatin1String("credit note") ? tr("Credit note") : tr("Invoice");
        auto* item = new QTreeWidgetItem(
            m_invoiceList,
            {invoiceNumberText(invoice), kind,
             QLocale().toString(invoice.issuedAt.toLocalTime().date(), shortDateFormat()),
             money(invoice.snapshot.value(QLatin1String("totalCents")).toInteger())});
        item->setTextAlignment(TotalColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (invoice.id == selectId) m_invoiceList->setCurrentItem(item);
    }
    for (int c = 0; c < InvoiceColumnCount; ++c)
        m_invoiceList->resizeColumnToContents(c);
}

bool FolioWindow::SetNightPrice_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.SetNightPrice_Click"));
    const QDate night = m_night->currentData().toDate();
    if (!night.isValid()) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("This stay has no night to price.")); });
        return false;
    }
    const std::optional<qint64> price = parseAmount(m_nightPrice->text());
    if (!price) {
        proc.step(102, [&] { m_session.dialogs.notify(badAmountMessage(m_nightPrice->text())); });
        m_nightPrice->setFocus();
        return false;
    }
    // The night keeps its tax rate (or its rate's) unless the desk names another; a night that
    // has neither needs one named.
    const qint64 taxRateId = m_nightTax->currentData().toLongLong();
    bool taxKnown = taxRateId != 0;
    for (const FolioLine& line : m_folio.lines)
        taxKnown = taxKnown || (line.kind == FolioLine::Night && line.date == night);
    if (!taxKnown)
        proc.step(104, [&] {
            taxKnown =
                rateForNight(readRates(m_session.connection()), m_folio.kind, m_folio.type, night)
                    .has_value();
        });
    if (!taxKnown) {
        proc.step(106, [&] {
            m_session.dialogs.notify(
                tr("No rate prices the night of %1: choose the tax rate of its price.")
                    .arg(QLocale().toString(night, shortDateFormat())));
        });
        m_nightTax->setFocus();
        return false;
    }
    if (!proc.step(108, [&] {
            overrideNight(m_session.connection(), m_reservationId, night, *price,
                          StayCommands::deskName(), taxRateId);
        }))
        return false;
    m_nightPrice->clear();
    showFolio();
    return true;
}

bool FolioWindow::AddCharge_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.AddCharge_Click"));
    const QString text = m_chargeText->text().trimmed();
    if (text.isEmpty()) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("A charge needs a description.")); });
        m_chargeText->setFocus();
        return false;
    }
    const std::optional<qint64> price = parseAmount(m_chargePrice->text());
    if (!price) {
        proc.step(102, [&] { m_session.dialogs.notify(badAmountMessage(m_chargePrice->text())); });
        m_chargePrice->setFocus();
        return false;
    }
    if (m_chargeTax->currentIndex() < 0) {
        proc.step(104, [&] {
            m_session.dialogs.notify(
                tr("Add a tax rate first (Tools, Hotel…): every charge names its tax."));
        });
        return false;
    }
    if (!proc.step(106, [&] {
            addCharge(m_session.connection(), m_reservationId, text, m_chargeQuantity->value(),
                      *price, m_chargeTax->currentData().toLongLong(), StayCommands::deskName());
        }))
        return false;
    m_chargeText->clear();
    m_chargePrice->clear();
    m_chargeQuantity->setValue(1);
    showFolio();
    return true;
}

bool FolioWindow::AddPayment_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.AddPayment_Click"));
    const std::optional<qint64> amount = parseAmount(m_paymentAmount->text());
    if (!amount || *amount == 0) {
        proc.step(100, [&] {
            m_session.dialogs.notify(amount ? tr("A payment needs an amount above zero.")
                                            : badAmountMessage(m_paymentAmount->text()));
        });
        m_paymentAmount->setFocus();
        m_paymentAmount->selectAll();
        return false;
    }
    const QString method = m_paymentMethod->currentText().trimmed();
    if (method.isEmpty()) {
        proc.step(102, [&] {
            m_session.dialogs.notify(
                tr("A payment needs a method: choose or type how it was paid."));
        });
        m_paymentMethod->setFocus();
        return false;
    }
    const auto kind = PaymentKind(m_paymentKind->currentData().toInt());
    if (!proc.step(104, [&] {
            addPayment(m_session.connection(), m_reservationId, kind, *amount, method,
                       QDate::currentDate(), QString(), StayCommands::deskName());
        }))
        return false;
    m_paymentAmount->clear();
    showFolio();
    return true;
}

void FolioWindow::Void_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.Void_Click"));
    const int row = m_grid->currentRow();
    if (row < 0 || size_t(row) >= m_folio.lines.size()) {
        proc.step(100,
                  [&] { m_session.dialogs.notify(tr("Select a charge or a payment first.")); });
        return;
    }
    const FolioLine line = m_folio.lines[size_t(row)];
    if (line.kind == FolioLine::Night) {
        proc.step(102, [&] {
            m_session.dialogs.notify(
                tr("A night is not voided: set its price instead (0 for a night not charged)."));
        });
        return;
    }
    if (line.voided) {
        proc.step(104, [&] { m_session.dialogs.notify(tr("This entry is void already.")); });
        return;
    }
    bool confirmed = false;
    proc.step(106, [&] {
        confirmed = m_session.dialogs.askDefaultNo(
            tr("Void the entry \"%1\" of %2 from %3? It stays in the account, marked void.")
                .arg(m_grid->item(row, DescriptionColumn)->text().isEmpty()
                         ? entryText(line)
                         : tr("%1, %2").arg(entryText(line),
                                            m_grid->item(row, DescriptionColumn)->text()),
                     money(line.totalCents), QLocale().toString(line.date, shortDateFormat())));
    });
    if (!confirmed) return;
    const EntryKind kind = line.kind == FolioLine::Charge ? EntryKind::Charge : EntryKind::Payment;
    if (proc.step(108, [&] {
            voidEntry(m_session.connection(), kind, line.sourceId, StayCommands::deskName());
        }))
        showFolio();
}

void FolioWindow::IssueInvoice_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.IssueInvoice_Click"));
    // One invoice in force per stay: a new one only after a credit note cancels it.
    if (const Invoice* standing = standingInvoice()) {
        proc.step(100, [&] {
            m_session.dialogs.notify(tr("Invoice %1 covers this stay. Cancel it by a credit note "
                                        "before issuing a new one.")
                                         .arg(invoiceNumberText(*standing)));
        });
        return;
    }
    const bool charged =
        std::any_of(m_folio.lines.begin(), m_folio.lines.end(), [](const FolioLine& l) {
            return !l.voided && (l.kind == FolioLine::Night || l.kind == FolioLine::Charge);
        });
    if (!charged) {
        proc.step(102, [&] {
            m_session.dialogs.notify(tr("There is nothing to invoice: the account has no charge."));
        });
        return;
    }
    bool confirmed = false;
    proc.step(104, [&] {
        const int unpriced = int(m_folio.unpricedNights.size());
        // English says "1 night" and "%n nights"; translations follow their plural forms.
        const QString unpricedQuestion =
            unpriced == 1 ? tr("1 night of this stay has no price and will not be on the "
                               "invoice. Issue it anyway?")
                          : tr("%n nights of this stay have no price and will not be on the "
                               "invoice. Issue it anyway?",
                               nullptr, unpriced);
        confirmed = unpriced > 0
                        ? m_session.dialogs.askDefaultNo(unpricedQuestion)
                        : m_session.dialogs.ask(
                              tr("Issue an invoice of %1 to %2? Its number cannot be taken back: "
                                 "a credit note cancels it.")
                                  .arg(money(m_folio.chargesCents), m_folio.guestName));
    });
    if (!confirmed) return;
    Invoice issued;
    if (proc.step(106, [&] {
            issued =
                issueInvoice(m_session.connection(), m_reservationId, StayCommands::deskName());
        }))
        showInvoices(issued.id);
}

const Invoice* FolioWindow::standingInvoice() const {
    for (const Invoice& invoice : m_invoices) {
        if (invoice.kind == QLatin1String("credit note")) continue;
        const bool credited =
            std::any_of(m_invoices.begin(), m_invoices.end(),
                        [&](const Invoice& i) { return i.refersTo == invoice.id; });
        if (!credited) return &invoice;
    }
    return nullptr;
}

const Invoice* FolioWindow::selectedInvoice() {
    const int row = m_invoiceList->indexOfTopLevelItem(m_invoiceList->currentItem());
    if (row < 0 || size_t(row) >= m_invoices.size()) {
        m_session.dialogs.notify(tr("Select an invoice first."));
        return nullptr;
    }
    return &m_invoices[size_t(row)];
}

void FolioWindow::Print_Click() {
    if (const Invoice* invoice = selectedInvoice())
        printInvoice(m_session, this,
                     invoiceSheet(invoice->snapshot, invoice->year, invoice->number,
                                  invoice->kind == QLatin1String("credit note")),
                     QStringLiteral("Folio.Print_Click"));
}

void FolioWindow::Pdf_Click() {
    if (const Invoice* invoice = selectedInvoice())
        saveInvoicePdf(m_session, this,
                       invoiceSheet(invoice->snapshot, invoice->year, invoice->number,
                                    invoice->kind == QLatin1String("credit note")),
                       QStringLiteral("Folio.Pdf_Click"));
}

void FolioWindow::CreditNote_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Folio.CreditNote_Click"));
    const Invoice* invoice = selectedInvoice();
    if (!invoice) return;
    if (invoice->kind == QLatin1String("credit note")) {
        proc.step(100, [&] {
            m_session.dialogs.notify(tr("%1 is a credit note: only an invoice is cancelled by one.")
                                         .arg(invoiceNumberText(*invoice)));
        });
        return;
    }
    const bool credited = std::any_of(m_invoices.begin(), m_invoices.end(),
                                      [&](const Invoice& i) { return i.refersTo == invoice->id; });
    if (credited) {
        proc.step(102, [&] {
            m_session.dialogs.notify(tr("Invoice %1 is cancelled by a credit note already.")
                                         .arg(invoiceNumberText(*invoice)));
        });
        return;
    }
    bool confirmed = false;
    proc.step(104, [&] {
        confirmed = m_session.dialogs.askDefaultNo(
            tr("Cancel invoice %1 by a credit note?").arg(invoiceNumberText(*invoice)));
    });
    if (!confirmed) return;
    const qint64 invoiceId = invoice->id;
    Invoice note;
    if (proc.step(106, [&] {
            note = issueCreditNote(m_session.connection(), invoiceId, StayCommands::deskName());
        }))
        showInvoices(note.id);
}

} // namespace corvanna
