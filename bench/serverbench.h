#pragma once

#include "measure.h"

#include <QString>
#include <utility>
#include <vector>

namespace corvanna::bench {

// A throw-away PostgreSQL cluster for the server figures, started with the tests' script and
// stopped again when the object goes.
class BenchServer {
public:
    BenchServer();
    ~BenchServer();
    BenchServer(const BenchServer&) = delete;
    BenchServer& operator=(const BenchServer&) = delete;
    // A new database holding a copy of the reservations of `file`; returns its URL.
    QString copyOf(const QString& file, const QString& label);
    // Processor time the whole server has used so far (its processes and those it reaped), ms.
    double serverCpuMs() const;

private:
    QString m_state;
    QString m_url;
    QString m_dataDir;
};

// The figures of one scale on the server, by name:
//   raw_server     psql's \copy of the Show All select to /dev/null (a process of its own)
//   show_all_server  the Show All fill from the server into the list's model
//   save_server, save_server_listened  a save alone, and with a second desk listening (per
//   save, from batches)
// Processor times include the server's.
std::vector<std::pair<QString, Timing>> measureServerScale(BenchServer& server,
                                                           const QString& database,
                                                           const QString& label, qint64 rows,
                                                           int reps);

// The local copy a desk keeps of a server (on `database` copied to the server as `label`):
//   raw_read_server  the server engine's read of every column of every row of tblRooms
//   copy_refresh_server  a refresh of the local copy (every mirrored table into a new file)
//   copy_refresh_rss  (memory, in MB, from a process of its own) the program's memory with the
//   server's list shown, and its peak during a refresh after that: "copy base MB", "copy peak MB"
std::vector<std::pair<QString, Timing>>
measureCopyScale(BenchServer& server, const QString& database, const QString& label,
                 const QString& templateDatabase, const QString& workFolder, int reps);
// The memory child: shows the server's list in the list's model, then refreshes a copy; prints
// "rows N", "base_kb N" and "peak_kb N". Returns non-zero on failure.
int childCopyMemory(const QString& url, const QString& templateDatabase, const QString& copy);

} // namespace corvanna::bench
