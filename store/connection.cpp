#include "connection.h"

#include "base/failure.h"
#include "file/fileengine.h"
#include "server/localcopy.h"
#include "server/serverengine.h"

#include <QLocale>
#include <utility>

namespace corvanna {

namespace {
const QString kSourceKey = QStringLiteral("data source=");
} // namespace

namespace {
constexpr bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

constexpr qint64 julianDay(int y, int m, int d) {
    const int a = m <= 2 ? 1 : 0;
    const qint64 yy = qint64(y) + 4800 - a;
    const int mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}
static_assert(julianDay(2000, 1, 1) == 2451545);
} // namespace

qint64 isoDayNumber(const char* text, qsizetype size) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    if (size != 10 || !s || s[4] != '-' || s[7] != '-') return 0;
    int v[8];
    static constexpr int at[8] = {0, 1, 2, 3, 5, 6, 8, 9};
    for (int i = 0; i < 8; ++i) {
        const unsigned c = unsigned(s[at[i]]) - '0';
        if (c > 9) return 0;
        v[i] = int(c);
    }
    const int y = v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3];
    const int m = v[4] * 10 + v[5];
    const int d = v[6] * 10 + v[7];
    static constexpr int monthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y == 0 || m < 1 || m > 12 || d < 1 || d > monthDays[m] + (m == 2 && isLeap(y) ? 1 : 0))
        return 0;
    return julianDay(y, m, d);
}

QString connectionString(const QString& commonDataFolder) {
    return QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=") + commonDataFolder +
           QStringLiteral("/Pellworth/") + QStringLiteral("Corvanna") +
           QStringLiteral("/dbRooms.mdb;JET OLEDB:Database Password=");
}

QString dataSourceOf(const QString& connectionString) {
    const qsizetype start = connectionString.indexOf(kSourceKey, 0, Qt::CaseInsensitive);
    if (start < 0) return {};
    const qsizetype from = start + kSourceKey.size();
    const qsizetype end = connectionString.indexOf(QLatin1Char(';'), from);
    return connectionString.mid(from, end < 0 ? -1 : end - from);
}

Connection::Connection(QString name)
    : m_name(std::move(name)) {}

Connection::~Connection() {
    close();
}

void Connection::finishOpenRead() const {
    if (!m_openRead.finish) return;
    const OpenRead read = std::exchange(m_openRead, {});
    read.finish();
}

void Connection::dropOpenRead() {
    if (!m_openRead.drop) return;
    const OpenRead read = std::exchange(m_openRead, {});
    read.drop();
}

void Connection::open(const QString& connectionString) {
    dropOpenRead();
    if (m_engine) m_engine->close();
    m_awayServer.reset();
    if (isServerTarget(connectionString)) {
        serverLink().open(connectionString.trimmed(), collationLanguageOf(QLocale().name()));
        return;
    }
    // The old engine (and its hold on the connection's name) goes before the new one opens.
    m_engine.reset();
    auto file = std::make_unique<FileEngine>(m_name);
    FileEngine& opening = *file;
    m_engine = std::move(file);
    opening.open(dataSourceOf(connectionString));
}

void Connection::startBackgroundCheck() {
    if (state()) m_engine->startBackgroundCheck();
}

int Connection::state() const {
    return m_engine && m_engine->isOpen() ? 1 : 0;
}

void Connection::close() {
    dropOpenRead();
    if (m_engine) m_engine->close();
    m_awayServer.reset();
}

void Connection::openLocalCopy(const QString& path) {
    if (m_awayServer) return;
    dropOpenRead();
    ServerLink& link = serverLink();
    const QString server = link.isOpen()
                               ? link.description()
                               : targetDescription(QString::fromUtf8(link.reach().target));
    std::unique_ptr<Engine> copy = corvanna::openLocalCopy(m_name, path, server);
    link.close();
    m_awayServer = std::move(m_engine);
    m_engine = std::move(copy);
}

