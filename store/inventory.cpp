#include "inventory.h"

#include "base/failure.h"
#include "connection.h"

#include <QVariant>
#include <algorithm>
#include <cmath>
#include <sqlite3.h>

namespace corvanna {

namespace {

const char* const kCreateInventory =
    "CREATE TABLE tblInventory (Kind TEXT NOT NULL, Type TEXT NOT NULL, Units INTEGER NOT NULL "
    "CHECK (typeof(Units) = 'integer' AND Units >= 0), PRIMARY KEY (Kind, Type))";
const char* const kCreateStayLength = "CREATE INDEX IF NOT EXISTS idxRoomsStayLength ON tblRooms "
                                      "(julianday(CheckOutDate) - julianday(CheckInDate))";

QString isoDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// One prepared statement of our own on the connection's engine handle, its values bound as
// parameters. Failures carry the engine's words.
class Query {
public:
    Query(Connection& connection, const char* sql)
        : m_connection(connection)
        , m_db(connection.handle()) {
        if (!m_db)
            throw Failure(kObjectClosed);
        if (sqlite3_prepare_v2(m_db, sql, -1, &m_st, nullptr) != SQLITE_OK) fail();
    }
    ~Query() { sqlite3_finalize(m_st); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void bind(int index, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        if (sqlite3_bind_text(m_st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) !=
            SQLITE_OK)
            fail();
    }
    bool next() {
        const int rc = sqlite3_step(m_st);
        if (rc == SQLITE_ROW) return true;
        if (rc != SQLITE_DONE) fail();
        return false;
    }
    QString text(int column) const {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_st, column)),
                                 sqlite3_column_bytes(m_st, column));
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_st, column); }
    bool isNull(int column) const { return sqlite3_column_type(m_st, column) == SQLITE_NULL; }
    double real(int column) const { return sqlite3_column_double(m_st, column); }
    // A stored date ("yyyy-mm-dd") read from its bytes; anything else goes through the parser.
    QDate date(int column) const {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_st, column));
        const int n = sqlite3_column_bytes(m_st, column);
        if (!p) return {};
        const auto digits = [p](int from, int count) {
            int v = 0;
            for (int i = from; i < from + count; ++i) {
                if (p[i] < '0' || p[i] > '9') return -1;
                v = v * 10 + (p[i] - '0');
            }
            return v;
        };
        if (n == 10 && p[4] == '-' && p[7] == '-') {
            const int y = digits(0, 4), m = digits(5, 2), d = digits(8, 2);
            if (y >= 0 && m >= 0 && d >= 0) return QDate(y, m, d);
        }
        return QDate::fromString(text(column), Qt::ISODate);
    }
    // A text column whose few values repeat (a kind, a type): each value made text once.
    const QString& pooled(int column, std::vector<std::pair<QByteArray, QString>>& pool) const {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_st, column));
        const QByteArrayView bytes(p, p ? sqlite3_column_bytes(m_st, column) : 0);
        for (const auto& [raw, value] : pool)
            if (raw == bytes) return value;
        pool.emplace_back(bytes.toByteArray(), QString::fromUtf8(bytes));
        return pool.back().second;
    }

private:
    [[noreturn]] void fail() {
        m_connection.noteFailure(sqlite3_errcode(m_db));
        throw Failure(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    Connection& m_connection;
    sqlite3* m_db;
    sqlite3_stmt* m_st = nullptr;
};

// The earliest check-in whose stay can still reach `first`: the longest stay in the table, read
// through its own index, bounds how far back the stay index must be read.
QString earliestReachingCheckIn(Connection& connection, const QDate& first) {
    Query longest(connection,
                  "select max(julianday(CheckOutDate) - julianday(CheckInDate)) from tblRooms");
    if (!longest.next() || longest.isNull(0)) return isoDate(first);
    const double days = std::ceil(std::max(0.0, longest.real(0)));
    const QDate from = days < 3.0e6 ? first.addDays(-qint64(days)) : QDate();
    // Beyond four-digit years every stored date lies after it: read from the first entry.
    return from.isValid() && from.year() >= 1000 ? isoDate(from) : QString();
}

} // namespace

bool coversNight(const QDate& checkIn, const QDate& checkOut, const QDate& night) {
    if (checkIn == checkOut) return night == checkIn;
    return checkIn <= night && night < checkOut;
}

bool hasInventoryTable(Connection& connection) {
    Query q(connection, "select 1 from sqlite_master where type='table' and name='tblInventory'");
    return q.next();
}

