#include "reservationmodel.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QDate>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <sqlite3.h>
#include <string_view>
#include <unordered_map>

namespace corvanna {

namespace {

constexpr const char* kFieldNames[ReservationModel::ColumnCount] = {
    "id", "GuestName", "Accommodation", "NoOfRooms", "Type", "ServiceIncluded", "NoOfPersons",
    "CheckInDate", "CheckOutDate", "CreditCardType", "CreditCardNo", "PhoneNumber", "Address"};

const char* const kCaptions[ReservationModel::ColumnCount] = {
    "ID", "Guest Name", "Accomodation", "Number Of Rooms", "Type", "Services Included",
    "Number of Persons", "Check In Date", "Check Out Date", "Card Type", "Card Number",
    "Phone Number", "Address"};

// Columns held as typed values; the others are texts.
enum class Kind { Integer, Date, Text };
constexpr Kind kindOf(int column)
{
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
constexpr int slotOf(int column)
{
    switch (column) {
    case ReservationModel::NoOfRooms: return 1;
    case ReservationModel::NoOfPersons: return 2;
    case ReservationModel::CheckOutDate: return 1;
    default: return 0;
    }
}

inline int digit(unsigned char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

// Day number of an ISO date "yyyy-mm-dd", or 0 when the text is not one.
qint64 isoDay(const unsigned char* s, int n)
{
    if (n != 10 || s[4] != '-' || s[7] != '-')
        return 0;
    int v[8];
    const int at[8] = {0, 1, 2, 3, 5, 6, 8, 9};
    for (int i = 0; i < 8; ++i)
        if ((v[i] = digit(s[at[i]])) < 0)
            return 0;
    const QDate date(v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3], v[4] * 10 + v[5], v[6] * 10 + v[7]);
    return date.isValid() ? date.toJulianDay() : 0;
}

} // namespace

struct ReservationModel::Row {
    qint64 number[3]; // id, NoOfRooms, NoOfPersons
    qint64 day[2];    // check-in and check-out as day numbers
    const char* text; // this row's texts, one column after another
    quint32 length[ColumnCount];
    quint16 nulls;   // bit per column: the value is null
    quint16 asText;  // bit per typed column: the value is not of its kind and stands as text

    const char* textOf(int column) const
    {
        const char* p = text;
        for (int c = 0; c < column; ++c)
            p += length[c];
        return p;
    }
    std::string_view view(int column) const { return {textOf(column), length[column]}; }
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

    // The ranks of one text column, kept so that a second click on it only reverses.
    int rankedColumn = -1;
    std::vector<quint32> ranks;
    quint32 rankCount = 0;

    sqlite3_stmt* mapped = nullptr;
    int field[ColumnCount] = {};

    Row& at(size_t i) { return rowChunks[i / kRowsPerChunk][i % kRowsPerChunk]; }
    const Row& at(size_t i) const { return rowChunks[i / kRowsPerChunk][i % kRowsPerChunk]; }

    Row& add()
    {
        if (count == rowChunks.size() * kRowsPerChunk)
            rowChunks.emplace_back(new Row[kRowsPerChunk]);
        return at(count++);
    }