void Connection::returnToServer() {
    if (!m_awayServer) return;
    dropOpenRead();
    m_awayServer->serverSession()->reopen();
    m_engine = std::move(m_awayServer);
}

Engine& Connection::engine() const {
    finishOpenRead();
    if (!state()) throw Failure(kObjectClosed);
    return *m_engine;
}

void Connection::settleOpenReadForWrite() {
    if (!m_openRead.beforeWrite) return;
    const OpenRead read = std::exchange(m_openRead, {});
    read.beforeWrite();
}

int Connection::execute(const QString& statement) {
    settleOpenReadForWrite();
    return engine().execute(statement);
}

int Connection::execute(const OwnStatement& statement, const QVariantList& values) {
    settleOpenReadForWrite();
    return engine().execute(statement, values);
}

bool Connection::takeChanges() {
    return state() && m_engine->takeChanges();
}

void Connection::setLockWait(int ms) {
    if (state()) m_engine->setLockWait(ms);
}

bool Connection::lost() const {
    return m_engine && m_engine->lost();
}

QString Connection::description() const {
    return m_engine ? m_engine->description() : QString();
}

void Connection::noteFailure(int engineCode) {
    if (m_engine) m_engine->noteFailure(engineCode);
}

bool Connection::damaged() const {
    return m_engine && m_engine->damaged();
}

bool Connection::has(Capability capability) const {
    return state() && m_engine->has(capability);
}

ReaderFactory Connection::reader() const {
    if (!state() || onLocalCopy()) return {};
    return m_engine->reader();
}

sqlite3* Connection::handle() const {
    finishOpenRead();
    return m_engine ? m_engine->fileHandle() : nullptr;
}

ServerLink* Connection::server() const {
    ServerLink* link = m_engine ? m_engine->serverSession() : nullptr;
    return link && link->isOpen() ? link : nullptr;
}

ServerLink& Connection::serverLink() {
    if (m_awayServer) return *m_awayServer->serverSession();
    if (!m_engine || !m_engine->serverSession()) m_engine = std::make_unique<ServerEngine>();
    return *m_engine->serverSession();
}

ResultSet::~ResultSet() {
    close();
}

void ResultSet::open(const QString& statement, Connection& connection) {
    close();
    m_cursor = connection.engine().select(statement);
}

void ResultSet::open(const OwnStatement& statement, const QStringList& parameters,
                     Connection& connection) {
    close();
    m_cursor = connection.engine().select(statement, parameters);
}

bool ResultSet::eof() const {
    check();
    return m_cursor->eof();
}

void ResultSet::moveNext() {
    check();
    try {
        m_cursor->moveNext();
    } catch (const Failure&) {
        close();
        throw;
    }
}

void ResultSet::close() {
    m_cursor.reset();
}

void ResultSet::check() const {
    if (!state()) throw Failure(kObjectClosed);
}

int ResultSet::columnIndex(const char* column) const {
    check();
    const int i = m_cursor->columnOf(column);
    if (i >= 0) return i;
    throw Failure(QString::fromLatin1(QT_TRANSLATE_NOOP(
        "Failure",
        "Item cannot be found in the collection corresponding to the requested name or ordinal.")));
}

bool ResultSet::isNull(const char* column) const {
    const int i = columnIndex(column);
    if (eof())
        throw Failure(QString::fromLatin1(QT_TRANSLATE_NOOP(
            "Failure", "Either BOF or EOF is True, or the current record has been deleted.")));
    return m_cursor->isNull(i);
}

int ResultSet::columnCount() const {
    return m_cursor ? m_cursor->columnCount() : 0;
}

const char* ResultSet::columnName(int column) const {
    return m_cursor->columnName(column);
}

CursorValue ResultSet::value(int column, CursorValue::Type wanted) const {
    return m_cursor->value(column, wanted);
}

QString ResultSet::text(const char* column) const {
    if (isNull(column)) return {};
    const CursorValue v = m_cursor->value(columnIndex(column), CursorValue::Text);
    return QString::fromUtf8(v.bytes, v.size);
}

} // namespace corvanna
