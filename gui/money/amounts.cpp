#include "gui/money/amounts.h"

#include <QCoreApplication>
#include <limits>

namespace corvanna {

namespace {

constexpr int kCentDigits = 2;
constexpr qint64 kCentsPerUnit = 100;
constexpr qsizetype kGroupDigits = 3;
// An example amount for the message about a bad one: 1234.50.
constexpr qint64 kExampleCents = 123450;

// The digits of a whole number, or nothing when a character is not a digit or the number
// would not fit once made cents.
std::optional<qint64> wholeUnits(const QString& digits) {
    constexpr qint64 most = std::numeric_limits<qint64>::max() / kCentsPerUnit - 1;
    qint64 value = 0;
    for (const QChar c : digits) {
        if (!c.isDigit() || c.digitValue() < 0) return std::nullopt;
        if (value > (most - c.digitValue()) / 10) return std::nullopt;
        value = value * 10 + c.digitValue();
    }
    return value;
}

} // namespace

std::optional<qint64> parseAmount(const QString& text, const QLocale& locale) {
    const QString typed = text.trimmed();
    const qsizetype point = typed.indexOf(locale.decimalPoint());
    QString whole = point < 0 ? typed : typed.left(point);
    const QString fraction =
        point < 0 ? QString() : typed.mid(point + locale.decimalPoint().size());
    if (whole.isEmpty() && fraction.isEmpty()) return std::nullopt;
    if (fraction.size() > kCentDigits || (point >= 0 && fraction.isEmpty())) return std::nullopt;
    // Group separators (the locale's, or the spaces some locales group with) only between groups
    // of three digits: "12.50" typed on a German desk is refused, never read as 1250.
    for (const QString& group : {locale.groupSeparator(), QStringLiteral(" "),
                                 QString(QChar(0x00A0)), QString(QChar(0x202F))}) {
        if (group.isEmpty() || group == locale.decimalPoint() || !whole.contains(group)) continue;
        const QStringList groups = whole.split(group);
        for (qsizetype i = 0; i < groups.size(); ++i)
            if (groups[i].isEmpty() || groups[i].size() > kGroupDigits ||
                (i > 0 && groups[i].size() != kGroupDigits))
                return std::nullopt;
        whole = groups.join(QString());
    }
    const std::optional<qint64> units = wholeUnits(whole);
    const std::optional<qint64> cents = wholeUnits(fraction);
    if (!units || !cents) return std::nullopt;
    qint64 fractionCents = *cents;
    for (qsizetype i = fraction.size(); i < kCentDigits; ++i)
        fractionCents *= 10;
    return *units * kCentsPerUnit + fractionCents;
}

std::optional<int> parsePercent(const QString& text, const QLocale& locale) {
    QString typed = text.trimmed();
    if (typed.endsWith(locale.percent())) typed.chop(locale.percent().size());
    const std::optional<qint64> points = parseAmount(typed, locale);
    // A tax rate of more than 100 % is a typing error.
    constexpr qint64 kWhole = 10000;
    if (!points || *points > kWhole) return std::nullopt;
    return int(*points);
}

QString formatMoney(qint64 cents, const QString& currency, const QLocale& locale) {
    const QString code = currency.trimmed().toUpper();
    const QString symbol = code.isEmpty() || code == locale.currencySymbol(QLocale::CurrencyIsoCode)
                               ? locale.currencySymbol(QLocale::CurrencySymbol)
                               : code;
    // Only for showing: a double holds every amount of cents a hotel meets exactly enough.
    return locale.toCurrencyString(double(cents) / double(kCentsPerUnit), symbol, kCentDigits);
}

QString editableAmount(qint64 cents, const QLocale& locale) {
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return (cents < 0 ? locale.negativeSign() : QString()) +
           QString::number(magnitude / kCentsPerUnit) + locale.decimalPoint() +
           QStringLiteral("%1").arg(magnitude % kCentsPerUnit, kCentDigits, 10, QLatin1Char('0'));
}

QString formatPercent(int basisPoints, const QLocale& locale) {
    return locale.toString(double(basisPoints) / double(kCentsPerUnit), 'f', kCentDigits) +
           locale.percent();
}

QString badAmountMessage(const QString& typed, const QLocale& locale) {
    return QCoreApplication::translate("Money",
                                       "\"%1\" is not an amount. Type it with digits and at most "
                                       "two decimals, for example %2.")
        .arg(typed.trimmed(), editableAmount(kExampleCents, locale));
}

} // namespace corvanna
