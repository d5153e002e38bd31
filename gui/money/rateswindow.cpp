#include "gui/money/rateswindow.h"

#include "base/dates.h"
#include "base/report.h"
#include "gui/frame/design.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/money/amounts.h"
#include "gui/money/moneyaccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvanna {

namespace {

enum Column {
    KindColumn,
    TypeColumn,
    FromColumn,
    ToColumn,
    WeekdaysColumn,
    PriceColumn,
    TaxColumn,
    ColumnCount
};

// The weekdays a rate applies on, in the locale's short day names ("Mon, Fri"); "every day"
// for all seven.
QString weekdaysText(int mask) {
    if (mask == kEveryWeekday) return RatesWindow::tr("every day");
    QStringList days;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        if (mask & (1 << (day - 1))) days << QLocale().dayName(day, QLocale::ShortFormat);
    return days.join(QStringLiteral(", "));
}

// Consecutive nights gathered into ranges: first and last night of each.
std::vector<std::pair<QDate, QDate>> nightRanges(const std::vector<QDate>& nights) {
    std::vector<std::pair<QDate, QDate>> ranges;
    for (const QDate& night : nights) {
        if (!ranges.empty() && ranges.back().second.addDays(1) == night)
            ranges.back().second = night;
        else
            ranges.push_back({night, night});
    }
    return ranges;
}

} // namespace

RatesWindow::RatesWindow(Form1& mainWindow)
    : QDialog(&mainWindow)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("Rates"));
    setWindowTitle(tr("Rates"));
    setModal(true);

    m_grid = new QTableWidget(0, ColumnCount, this);
    m_grid->setObjectName(QStringLiteral("ratesGrid"));
    m_grid->setAccessibleName(tr("Rates"));
    m_grid->setHorizontalHeaderLabels({tr("Kind"), tr("Type"), tr("From"), tr("To"), tr("Weekdays"),
                                       tr("Price per night"), tr("Tax rate")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);

    // The new rate.
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("rateKind"));
    m_kind->addItems(MoneyAccess::kinds());
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("rateType"));
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] { fillTypes(); });
    fillTypes();
    m_dated = new QCheckBox(tr("&Only the nights from"), this);
    m_dated->setObjectName(QStringLiteral("rateDated"));
    m_from = new QDateEdit(QDate::currentDate(), this);
    m_from->setObjectName(QStringLiteral("rateFrom"));
    m_to = new QDateEdit(QDate::currentDate(), this);
    m_to->setObjectName(QStringLiteral("rateTo"));
    for (QDateEdit* date : {m_from, m_to}) {
        setUpDatePicker(date);
        date->setEnabled(false);
        connect(m_dated, &QCheckBox::toggled, date, &QWidget::setEnabled);
    }
    auto* weekdays = new QHBoxLayout;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        auto* box = new QCheckBox(QLocale().dayName(day, QLocale::ShortFormat), this);
        box->setObjectName(QStringLiteral("rateWeekday%1").arg(day));
        box->setChecked(true);
        m_weekdays[size_t(day - 1)] = box;
        weekdays->addWidget(box);
    }
    weekdays->addStretch();
    m_price = new QLineEdit(this);
    m_price->setObjectName(QStringLiteral("ratePrice"));
    m_price->setAccessibleName(tr("Price per night"));
    m_tax = new QComboBox(this);
    m_tax->setObjectName(QStringLiteral("rateTax"));
    m_tax->setAccessibleName(tr("Tax rate"));
    m_add = new QPushButton(tr("&Add Rate"), this);
    m_add->setObjectName(QStringLiteral("ratesAdd"));
    connect(m_add, &QPushButton::clicked, this, [this] { Add_Click(); });
    connect(m_price, &QLineEdit::returnPressed, this, [this] { Add_Click(); });

    auto* entry = new QGridLayout;
    auto* kindLabel = new QLabel(tr("&Kind:"), this);
    kindLabel->setBuddy(m_kind);
    auto* toLabel = new QLabel(tr("t&o"), this);
    toLabel->setBuddy(m_to);
    auto* priceLabel = new QLabel(tr("&Price per night:"), this);
    priceLabel->setBuddy(m_price);
    entry->addWidget(kindLabel, 0, 0);
    entry->addWidget(m_kind, 0, 1);
    entry->addWidget(m_type, 0, 2);
    entry->addWidget(m_dated, 1, 0);
    entry->addWidget(m_from, 1, 1);
    entry->addWidget(toLabel, 1, 2, Qt::AlignRight);
    entry->addWidget(m_to, 1, 3);
    entry->addLayout(weekdays, 2, 0, 1, 4);
    entry->addWidget(priceLabel, 3, 0);
    entry->addWidget(m_price, 3, 1);
    entry->addWidget(m_tax, 3, 2);
    entry->addWidget(m_add, 3, 3);
    auto* newRate = new QGroupBox(tr("New rate"), this);
    newRate->setLayout(entry);

    m_unpriced = new QTreeWidget(this);
    m_unpriced->setObjectName(QStringLiteral("unpricedNights"));
    m_unpriced->setAccessibleName(tr("Nights without a price"));
    m_unpriced->setRootIsDecorated(false);
    m_unpriced->setHeaderLabels({tr("Kind"), tr("Type"), tr("Nights without a price")});
    auto* unpricedLabel = new QLabel(
        tr("Nights of the next %n days without a price:", nullptr, kLookAheadDays), this);

    m_retire = new QPushButton(tr("&Retire"), this);
    m_retire->setObjectName(QStringLiteral("ratesRetire"));
    connect(m_retire, &QPushButton::clicked, this, [this] { Retire_Click(); });
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("ratesClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : {m_add, m_retire, close})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_retire);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 2);
    layout->addWidget(newRate);
    layout->addWidget(unpricedLabel);
    layout->addWidget(m_unpriced, 1);
    layout->addLayout(buttons);
    resize(760, 640);
}

