#include "serverlogin.h"

#include "base/dialogs.h"
#include "base/failure.h"
#include "connection.h"
#include "store/server/localcopy.h"
#include "store/server/serverlink.h"

#include <QCoreApplication>

namespace corvanna {

ServerLogin::ServerLogin(Connection& connection, QString target, Dialogs& dialogs)
    : m_connection(connection)
    , m_target(std::move(target))
    , m_dialogs(dialogs) {}

void ServerLogin::open() {
    m_refused = false;
    if (!isServerTarget(m_target)) {
        m_connection.open(m_target);
        return;
    }
    // After a refusal the desk types the password again before the next try.
    if (m_asked) askOrThrow();
    try {
        attempt();
        return;
    } catch (const Failure& failure) {
        // Without a prompt answered yet, "no password supplied" is a question, not a report.
        if (m_asked || !m_connection.serverLink().passwordWanted()) {
            openLocalCopyOrThrow(failure.description());
            return;
        }
        m_lastWords = failure.description();
    }
    askOrThrow();
    attempt();
}

void ServerLogin::attempt() {
    try {
        m_connection.open(m_target);
    } catch (const Failure& failure) {
        m_refused = m_asked && m_connection.serverLink().passwordWanted();
        m_lastWords = failure.description();
        throw;
    }
}

void ServerLogin::openLocalCopyOrThrow(const QString& words) {
    // Only a server that does not answer: a refused password or a missing database is reported.
    if (m_localCopy.isEmpty() || m_connection.serverLink().passwordWanted() ||
        serverAccepts(m_target))
        throw Failure(words);
    if (!localCopyTime(m_localCopy).isValid())
        throw Failure(QCoreApplication::translate("LocalCopy",
                                                  "%1\nNo local copy of the reservations is "
                                                  "available.")
                          .arg(words));
    m_connection.openLocalCopy(m_localCopy);
}

void ServerLogin::askOrThrow() {
    ServerLink& link = m_connection.serverLink();
    const std::optional<QString> password = m_dialogs.password(
        QCoreApplication::translate("ServerLogin", "Password of %1:").arg(link.passwordFor()));
    // Cancel: no database this run, as when the server cannot be reached.
    if (!password) throw Failure(m_lastWords);
    m_asked = true;
    link.setPassword(*password);
}

} // namespace corvanna
