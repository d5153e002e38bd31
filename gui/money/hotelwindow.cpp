#include "gui/money/hotelwindow.h"

#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/money/amounts.h"
#include "gui/money/moneyaccess.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace corvanna {

namespace {
enum RateColumn { RateNameColumn, RatePercentColumn, RateColumnCount };
constexpr int kAddressLines = 3;
// The tax rate a refused one shows as an example: 7 %.
constexpr qint64 kExampleBasisPoints = 700;
} // namespace

HotelWindow::HotelWindow(Form1& mainWindow)
    : QDialog(&mainWindow)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("Hotel"));
    setWindowTitle(tr("Hotel"));
    setModal(true);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("hotelName"));
    m_address = new QPlainTextEdit(this);
    m_address->setObjectName(QStringLiteral("hotelAddress"));
    m_address->setTabChangesFocus(true);
    m_address->setFixedHeight(m_address->fontMetrics().lineSpacing() * (kAddressLines + 1));
    m_taxNumber = new QLineEdit(this);
    m_taxNumber->setObjectName(QStringLiteral("hotelTaxNumber"));
    m_currency = new QLineEdit(this);
    m_currency->setObjectName(QStringLiteral("hotelCurrency"));
    m_currency->setPlaceholderText(QLocale().currencySymbol(QLocale::CurrencyIsoCode));
    m_footer = new QLineEdit(this);
    m_footer->setObjectName(QStringLiteral("hotelFooter"));
    auto* details = new QFormLayout;
    details->addRow(tr("&Name:"), m_name);
    details->addRow(tr("&Address:"), m_address);
    details->addRow(tr("&Tax number:"), m_taxNumber);
    details->addRow(tr("&Currency:"), m_currency);
    details->addRow(tr("&Footer:"), m_footer);
    m_name->setAccessibleName(tr("Name"));
    m_address->setAccessibleName(tr("Address"));
    m_taxNumber->setAccessibleName(tr("Tax number"));
    m_currency->setAccessibleName(tr("Currency"));
    m_footer->setAccessibleName(tr("Footer"));

    m_rates = new QTableWidget(0, RateColumnCount, this);
    m_rates->setObjectName(QStringLiteral("taxRatesGrid"));
    m_rates->setAccessibleName(tr("Tax rates"));
    m_rates->setHorizontalHeaderLabels({tr("Tax rate"), tr("Percent")});
    m_rates->verticalHeader()->hide();
    m_rates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rates->horizontalHeader()->setStretchLastSection(true);
    m_rateName = new QLineEdit(this);
    m_rateName->setObjectName(QStringLiteral("taxRateName"));
    m_rateName->setAccessibleName(tr("Tax rate's name"));
    m_rateName->setPlaceholderText(tr("Name"));
    m_ratePercent = new QLineEdit(this);
    m_ratePercent->setObjectName(QStringLiteral("taxRatePercent"));
    m_ratePercent->setAccessibleName(tr("Tax rate in percent"));
    m_ratePercent->setPlaceholderText(tr("Percent"));
    m_addRate = new QPushButton(tr("Add &Rate"), this);
    m_addRate->setObjectName(QStringLiteral("taxRateAdd"));
    connect(m_addRate, &QPushButton::clicked, this, [this] { AddRate_Click(); });
    connect(m_ratePercent, &QLineEdit::returnPressed, this, [this] { AddRate_Click(); });
    auto* rateEntry = new QHBoxLayout;
    rateEntry->addWidget(m_rateName, 2);
    rateEntry->addWidget(m_ratePercent, 1);
    rateEntry->addWidget(m_addRate);
    auto* ratesBox = new QGroupBox(tr("Tax rates"), this);
    auto* ratesLayout = new QVBoxLayout(ratesBox);
    ratesLayout->addWidget(m_rates);
    ratesLayout->addLayout(rateEntry);

    m_save = new QPushButton(tr("&Save"), this);
    m_save->setObjectName(QStringLiteral("hotelSave"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("hotelClose"));
    for (QPushButton* b : {m_addRate, m_save, close})
        b->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (Save_Click()) accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(details);
    layout->addWidget(ratesBox, 1);
    layout->addLayout(buttons);
    resize(520, 520);
}

void HotelWindow::Form_Load() {
    Procedure proc(m_session.dialogs, QStringLiteral("Hotel.Form_Load"));
    bool available = false;
    proc.step(100, [&] { available = MoneyAccess::available(m_session); });
    if (!available) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{m_save, m_addRate, m_rateName, m_ratePercent})
            w->setEnabled(false);
        return;
    }
    proc.step(102, [&] {
        const HotelDetails hotel = readHotel(m_session.connection());
        m_name->setText(hotel.name);
        m_address->setPlainText(hotel.address);
        m_taxNumber->setText(hotel.taxNumber);
        m_currency->setText(hotel.currency);
        m_footer->setText(hotel.footer);
    });
    showRates();
}

void HotelWindow::showRates() {
    Procedure proc(m_session.dialogs, QStringLiteral("Hotel.showRates"));
    std::vector<TaxRate> rates;
    proc.step(100, [&] { rates = readTaxRates(m_session.connection()); });
    m_rates->setRowCount(int(rates.size()));
    for (size_t i = 0; i < rates.size(); ++i) {
        m_rates->setItem(int(i), RateNameColumn, new QTableWidgetItem(rates[i].name));
        auto* percent = new QTableWidgetItem(formatPercent(rates[i].basisPoints));
        percent->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_rates->setItem(int(i), RatePercentColumn, percent);
    }
    m_rates->resizeColumnsToContents();
}

bool HotelWindow::Save_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Hotel.Save_Click"));
    static const QRegularExpression isoCode(QStringLiteral("^[A-Z]{3}$"));
    const QString currency = m_currency->text().trimmed().toUpper();
    if (!currency.isEmpty() && !isoCode.match(currency).hasMatch()) {
        proc.step(100, [&] {
            m_session.dialogs.notify(
                tr("\"%1\" is not a currency. Type its code of three letters, such as EUR or "
                   "USD, or leave it empty for the currency of this computer's settings.")
                    .arg(m_currency->text().trimmed()));
        });
        m_currency->setFocus();
        return false;
    }
    HotelDetails hotel;
    hotel.name = m_name->text().trimmed();
    hotel.address = m_address->toPlainText().trimmed();
    hotel.taxNumber = m_taxNumber->text().trimmed();
    hotel.currency = currency;
    hotel.footer = m_footer->text().trimmed();
    return proc.step(102, [&] { writeHotel(m_session.connection(), hotel); });
}

bool HotelWindow::AddRate_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Hotel.AddRate_Click"));
    TaxRate rate;
    rate.name = m_rateName->text().trimmed();
    if (rate.name.isEmpty()) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("A tax rate needs a name.")); });
        m_rateName->setFocus();
        return false;
    }
    const std::optional<int> points = parsePercent(m_ratePercent->text());
    if (!points) {
        proc.step(102, [&] {
            m_session.dialogs.notify(
                tr("\"%1\" is not a tax rate. Type a percentage from 0 to 100 with at most two "
                   "decimals, for example %2.")
                    .arg(m_ratePercent->text().trimmed(), editableAmount(kExampleBasisPoints)));
        });
        m_ratePercent->setFocus();
        return false;
    }
    rate.basisPoints = *points;
    if (!proc.step(104, [&] { addTaxRate(m_session.connection(), rate); })) return false;
    m_rateName->clear();
    m_ratePercent->clear();
    showRates();
    m_rateName->setFocus();
    return true;
}

} // namespace corvanna
