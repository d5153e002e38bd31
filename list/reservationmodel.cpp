#include "reservationmodel.h"

#include "base/cardmask.h"
#include "base/dates.h"
#include "findindex.h"
#include "store/rowcursor.h"
#include "store/statements.h"
#include "textrank.h"

#include <QByteArray>
#include <QCollator>
#include <QDate>
#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace corvanna {

namespace {

// The working memory of a ranking or a sort goes back to the system once it is done: the
// allocator would keep it for later, and the list of a large hotel should not grow with every
// header click.
void returnFreeMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

constexpr const char* kFieldNames[ReservationModel::ColumnCount] = {
    "id",           "GuestName",       "Accommodation", "NoOfRooms",
    "Type",         "ServiceIncluded", "NoOfPersons",   "CheckInDate",
    "CheckOutDate", "CreditCardType",  "CreditCardNo",  "PhoneNumber",
    "Address"};

const char* const kCaptions[ReservationModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "ID"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Guest Name"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Accomodation"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Number Of Rooms"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Type"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Services Included"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Number of Persons"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Check In Date"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Check Out Date"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Card Type"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Card Number"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Phone Number"),
    QT_TRANSLATE_NOOP("corvanna::ReservationModel", "Address")};

// Columns held as typed values; the others are texts.
enum class Kind { Integer, Date, Text };
constexpr Kind kindOf(int column) {
    switch (column) {
    case ReservationModel::Id:
    case ReservationModel::NoOfRooms:
    case ReservationModel::NoOfPersons:
        return Kind::Integer;
    case ReservationModel::CheckInDate:
    case ReservationModel::CheckOutDate:
        return Kind::Date;
    default:
        return Kind::Text;
    }
}

// The slot of a typed column in Row::number / Row::day.
constexpr int slotOf(int column) {
    switch (column) {
    case ReservationModel::NoOfRooms:
        return 1;
    case ReservationModel::NoOfPersons:
        return 2;
    case ReservationModel::CheckOutDate:
        return 1;
    default:
        return 0;
    }
}

// Signed values map to unsigned keys of the same order.
constexpr quint64 kSign = quint64(1) << 63;

// The digits of a stored card number: how many, and the last four as a number.
struct CardDigits {
    int count = 0;
    int lastFour = 0;
};
CardDigits cardDigits(std::string_view stored) {
    constexpr int kLastFourBound = 10000;
    CardDigits d;
    for (const char c : stored)
        if (c >= '0' && c <= '9') {
            ++d.count;
            d.lastFour = (d.lastFour * 10 + (c - '0')) % kLastFourBound;
        }
    return d;
}

// The order of a stored card number in the masked column: empty numbers, then those masked
// whole, then by the last four digits; a small whole number, so that the sort counts.
quint16 maskedCardOrder(std::string_view stored) {
    constexpr quint16 kMaskedWhole = 1;
    constexpr quint16 kFirstShown = 2;
    if (stored.empty()) return 0;
    const CardDigits digits = cardDigits(stored);
    if (digits.count < kMaskFewestDigitsShown) return kMaskedWhole;
    return quint16(kFirstShown + digits.lastFour);
}

// A fast hash of a short text (names, types, card numbers).
inline quint64 hashText(std::string_view v) {
    quint64 h = 0x9E3779B97F4A7C15ull ^ v.size();
    size_t i = 0;
    for (; i + 8 <= v.size(); i += 8) {
        quint64 w;
        std::memcpy(&w, v.data() + i, 8);
        h = (h ^ w) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    quint64 w = 0;
    if (i < v.size()) std::memcpy(&w, v.data() + i, v.size() - i); // an empty text may have no data
    h = (h ^ w) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 29);
}

// Ids for distinct texts in order of first appearance: an open-addressing table whose slots
// hold an id and the high half of its text's hash, so that a probe mostly reads one slot.
class DistinctTexts {
public:
    // The slot of a text about to be looked up is fetched ahead of time.
    void expect(quint64 hash) const { __builtin_prefetch(&m_slots[size_t(hash) & m_mask]); }

    quint32 idOf(std::string_view text, quint64 hash) {
        const quint32 tag = quint32(hash >> 32);
        size_t k = size_t(hash) & m_mask;
        for (; m_slots[k].id != kFree; k = (k + 1) & m_mask)
            if (m_slots[k].tag == tag && m_texts[m_slots[k].id] == text) return m_slots[k].id;
        const quint32 id = quint32(m_texts.size());
        m_slots[k] = {id, tag};
        m_texts.push_back(text);
        m_hashes.push_back(hash);
        if (m_texts.size() * 2 > m_slots.size()) grow();
        return id;
    }

    std::vector<std::string_view> take() {
        m_slots = {};
        m_hashes = {};
        m_texts.shrink_to_fit();
        return std::move(m_texts);
    }

private:
    static constexpr quint32 kFree = ~0u;
    static constexpr size_t kFirstSlots = 1024;
    struct Slot {
        quint32 id = kFree;
        quint32 tag = 0;
    };

