#pragma once

#include <QtGlobal>
#include <string_view>
#include <vector>

class QCollator;

namespace corvanna {

// The ranks of distinct UTF-8 texts in a collator's order: rank 0 first, equal ranks for texts
// the collator finds equal. Returns the number of ranks.
//
// Texts made of ASCII and the Latin letters up to U+024F are ordered by weights per character
// read from the collator itself (which letters it folds, which characters it ignores, where it
// puts blanks, digits and signs, which accented letters sort with which plain one), and every
// neighbour pair of that order is then confirmed by the collator, so the result is exactly the
// collator's order; a pair it does not confirm (a locale whose letter pairs sort as one letter)
// sends every text to the collator's own sort keys. Other texts take the sort keys and are
// placed among the rest by the collator.
quint32 rankInCollation(const std::vector<std::string_view>& texts, const QCollator& collator,
                        std::vector<quint32>& ranks);

} // namespace corvanna
