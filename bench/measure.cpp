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
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sqlite3.h>
#include <stdexcept>
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

double median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double measure(int reps, const std::function<void()>& body, const std::function<void()>& prepare) {
    std::vector<double> times;
    for (int i = 0; i <= reps; ++i) {
        if (prepare) prepare();
        const Stopwatch watch;
        body();
        const double ms = watch.ms();
        if (i > 0) times.push_back(ms);
    }
    return median(times);
}

std::vector<double> measureInterleaved(int reps, const std::vector<std::function<void()>>& bodies) {
    std::vector<std::vector<double>> times(bodies.size());
    for (int i = 0; i <= reps; ++i)
        for (size_t b = 0; b < bodies.size(); ++b) {
            const Stopwatch watch;
            bodies[b]();
            const double ms = watch.ms();
            if (i > 0) times[b].push_back(ms);
        }
    std::vector<double> medians;
    for (auto& t : times)
        medians.push_back(median(t));
    return medians;
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
            switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER:
                sum += quint64(sqlite3_column_int64(st, i));
                break;
            case SQLITE_FLOAT:
                sum += quint64(sqlite3_column_double(st, i));
                break;
            case SQLITE_TEXT: {
                const unsigned char* text = sqlite3_column_text(st, i);
                const int bytes = sqlite3_column_bytes(st, i);
                sum += quint64(bytes) + (bytes ? text[0] + text[bytes - 1] : 0);
                break;
            }
            case SQLITE_BLOB:
                sqlite3_column_blob(st, i);
                sum += quint64(sqlite3_column_bytes(st, i));
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

double runProcessMs(const QString& program, const QStringList& args, const QStringList& env,
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

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return -1;
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
        return -1;
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
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const double ms = watch.ms();
    close(pipeFds[0]);
    if (output) *output = out;
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return ms;
}

qint64 peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace corvanna::bench
