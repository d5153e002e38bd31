#include "literals.h"

namespace corvanna {

QString doubleQuotes(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return doubled;
}

QString quoteText(const QString& text) {
    return QLatin1Char('\'') + doubleQuotes(text) + QLatin1Char('\'');
}

namespace {

QString digits(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// True when "#dd/dd/dddd#" starts at position i.
bool dateLiteralAt(const QString& s, qsizetype i) {
    static constexpr char kShape[] = "#99/99/9999#";
    constexpr qsizetype length = sizeof(kShape) - 1;
    if (s.size() - i < length) return false;
    for (qsizetype k = 0; k < length; ++k) {
        const QChar c = s.at(i + k);
        if (kShape[k] == '9' ? !isDigit(c) : c != QLatin1Char(kShape[k])) return false;
    }
    return true;
}

} // namespace

QString dateLiteral(const QDate& date) {
    return QLatin1Char('#') + digits(date.month(), 2) + QLatin1Char('/') + digits(date.day(), 2) +
           QLatin1Char('/') + digits(date.year(), 4) + QLatin1Char('#');
}

QString translateDates(const QString& statement) {
    QString out;
    out.reserve(statement.size());
    bool quoted = false; // inside '...'; a doubled quote toggles twice and stays inside
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('#') && dateLiteralAt(statement, i)) {
            // #mm/dd/yyyy# -> 'yyyy-mm-dd'
            const QStringView s(statement);
            out += QLatin1Char('\'');
            out += s.mid(i + 7, 4);
            out += QLatin1Char('-');
            out += s.mid(i + 1, 2);
            out += QLatin1Char('-');
            out += s.mid(i + 4, 2);
            out += QLatin1Char('\'');
            i += 11;
            continue;
        }
        out += c;
    }
    return out;
}

QStringList textLiterals(const QString& statement) {
    QStringList literals;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement.at(i);
        if (c != QLatin1Char('\'')) {
            if (quoted) current += c;
        } else if (!quoted) {
            quoted = true;
            current.clear();
        } else if (i + 1 < statement.size() && statement.at(i + 1) == QLatin1Char('\'')) {
            current += c; // a doubled quote stands for one
            ++i;
        } else {
            quoted = false;
            literals << current;
        }
    }
    if (quoted) literals << current; // an unclosed text still holds what was typed
    return literals;
}

} // namespace corvanna