    void grow() {
        m_slots.assign(m_slots.size() * 2, Slot());
        m_mask = m_slots.size() - 1;
        for (quint32 id = 0; id < m_texts.size(); ++id) {
            size_t k = size_t(m_hashes[id]) & m_mask;
            while (m_slots[k].id != kFree)
                k = (k + 1) & m_mask;
            m_slots[k] = {id, quint32(m_hashes[id] >> 32)};
        }
    }

    std::vector<Slot> m_slots = std::vector<Slot>(kFirstSlots);
    size_t m_mask = kFirstSlots - 1;
    std::vector<std::string_view> m_texts;
    std::vector<quint64> m_hashes;
};

// Orders `rows` (positions in fill order) stably by `keyOf`, smallest first or, descending,
// largest first; equal keys keep their order. Dense keys (ids, dates, counts) take a counting
// sort, others a comparison sort on (key, position).
template <class KeyOf> void sortByKey(std::vector<quint32>& rows, bool descending, KeyOf keyOf) {
    const size_t n = rows.size();
    if (n < 2) return;
    std::vector<quint64> keys(n);
    quint64 lo = ~quint64(0), hi = 0;
    for (size_t i = 0; i < n; ++i) {
        keys[i] = keyOf(rows[i]);
        lo = std::min(lo, keys[i]);
        hi = std::max(hi, keys[i]);
    }
    const quint64 span = hi - lo;
    if (span < 4 * quint64(n) + 1024) {
        std::vector<quint32> start(size_t(span) + 2, 0);
        for (size_t i = 0; i < n; ++i)
            ++start[size_t(descending ? hi - keys[i] : keys[i] - lo) + 1];
        std::partial_sum(start.begin(), start.end(), start.begin());
        std::vector<quint32> out(n);
        for (size_t i = 0; i < n; ++i)
            out[start[size_t(descending ? hi - keys[i] : keys[i] - lo)]++] = rows[i];
        rows.swap(out);
        return;
    }
    std::vector<std::pair<quint64, quint32>> pairs(n);
    for (size_t i = 0; i < n; ++i)
        pairs[i] = {descending ? ~keys[i] : keys[i], quint32(i)};
    std::sort(pairs.begin(), pairs.end());
    std::vector<quint32> out(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = rows[pairs[i].second];
    rows.swap(out);
}

} // namespace

struct ReservationModel::Row {
    qint64 number[3]; // id, NoOfRooms, NoOfPersons
    qint64 day[2];    // check-in and check-out as day numbers
    const char* text; // this row's texts, one column after another
    quint32 length[ColumnCount];
    quint16 nulls;  // bit per column: the value is null
    quint16 asText; // bit per typed column: the value is not of its kind and stands as text

    const char* textOf(int column) const {
        const char* p = text;
        for (int c = 0; c < column; ++c)
            p += length[c];
        return p;
    }
    std::string_view view(int column) const { return {textOf(column), length[column]}; }
    // The id as a sort key; a row without a whole-number id after every id.
    quint64 idKey() const {
        return (nulls | asText) & 1u ? ~quint64(0) : quint64(number[0]) ^ kSign;
    }
};

struct ReservationModel::Store {
    static constexpr size_t kRowsPerChunk = 4096;
    static constexpr size_t kTextChunk = 1 << 20;

    std::vector<std::unique_ptr<Row[]>> rowChunks;
    std::vector<std::unique_ptr<char[]>> textChunks;
    size_t count = 0;
    char* textCursor = nullptr;
    size_t textLeft = 0;
    std::vector<quint32> order; // list row -> fill position; empty while in fill order
    // The list's own order before any header sort (fill positions; empty: the fill's order).
    // Sorts keep it for equal keys.
    std::vector<quint32> base;

    // The ranks of one text column (equal texts, ignoring case, share a rank), kept so that a
    // second click on the same column only reverses.
    int rankedColumn = -1;
    std::vector<quint32> ranks;
    quint32 rankCount = 0;
    // With the card numbers' ranks, each row's place in the masked column's order.
    std::vector<quint16> maskedCards;

    // Names as a fill by name brings them: for each row its run of equal names, and each run's
    // name copied together (compact, so that ranking them reads little memory). Taken by the
    // first ranking of the names.
    std::vector<quint32> nameRunOf;
    std::vector<char> runNames;
    std::vector<quint32> runNameEnd;

    // The names' order (base, the names' ranks) was found apart, before the model took the rows.
    bool namesOrdered = false;

    const RowCursor* mapped = nullptr;
    int field[ColumnCount] = {};
    // A day view's stay group per row (its column "StayGroup"): lower groups come first in the
    // list's own order. Empty when the fill has no such column or every row is in group 0.
    int groupField = -1;
    std::vector<quint8> groups;
    // Without that column: the ids of the rows of group 1, in ascending order.
    std::vector<qint64> secondGroup;

