#pragma once

#include "base/dialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct sqlite3;

namespace corvanna::bench {

// Milliseconds on the steady clock.
class Stopwatch {
public:
    Stopwatch();
    double ms() const;

private:
    qint64 m_start;
};

// Milliseconds of processor time this process has used (user and system, all threads).
double processCpuMs();

// Both clocks of one figure, in milliseconds. On a machine shared with other work the processor
// time is the steadier of the two: it does not count the time other programs held the cores.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

double median(std::vector<double> values);

// One figure: `body` runs once to warm up and then `reps` times; `prepare` runs before each
// run, untimed. Returns the medians.
Timing measure(int reps, const std::function<void()>& body,
               const std::function<void()>& prepare = {});

// Several figures measured in turn within each repetition, so that a busy moment of the shared
// machine weighs on all of them alike. Returns the medians of each body. A body may report the
// timing of its run itself (a child process's); otherwise it is timed here.
using TimedBody = std::function<void(Timing* own)>;
std::vector<Timing> measureInterleaved(int reps, const std::vector<TimedBody>& bodies);

// The engine's own limit: prepares the statement on `db`, steps through every row reading every
// column (one call into the connection per column), finalises. Returns the number of rows;
// `checksum` sums what was read so that nothing can be left out.
qint64 readEveryColumn(sqlite3* db, const QByteArray& sql, quint64* checksum = nullptr);

// Opens a database file read-only with the engine's default settings. Throws on failure.
sqlite3* openReadOnly(const QString& path);

// Message boxes during a measurement mean the figure is wrong: they are printed and counted.
class BenchDialogs : public Dialogs {
public:
    int shown = 0;

protected:
    Answer present(const Message& message) override;
    std::optional<QString> askPassword(const QString&, const QString&) override {
        ++shown; // the bench's server needs no password
        return std::nullopt;
    }
};

// Lays out `root` as a common data folder whose working database is `database`: a symbolic link
// for figures that only read, a copy for those that write. Returns `root`.
QString makeCommonDataFolder(const QString& root, const QString& database, bool copy);

// Runs a program to its end; returns its wall time and processor time, or throws when it failed
// or ran past the timeout. `env` entries are "NAME=value", added to this process's environment.
Timing runProcess(const QString& program, const QStringList& args, const QStringList& env,
                  int timeoutMs, QByteArray* output = nullptr);

// The peak resident memory of this process so far (VmHWM), in kilobytes.
qint64 peakResidentKb();
// The resident memory of this process now (VmRSS), in kilobytes.
qint64 residentKb();

} // namespace corvanna::bench
