#pragma once

#include "store/engine.h"
#include "store/server/serverlink.h"

namespace corvanna {

// A database on a PostgreSQL server, shared by several desks, through one libpq session. The
// session is made before it opens: it keeps the password the desk typed and why its last open
// failed (see ServerLogin).
class ServerEngine final : public Engine {
public:
    bool isOpen() const override { return m_link.isOpen(); }
    void close() override { m_link.close(); }

    int execute(const QString& statement) override { return m_link.execute(statement); }
    std::unique_ptr<EngineCursor> select(const QString& statement) override;
    int execute(const OwnStatement& statement, const QVariantList& values) override;
    std::unique_ptr<EngineCursor> select(const OwnStatement& statement,
                                         const QStringList& values) override;

    void upgradeSchema(const std::vector<SchemaStep>& steps) override;
    bool schemaBehind(const std::vector<SchemaStep>& steps) override;

    std::optional<RowVersion> readRow(const QString& id) override { return m_link.readRow(id); }
    std::optional<RowVersion> lockRow(const QString& id) override { return m_link.lockRow(id); }
    void commit() override { m_link.commit(); }
    void rollback() noexcept override { m_link.rollback(); }
    bool inTransaction() const override;

    bool takeChanges() override { return m_link.takeChangeNotices(); }
    void setLockWait(int ms) override { m_link.setLockWait(ms); }
    bool lost() const override { return m_link.lost(); }
    QString description() const override { return m_link.description(); }

    bool has(Capability capability) const override {
        return capability == Capability::SharedDatabase;
    }
    ServerLink* serverSession() override { return &m_link; }
    // A session of its own with the same login.
    ReaderFactory reader() const override;
    // The server's cancel request for the statement under way.
    std::function<void()> canceller() override;

private:
    ServerLink m_link;
};

} // namespace corvanna