    Row& at(size_t i) { return rowChunks[i / kRowsPerChunk][i % kRowsPerChunk]; }
    const Row& at(size_t i) const { return rowChunks[i / kRowsPerChunk][i % kRowsPerChunk]; }

    Row& add() {
        if (count == rowChunks.size() * kRowsPerChunk)
            rowChunks.emplace_back(new Row[kRowsPerChunk]);
        return at(count++);
    }

    char* allocText(size_t n) {
        if (n > textLeft) {
            const size_t size = std::max(n, kTextChunk);
            textChunks.emplace_back(new char[size]);
            textCursor = textChunks.back().get();
            textLeft = size;
        }
        char* p = textCursor;
        textCursor += n;
        textLeft -= n;
        return p;
    }

    void clear() {
        rowChunks.clear();
        textChunks.clear();
        count = 0;
        textCursor = nullptr;
        textLeft = 0;
        order.clear();
        order.shrink_to_fit();
        base.clear();
        base.shrink_to_fit();
        rankedColumn = -1;
        ranks.clear();
        ranks.shrink_to_fit();
        maskedCards = {};
        dropNameRuns();
        mapped = nullptr;
        namesOrdered = false;
        groupField = -1;
        groups = {};
        secondGroup = {};
    }

    void dropNameRuns() {
        nameRunOf = {};
        runNames = {};
        runNameEnd = {};
    }
};

ReservationModel::ReservationModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_store(std::make_unique<Store>()) {
    setLocale(QLocale());
}

ReservationModel::~ReservationModel() = default;

QString ReservationModel::headerCaption(int column) {
    return column >= 0 && column < ColumnCount ? tr(kCaptions[column]) : QString();
}

const char* ReservationModel::fieldName(int column) {
    return column >= 0 && column < ColumnCount ? kFieldNames[column] : "";
}

void ReservationModel::setLocale(const QLocale& locale) {
    m_locale = locale;
    m_dateFormat = shortDateFormat(locale);
    // Folding for find follows the locale's case rules.
    m_findIndex.reset();
    m_findWords = findWords(m_findText, m_locale);
    if (m_store->count > 0) {
        m_store->rankedColumn = -1;
        relayout([this] {
            orderNames();
            if (m_sorted) applySort();
            applyFind();
        });
        if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

int ReservationModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_filling) return 0;
    return m_finding ? int(m_shown.size()) : int(m_store->count);
}

int ReservationModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReservationModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::AccessibleTextRole && index.isValid() && index.column() == CreditCardNo &&
        !m_cardNumbersInFull && index.row() < rowCount()) {
        // A screen reader would spell out the mask's bullets.
        const Row& r = rowAt(index.row());
        if (r.nulls & (1u << CreditCardNo) || r.length[CreditCardNo] == 0) return {};
        const CardDigits digits = cardDigits(r.view(CreditCardNo));
        if (digits.count < kMaskFewestDigitsShown) return tr("card number hidden");
        return tr("card ending %1").arg(digits.lastFour, kMaskShownDigits, 10, QLatin1Char('0'));
    }
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    QString text = cellText(index.row(), index.column());
    // A row is one line: a multi-line address shows its lines side by side, so that it neither
    // makes every row taller nor shows only part of itself.
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("  "));
        text.replace(QLatin1Char('\n'), QStringLiteral("  "))
            .replace(QLatin1Char('\r'), QStringLiteral("  "));
    }
    return text;
}