    char* allocText(size_t n)
    {
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

    void clear()
    {
        rowChunks.clear();
        textChunks.clear();
        count = 0;
        textCursor = nullptr;
        textLeft = 0;
        order.clear();
        order.shrink_to_fit();
        rankedColumn = -1;
        ranks.clear();
        ranks.shrink_to_fit();
        mapped = nullptr;
    }
};

ReservationModel::ReservationModel(QObject* parent)
    : QAbstractTableModel(parent), m_store(std::make_unique<Store>())
{
    setLocale(QLocale());
}

ReservationModel::~ReservationModel() = default;

QString ReservationModel::headerCaption(int column)
{
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(kCaptions[column]) : QString();
}

const char* ReservationModel::fieldName(int column)
{
    return column >= 0 && column < ColumnCount ? kFieldNames[column] : "";
}

void ReservationModel::setLocale(const QLocale& locale)
{
    m_locale = locale;
    // The user's short date form, with the year always in four digits: the desk keeps years of
    // history, and a two-digit year cannot tell 1999 from 2099.
    m_dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!m_dateFormat.contains(QStringLiteral("yyyy")))
        m_dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    if (m_store->count > 0) {
        m_store->rankedColumn = -1;
        if (m_sorted)
            applySort();
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

int ReservationModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_filling ? 0 : int(m_store->count);
}

int ReservationModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReservationModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cellText(index.row(), index.column());
}

QVariant ReservationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return headerCaption(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ReservationModel::beginFill()
{
    if (!m_filling) {
        beginResetModel();
        m_filling = true;
    }
    m_store->clear();
}

void ReservationModel::append(sqlite3_stmt* st)
{
    Store& s = *m_store;
    if (st != s.mapped) {
        const int n = sqlite3_column_count(st);
        for (int c = 0; c < ColumnCount; ++c) {
            s.field[c] = -1;
            for (int i = 0; i < n; ++i)
                if (sqlite3_stricmp(sqlite3_column_name(st, i), kFieldNames[c]) == 0) {
                    s.field[c] = i;
                    break;
                }
        }
        s.mapped = st;
    }

    Row& row = s.add();
    row.nulls = 0;
    row.asText = 0;
    const unsigned char* src[ColumnCount];
    size_t total = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        const int i = s.field[c];
        row.length[c] = 0;
        src[c] = nullptr;
        const int type = i < 0 ? SQLITE_NULL : sqlite3_column_type(st, i);
        if (type == SQLITE_NULL) {
            row.nulls |= quint16(1u << c);
            continue;
        }
        const Kind kind = kindOf(c);
        if (kind == Kind::Integer && type == SQLITE_INTEGER) {
            row.number[c == Id ? 0 : slotOf(c)] = sqlite3_column_int64(st, i);
            continue;
        }
        const unsigned char* text = sqlite3_column_text(st, i);
        const int bytes = sqlite3_column_bytes(st, i);
        if (kind == Kind::Date) {
            if (const qint64 day = isoDay(text, bytes)) {
                row.day[slotOf(c)] = day;
                continue;
            }
        }
        if (kind != Kind::Text)
            row.asText |= quint16(1u << c);
        src[c] = text;
        row.length[c] = quint32(bytes);
        total += size_t(bytes);
    }
    char* p = s.allocText(total);
    row.text = p;
    for (int c = 0; c < ColumnCount; ++c)
        if (row.length[c]) {
            std::memcpy(p, src[c], row.length[c]);
            p += row.length[c];
        }
}

void ReservationModel::endFill()
{
    if (!m_filling)
        return;
    if (m_sorted)
        applySort();
    m_filling = false;
    endResetModel();
}

const ReservationModel::Row& ReservationModel::rowAt(int viewRow) const
{
    const Store& s = *m_store;
    return s.at(s.order.empty() ? size_t(viewRow) : s.order[size_t(viewRow)]);
}

QString ReservationModel::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount)
        return {};
    const Row& r = rowAt(row);
    const quint16 bit = quint16(1u << column);
    if (r.nulls & bit)
        return {};
    const Kind kind = kindOf(column);
    if (kind == Kind::Text || (r.asText & bit)) {
        const std::string_view v = r.view(column);
        return QString::fromUtf8(v.data(), qsizetype(v.size()));
    }
    if (kind == Kind::Integer)
        return QString::number(r.number[column == Id ? 0 : slotOf(column)]);
    return m_locale.toString(QDate::fromJulianDay(r.day[slotOf(column)]), m_dateFormat);
}

qint64 ReservationModel::idAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    const Row& r = rowAt(row);
    return (r.nulls | r.asText) & 1u ? -1 : r.number[0];
}

int ReservationModel::firstAddedRow() const
{
    const Store& s = *m_store;
    if (s.count == 0 || m_filling)
        return -1;
    if (s.order.empty())
        return 0;
    return int(std::find(s.order.begin(), s.order.end(), 0u) - s.order.begin());
}

