#include "serverengine.h"

#include "base/failure.h"
#include "store/connection.h"
#include "store/schemahistory.h"

#include <libpq-fe.h>

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