QVariant ReservationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return headerCaption(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// A fill removes every row and then inserts the new ones, rather than resetting the model: a
// reset makes the view start over (header sizes included) for every fill, however small.
void ReservationModel::beginFill() {
    m_pending.reset();
    if (!m_filling && m_store->count > 0) {
        beginRemoveRows({}, 0, int(m_store->count) - 1);
        m_store->clear();
        endRemoveRows();
    }
    m_store->clear();
    m_findIndex.reset();
    m_matched.clear();
    m_matchedWords.clear();
    m_shown.clear();
    m_finding = false;
    m_filling = true;
    m_store->secondGroup = std::exchange(m_nextSecondGroup, {});
}

void ReservationModel::append(const RowCursor& cursor) {
    appendTo(m_pending ? *m_pending : *m_store, cursor, m_guestNameOrder);
}

ReservationModel::FillRows::FillRows(bool guestNameOrder, const QLocale& locale)
    : m_store(std::make_unique<Store>())
    , m_guestNameOrder(guestNameOrder)
    , m_locale(locale) {}
ReservationModel::FillRows::FillRows(FillRows&& other) noexcept = default;
ReservationModel::FillRows&
ReservationModel::FillRows::operator=(FillRows&& other) noexcept = default;
ReservationModel::FillRows::~FillRows() = default;

void ReservationModel::FillRows::append(const RowCursor& cursor) {
    appendTo(*m_store, cursor, m_guestNameOrder);
}

size_t ReservationModel::FillRows::count() const {
    return m_store ? m_store->count : 0;
}

void ReservationModel::FillRows::orderNames() {
    if (!m_store) return;
    m_store->mapped = nullptr; // the cursor goes before the rows are taken
    ReservationModel::orderNames(*m_store, m_guestNameOrder, m_locale);
    m_store->namesOrdered = true;
}

ReservationModel::FillRows ReservationModel::fillRows() const {
    return FillRows(m_guestNameOrder, m_locale);
}

void ReservationModel::endFill(FillRows rows) {
    if (m_pending && rows.m_store) {
        // Found for another locale or order than the list's now: found again.
        if (rows.m_locale != m_locale || rows.m_guestNameOrder != m_guestNameOrder)
            rows.m_store->namesOrdered = false;
        m_pending = std::move(rows.m_store);
    }
    endFill();
}

void ReservationModel::appendTo(Store& s, const RowCursor& cursor, bool guestNameOrder) {
    if (&cursor != s.mapped) {
        // Which result column holds each list column; "select *" gives the table's order.
        const int n = cursor.columnCount();
        bool tableOrder = n >= ColumnCount;
        for (int c = 0; c < ColumnCount && tableOrder; ++c)
            tableOrder = qstricmp(cursor.columnName(c), kFieldNames[c]) == 0;
        for (int c = 0; c < ColumnCount; ++c) {
            s.field[c] = tableOrder ? c : -1;
            for (int i = 0; i < n && !tableOrder; ++i)
                if (qstricmp(cursor.columnName(i), kFieldNames[c]) == 0) {
                    s.field[c] = i;
                    break;
                }
        }
        s.groupField = -1;
        for (int i = ColumnCount; i < n; ++i)
            if (qstricmp(cursor.columnName(i), kStayGroupColumn) == 0) s.groupField = i;
        s.mapped = &cursor;
    }
    if (s.groupField >= 0 || !s.secondGroup.empty()) {
        quint8 group = 0;
        if (s.groupField >= 0) {
            const CursorValue g = cursor.value(s.groupField, CursorValue::Integer);
            group = g.type == CursorValue::Integer && g.number > 0 ? quint8(g.number) : 0;
        } else {
            const CursorValue id =
                s.field[Id] < 0 ? CursorValue() : cursor.value(s.field[Id], CursorValue::Integer);
            group = id.type == CursorValue::Integer &&
                    std::binary_search(s.secondGroup.begin(), s.secondGroup.end(), id.number);
        }
        // Rows are counted into groups only once one leaves group 0.
        if (group != 0 && s.groups.size() < s.count) s.groups.resize(s.count, 0);
        if (group != 0 || !s.groups.empty()) s.groups.push_back(group);
    }

    Row& row = s.add();
    row.nulls = 0;
    row.asText = 0;
    const char* src[ColumnCount];
    size_t total = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        const int i = s.field[c];
        row.length[c] = 0;
        src[c] = nullptr;
        const Kind kind = kindOf(c);
        const CursorValue v = i < 0 ? CursorValue()
                                    : cursor.value(i, kind == Kind::Integer ? CursorValue::Integer
                                                      : kind == Kind::Date  ? CursorValue::Day
                                                                            : CursorValue::Text);
        switch (v.type) {
        case CursorValue::Null:
            row.nulls |= quint16(1u << c);
            continue;
        case CursorValue::Integer:
            row.number[c == Id ? 0 : slotOf(c)] = v.number;
            continue;
        case CursorValue::Day:
            row.day[slotOf(c)] = v.number;
            continue;
        case CursorValue::Text:
            break;
        }
        if (kind != Kind::Text) row.asText |= quint16(1u << c);
        src[c] = v.bytes;
        row.length[c] = quint32(v.size);
        total += size_t(v.size);
    }
    char* p = s.allocText(total);
    row.text = p;
    std::string_view name;
    for (int c = 0; c < ColumnCount; ++c)
        if (row.length[c]) {
            std::memcpy(p, src[c], row.length[c]);
            if (c == GuestName) name = std::string_view(p, row.length[c]);
            p += row.length[c];
        }
    if (guestNameOrder) {
        const size_t runs = s.runNameEnd.size();
        const quint32 lastStart = runs > 1 ? s.runNameEnd[runs - 2] : 0;
        if (runs == 0 || name != std::string_view(s.runNames.data() + lastStart,
                                                  s.runNameEnd[runs - 1] - lastStart)) {
            s.runNames.insert(s.runNames.end(), name.begin(), name.end());
            s.runNameEnd.push_back(quint32(s.runNames.size()));
        }
        s.nameRunOf.push_back(quint32(s.runNameEnd.size() - 1));
    }
}

