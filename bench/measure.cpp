#include "measure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace corvanna::bench {

namespace {
qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

Stopwatch::Stopwatch()
    : m_start(nowNs()) {}

double Stopwatch::ms() const {
    return double(nowNs() - m_start) / 1e6;
}

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

namespace {
Timing timed(const TimedBody& body) {
    Timing own{-1, -1};
    const double cpu = processCpuMs();
    const Stopwatch watch;
    body(&own);
    const Timing here{watch.ms(), processCpuMs() - cpu};
    return own.wall >= 0 ? own : here;
}

Timing medians(const std::vector<Timing>& runs) {
    std::vector<double> wall, cpu;
    for (const Timing& t : runs) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    return {median(wall), median(cpu)};
}
} // namespace

Timing measure(int reps, const std::function<void()>& body, const std::function<void()>& prepare) {
    std::vector<Timing> runs;
    for (int i = 0; i <= reps; ++i) {
        if (prepare) prepare();
        const Timing t = timed([&](Timing*) { body(); });
        if (i > 0) runs.push_back(t);
    }
    return medians(runs);
}

std::vector<Timing> measureInterleaved(int reps, const std::vector<TimedBody>& bodies) {
    std::vector<std::vector<Timing>> runs(bodies.size());
    for (int i = 0; i <= reps; ++i)
        for (size_t b = 0; b < bodies.size(); ++b) {
            const Timing t = timed(bodies[b]);
            if (i > 0) runs[b].push_back(t);
        }
    std::vector<Timing> result;
    for (const auto& r : runs)
        result.push_back(medians(r));
    return result;
}

qint64 readEveryColumn(sqlite3* db, const QByteArray& sql, quint64* checksum) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("prepare: ") + sqlite3_errmsg(db));
    const int columns = sqlite3_column_count(st);
    qint64 rows = 0;
    quint64 sum = 0;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        ++rows;
        for (int i = 0; i < columns; ++i) {
            // One call into the connection per column; the value is then read without locking.
            sqlite3_value* v = sqlite3_column_value(st, i);
            switch (sqlite3_value_type(v)) {
            case SQLITE_INTEGER:
                sum += quint64(sqlite3_value_int64(v));
                break;
            case SQLITE_FLOAT:
                sum += quint64(sqlite3_value_double(v));
                break;
            case SQLITE_TEXT: {
                const unsigned char* text = sqlite3_value_text(v);
                const int bytes = sqlite3_value_bytes(v);
                sum += quint64(bytes) + (bytes ? text[0] + text[bytes - 1] : 0);
                break;
            }
            case SQLITE_BLOB:
                sqlite3_value_blob(v);
                sum += quint64(sqlite3_value_bytes(v));
                break;
            default:
                break;
            }
        }
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) throw std::runtime_error(std::string("step: ") + sqlite3_errmsg(db));
    if (checksum) *checksum = sum;
    return rows;
}

sqlite3* openReadOnly(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw std::runtime_error("open " + path.toStdString() + ": " + message);
    }
    return db;
}

Answer BenchDialogs::present(const Message& message) {
    ++shown;
    std::fprintf(stderr, "corvanna_bench: unexpected message box: %s\n",
                 qPrintable(QString(message.text).replace(QLatin1Char('\r'), QLatin1Char('\n'))));
    return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

QString makeCommonDataFolder(const QString& root, const QString& database, bool copy) {
    const QString folder = root + QStringLiteral("/Pellworth/Corvanna");
    QDir().mkpath(folder);
    const QString working = folder + QStringLiteral("/dbRooms.mdb");
    QFile::remove(working);
    QFile::remove(working + QStringLiteral("-journal"));
    const QString source = QFileInfo(database).absoluteFilePath();
    const bool done = copy ? QFile::copy(source, working) : QFile::link(source, working);
    if (!done)
        throw std::runtime_error("cannot place " + source.toStdString() + " at " +
                                 working.toStdString());
    if (copy) QFile::setPermissions(working, QFile::permissions(working) | QFile::WriteOwner);
    return root;
}

Timing runProcess(const QString& program, const QStringList& args, const QStringList& env,
                  int timeoutMs, QByteArray* output) {
    // The environment: this process's, with `env` replacing or adding entries.
    std::vector<QByteArray> envStore;
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        const QByteArray name = entry.left(entry.indexOf('=') + 1);
        const bool replaced = std::any_of(
            env.begin(), env.end(), [&](const QString& s) { return s.toUtf8().startsWith(name); });
        if (!replaced) envStore.push_back(entry);
    }
    for (const QString& s : env)
        envStore.push_back(s.toUtf8());
    std::vector<char*> envp;
    for (QByteArray& e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    std::vector<QByteArray> argStore{program.toUtf8()};
    for (const QString& a : args)
        argStore.push_back(a.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const std::string what = program.toStdString();
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("cannot run " + what);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    // The program's own warnings would clutter the table; CORVANNA_BENCH_VERBOSE keeps them.
    if (!qEnvironmentVariableIsSet("CORVANNA_BENCH_VERBOSE"))
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const Stopwatch watch;
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (rc != 0) {
        close(pipeFds[0]);
        throw std::runtime_error("cannot run " + what);
    }
    QByteArray out;
    bool timedOut = false;
    for (;;) {
        const double left = timeoutMs - watch.ms();
        if (left <= 0) {
            timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        pollfd p{pipeFds[0], POLLIN, 0};
        const int ready = poll(&p, 1, int(left) + 1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) continue;
        char buffer[4096];
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0) break; // the child closed its output: it has ended or is ending
        out.append(buffer, qsizetype(n));
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const double ms = watch.ms();
    close(pipeFds[0]);
    if (output) *output = out;
    if (timedOut) throw std::runtime_error(what + " ran past its time");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(what + " failed");
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return {ms, cpu};
}

namespace {
qint64 statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    const qsizetype n = qsizetype(qstrlen(field));
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(n).trimmed().split(' ').value(0).toLongLong();
    return -1;
}
} // namespace

qint64 peakResidentKb() {
    return statusKb("VmHWM:");
}

qint64 residentKb() {
    return statusKb("VmRSS:");
}

} // namespace corvanna::bench
