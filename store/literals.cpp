#include "literals.h"

namespace corvanna {

QString doubleQuotes(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return doubled;
}

QString quoteText(const QString& text) {
    const QChar nul(0);
    if (!text.contains(nul)) return QLatin1Char('\'') + doubleQuotes(text) + QLatin1Char('\'');
    // The engine reads a statement's text only up to a NUL, so the pieces around each NUL are
    // quoted on their own and joined by the engine's char(0).
    QStringList pieces = text.split(nul);
    for (QString& piece : pieces)
        piece = QLatin1Char('\'') + doubleQuotes(piece) + QLatin1Char('\'');
    return pieces.join(QStringLiteral("||char(0)||"));
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

namespace {

enum class Dialect { SQLite, Server };

bool isWordChar(QChar c, bool first) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('_') ||
           (!first && isDigit(c));
}

bool isPlainWord(QStringView name) {
    if (name.isEmpty()) return false;
    for (qsizetype k = 0; k < name.size(); ++k)
        if (!isWordChar(name.at(k), k == 0)) return false;
    return true;
}

QString translate(const QString& statement, Dialect dialect) {
    const bool server = dialect == Dialect::Server;
    const QStringView s(statement);
    QString out;
    out.reserve(statement.size() + 16);
    QChar quote; // the quote sign whose text we are in; a doubled quote toggles twice
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement.at(i);
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == QLatin1Char('\'') || (server && c == QLatin1Char('"'))) {
            quote = c;
        } else if (c == QLatin1Char('#') && dateLiteralAt(statement, i)) {
            // #mm/dd/yyyy# -> 'yyyy-mm-dd'
            if (server) out += QStringLiteral("DATE ");
            out += QLatin1Char('\'');
            out += s.mid(i + 7, 4);
            out += QLatin1Char('-');
            out += s.mid(i + 1, 2);
            out += QLatin1Char('-');
            out += s.mid(i + 4, 2);
            out += QLatin1Char('\'');
            i += 11;
            continue;
        } else if (server && c == QLatin1Char('[')) {
            const qsizetype end = statement.indexOf(QLatin1Char(']'), i + 1);
            if (end > i) {
                const QStringView name = s.mid(i + 1, end - i - 1);
                if (isPlainWord(name)) {
                    out += name;
                } else {
                    QString quoted = name.toString();
                    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
                    out += QLatin1Char('"') + quoted + QLatin1Char('"');
                }
                i = end;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace

QString translateDates(const QString& statement) {
    return translate(statement, Dialect::SQLite);
}

QString translateForServer(const QString& statement) {
    return translate(statement, Dialect::Server);
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
