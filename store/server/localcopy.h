#pragma once

#include "store/server/serverlink.h"
#include "store/server/stoppable.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <atomic>
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
// Reads the mirrored tables in one snapshot of the server, on a session of its own, row by row
// into a new file made from the template database (private to the account, and locked while
// it is written), and only then gives it the copy's name: the copy is always whole. Returns
// false, the new file removed and the server told to stop the read, when the stop was raised.
// Throws Failure with the server's or the file's words.
bool writeLocalCopy(const ServerLink::Reach& reach, const QString& templatePath,
                    const QString& path, StopSignal* stop = nullptr);
// Removes the temporary files of refreshes of the copy at `path` that were cut short (their
// program was killed): those no running refresh holds locked.
void removeLeftoverCopies(const QString& path);
// True when the server at the target takes sessions; waits a few seconds at most.
bool serverAccepts(const QString& target);
// The words a write meets while the copy stands in for the server.
QString localCopyRefusal();
// The copy opened read-only as the engine of a connection of that name: it reads as the file does
// and refuses every write with localCopyRefusal(). Throws Failure when the copy cannot be read.
std::unique_ptr<Engine> openLocalCopy(const QString& connectionName, const QString& path,
                                      const QString& serverDescription);

// When the copy is read again: once after the start, then after a change was seen, but never
// sooner than the interval after the last read began; the changes seen meanwhile (during a read
// too) make one read.
class RefreshSchedule {
public:
    explicit RefreshSchedule(qint64 everyMs)
        : m_everyMs(everyMs) {}
    void changed() { m_wanted = true; }
    // True, and counted as begun, when a read is due at nowMs and none is under way.
    bool begin(qint64 nowMs, bool underWay);

private:
    qint64 m_everyMs;
    bool m_wanted = true;
    qint64 m_lastMs = -1;
};

// Keeps the copy of the server's reservations fresh while the server answers, puts the copy in
// the server's place when the server goes away, and the server back when it answers again. Runs
// on the window's thread; the server's reads and the copy's writing run on worker threads, so no
// call waits for the server.
class LocalCopyKeeper {
public:
    // How often the server is probed while the copy stands in for it, and how long after a read
    // of the copy began the next one may begin.
    static constexpr int kProbeEveryMs = 3000;
    static constexpr int kRefreshEveryMs = 60000;

    // Removes what killed refreshes of the copy left behind.
    LocalCopyKeeper(QString path, QString templatePath, int refreshEveryMs = kRefreshEveryMs);
    ~LocalCopyKeeper(); // stop()
    LocalCopyKeeper(const LocalCopyKeeper&) = delete;
    LocalCopyKeeper& operator=(const LocalCopyKeeper&) = delete;

    const QString& path() const { return m_path; }
    // The reservations changed: the copy is read again when the schedule lets it.
    void changed() { m_schedule.changed(); }

    enum class Turn { None, ToCopy, ToServer };
    // Called every half second or so: begins a read of the copy when one is due; when the
    // connection lost its session, turns to the copy if a probe finds the server gone, and back
    // to the server when a probe opens a session on it (ToServer also when a lost session was
    // taken up again).
    Turn tick(Connection& connection);
    // Cancels a read or a probe under way without waiting for the server (the copy before stays
    // whole, the read's temporary file is removed); the keeper does nothing more.
    void stop();

private:
    void startRefresh(const ServerLink::Reach& reach);
    QString m_path;
    QString m_template;
    RefreshSchedule m_schedule;
    QElapsedTimer m_clock;
    bool m_stopped = false;
    std::unique_ptr<Worker> m_refresh;
    std::shared_ptr<std::atomic<bool>> m_refreshFailed;
    std::unique_ptr<Worker> m_probe;
    std::shared_ptr<std::atomic<bool>> m_accepts;
    QElapsedTimer m_sinceProbe;
};

} // namespace corvanna