void RatesWindow::fillTypes() {
    const QString current = m_type->currentText();
    m_type->clear();
    m_type->addItems(MoneyAccess::typesOf(m_kind->currentText()));
    if (const int i = m_type->findText(current); i >= 0) m_type->setCurrentIndex(i);
}

void RatesWindow::Form_Load() {
    Procedure proc(m_session.dialogs, QStringLiteral("Rates.Form_Load"));
    bool available = false;
    proc.step(100, [&] { available = MoneyAccess::available(m_session); });
    if (!available) {
        for (QWidget* w : std::initializer_list<QWidget*>{m_add, m_retire, m_price})
            w->setEnabled(false);
        return;
    }
    proc.step(102, [&] {
        m_taxRates = readTaxRates(m_session.connection());
        m_tax->clear();
        for (const TaxRate& rate : m_taxRates)
            m_tax->addItem(tr("%1 %2").arg(rate.name, formatPercent(rate.basisPoints)), rate.id);
    });
    showRates();
}

void RatesWindow::showRates() {
    Procedure proc(m_session.dialogs, QStringLiteral("Rates.showRates"));
    QString currency;
    m_rates.clear();
    proc.step(100, [&] {
        m_rates = readRates(m_session.connection());
        currency = MoneyAccess::currency(m_session.connection());
    });
    const QString format = shortDateFormat();
    m_grid->setRowCount(int(m_rates.size()));
    for (size_t i = 0; i < m_rates.size(); ++i) {
        const Rate& rate = m_rates[i];
        QString taxName;
        for (const TaxRate& tax : m_taxRates)
            if (tax.id == rate.taxRateId)
                taxName = tr("%1 %2").arg(tax.name, formatPercent(tax.basisPoints));
        const QStringList cells{rate.kind,
                                rate.type,
                                rate.from.isValid() ? QLocale().toString(rate.from, format)
                                                    : tr("default"),
                                rate.to.isValid() ? QLocale().toString(rate.to, format) : QString(),
                                weekdaysText(rate.weekdays),
                                formatMoney(rate.priceCents, currency),
                                taxName};
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == PriceColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(int(i), c, item);
        }
    }
    m_grid->resizeColumnsToContents();
    showUnpriced();
}