void addInventoryTable(Connection& connection) {
    // Only a reservation database takes the inventory: an empty or foreign file stays as it is.
    Query rooms(connection, "select 1 from sqlite_master where type='table' and name='tblRooms'");
    if (!rooms.next()) throw Failure(QStringLiteral("no such table: tblRooms"));
    sqlite3* db = connection.handle();
    // A read-only file is told at once, without the whole-file check that precedes a first write.
    if (db && sqlite3_db_readonly(db, "main") == 1 && !hasInventoryTable(connection))
        throw Failure(QStringLiteral("attempt to write a readonly database"));
    if (!hasInventoryTable(connection)) connection.execute(QString::fromLatin1(kCreateInventory));
    Query index(connection,
                "select 1 from sqlite_master where type='index' and name='idxRoomsStayLength'");
    // Without the index the reads stay right, only slower: a read-only file goes without it.
    if (!index.next() && !(db && sqlite3_db_readonly(db, "main") == 1))
        connection.execute(QString::fromLatin1(kCreateStayLength));
}

QString inventoryProblem(Connection& connection) {
    try {
        addInventoryTable(connection);
    } catch (const Failure& failure) {
        return failure.description();
    }
    return {};
}

ShortBusyWait::ShortBusyWait(Connection& connection, int ms)
    : m_db(connection.handle()) {
    if (m_db) sqlite3_busy_timeout(m_db, ms);
}

ShortBusyWait::~ShortBusyWait() {
    if (m_db) sqlite3_busy_timeout(m_db, Connection::kBusyTimeoutMs);
}

std::vector<InventoryEntry> readInventory(Connection& connection) {
    std::vector<InventoryEntry> entries;
    if (!hasInventoryTable(connection)) return entries;
    Query q(connection, "select Kind, Type, Units from tblInventory order by Kind, Type");
    while (q.next())
        entries.push_back({q.text(0), q.text(1), q.integer(2)});
    return entries;
}

std::optional<qint64> inventoryUnits(Connection& connection, const QString& kind,
                                     const QString& type) {
    if (!hasInventoryTable(connection)) return std::nullopt;
    Query q(connection, "select Units from tblInventory where Kind=?1 and Type=?2");
    q.bind(1, kind);
    q.bind(2, type);
    if (!q.next()) return std::nullopt;
    return q.integer(0);
}

void writeInventory(Connection& connection, const std::vector<InventoryEntry>& entries) {
    connection.execute(QStringLiteral("begin immediate"));
    try {
        connection.execute(QStringLiteral("delete from tblInventory"));
        for (const InventoryEntry& e : entries)
            connection.execute(
                QStringLiteral("insert into tblInventory (Kind, Type, Units) values (?, ?, ?)"),
                {e.kind, e.type, e.units});
        connection.execute(QStringLiteral("commit"));
    } catch (...) {
        try {
            connection.execute(QStringLiteral("rollback"));
        } catch (const Failure&) {
        }
        throw;
    }
}

std::vector<StayRow> readStays(Connection& connection, const QDate& first, const QDate& last,
                               const std::optional<std::pair<QString, QString>>& kindAndType) {
    const QString from = earliestReachingCheckIn(connection, first);
    Query q(connection,
            kindAndType ? "select id, Accommodation, Type, NoOfRooms, CheckInDate, CheckOutDate "
                          "from tblRooms where CheckInDate>=?1 and CheckInDate<=?2 and "
                          "CheckOutDate>=?3 and Accommodation=?4 and Type=?5"
                        : "select id, Accommodation, Type, NoOfRooms, CheckInDate, CheckOutDate "
                          "from tblRooms where CheckInDate>=?1 and CheckInDate<=?2 and "
                          "CheckOutDate>=?3");
    q.bind(1, from);
    q.bind(2, isoDate(last));
    q.bind(3, isoDate(first));
    if (kindAndType) {
        q.bind(4, kindAndType->first);
        q.bind(5, kindAndType->second);
    }
    std::vector<StayRow> rows;
    std::vector<std::pair<QByteArray, QString>> kinds, types;
    while (q.next()) {
        StayRow row{q.integer(0), q.pooled(1, kinds), q.pooled(2, types),
                    q.integer(3), q.date(4),          q.date(5)};
        // A stay without two readable dates takes no night.
        if (row.checkIn.isValid() && row.checkOut.isValid()) rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<NightGuest> readNightGuests(Connection& connection, const QString& kind,
                                        const QString& type, const QDate& night) {
    const QString from = earliestReachingCheckIn(connection, night);
    Query q(connection, "select id, GuestName, NoOfRooms, CheckInDate, CheckOutDate from tblRooms "
                        "where CheckInDate>=?1 and CheckInDate<=?2 and CheckOutDate>=?2 and "
                        "Accommodation=?3 and Type=?4 order by GuestName, id");
    q.bind(1, from);
    q.bind(2, isoDate(night));
    q.bind(3, kind);
    q.bind(4, type);
    std::vector<NightGuest> guests;
    while (q.next()) {
        NightGuest g{q.integer(0), q.text(1), q.integer(2), q.date(3), q.date(4)};
        if (g.checkIn.isValid() && g.checkOut.isValid() &&
            coversNight(g.checkIn, g.checkOut, night))
            guests.push_back(std::move(g));
    }
    return guests;
}

} // namespace corvanna
