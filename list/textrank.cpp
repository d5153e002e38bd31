#include "textrank.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>

namespace corvanna {

namespace {

// Latin letters up to the end of Latin Extended-B, where the accented letters of most names lie.
constexpr char32_t kTableEnd = 0x250;

// A character's place in the collator's order: its primary weight (0: ignored altogether) and
// its secondary weight among the characters of the same primary (0: the plain letter, then its
// accented forms in the collator's order). `known` is false for a character that is not one
// weight of its own, e.g. a letter that sorts as two ("ß" as "ss") or one the collator puts
// apart from every ASCII character ("ø" in Danish); a text holding one takes the sort keys.
struct CharWeight {
    quint8 primary = 0;
    quint8 secondary = 0;
    bool known = false;
};
using WeightTable = std::array<CharWeight, kTableEnd>;

QString single(char32_t c) {
    return QString(QChar(char16_t(c)));
}

// True when x and y sort alike at the first level, each as one weight: then a digit after each
// decides between them.
bool samePrimary(const QCollator& collator, const QString& x, const QString& y) {
    return collator.compare(x + u'0', y + u'1') < 0 && collator.compare(x + u'1', y + u'0') > 0;
}

WeightTable buildWeights(const QCollator& collator) {
    std::array<QString, kTableEnd> one;
    for (char32_t c = 0; c < kTableEnd; ++c)
        one[c] = single(c);
    std::vector<char32_t> byOrder(kTableEnd);
    std::iota(byOrder.begin(), byOrder.end(), char32_t(0));
    std::stable_sort(byOrder.begin(), byOrder.end(), [&](char32_t a, char32_t b) {
        return collator.compare(one[a], one[b]) < 0;
    });
    WeightTable table{};
    const QString a = QStringLiteral("a");
    quint8 primary = 0, secondary = 0;
    char32_t anchor = 0, last = 0; // the group's ASCII character, its last known one
    bool inGroup = false;
    for (const char32_t c : byOrder) {
        CharWeight& w = table[c];
        // An ignored character leaves the text beside it unchanged (an empty text is never
        // compared: the collator puts it first whatever follows).
        if (collator.compare(a + one[c], a) == 0) {
            w = {0, 0, true};
            continue;
        }
        if (inGroup && collator.compare(one[last], one[c]) == 0) {
            if (table[last].known) w = table[last];
            if (w.known) last = c;
            continue;
        }
        if (inGroup && samePrimary(collator, one[anchor], one[c])) {
            if (secondary == 0xff) continue;
            w = {primary, ++secondary, true};
            last = c;
        } else if (c < 0x80 && primary < 0xff) {
            w = {++primary, 0, true};
            secondary = 0;
            anchor = last = c;
            inGroup = true;
        }
    }
    return table;
}

// The table for a collator, built once per locale and setting.
std::shared_ptr<const WeightTable> weightsFor(const QCollator& collator) {
    static std::mutex lock;
    static std::map<QString, std::shared_ptr<const WeightTable>> tables;
    const QString key = collator.locale().bcp47Name() + u'|' +
                        QString::number(int(collator.caseSensitivity())) +
                        QString::number(int(collator.numericMode())) +
                        QString::number(int(collator.ignorePunctuation()));
    {
        const std::lock_guard<std::mutex> hold(lock);
        if (const auto found = tables.find(key); found != tables.end()) return found->second;
    }
    auto table = std::make_shared<const WeightTable>(buildWeights(collator));
    const std::lock_guard<std::mutex> hold(lock);
    return tables.emplace(key, std::move(table)).first->second;
}

// The character of a UTF-8 text at `i` when it lies below kTableEnd (one or two bytes), moving
// `i` past it; false for anything else.
inline bool nextShort(std::string_view v, size_t& i, char16_t& c) {
    const unsigned char lead = static_cast<unsigned char>(v[i]);
    if (lead < 0x80) {
        c = lead;
        ++i;
        return true;
    }
    const unsigned char next = i + 1 < v.size() ? static_cast<unsigned char>(v[i + 1]) : 0;
    c = char16_t(((lead & 0x1f) << 6) | (next & 0x3f));
    i += 2;
    return lead >= 0xc2 && lead < 0xe0 && (next & 0xc0) == 0x80 && c < kTableEnd;
}

// The characters of a UTF-8 text below kTableEnd, one UTF-16 unit each, in a reused buffer;
// false (buffer unspecified) when the text holds anything else.
bool decodeShort(std::string_view v, std::u16string& buffer) {
    buffer.resize(v.size());
    size_t n = 0;
    for (size_t i = 0; i < v.size();)
        if (!nextShort(v, i, buffer[n++])) return false;
    buffer.resize(n);
    return true;
}

QStringView view(const std::u16string& buffer) {
    return QStringView(buffer.data(), qsizetype(buffer.size()));
}

} // namespace

quint32 rankInCollation(const std::vector<std::string_view>& texts, const QCollator& collator,
                        std::vector<quint32>& ranks) {
    const size_t n = texts.size();
    ranks.assign(n, 0);
    if (n == 0) return 0;

    // The texts the weight table covers, each turned into its weights: the primary weights of
    // its characters, then, when any character is accented, a 0 and every character's secondary
    // weight (plus one). A plain text thus sorts before its accented forms, as in the collator.
    const std::shared_ptr<const WeightTable> table = weightsFor(collator);
    const WeightTable& weight = *table;
    std::vector<quint32> known, others;
    known.reserve(n);
    size_t totalBytes = 0;
    for (const std::string_view& t : texts)
        totalBytes += t.size();
    // At most two weights per byte and a separator per text; left uninitialised, so only the
    // pages written take memory.
    const std::unique_ptr<quint8[]> keyBytes(new quint8[2 * totalBytes + n]);
    std::vector<quint32> keyStart;
    keyStart.reserve(n + 1);
    {
        quint8* const keys = keyBytes.get();
        size_t end = 0;
        std::vector<quint8> secondaries;
        for (quint32 i = 0; i < n; ++i) {
            const std::string_view v = texts[i];
            secondaries.resize(v.size());
            quint8* out = keys + end;
            quint8* second = secondaries.data();
            bool accented = false, fits = true;
            for (size_t j = 0; j < v.size() && fits;) {
                char16_t c = 0;
                fits = nextShort(v, j, c);
                const CharWeight w = fits ? weight[c] : CharWeight{};
                fits = w.known;
                if (!w.primary) continue;
                *out++ = w.primary;
                *second++ = quint8(w.secondary + 1);
                accented |= w.secondary != 0;
            }
            if (!fits) {
                others.push_back(i);
                continue;
            }
            if (accented) {
                *out++ = 0;
                const size_t count = size_t(second - secondaries.data());
                std::memcpy(out, secondaries.data(), count);
                out += count;
            }
            keyStart.push_back(quint32(end));
            end = size_t(out - keys);
            known.push_back(i);
        }
        keyStart.push_back(quint32(end));
    }

    std::vector<quint32> knownGroupOf(known.size()); // by position in `known`, once sorted
    std::vector<quint32> groupFirst;                 // a text of each group, in order
    if (!known.empty()) {
        // The first eight weights in one number (zero past the end, below every weight), the
        // rest compared byte by byte.
        struct Item {
            quint64 prefix;
            quint32 k;
        };
        std::vector<Item> items(known.size());
        for (quint32 k = 0; k < known.size(); ++k) {
            quint64 p = 0;
            const quint32 len = keyStart[k + 1] - keyStart[k];
            for (quint32 b = 0; b < 8; ++b)
                p = (p << 8) | (b < len ? keyBytes[keyStart[k] + b] : 0);
            items[k] = {p, k};
        }
        const auto compareKeys = [&](const Item& a, const Item& b) {
            if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
            const quint32 la = keyStart[a.k + 1] - keyStart[a.k];
            const quint32 lb = keyStart[b.k + 1] - keyStart[b.k];
            if (la <= 8 || lb <= 8) return la == lb ? 0 : (la < lb ? -1 : 1);
            const int c = std::memcmp(keyBytes.get() + keyStart[a.k] + 8,
                                      keyBytes.get() + keyStart[b.k] + 8, std::min(la, lb) - 8);
            if (c != 0) return c;
            return la == lb ? 0 : (la < lb ? -1 : 1);
        };
        const auto less = [&](const Item& a, const Item& b) { return compareKeys(a, b) < 0; };
        // The texts mostly arrive close to this order (a fill by name): the ones out of step
        // are sorted on their own and merged in.
        std::vector<Item> inStep, outOfStep;
        inStep.reserve(items.size());
        for (const Item& item : items)
            (inStep.empty() || !less(item, inStep.back()) ? inStep : outOfStep).push_back(item);
        if (outOfStep.size() > items.size() / 2) {
            std::sort(items.begin(), items.end(), less);
        } else if (!outOfStep.empty()) {
            std::sort(outOfStep.begin(), outOfStep.end(), less);
            std::merge(inStep.begin(), inStep.end(), outOfStep.begin(), outOfStep.end(),
                       items.begin(), less);
        }

        // Every neighbour pair confirmed by the collator: equal weights must be equal texts to
        // it, and greater weights greater texts. A pair it does not confirm (a locale whose
        // letter pairs sort as one letter, or whose accents count from the end) sends every
        // text to the collator's sort keys.
        std::u16string before, after;
        bool confirmed = true;
        quint32 group = 0;
        for (size_t j = 0; j < items.size() && confirmed; ++j) {
            decodeShort(texts[known[items[j].k]], after);
            if (j > 0) {
                const int keys = compareKeys(items[j - 1], items[j]);
                const int said = collator.compare(view(before), view(after));
                confirmed = keys == 0 ? said == 0 : said < 0;
                if (keys != 0) ++group;
            }
            before.swap(after);
            if (j == 0 || group == groupFirst.size()) groupFirst.push_back(known[items[j].k]);
            knownGroupOf[items[j].k] = group;
        }
        if (!confirmed) {
            others.insert(others.end(), known.begin(), known.end());
            known.clear();
            groupFirst.clear();
        }
    }

    // The other texts by the collator's sort keys.
    std::vector<quint32> otherGroupOf(others.size());
    std::vector<quint32> otherFirst; // a text of each group, in order
    if (!others.empty()) {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(others.size());
        for (const quint32 i : others)
            keys.push_back(
                collator.sortKey(QString::fromUtf8(texts[i].data(), qsizetype(texts[i].size()))));
        std::vector<quint32> byKey(others.size());
        std::iota(byKey.begin(), byKey.end(), 0u);
        std::sort(byKey.begin(), byKey.end(),
                  [&](quint32 a, quint32 b) { return keys[a].compare(keys[b]) < 0; });
        quint32 group = 0;
        for (size_t j = 0; j < byKey.size(); ++j) {
            if (j > 0 && keys[byKey[j - 1]].compare(keys[byKey[j]]) != 0) ++group;
            if (j == 0 || group == otherFirst.size()) otherFirst.push_back(others[byKey[j]]);
            otherGroupOf[byKey[j]] = group;
        }
    }

    // The two orders merged: each group of other texts finds its place among the known groups.
    const size_t knownGroups = groupFirst.size();
    std::vector<quint32> knownRank(knownGroups), otherRank(otherFirst.size());
    std::u16string buffer;
    quint32 rank = 0;
    size_t g = 0;
    for (size_t j = 0; j < otherFirst.size(); ++j) {
        const std::string_view o = texts[otherFirst[j]];
        const QString other = QString::fromUtf8(o.data(), qsizetype(o.size()));
        // The first known group not below this one: the places only move forward, so the
        // search gallops from the last one, then halves.
        const auto below = [&](size_t at) {
            decodeShort(texts[groupFirst[at]], buffer);
            return collator.compare(view(buffer), other) < 0;
        };
        size_t lo = g, step = 1;
        while (lo + step <= knownGroups && below(lo + step - 1)) {
            lo += step;
            step *= 2;
        }
        size_t hi = std::min(lo + step - 1, knownGroups);
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (below(mid))
                lo = mid + 1;
            else
                hi = mid;
        }
        int atLo = 1;
        if (lo < knownGroups) {
            decodeShort(texts[groupFirst[lo]], buffer);
            atLo = collator.compare(view(buffer), other);
        }
        for (; g < lo; ++g)
            knownRank[g] = rank++;
        if (lo < knownGroups && atLo == 0) {
            knownRank[g++] = rank;
            otherRank[j] = rank++;
        } else {
            otherRank[j] = rank++;
        }
    }
    for (; g < knownGroups; ++g)
        knownRank[g] = rank++;

    for (size_t k = 0; k < known.size(); ++k)
        ranks[known[k]] = knownRank[knownGroupOf[k]];
    for (size_t k = 0; k < others.size(); ++k)
        ranks[others[k]] = otherRank[otherGroupOf[k]];
    return rank;
}

} // namespace corvanna
