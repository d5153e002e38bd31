#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace corvanna {

// Amounts as the desk types and reads them: in the locale's format, held as whole cents.

// The cents of a typed amount ("1,234.5" in English, "1.234,5" in German; group separators
// optional, at most two decimals, no sign), read digit by digit without floating point. Nothing
// for a text that is not such an amount or that is too large to hold.
std::optional<qint64> parseAmount(const QString& text, const QLocale& locale = QLocale());

// A percentage as typed ("7", "7,5"): its basis points (700, 750), by the same rules.
std::optional<int> parsePercent(const QString& text, const QLocale& locale = QLocale());

// An amount of cents in the hotel's currency (an ISO code; empty: the locale's) as the locale
// writes money: "$1,234.50", "1.234,50 €"; a currency other than the locale's shows its code.
QString formatMoney(qint64 cents, const QString& currency, const QLocale& locale = QLocale());

// An amount for a box to edit: no currency, no group separators ("1234.50" in English).
QString editableAmount(qint64 cents, const QLocale& locale = QLocale());

// Basis points as a percentage in the locale's format ("7.00 %" as the locale writes it).
QString formatPercent(int basisPoints, const QLocale& locale = QLocale());

// The message that refuses a typed amount, naming it and showing the format expected.
QString badAmountMessage(const QString& typed, const QLocale& locale = QLocale());

} // namespace corvanna
