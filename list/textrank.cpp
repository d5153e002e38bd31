#include "textrank.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace corvanna {

namespace {

bool isAscii(std::string_view v) {
    size_t i = 0;
    for (; i + 8 <= v.size(); i += 8) {
        quint64 w;
        std::memcpy(&w, v.data() + i, 8);
        if (w & 0x8080808080808080ull) return false;
    }
    for (; i < v.size(); ++i)
        if (static_cast<unsigned char>(v[i]) >= 0x80) return false;
    return true;
}

// ASCII text as UTF-16, in a buffer reused from call to call.
QStringView widen(std::string_view v, std::u16string& buffer) {
    buffer.resize(v.size());
    for (size_t i = 0; i < v.size(); ++i)
        buffer[i] = char16_t(static_cast<unsigned char>(v[i]));
    return QStringView(buffer.data(), qsizetype(buffer.size()));
}

// Each ASCII character's place in the collator's order: characters it finds equal share a
// weight, characters it ignores weigh 0.
std::array<quint8, 128> asciiWeights(const QCollator& collator) {
    std::array<QString, 128> one;
    for (int c = 0; c < 128; ++c)
        one[size_t(c)] = QString(QChar(c));
    std::array<int, 128> byOrder;
    std::iota(byOrder.begin(), byOrder.end(), 0);
    std::stable_sort(byOrder.begin(), byOrder.end(), [&](int a, int b) {
        return collator.compare(one[size_t(a)], one[size_t(b)]) < 0;
    });
    std::array<quint8, 128> weight{};
    quint8 w = 0;
    const QString a = QStringLiteral("a");
    for (size_t k = 0; k < byOrder.size(); ++k) {
        const QString& text = one[size_t(byOrder[k])];
        if (k == 0 || collator.compare(one[size_t(byOrder[k - 1])], text) != 0) ++w;
        // An ignored character leaves the text beside it unchanged (an empty text is never
        // compared: the collator puts it first whatever follows).
        weight[size_t(byOrder[k])] = collator.compare(a + text, a) == 0 ? 0 : w;
    }
    return weight;
}

} // namespace

quint32 rankInCollation(const std::vector<std::string_view>& texts, const QCollator& collator,
                        std::vector<quint32>& ranks) {
    const size_t n = texts.size();
    ranks.assign(n, 0);
    if (n == 0) return 0;

    std::vector<quint32> ascii, others;
    for (quint32 i = 0; i < n; ++i)
        (isAscii(texts[i]) ? ascii : others).push_back(i);

    // The ASCII texts: each turned into its characters' weights, ordered by those.
    std::vector<quint32> asciiGroupOf(ascii.size()); // by position in `ascii`, once sorted
    std::vector<quint32> groupFirst;                 // a text of each group, in order
    if (!ascii.empty()) {
        const std::array<quint8, 128> weight = asciiWeights(collator);
        std::vector<quint8> keyBytes;
        std::vector<quint32> keyStart(ascii.size() + 1);
        for (size_t k = 0; k < ascii.size(); ++k) {
            keyStart[k] = quint32(keyBytes.size());
            for (const char c : texts[ascii[k]])
                if (const quint8 w = weight[size_t(c)]) keyBytes.push_back(w);
        }
        keyStart[ascii.size()] = quint32(keyBytes.size());
        // The first eight weights in one number (zero past the end, below every weight), the
        // rest compared byte by byte.
        struct Item {
            quint64 prefix;
            quint32 k;
        };
        std::vector<Item> items(ascii.size());
        for (quint32 k = 0; k < ascii.size(); ++k) {
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
            const int c = std::memcmp(keyBytes.data() + keyStart[a.k] + 8,
                                      keyBytes.data() + keyStart[b.k] + 8, std::min(la, lb) - 8);
            if (c != 0) return c;
            return la == lb ? 0 : (la < lb ? -1 : 1);
        };
        const auto less = [&](const Item& a, const Item& b) { return compareKeys(a, b) < 0; };
        if (!std::is_sorted(items.begin(), items.end(), less))
            std::sort(items.begin(), items.end(), less);

        // Every neighbour pair confirmed by the collator: equal weights must be equal texts to
        // it, and greater weights greater texts.
        std::u16string before, after;
        bool confirmed = true;
        quint32 group = 0;
        for (size_t j = 0; j < items.size() && confirmed; ++j) {
            const std::string_view text = texts[ascii[items[j].k]];
            widen(text, after);
            if (j > 0) {
                const int keys = compareKeys(items[j - 1], items[j]);
                const int said =
                    collator.compare(QStringView(before.data(), qsizetype(before.size())),
                                     QStringView(after.data(), qsizetype(after.size())));
                confirmed = keys == 0 ? said == 0 : said < 0;
                if (keys != 0) ++group;
            }
            before.swap(after);
            if (j == 0 || group == groupFirst.size()) groupFirst.push_back(ascii[items[j].k]);
            asciiGroupOf[items[j].k] = group;
        }
        if (!confirmed) {
            others.insert(others.end(), ascii.begin(), ascii.end());
            ascii.clear();
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

    // The two orders merged: each group of other texts finds its place among the ASCII groups.
    const size_t asciiGroups = groupFirst.size();
    std::vector<quint32> asciiRank(asciiGroups), otherRank(otherFirst.size());
    std::u16string buffer;
    quint32 rank = 0;
    size_t g = 0;
    for (size_t j = 0; j < otherFirst.size(); ++j) {
        const std::string_view o = texts[otherFirst[j]];
        const QString other = QString::fromUtf8(o.data(), qsizetype(o.size()));
        // The first ASCII group not below this one: the places only move forward, so the
        // search gallops from the last one, then halves.
        const auto below = [&](size_t at) {
            return collator.compare(widen(texts[groupFirst[at]], buffer), other) < 0;
        };
        size_t lo = g, step = 1;
        while (lo + step <= asciiGroups && below(lo + step - 1)) {
            lo += step;
            step *= 2;
        }
        size_t hi = std::min(lo + step - 1, asciiGroups);
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (below(mid))
                lo = mid + 1;
            else
                hi = mid;
        }
        int atLo = 1;
        if (lo < asciiGroups) atLo = collator.compare(widen(texts[groupFirst[lo]], buffer), other);
        for (; g < lo; ++g)
            asciiRank[g] = rank++;
        if (lo < asciiGroups && atLo == 0) {
            asciiRank[g++] = rank;
            otherRank[j] = rank++;
        } else {
            otherRank[j] = rank++;
        }
    }
    for (; g < asciiGroups; ++g)
        asciiRank[g] = rank++;

    for (size_t k = 0; k < ascii.size(); ++k)
        ranks[ascii[k]] = asciiRank[asciiGroupOf[k]];
    for (size_t k = 0; k < others.size(); ++k)
        ranks[others[k]] = otherRank[otherGroupOf[k]];
    return rank;
}

} // namespace corvanna
