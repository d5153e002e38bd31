#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <string>
#include <string_view>
#include <vector>

namespace corvanna {

// Folds a text for finding: lower case by the locale's rules, accents and other marks dropped
// ("Åberg" -> "aberg", "Ørsted" -> "orsted", "Straße" -> "strasse"), typographic apostrophes and
// dashes as the keyboard types them, control characters (line breaks) as blanks. UTF-8 out.
std::string foldForFind(const QString& text, const QLocale& locale);

// The words of a find text, folded; empty when it has none (every row matches then).
std::vector<std::string> findWords(const QString& findText, const QLocale& locale);

// The card's last four digits as the list may show them: the last four digits of the number,
// whatever stands between them; fewer when the number has fewer.
std::string lastFourDigits(std::string_view cardNumber);

// The texts a desk finds a reservation by, folded once per fill, one row after another, so that a
// keystroke is a scan of one block of memory. Rows are numbered in the order they were added.
class FindIndex {
public:
    explicit FindIndex(const QLocale& locale);

    // Adds the next row: its id, guest name, phone number, address and card number, as UTF-8.
    // The phone number is found with and without its spaces and signs, the name with and without
    // its apostrophes, hyphens and dots; of the card number only the last four digits are found.
    void addRow(qint64 id, std::string_view guestName, std::string_view phoneNumber,
                std::string_view address, std::string_view cardNumber);
    size_t rows() const { return m_start.size() - 1; }

    // The rows (ascending) whose texts hold every word, each within one field; a word with the
    // signs of a phone number or a name in it ("555-010-9999", "o'brien") is also found without
    // them. `within`, when given, limits the answer to those rows (ascending): the rows of a
    // find text this one extends.
    std::vector<quint32> match(const std::vector<std::string>& words,
                               const std::vector<quint32>* within = nullptr) const;

private:
    void addField(std::string_view utf8, int slot);
    static std::vector<std::string> alternatives(const std::string& word);
    bool rowHolds(size_t row, const std::vector<std::string>& forms) const;
    std::vector<quint32> rowsHolding(const std::string& text) const;

    QLocale m_locale;
    std::string m_text;          // folded fields, 0x1F between fields, '\n' after each row
    std::vector<size_t> m_start; // where each row starts; one more entry for the end
    // The last text of each field folded the long way, and its fold.
    struct Folded {
        std::string text, folded;
    };
    Folded m_last[3];
};

} // namespace corvanna