void ReservationModel::setGuestNameOrder(bool on) {
    m_guestNameOrder = on;
}

void ReservationModel::groupNextFill(std::vector<qint64> secondGroup) {
    m_nextSecondGroup = std::move(secondGroup);
}

// The fills ask the engine for guest-name order, but the engine folds only ASCII letters, and
// leaves names it finds equal in the order of its scan (the file) or in none (the server): the
// list puts the names in the user's collation (as a guest-name sort does), names the collation
// finds equal by their ids.
void ReservationModel::orderNames() {
    Store& s = *m_store;
    if (!s.namesOrdered) orderNames(s, m_guestNameOrder, m_locale);
    s.namesOrdered = false; // a later change of locale orders them again
    if (!m_sorted) s.order = s.base;
}

void ReservationModel::orderNames(Store& s, bool guestNameOrder, const QLocale& locale) {
    s.base.clear();
    if (guestNameOrder && s.count > 1) {
        if (s.rankedColumn != GuestName) rankTexts(s, GuestName, guestNameOrder, locale);
        const auto idKey = [&s](quint32 i) { return s.at(i).idKey(); };
        bool inOrder = true;
        for (quint32 i = 1; i < s.count && inOrder; ++i)
            inOrder = s.ranks[i - 1] < s.ranks[i] ||
                      (s.ranks[i - 1] == s.ranks[i] && idKey(i - 1) <= idKey(i));
        if (!inOrder) {
            // Equal names mostly arrive together: the blocks of equal ranks are put in order and
            // laid out row by row, then each run of one rank is put in id order.
            std::vector<quint32> blockStart;
            for (quint32 i = 0; i < s.count; ++i)
                if (i == 0 || s.ranks[i] != s.ranks[i - 1]) blockStart.push_back(i);
            std::vector<quint32> blocks(blockStart.size());
            std::iota(blocks.begin(), blocks.end(), 0u);
            sortByKey(blocks, false, [&](quint32 b) { return quint64(s.ranks[blockStart[b]]); });
            blockStart.push_back(quint32(s.count));
            s.base.resize(s.count);
            quint32* out = s.base.data();
            for (const quint32 b : blocks)
                for (quint32 i = blockStart[b]; i < blockStart[b + 1]; ++i)
                    *out++ = i;
            const auto byId = [&](quint32 a, quint32 b) { return idKey(a) < idKey(b); };
            for (auto run = s.base.begin(); run != s.base.end();) {
                const quint32 rank = s.ranks[*run];
                auto end = run + 1;
                while (end != s.base.end() && s.ranks[*end] == rank)
                    ++end;
                if (end - run > 1 && !std::is_sorted(run, end, byId))
                    std::stable_sort(run, end, byId);
                run = end;
            }
        }
    }
    if (!s.groups.empty()) {
        // A day view's stay groups first, the names' order within each.
        s.groups.resize(s.count, 0);
        if (s.base.empty()) {
            s.base.resize(s.count);
            std::iota(s.base.begin(), s.base.end(), 0u);
        }
        std::stable_sort(s.base.begin(), s.base.end(),
                         [&s](quint32 a, quint32 b) { return s.groups[a] < s.groups[b]; });
    }
}

void ReservationModel::showFirstRows() {
    if (!m_filling) return;
    endFill();
    m_pending = std::make_unique<Store>();
}

void ReservationModel::beginRefill() {
    if (filling()) return;
    m_pending = std::make_unique<Store>();
    m_pending->secondGroup = std::exchange(m_nextSecondGroup, {});
}

void ReservationModel::dropPending() {
    m_pending.reset();
}

void ReservationModel::takePending() {
    emit layoutAboutToBeChanged();
    const QModelIndexList persistent = persistentIndexList();
    std::vector<qint64> ids; // each persistent index's reservation
    ids.reserve(size_t(persistent.size()));
    std::unordered_map<qint64, int> rowOf; // those reservations' new rows
    for (const QModelIndex& from : persistent) {
        ids.push_back(idAt(from.row()));
        if (ids.back() >= 0) rowOf.emplace(ids.back(), -1);
    }
    m_store = std::move(m_pending);
    m_findIndex.reset();
    m_matched.clear();
    m_matchedWords.clear();
    m_shown.clear();
    m_finding = false;
    orderNames();
    if (m_sorted) applySort();
    applyFind();
    if (!persistent.isEmpty()) {
        size_t left = rowOf.size();
        const int shown = rowCount();
        for (int v = 0; v < shown && left > 0; ++v)
            if (const auto found = rowOf.find(idAt(v)); found != rowOf.end() && found->second < 0) {
                found->second = v;
                --left;
            }
        QModelIndexList to;
        to.reserve(persistent.size());
        for (qsizetype k = 0; k < persistent.size(); ++k) {
            const auto found = rowOf.find(ids[size_t(k)]);
            to.append(found == rowOf.end() || found->second < 0
                          ? QModelIndex()
                          : index(found->second, persistent[k].column()));
        }
        changePersistentIndexList(persistent, to);
    }
    emit layoutChanged();
}

