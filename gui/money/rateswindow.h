#pragma once

#include "store/money.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;

namespace corvanna {

class Form1;
struct Session;

// The prices per night: the rates in force by kind and type (a type's default price, or a range
// of nights, on chosen weekdays), a new rate added, one retired. Below, the nights of the next
// 365 days that no rate prices, by kind and type, so the desk sees the gaps before a guest
// books them.
class RatesWindow : public QDialog {
    Q_OBJECT
public:
    explicit RatesWindow(Form1& mainWindow);

    // Reads the rates and the tax rates; everything is off when the database keeps no accounts.
    void Form_Load();
    // Adds the rate entered below the list; false, after a message, when it is refused.
    bool Add_Click();
    // Retires the selected rate once the desk confirms.
    void Retire_Click();

    // The nights a window of this many days from today shows when unpriced.
    static constexpr int kLookAheadDays = 365;

private:
    void showRates();
    void showUnpriced();
    void fillTypes();

    Session& m_session;
    std::vector<Rate> m_rates;
    std::vector<TaxRate> m_taxRates;
    QTableWidget* m_grid;
    QComboBox* m_kind;
    QComboBox* m_type;
    QCheckBox* m_dated;
    QDateEdit* m_from;
    QDateEdit* m_to;
    std::array<QCheckBox*, 7> m_weekdays{};
    QLineEdit* m_price;
    QComboBox* m_tax;
    QPushButton* m_add;
    QPushButton* m_retire;
    QTreeWidget* m_unpriced;
};

} // namespace corvanna
