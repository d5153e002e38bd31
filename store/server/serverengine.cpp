#include "serverengine.h"

#include "base/failure.h"
#include "store/connection.h"
#include "store/schemahistory.h"

#include <libpq-fe.h>
#include <memory>

namespace corvanna {

static_assert(ServerLink::kLockTimeoutMs == Connection::kBusyTimeoutMs,
              "a lock on the server is waited for as long as one on the file");

std::unique_ptr<EngineCursor> ServerEngine::select(const QString& statement) {
    auto cursor = std::make_unique<ServerCursor>();
    cursor->open(statement, m_link);
    return cursor;
}

int ServerEngine::execute(const OwnStatement& statement, const QVariantList& values) {
    QStringList texts;
    for (const QVariant& value : values)
        texts << (value.isNull() ? QString() : value.toString());
    PGresult* r = m_link.run(QString::fromUtf8(statement.server), texts);
    const int rows = QByteArray(PQcmdTuples(r)).toInt();
    PQclear(r);
    return rows;
}

std::unique_ptr<EngineCursor> ServerEngine::select(const OwnStatement& statement,
                                                   const QStringList& values) {
    auto cursor = std::make_unique<ServerCursor>();
    cursor->open(statement.server, values, m_link);
    return cursor;
}

ReaderFactory ServerEngine::reader() const {
    if (!m_link.isOpen()) return {};
    // A lock is waited for by the statement, which the canceller ends.
    return [reach = m_link.reach()](const std::atomic<bool>&) {
        auto engine = std::make_unique<ServerEngine>();
        engine->m_link.openReader(reach);
        return std::unique_ptr<Engine>(std::move(engine));
    };
}

std::function<void()> ServerEngine::canceller() {
    pg_conn* conn = m_link.handle();
    PGcancel* made = conn ? PQgetCancel(conn) : nullptr;
    if (!made) return {};
    // libpq's cancel object is independent of the session and may be used from any thread.
    const std::shared_ptr<PGcancel> cancel(made, PQfreeCancel);
    return [cancel] {
        char words[256];
        PQcancel(cancel.get(), words, sizeof words);
    };
}

bool ServerEngine::inTransaction() const {
    pg_conn* conn = m_link.handle();
    return conn && PQtransactionStatus(conn) != PQTRANS_IDLE &&
           PQtransactionStatus(conn) != PQTRANS_UNKNOWN;
}

void ServerEngine::upgradeSchema(const std::vector<SchemaStep>& steps) {
    try {
        upgradeServerSchema(m_link.ready(), steps);
    } catch (const Failure&) {
        // One that already keeps an inventory works as it did, without the stay.
        if (m_link.isOpen() && !m_link.lost() && standInForStays(m_link.handle(), steps)) return;
        throw;
    }
}

bool ServerEngine::schemaBehind(const std::vector<SchemaStep>& steps) {
    try {
        return serverSchemaVersion(m_link.ready(), steps) < newestSchemaVersion(steps);
    } catch (const Failure&) {
        return false; // the upgrade itself reports it
    }
}

} // namespace corvanna