void ReservationModel::endFill() {
    if (m_pending) {
        takePending();
        return;
    }
    if (!m_filling) return;
    orderNames();
    if (m_sorted) applySort();
    applyFind();
    const int rows = m_finding ? int(m_shown.size()) : int(m_store->count);
    if (rows > 0) beginInsertRows({}, 0, rows - 1);
    m_filling = false;
    if (rows > 0) endInsertRows();
}

const ReservationModel::Row& ReservationModel::rowAt(int viewRow) const {
    return m_store->at(fillPositionOf(viewRow));
}

quint32 ReservationModel::fillPositionOf(int viewRow) const {
    const Store& s = *m_store;
    const size_t listRow = m_finding ? m_shown[size_t(viewRow)] : size_t(viewRow);
    return s.order.empty() ? quint32(listRow) : s.order[listRow];
}

int ReservationModel::filledRowCount() const {
    return m_filling ? 0 : int(m_store->count);
}

void ReservationModel::relayout(const std::function<void()>& change,
                                QAbstractItemModel::LayoutChangeHint hint) {
    if (m_filling) {
        change();
        return;
    }
    emit layoutAboutToBeChanged({}, hint);
    const QModelIndexList persistent = persistentIndexList();
    std::vector<quint32> before;
    before.reserve(size_t(persistent.size()));
    for (const QModelIndex& from : persistent)
        before.push_back(fillPositionOf(from.row()));
    change();
    if (!persistent.isEmpty()) {
        std::vector<qint32> rowOf(m_store->count, -1);
        const int shown = rowCount();
        for (int v = 0; v < shown; ++v)
            rowOf[fillPositionOf(v)] = v;
        QModelIndexList to;
        to.reserve(persistent.size());
        for (qsizetype k = 0; k < persistent.size(); ++k) {
            const qint32 row = rowOf[before[size_t(k)]];
            to.append(row < 0 ? QModelIndex() : index(row, persistent[k].column()));
        }
        changePersistentIndexList(persistent, to);
    }
    emit layoutChanged({}, hint);
}

void ReservationModel::setFindText(const QString& text) {
    const std::vector<std::string> words = findWords(text, m_locale);
    m_findText = text;
    if (words == m_findWords) return;
    // Typing on (more letters, another word) narrows the rows already matched.
    bool narrowing = m_findIndex && !m_findWords.empty() && m_matchedWords == m_findWords &&
                     words.size() >= m_findWords.size();
    for (size_t k = 0; narrowing && k < m_findWords.size(); ++k)
        narrowing = k + 1 < m_findWords.size() ? words[k] == m_findWords[k]
                                               : words[k].starts_with(m_findWords[k]);
    relayout([&] {
        m_findWords = words;
        if (narrowing) {
            m_matched = m_findIndex->match(words, &m_matched);
            m_matchedWords = words;
        }
        applyFind();
    });
}

// The shown rows: every row without a find; with one, the rows the index matches, in the list's
// order. The index is built at the first find after a fill.
void ReservationModel::applyFind() {
    m_shown.clear();
    if (m_findWords.empty()) {
        m_finding = false;
        m_matched.clear();
        m_matchedWords.clear();
        return;
    }
    Store& s = *m_store;
    if (!m_findIndex) {
        m_findIndex = std::make_unique<FindIndex>(m_locale);
        for (size_t i = 0; i < s.count; ++i) {
            const Row& r = s.at(i);
            const auto text = [&r](int column) {
                return r.nulls & (1u << column) ? std::string_view() : r.view(column);
            };
            const qint64 id = (r.nulls | r.asText) & 1u ? -1 : r.number[0];
            m_findIndex->addRow(id, text(GuestName), text(PhoneNumber), text(Address),
                                text(CreditCardNo));
        }
        m_matchedWords.clear();
    }
    if (m_matchedWords != m_findWords) {
        m_matched = m_findIndex->match(m_findWords);
        m_matchedWords = m_findWords;
    }
    m_finding = true;
    if (s.order.empty()) {
        m_shown = m_matched;
        return;
    }
    std::vector<quint8> matched(s.count, 0);
    for (const quint32 i : m_matched)
        matched[i] = 1;
    m_shown.reserve(m_matched.size());
    for (size_t row = 0; row < s.count; ++row)
        if (matched[s.order[row]]) m_shown.push_back(quint32(row));
}