void ReservationModel::setSortState(bool sorted, int key, int order)
{
    m_sorted = sorted;
    m_sortKey = std::clamp(key, 0, ColumnCount - 1);
    m_sortOrder = order == Descending ? Descending : Ascending;
    if (m_filling)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    std::vector<quint32> before;
    if (!persistent.isEmpty()) {
        before.resize(m_store->count);
        for (size_t i = 0; i < before.size(); ++i)
            before[i] = m_store->order.empty() ? quint32(i) : m_store->order[i];
    }
    if (m_sorted)
        applySort();
    if (!persistent.isEmpty()) {
        // Keep the selection on the same reservation.
        std::vector<quint32> rowOf(m_store->count);
        for (size_t i = 0; i < rowOf.size(); ++i)
            rowOf[m_store->order.empty() ? i : m_store->order[i]] = quint32(i);
        QModelIndexList to;
        to.reserve(persistent.size());
        for (const QModelIndex& from : persistent)
            to.append(index(int(rowOf[before[size_t(from.row())]]), from.column()));
        changePersistentIndexList(persistent, to);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ReservationModel::columnClick(int index)
{
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

void ReservationModel::applySort()
{
    Store& s = *m_store;
    const size_t n = s.count;
    const int column = m_sortKey;
    const bool descending = m_sortOrder == Descending;
    const quint16 bit = quint16(1u << column);
    const Kind kind = kindOf(column);

    // Texts (and typed values that stand as text) are ordered by the user's collation,
    // ignoring case: each distinct text gets a rank, equal texts the same rank.
    if (s.rankedColumn != column) {
        s.ranks.assign(n, 0);
        std::unordered_map<std::string_view, quint32> ids;
        std::vector<std::string_view> distinct;
        for (size_t i = 0; i < n; ++i) {
            const Row& r = s.at(i);
            if (kind != Kind::Text && !(r.asText & bit))
                continue;
            const std::string_view v = r.nulls & bit ? std::string_view() : r.view(column);
            const auto [it, added] = ids.try_emplace(v, quint32(distinct.size()));
            if (added)
                distinct.push_back(v);
            s.ranks[i] = it->second;
        }
        QCollator collator(m_locale);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setNumericMode(false);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(distinct.size());
        for (const std::string_view v : distinct)
            keys.push_back(collator.sortKey(QString::fromUtf8(v.data(), qsizetype(v.size()))));
        std::vector<quint32> byKey(distinct.size());
        std::iota(byKey.begin(), byKey.end(), 0u);
        std::sort(byKey.begin(), byKey.end(),
                  [&](quint32 a, quint32 b) { return keys[a].compare(keys[b]) < 0; });
        std::vector<quint32> rankOf(distinct.size());
        quint32 rank = 0;
        for (size_t j = 0; j < byKey.size(); ++j) {
            if (j > 0 && keys[byKey[j - 1]].compare(keys[byKey[j]]) != 0)
                ++rank;
            rankOf[byKey[j]] = rank;
        }
        for (size_t i = 0; i < n; ++i)
            s.ranks[i] = distinct.empty() ? 0 : rankOf[s.ranks[i]];
        s.rankCount = distinct.empty() ? 0 : rank + 1;
        s.rankedColumn = column;
    }

    s.order.resize(n);
    if (kind == Kind::Text) {
        // Counting sort by rank: stable, so equal texts keep the order they were filled in.
        std::vector<size_t> start(size_t(s.rankCount) + 1, 0);
        for (size_t i = 0; i < n; ++i)
            ++start[s.ranks[i] + 1];
        if (descending) {
            std::vector<size_t> count(start.begin() + 1, start.end());
            size_t at = 0;
            for (size_t k = count.size(); k-- > 0;) {
                start[k] = at;
                at += count[k];
            }
        } else {
            std::partial_sum(start.begin(), start.end(), start.begin());
        }
        for (size_t i = 0; i < n; ++i)
            s.order[start[s.ranks[i]]++] = quint32(i);
        return;
    }

    // Numbers and dates by value; nulls first, then values, then anything stored as text.
    const int slot = kind == Kind::Integer ? (column == Id ? 0 : slotOf(column)) : slotOf(column);
    auto key = [&](quint32 i) -> std::pair<int, qint64> {
        const Row& r = s.at(i);
        if (r.nulls & bit)
            return {0, 0};
        if (r.asText & bit)
            return {2, qint64(s.ranks[i])};
        return {1, kind == Kind::Integer ? r.number[slot] : r.day[slot]};
    };
    std::iota(s.order.begin(), s.order.end(), 0u);
    if (descending)
        std::stable_sort(s.order.begin(), s.order.end(), [&](quint32 a, quint32 b) { return key(b) < key(a); });
    else
        std::stable_sort(s.order.begin(), s.order.end(), [&](quint32 a, quint32 b) { return key(a) < key(b); });
}

} // namespace corvanna
