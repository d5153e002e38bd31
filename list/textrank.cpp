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
    std::stable_sort(byOrder.begin(), byOrder.end(),
                     [&](char32_t a, char32_t b) { return collator.compare(one[a], one[b]) < 0; });
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

// How far ahead the loops that visit texts in sorted order ask for a text's bytes: the texts lie
// scattered through the fill's memory, and waiting for each in turn is most of their cost.
constexpr size_t kReadAhead = 8;

inline void readAhead(const void* p) {
    __builtin_prefetch(p);
}

// The weights of the texts the table covers, one key each: the primary weights of its
// characters, then, when any character is accented, a 0 and every character's secondary weight
// (plus one). A plain text thus sorts before its accented forms, as in the collator. Texts with
// a character the table does not know are listed apart.
struct WeightKeys {
    std::unique_ptr<quint8[]> bytes;
    std::vector<quint32> start;  // of each key in `bytes`, and the end of the last
    std::vector<quint32> known;  // the text of each key
    std::vector<quint32> others; // the texts without a key

    quint32 length(quint32 k) const { return start[k + 1] - start[k]; }
    const quint8* at(quint32 k) const { return bytes.get() + start[k]; }
};

WeightKeys weighTexts(const std::vector<std::string_view>& texts, const WeightTable& weight) {
    const size_t n = texts.size();
    WeightKeys keys;
    keys.known.reserve(n);
    size_t totalBytes = 0;
    for (const std::string_view& t : texts)
        totalBytes += t.size();
    // At most two weights per byte and a separator per text; left uninitialised, so only the
    // pages written take memory.
    keys.bytes.reset(new quint8[2 * totalBytes + n]);
    keys.start.reserve(n + 1);
    quint8* const out0 = keys.bytes.get();
    size_t end = 0;
    std::vector<quint8> secondaries;
    for (quint32 i = 0; i < n; ++i) {
        const std::string_view v = texts[i];
        secondaries.resize(v.size());
        quint8* out = out0 + end;
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
            keys.others.push_back(i);
            continue;
        }
        if (accented) {
            *out++ = 0;
            const size_t count = size_t(second - secondaries.data());
            std::memcpy(out, secondaries.data(), count);
            out += count;
        }
        keys.start.push_back(quint32(end));
        end = size_t(out - out0);
        keys.known.push_back(i);
    }
    keys.start.push_back(quint32(end));
    return keys;
}

// A key in the sort: its first eight weights in one number (zero past the end, below every
// weight), the rest compared byte by byte.
struct Item {
    quint64 prefix;
    quint32 k;    // the key
    quint32 text; // its text
};

int compareKeys(const WeightKeys& keys, const Item& a, const Item& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
    const quint32 la = keys.length(a.k), lb = keys.length(b.k);
    if (la <= 8 || lb <= 8) return la == lb ? 0 : (la < lb ? -1 : 1);
    const int c = std::memcmp(keys.at(a.k) + 8, keys.at(b.k) + 8, std::min(la, lb) - 8);
    if (c != 0) return c;
    return la == lb ? 0 : (la < lb ? -1 : 1);
}

// Orders the items in place by their prefixes, a byte at a time from the first (each byte
// deals a range into its buckets, each bucket is then ordered by the next byte); short ranges
// and items of equal prefixes are ordered by the whole key.
void sortItems(Item* first, Item* last, int shift, const WeightKeys& keys) {
    constexpr size_t kBuckets = 256;
    constexpr ptrdiff_t kShortRange = 64;
    const auto less = [&](const Item& a, const Item& b) { return compareKeys(keys, a, b) < 0; };
    if (last - first <= kShortRange || shift < 0) {
        std::sort(first, last, less);
        return;
    }
    const auto digit = [shift](const Item& item) { return size_t(item.prefix >> shift) & 0xff; };
    std::array<size_t, kBuckets> next{}, end{};
    for (const Item* item = first; item != last; ++item)
        ++end[digit(*item)];
    size_t sum = 0;
    for (size_t d = 0; d < kBuckets; ++d) {
        next[d] = sum;
        sum += end[d];
        end[d] = sum;
    }
    for (size_t d = 0; d < kBuckets; ++d)
        while (next[d] < end[d]) {
            const size_t to = digit(first[next[d]]);
            if (to == d)
                ++next[d];
            else
                std::swap(first[next[d]], first[next[to]++]);
        }
    size_t from = 0;
    for (size_t d = 0; d < kBuckets; ++d) {
        if (end[d] - from > 1) sortItems(first + from, first + end[d], shift - 8, keys);
        from = end[d];
    }
}

void sortItems(std::vector<Item>& items, const WeightKeys& keys) {
    constexpr int kFirstByte = 56;
    sortItems(items.data(), items.data() + items.size(), kFirstByte, keys);
}

// The keys in order. The texts mostly arrive close to it (a fill by name): then the ones out of
// step are sorted on their own and merged in.
std::vector<Item> sortKeys(const WeightKeys& keys) {
    const size_t count = keys.known.size();
    std::vector<Item> items(count);
    for (quint32 k = 0; k < count; ++k) {
        quint64 p = 0;
        const quint32 len = keys.length(k);
        const quint8* key = keys.at(k);
        for (quint32 b = 0; b < 8; ++b)
            p = (p << 8) | (b < len ? key[b] : 0);
        items[k] = {p, k, keys.known[k]};
    }
    const auto less = [&](const Item& a, const Item& b) { return compareKeys(keys, a, b) < 0; };
    // Counted before anything is copied: texts in no order go straight to the sort.
    size_t outOfStepCount = 0;
    for (size_t k = 1, last = 0; k < count; ++k)
        if (less(items[k], items[last]))
            ++outOfStepCount;
        else
            last = k;
    if (outOfStepCount > count / 2) {
        sortItems(items, keys);
    } else if (outOfStepCount > 0) {
        std::vector<Item> inStep, outOfStep;
        inStep.reserve(count - outOfStepCount);
        outOfStep.reserve(outOfStepCount);
        for (const Item& item : items)
            (inStep.empty() || !less(item, inStep.back()) ? inStep : outOfStep).push_back(item);
        sortItems(outOfStep, keys);
        std::merge(inStep.begin(), inStep.end(), outOfStep.begin(), outOfStep.end(), items.begin(),
                   less);
    }
    return items;
}