QString ReservationModel::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount) return {};
    const Row& r = rowAt(row);
    const quint16 bit = quint16(1u << column);
    if (r.nulls & bit) return {};
    const Kind kind = kindOf(column);
    if (kind == Kind::Text || (r.asText & bit)) {
        const std::string_view v = r.view(column);
        const QString text = QString::fromUtf8(v.data(), qsizetype(v.size()));
        return column == CreditCardNo && !m_cardNumbersInFull ? maskedCardNumber(text) : text;
    }
    if (kind == Kind::Integer) return QString::number(r.number[column == Id ? 0 : slotOf(column)]);
    return m_locale.toString(QDate::fromJulianDay(r.day[slotOf(column)]), m_dateFormat);
}

QString ReservationModel::isoCellText(int row, int column) const {
    if (kindOf(column) == Kind::Date && row >= 0 && row < rowCount()) {
        const Row& r = rowAt(row);
        const quint16 bit = quint16(1u << column);
        if (!((r.nulls | r.asText) & bit))
            return QDate::fromJulianDay(r.day[slotOf(column)]).toString(Qt::ISODate);
    }
    return cellText(row, column);
}

void ReservationModel::setCardNumbersInFull(bool full) {
    if (full == m_cardNumbersInFull) return;
    m_cardNumbersInFull = full;
    if (m_sorted && m_sortKey == CreditCardNo && !m_filling && m_store->count > 0)
        relayout(
            [this] {
                applySort();
                applyFind();
            },
            QAbstractItemModel::VerticalSortHint);
    if (rowCount() > 0)
        emit dataChanged(index(0, CreditCardNo), index(rowCount() - 1, CreditCardNo));
}

qint64 ReservationModel::idAt(int row) const {
    if (row < 0 || row >= rowCount()) return -1;
    const Row& r = rowAt(row);
    return (r.nulls | r.asText) & 1u ? -1 : r.number[0];
}

int ReservationModel::rowOfId(qint64 id) const {
    if (id < 0) return -1;
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row)
        if (idAt(row) == id) return row;
    return -1;
}

int ReservationModel::firstAddedRow() const {
    const Store& s = *m_store;
    if (s.count == 0 || m_filling) return -1;
    // The first row of the list's own order (the fill's, names collated), wherever a header sort
    // or a find has put it.
    const quint32 first = s.base.empty() ? 0u : s.base.front();
    if (m_finding) {
        std::vector<quint32> place; // fill position -> place in the list's own order
        if (!s.base.empty()) {
            place.resize(s.count);
            for (size_t k = 0; k < s.base.size(); ++k)
                place[s.base[k]] = quint32(k);
        }
        int shownFirst = -1;
        quint32 least = ~0u;
        for (int v = 0; v < rowCount(); ++v) {
            const quint32 p = fillPositionOf(v);
            if (const quint32 at = place.empty() ? p : place[p]; at < least) {
                least = at;
                shownFirst = v;
            }
        }
        return shownFirst;
    }
    if (s.order.empty()) return int(first);
    return int(std::find(s.order.begin(), s.order.end(), first) - s.order.begin());
}

void ReservationModel::setSortState(bool sorted, int key, int order) {
    m_sorted = sorted;
    m_sortKey = std::clamp(key, 0, ColumnCount - 1);
    m_sortOrder = order == Descending ? Descending : Ascending;
    if (m_filling) return;
    // The selection stays on the same reservation.
    relayout(
        [this] {
            if (m_sorted) applySort();
            applyFind();
        },
        QAbstractItemModel::VerticalSortHint);
}

void ReservationModel::columnClick(int index) {
    const int current = m_sorted ? m_sortKey : -1;
    const int clicked = index - 1;
    int order = m_sortOrder;
    m_sorted = false;
    if (clicked == current)
        order = order == Ascending ? Descending : Ascending;
    else
        order = Ascending;
    setSortState(true, clicked, order);
}

void ReservationModel::rankTexts(int column) {
    rankTexts(*m_store, column, m_guestNameOrder, m_locale);
}

