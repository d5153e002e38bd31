#include "findindex.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace corvanna {

namespace {

constexpr char kFieldEnd = '\x1f';
constexpr char kRowEnd = '\n';
constexpr int kNameSlot = 0;

// Letters that carry no separable mark but are written without it on a plain keyboard.
QString plainLetters(char32_t c) {
    switch (c) {
    case U'ø':
        return QStringLiteral("o");
    case U'đ':
    case U'ð':
        return QStringLiteral("d");
    case U'ł':
        return QStringLiteral("l");
    case U'ı':
        return QStringLiteral("i");
    case U'ħ':
        return QStringLiteral("h");
    case U'æ':
        return QStringLiteral("ae");
    case U'œ':
        return QStringLiteral("oe");
    case U'ß':
        return QStringLiteral("ss");
    case U'þ':
        return QStringLiteral("th");
    case U'\u2018':
    case U'\u2019':
    case U'\u02BC':
    case U'\u00B4':
    case U'`':
        return QStringLiteral("'");
    case U'\u2010':
    case U'\u2011':
    case U'\u2012':
    case U'\u2013':
    case U'\u2014':
        return QStringLiteral("-");
    default:
        return {};
    }
}

// ASCII needs no more than lower case and blanks for control characters.
bool isAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Signs a desk types inside a phone number or a name, or leaves out: "555-010-9999" finds
// "(555) 010-9999", "+33612345678" finds "+33 6 12 34 56 78", "obrien" finds "O'Brien".
bool isOptionalSign(char c) {
    return c == '-' || c == '.' || c == '(' || c == ')' || c == '+' || c == '/' || c == '\'';
}
// The signs a name is also found without.
bool isNameSign(char c) {
    return c == '\'' || c == '-' || c == '.';
}

// The text without the signs; empty when it holds nothing else.
template <class IsSign> std::string withoutSigns(std::string_view folded, IsSign isSign) {
    std::string out;
    out.reserve(folded.size());
    for (const char c : folded)
        if (!isSign(c)) out.push_back(c);
    return out;
}

void appendAscii(std::string& out, std::string_view s) {
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        out.push_back(u < 0x20 || u == 0x7f ? ' ' : (u >= 'A' && u <= 'Z' ? char(u + 32) : c));
    }
}

} // namespace

std::string foldForFind(const QString& text, const QLocale& locale) {
    const QString lower = locale.toLower(text).normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(lower.size());
    for (const char32_t c : lower.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        if (category == QChar::Other_Control || category == QChar::Other_Format || c == U'\u2028' ||
            c == U'\u2029') {
            out.append(QLatin1Char(' '));
            continue;
        }
        const QString plain = plainLetters(c);
        if (!plain.isEmpty())
            out.append(plain);
        else
            out.append(QChar::fromUcs4(QChar::toLower(c)));
    }
    return out.toStdString();
}

std::string lastFourDigits(std::string_view cardNumber) {
    std::string digits;
    for (size_t i = cardNumber.size(); i-- > 0 && digits.size() < 4;)
        if (cardNumber[i] >= '0' && cardNumber[i] <= '9')
            digits.insert(digits.begin(), cardNumber[i]);
    return digits;
}

FindIndex::FindIndex(const QLocale& locale)
    : m_locale(locale)
    , m_start{0} {}

void FindIndex::addField(std::string_view utf8, int slot) {
    const size_t start = m_text.size();
    if (isAscii(utf8)) {
        appendAscii(m_text, utf8);
    } else {
        // Rows come by guest name, so a name folded once is often the next row's too.
        Folded& last = m_last[slot];
        if (utf8 != last.text) {
            last.text.assign(utf8);
            last.folded =
                foldForFind(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())), m_locale);
        }
        m_text += last.folded;
    }
    m_text.push_back(kFieldEnd);
    // A name also without its apostrophes, hyphens and dots.
    if (slot == kNameSlot) {
        const std::string_view folded(m_text.data() + start, m_text.size() - start - 1);
        if (std::any_of(folded.begin(), folded.end(), isNameSign)) {
            m_text += withoutSigns(folded, isNameSign);
            m_text.push_back(kFieldEnd);
        }
    }
}

