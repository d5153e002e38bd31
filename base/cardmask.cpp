#include "base/cardmask.h"

#include <QList>
#include <algorithm>

namespace corvanna {

namespace {

const QChar kBullet(0x2022);

QString digitsOf(const QString& text) {
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits += c;
    return digits;
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isGroupSeparator(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('-');
}

} // namespace

QString maskedCardNumber(const QString& stored) {
    if (stored.isEmpty()) return {};
    const QString mask(kMaskShownDigits, kBullet);
    const QString digits = digitsOf(stored);
    // A number already behind the mask (a card number erased by age) shows as it is kept.
    if (stored.startsWith(mask) && digits.size() <= kMaskShownDigits) return stored;
    if (digits.size() < kMaskFewestDigitsShown) return mask;
    return mask + QLatin1Char(' ') + digits.right(kMaskShownDigits);
}

QString withoutDigitsOf(const QString& text, const QStringList& values) {
    QStringList valueDigits;
    for (const QString& value : values) {
        const QString digits = digitsOf(value);
        if (digits.size() >= 2) valueDigits << digits;
    }
    if (valueDigits.isEmpty()) return text;
    const auto inAValue = [&](const QString& digits) {
        return std::any_of(valueDigits.begin(), valueDigits.end(),
                           [&](const QString& v) { return v.contains(digits); });
    };
    QString result = text;
    qsizetype i = 0;
    while (i < result.size()) {
        if (!isDigit(result[i])) {
            ++i;
            continue;
        }
        // One run: digits, with single blanks or dashes between them.
        QList<qsizetype> places;
        for (qsizetype j = i; j < result.size(); ++j) {
            if (isDigit(result[j]))
                places << j;
            else if (!isGroupSeparator(result[j]) || j + 1 >= result.size() ||
                     !isDigit(result[j + 1]))
                break;
        }
        QString digits;
        for (qsizetype p : places)
            digits += result[p];
        // Every stretch of two or more digits of the run that a value holds is masked.
        QList<bool> masked(digits.size(), false);
        for (qsizetype from = 0; from + 1 < digits.size(); ++from) {
            qsizetype length = 2;
            while (from + length <= digits.size() && inAValue(digits.mid(from, length)))
                ++length;
            for (qsizetype k = from; k < from + length - 1 && length > 2; ++k)
                masked[k] = true;
        }
        for (qsizetype k = 0; k < digits.size(); ++k)
            if (masked[k]) result[places[k]] = kBullet;
        i = places.last() + 1;
    }
    return result;
}

} // namespace corvanna