void ReservationModel::rankTexts(Store& s, int column, bool guestNameOrder, const QLocale& locale) {
    const size_t n = s.count;
    const quint16 bit = quint16(1u << column);
    const bool typed = kindOf(column) != Kind::Text;

    // Each distinct text gets an id, in order of first appearance. The fill comes ordered by
    // guest name, so a name usually equals the one before it; other texts repeat a few values.
    // Names in a fill by name need no table: a name that is not the one before it takes a new
    // id (a repeat the engine placed elsewhere is ranked twice, equal to itself).
    const bool byRuns = column == GuestName && guestNameOrder;
    std::vector<std::string_view> distinct;
    if (byRuns && s.nameRunOf.size() == n) {
        // Found while filling.
        distinct.reserve(s.runNameEnd.size());
        quint32 start = 0;
        for (const quint32 end : s.runNameEnd) {
            distinct.emplace_back(s.runNames.data() + start, end - start);
            start = end;
        }
        s.ranks = std::move(s.nameRunOf);
        rankDistinct(s, column, distinct, locale);
        s.dropNameRuns();
        return;
    }
    s.dropNameRuns();
    s.ranks.assign(n, 0);
    // The masked card column's order, read with the texts.
    const bool cards = column == CreditCardNo;
    s.maskedCards.assign(cards ? n : 0, 0);
    DistinctTexts table;
    std::string_view previous;
    quint32 previousId = ~0u;
    // A block of rows at a time: their texts and hashes first, so that the table's slots are on
    // their way while the rows are taken in turn.
    constexpr size_t kBlock = 32;
    std::array<std::string_view, kBlock> views;
    std::array<quint64, kBlock> hashes{};
    std::array<bool, kBlock> skip{};
    for (size_t from = 0; from < n; from += kBlock) {
        const size_t count = std::min(kBlock, n - from);
        for (size_t b = 0; b < count; ++b) {
            const Row& r = s.at(from + b);
            skip[b] = typed && !(r.asText & bit);
            views[b] = (r.nulls & bit) || skip[b] ? std::string_view() : r.view(column);
            if (!byRuns && !skip[b]) {
                hashes[b] = hashText(views[b]);
                table.expect(hashes[b]);
            }
        }
        for (size_t b = 0; b < count; ++b) {
            if (skip[b]) continue;
            const size_t i = from + b;
            const std::string_view v = views[b];
            if (cards) s.maskedCards[i] = maskedCardOrder(v);
            if (previousId == ~0u || v != previous) {
                if (byRuns) {
                    previousId = quint32(distinct.size());
                    distinct.push_back(v);
                } else {
                    previousId = table.idOf(v, hashes[b]);
                }
                previous = v;
            }
            s.ranks[i] = previousId;
        }
    }
    if (!byRuns) distinct = table.take();
    returnFreeMemory();
    rankDistinct(s, column, distinct, locale);
}

// The distinct texts in the user's collation, ignoring case; texts the collation finds equal
// share a rank. The ranks hold each row's distinct id, and then its rank.
void ReservationModel::rankDistinct(Store& s, int column,
                                    const std::vector<std::string_view>& distinct,
                                    const QLocale& locale) {
    const size_t n = s.count;
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::vector<quint32> rankOf;
    s.rankCount = rankInCollation(distinct, collator, rankOf);
    if (!rankOf.empty())
        for (size_t i = 0; i < n; ++i)
            s.ranks[i] = rankOf[s.ranks[i]];
    s.rankedColumn = column;
    rankOf = {};
    returnFreeMemory();
}

void ReservationModel::applySort() {
    Store& s = *m_store;
    const size_t n = s.count;
    const int column = m_sortKey;
    const bool descending = m_sortOrder == Descending;
    const quint16 bit = quint16(1u << column);
    const Kind kind = kindOf(column);

    if (kind == Kind::Text) {
        // Texts are ordered by the user's collation, ignoring case.
        if (s.rankedColumn != column) rankTexts(column);
        s.order = s.base;
        if (s.order.empty()) {
            s.order.resize(n);
            std::iota(s.order.begin(), s.order.end(), 0u);
        }
        sortByKey(s.order, descending, [&](quint32 i) { return quint64(s.ranks[i]); });
        // Masked card numbers by what they show; the sort keeps the full numbers' order for
        // those that show alike.
        if (column == CreditCardNo && !m_cardNumbersInFull)
            sortByKey(s.order, descending, [&](quint32 i) { return quint64(s.maskedCards[i]); });
        returnFreeMemory();
        return;
    }

    // Numbers and dates by value: nulls first, then values, then anything stored as text (by
    // the collation); descending reverses all of it. Equal keys keep the order of the fill.
    const int slot = column == Id ? 0 : slotOf(column);
    std::vector<quint32> nulls, values, texts;
    values.reserve(n);
    for (size_t k = 0; k < n; ++k) {
        const quint32 i = s.base.empty() ? quint32(k) : s.base[k];
        const Row& r = s.at(i);
        if (r.nulls & bit)
            nulls.push_back(i);
        else if (r.asText & bit)
            texts.push_back(i);
        else
            values.push_back(i);
    }
    if (kind == Kind::Integer)
        sortByKey(values, descending,
                  [&](quint32 i) { return quint64(s.at(i).number[slot]) ^ kSign; });
    else
        sortByKey(values, descending,
                  [&](quint32 i) { return quint64(s.at(i).day[slot]) ^ kSign; });
    if (!texts.empty()) {
        if (s.rankedColumn != column) rankTexts(column);
        sortByKey(texts, descending, [&](quint32 i) { return quint64(s.ranks[i]); });
    }
    s.order.clear();
    s.order.reserve(n);
    const std::vector<quint32>* parts[3] = {&nulls, &values, &texts};
    if (descending) std::swap(parts[0], parts[2]);
    for (const auto* part : parts)
        s.order.insert(s.order.end(), part->begin(), part->end());
    returnFreeMemory();
}

} // namespace corvanna
