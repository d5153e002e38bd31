#pragma once

#include "store/server/serverlink.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <future>
#include <memory>
#include <optional>

namespace corvanna {

class Connection;

// The tables of a server database that a desk keeps a read-only copy of, in the order written.
const std::vector<const char*>& mirroredTables();

// "dbname on host:port" of a server target, read from the target and libpq's defaults without
// connecting.
QString targetDescription(const QString& target);
// The copy of a server database's reservations in the desk's data folder: one file per server
// and database, named from its host, port and database.
QString localCopyPath(const QString& dataFolder, const QString& target);
// When the server state that the copy holds was read; invalid when there is no usable copy.
QDateTime localCopyTime(const QString& path);
// Reads the mirrored tables in one snapshot of the server, on a session of its own, into a new
// file made from the template database (private to the account), and only then gives it the
// copy's name: the copy is always whole. Throws Failure with the server's or the file's words.
void writeLocalCopy(const ServerLink::Reach& reach, const QString& templatePath,
                    const QString& path);
// True when the server at the target takes sessions; waits a few seconds at most.
bool serverAccepts(const QString& target);
// The words a write meets while the copy stands in for the server.
QString localCopyRefusal();
// The copy opened read-only as the engine of a connection of that name: it reads as the file does
// and refuses every write with localCopyRefusal(). Throws Failure when the copy cannot be read.
std::unique_ptr<Engine> openLocalCopy(const QString& connectionName, const QString& path,
                                      const QString& serverDescription);

// Keeps the copy of the server's reservations fresh while the server answers, puts the copy in
// the server's place when the server goes away, and the server back when it answers again. Runs
// on the window's thread; the server's reads and the copy's writing run on worker threads, so no
// call waits for the server.
class LocalCopyKeeper {
public:
    LocalCopyKeeper(QString target, QString path, QString templatePath);
    ~LocalCopyKeeper(); // waits for a worker under way (bounded by the connect timeout)
    LocalCopyKeeper(const LocalCopyKeeper&) = delete;
    LocalCopyKeeper& operator=(const LocalCopyKeeper&) = delete;

    const QString& path() const { return m_path; }
    // Reads the server again into the copy; asked while a read runs, it reads once more after.
    void refresh(Connection& connection);

    enum class Turn { None, ToCopy, ToServer };
    // Called every half second or so: takes a finished refresh; when the connection lost its
    // session, turns to the copy if a probe finds the server gone, and back to the server when a
    // probe finds it taking sessions (ToServer also when a lost session was taken up again).
    Turn tick(Connection& connection);

    // How often the server is probed while the copy stands in for it.
    static constexpr int kProbeEveryMs = 3000;

private:
    void startRefresh(const ServerLink::Reach& reach);
    QString m_target;
    QString m_path;
    QString m_template;
    std::future<QString> m_refresh; // the refresh under way: its failure's words, or empty
    std::optional<ServerLink::Reach> m_pending;
    std::future<bool> m_probe;
    QElapsedTimer m_sinceProbe;
};

} // namespace corvanna