void FindIndex::addRow(qint64 id, std::string_view guestName, std::string_view phoneNumber,
                       std::string_view address, std::string_view cardNumber) {
    if (id >= 0) m_text += std::to_string(id);
    m_text.push_back(kFieldEnd);
    addField(guestName, kNameSlot);
    addField(phoneNumber, 1);
    // The phone as digits only, so that "7021234" finds "+1 702 123-4567".
    std::string digits;
    for (const char c : phoneNumber)
        if (c >= '0' && c <= '9') digits.push_back(c);
    if (digits.size() != phoneNumber.size()) {
        m_text += digits;
        m_text.push_back(kFieldEnd);
    }
    addField(address, 2);
    m_text += lastFourDigits(cardNumber);
    m_text.push_back(kRowEnd);
    m_start.push_back(m_text.size());
}

std::vector<std::string> findWords(const QString& findText, const QLocale& locale) {
    std::vector<std::string> out;
    const std::string folded = foldForFind(findText, locale);
    size_t i = 0;
    while (i < folded.size()) {
        while (i < folded.size() && folded[i] == ' ')
            ++i;
        size_t end = i;
        while (end < folded.size() && folded[end] != ' ')
            ++end;
        // A word of signs alone ("+", "-") asks for nothing yet.
        if (end > i &&
            !withoutSigns(std::string_view(folded).substr(i, end - i), isOptionalSign).empty())
            out.emplace_back(folded.substr(i, end - i));
        i = end;
    }
    return out;
}

// A word as typed, and without its optional signs when it holds any; a row holds the word when
// it holds either.
std::vector<std::string> FindIndex::alternatives(const std::string& word) {
    std::vector<std::string> out{word};
    if (std::any_of(word.begin(), word.end(), isOptionalSign))
        if (std::string bare = withoutSigns(word, isOptionalSign); !bare.empty())
            out.push_back(std::move(bare));
    return out;
}

bool FindIndex::rowHolds(size_t row, const std::vector<std::string>& forms) const {
    const char* begin = m_text.data() + m_start[row];
    const size_t length = m_start[row + 1] - m_start[row];
    return std::any_of(forms.begin(), forms.end(), [&](const std::string& form) {
        return memmem(begin, length, form.data(), form.size()) != nullptr;
    });
}

// The rows holding one text: one scan of the whole block; each hit names its row, and the scan
// goes on from the next row.
std::vector<quint32> FindIndex::rowsHolding(const std::string& text) const {
    std::vector<quint32> rows;
    const char* base = m_text.data();
    size_t at = 0, first = 0;
    while (at < m_text.size()) {
        const void* hit = memmem(base + at, m_text.size() - at, text.data(), text.size());
        if (!hit) break;
        const size_t offset = size_t(static_cast<const char*>(hit) - base);
        const size_t row = size_t(std::upper_bound(m_start.begin() + first, m_start.end(), offset) -
                                  m_start.begin()) -
                           1;
        rows.push_back(quint32(row));
        first = row + 1;
        at = m_start[row + 1];
    }
    return rows;
}

std::vector<quint32> FindIndex::match(const std::vector<std::string>& words,
                                      const std::vector<quint32>* within) const {
    std::vector<quint32> rows;
    if (words.empty()) {
        if (within) return *within;
        rows.resize(this->rows());
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i] = quint32(i);
        return rows;
    }
    // The first word: a scan of the whole block per form when every row is a candidate.
    const std::vector<std::string> first = alternatives(words[0]);
    if (within) {
        for (const quint32 r : *within)
            if (r < this->rows() && rowHolds(r, first)) rows.push_back(r);
    } else {
        rows = rowsHolding(first[0]);
        for (size_t k = 1; k < first.size(); ++k) {
            const std::vector<quint32> more = rowsHolding(first[k]);
            std::vector<quint32> both;
            both.reserve(rows.size() + more.size());
            std::set_union(rows.begin(), rows.end(), more.begin(), more.end(),
                           std::back_inserter(both));
            rows.swap(both);
        }
    }
    for (size_t k = 1; k < words.size(); ++k) {
        const std::vector<std::string> forms = alternatives(words[k]);
        std::erase_if(rows, [&](quint32 r) { return !rowHolds(r, forms); });
    }
    return rows;
}

} // namespace corvanna
