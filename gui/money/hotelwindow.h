#pragma once

#include "store/money.h"

#include <QDialog>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace corvanna {

class Form1;
struct Session;

// The hotel as its invoices name it (name, address, tax number, currency, footer) and its tax
// rates. A rate, once added, keeps its name and percentage: the invoices issued with it say
// what it was.
class HotelWindow : public QDialog {
    Q_OBJECT
public:
    explicit HotelWindow(Form1& mainWindow);

    // Reads the details and the tax rates; everything is off when the database keeps no
    // accounts.
    void Form_Load();
    // Stores the details; false, after a message, when one is refused.
    bool Save_Click();
    // Adds the tax rate typed below the list; false, after a message, when it is refused.
    bool AddRate_Click();

private:
    void showRates();

    Session& m_session;
    QLineEdit* m_name;
    QPlainTextEdit* m_address;
    QLineEdit* m_taxNumber;
    QLineEdit* m_currency;
    QLineEdit* m_footer;
    QTableWidget* m_rates;
    QLineEdit* m_rateName;
    QLineEdit* m_ratePercent;
    QPushButton* m_addRate;
    QPushButton* m_save;
};

} // namespace corvanna
