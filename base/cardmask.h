#pragma once

#include <QString>
#include <QStringList>

namespace corvanna {

// A masked number shows its last four digits, and only when it has at least eight: a shorter
// number would give away too much of itself.
constexpr int kMaskShownDigits = 4;
constexpr int kMaskFewestDigitsShown = 8;

// A card number as lists, views and printouts show it: its last four digits behind a mask
// ("•••• 9101"), whatever blanks or dashes it was stored with. A number of fewer than eight digits
// is masked whole ("••••"); an empty number stays empty. A number kept behind the mask already
// (its last four digits at most) shows as it is.
QString maskedCardNumber(const QString& stored);

// The text with every digit of a run copied from one of the values replaced by "•": a run of two
// or more digits (blanks and dashes may stand between them) whose digits occur among a value's
// digits. Keeps card numbers out of error reports that quote a statement's values.
QString withoutDigitsOf(const QString& text, const QStringList& values);

} // namespace corvanna