// Texts in groups of equal ones, in order: each text's group (by its place in the list the
// groups were made from) and a text of each group.
struct Groups {
    std::vector<quint32> of;
    std::vector<quint32> first;
};

// The groups of the sorted keys, every neighbour pair confirmed by the collator: equal weights
// must be equal texts to it, and greater weights greater texts. Writes each text's group into
// `groupOf` (by text) and a text of each group into `first`. False when a pair is not confirmed
// (a locale whose letter pairs sort as one letter, or whose accents count from the end).
bool confirmedGroups(const std::vector<Item>& items, const WeightKeys& keys,
                     const std::vector<std::string_view>& texts, const QCollator& collator,
                     std::vector<quint32>& groupOf, std::vector<quint32>& first) {
    first.clear();
    first.reserve(items.size());
    std::u16string before, after;
    std::string_view previous;
    quint32 group = 0;
    for (size_t j = 0; j < items.size(); ++j) {
        if (j + 2 * kReadAhead < items.size()) readAhead(&texts[items[j + 2 * kReadAhead].text]);
        if (j + kReadAhead < items.size()) readAhead(texts[items[j + kReadAhead].text].data());
        const std::string_view text = texts[items[j].text];
        if (j > 0) {
            const int order = compareKeys(keys, items[j - 1], items[j]);
            // The same bytes are the same text: the collator has nothing to say.
            if (order != 0 || text != previous) {
                decodeShort(text, after);
                const int said = collator.compare(view(before), view(after));
                if (order == 0 ? said != 0 : said >= 0) return false;
                before.swap(after);
            }
            if (order != 0) ++group;
        } else {
            decodeShort(text, before);
        }
        previous = text;
        if (group == first.size()) first.push_back(items[j].text);
        groupOf[items[j].text] = group;
    }
    return true;
}

// The texts the table does not cover, in groups by the collator's sort keys (by their place in
// `others`).
Groups groupBySortKeys(const std::vector<quint32>& others,
                       const std::vector<std::string_view>& texts, const QCollator& collator) {
    Groups groups;
    groups.of.resize(others.size());
    if (others.empty()) return groups;
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
        if (group == groups.first.size()) groups.first.push_back(others[byKey[j]]);
        groups.of[byKey[j]] = group;
    }
    return groups;
}

// The two orders of groups merged into ranks: each group of other texts finds its place among
// the known groups. Fills the rank of every group of each; returns the number of ranks.
quint32 mergeGroups(const std::vector<quint32>& knownFirst, const std::vector<quint32>& otherFirst,
                    const std::vector<std::string_view>& texts, const QCollator& collator,
                    std::vector<quint32>& knownRank, std::vector<quint32>& otherRank) {
    const size_t knownGroups = knownFirst.size();
    knownRank.assign(knownGroups, 0);
    otherRank.assign(otherFirst.size(), 0);
    std::u16string buffer;
    quint32 rank = 0;
    size_t g = 0;
    for (size_t j = 0; j < otherFirst.size(); ++j) {
        const std::string_view o = texts[otherFirst[j]];
        const QString other = QString::fromUtf8(o.data(), qsizetype(o.size()));
        // The first known group not below this one: the places only move forward, so the
        // search gallops from the last one, then halves.
        const auto below = [&](size_t at) {
            decodeShort(texts[knownFirst[at]], buffer);
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
            decodeShort(texts[knownFirst[lo]], buffer);
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
    return rank;
}

} // namespace

quint32 rankInCollation(const std::vector<std::string_view>& texts, const QCollator& collator,
                        std::vector<quint32>& ranks) {
    const size_t n = texts.size();
    ranks.assign(n, 0);
    if (n == 0) return 0;

    // The ranks hold each known text's group until the groups are ranked.
    const std::shared_ptr<const WeightTable> table = weightsFor(collator);
    WeightKeys keys = weighTexts(texts, *table);
    std::vector<quint32> knownFirst;
    if (!keys.known.empty()) {
        const std::vector<Item> items = sortKeys(keys);
        keys.known = {};
        if (!confirmedGroups(items, keys, texts, collator, ranks, knownFirst)) {
            // Every text then goes to the collator's sort keys.
            for (const Item& item : items)
                keys.others.push_back(item.text);
            knownFirst.clear();
        }
    }
    const std::vector<quint32> otherTexts = std::move(keys.others);
    keys = WeightKeys();
    const Groups others = groupBySortKeys(otherTexts, texts, collator);

    std::vector<quint32> knownRank, otherRank;
    const quint32 count =
        mergeGroups(knownFirst, others.first, texts, collator, knownRank, otherRank);
    if (!knownFirst.empty())
        for (quint32& rank : ranks)
            rank = knownRank[rank];
    for (size_t k = 0; k < otherTexts.size(); ++k)
        ranks[otherTexts[k]] = otherRank[others.of[k]];
    return count;
}

} // namespace corvanna