void RatesWindow::showUnpriced() {
    m_unpriced->clear();
    const QDate today = QDate::currentDate();
    const QString format = shortDateFormat();
    for (const QString& kind : MoneyAccess::kinds()) {
        for (const QString& type : MoneyAccess::typesOf(kind)) {
            const std::vector<QDate> nights =
                unpricedNights(m_rates, kind, type, today, kLookAheadDays);
            if (nights.empty()) continue;
            QStringList ranges;
            for (const auto& [first, last] : nightRanges(nights))
                ranges << (first == last ? QLocale().toString(first, format)
                                         : tr("%1 to %2")
                                               .arg(QLocale().toString(first, format),
                                                    QLocale().toString(last, format)));
            // English says "1 night" and "%n nights"; translations follow their plural forms.
            const int count = int(nights.size());
            const QString text =
                count == 1 ? tr("1 night: %1") : tr("%n nights: %1", nullptr, count);
            auto* item = new QTreeWidgetItem(
                m_unpriced, {kind, type, text.arg(ranges.join(QStringLiteral("; ")))});
            item->setToolTip(2, item->text(2));
        }
    }
    m_unpriced->resizeColumnToContents(0);
    m_unpriced->resizeColumnToContents(1);
}

bool RatesWindow::Add_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Rates.Add_Click"));
    const auto refuse = [&](int line, const QString& message, QWidget* focus) {
        proc.step(line, [&] { m_session.dialogs.notify(message); });
        focus->setFocus();
        return false;
    };
    Rate rate;
    rate.kind = m_kind->currentText();
    rate.type = m_type->currentText();
    if (m_dated->isChecked()) {
        rate.from = m_from->date();
        rate.to = m_to->date();
        if (rate.to < rate.from)
            return refuse(100, tr("The last night of a rate cannot come before its first night."),
                          m_to);
    }
    rate.weekdays = 0;
    for (size_t i = 0; i < m_weekdays.size(); ++i)
        if (m_weekdays[i]->isChecked()) rate.weekdays |= 1 << i;
    if (rate.weekdays == 0)
        return refuse(102, tr("A rate needs at least one weekday."), m_weekdays[0]);
    const std::optional<qint64> price = parseAmount(m_price->text());
    if (!price) return refuse(104, badAmountMessage(m_price->text()), m_price);
    rate.priceCents = *price;
    if (m_tax->currentIndex() < 0)
        return refuse(106, tr("Add a tax rate first (Tools, Hotel…): every price names its tax."),
                      m_tax);
    rate.taxRateId = m_tax->currentData().toLongLong();
    if (!proc.step(108, [&] { addRate(m_session.connection(), rate); })) return false;
    m_price->clear();
    showRates();
    return true;
}

void RatesWindow::Retire_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Rates.Retire_Click"));
    const int row = m_grid->currentRow();
    if (row < 0 || size_t(row) >= m_rates.size()) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("Select a rate first.")); });
        return;
    }
    const Rate rate = m_rates[size_t(row)];
    bool confirmed = false;
    proc.step(102, [&] {
        confirmed = m_session.dialogs.askDefaultNo(
            tr("Retire the rate of %1 for %2 %3? Nights it has priced keep their price.")
                .arg(formatMoney(rate.priceCents, MoneyAccess::currency(m_session.connection())),
                     rate.type, rate.kind));
    });
    if (!confirmed) return;
    if (proc.step(104, [&] { retireRate(m_session.connection(), rate.id); })) showRates();
}

} // namespace corvanna
