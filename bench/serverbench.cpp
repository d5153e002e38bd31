#include "serverbench.h"

#include "datagen.h"

#include "base/report.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/engine.h"
#include "store/literals.h"
#include "store/server/localcopy.h"
#include "store/server/serverlink.h"
#include "store/serverchoice.h"
#include "store/statements.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUrl>
#include <cstdio>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <stdexcept>
#include <unistd.h>

namespace corvanna::bench {

namespace {

const QString kScript = QStringLiteral(CORVANNA_SOURCE_DIR "/scripts/pg-test-cluster");

void runScript(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("sh"), QStringList{kScript} + args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        throw std::runtime_error("pg-test-cluster " + args.join(' ').toStdString() + ": " +
                                 p.readAllStandardError().toStdString());
}

QString stateValue(const QString& state, const char* key) {
    QFile f(state);
    if (!f.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(QByteArray(key) + '='))
            return QString::fromUtf8(line.mid(qstrlen(key) + 1));
    return {};
}

void exec(const QString& url, const QString& sql) {
    PGconn* conn = PQconnectdb(url.toUtf8().constData());
    PQsetNoticeProcessor(
        conn, [](void*, const char*) {}, nullptr); // "does not exist, skipping"
    PGresult* r = PQexec(conn, sql.toUtf8().constData());
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK || PQresultStatus(r) == PGRES_TUPLES_OK;
    const std::string error = PQerrorMessage(conn);
    PQclear(r);
    PQfinish(conn);
    if (!ok) throw std::runtime_error(sql.toStdString() + ": " + error);
}

// Processor time of a running process, in ms, to the nanosecond (the scheduler's own count; the
// /proc/PID/stat times come in clock ticks of 10 ms, longer than a save).
double runningTimeMs(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return f.readAll().split(' ').value(0).toDouble() / 1e6;
}

// The fields of /proc/PID/stat after the process's name, from its state on.
QList<QByteArray> statFields(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray stat = f.readAll();
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ');
}

} // namespace

BenchServer::BenchServer()
    : m_state(QDir::tempPath() + QStringLiteral("/corvanna-bench-server-%1.state")
                                     .arg(QCoreApplication::applicationPid())) {
    runScript({QStringLiteral("start"), m_state});
    m_url = stateValue(m_state, "url");
    m_dataDir = stateValue(m_state, "dir") + QStringLiteral("/data");
}

BenchServer::~BenchServer() {
    QProcess::execute(QStringLiteral("sh"), {kScript, QStringLiteral("stop"), m_state});
}

QString BenchServer::copyOf(const QString& file, const QString& label) {
    const QString name = QStringLiteral("bench_") + label;
    exec(m_url, QStringLiteral("drop database if exists ") + name);
    exec(m_url, QStringLiteral("create database ") + name);
    QUrl url(m_url);
    url.setPath(QLatin1Char('/') + name);
    copyToServer(file, url.toString());
    exec(url.toString(), QStringLiteral("vacuum analyze tblRooms"));
    return url.toString();
}

double BenchServer::serverCpuMs() const {
    QFile pidFile(m_dataDir + QStringLiteral("/postmaster.pid"));
    if (!pidFile.open(QIODevice::ReadOnly)) return 0;
    const qint64 postmaster = pidFile.readLine().trimmed().toLongLong();
    // The processes still running under the postmaster, itself, and the backends it reaped (in
    // clock ticks: psql's, which run for hundreds of milliseconds).
    const QList<QByteArray> own = statFields(postmaster);
    double ms = runningTimeMs(postmaster) + (own.value(13).toDouble() + own.value(14).toDouble()) *
                                                1000.0 / double(sysconf(_SC_CLK_TCK));
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (isPid && statFields(pid).value(1).toLongLong() == postmaster) ms += runningTimeMs(pid);
    }
    return ms;
}

std::vector<std::pair<QString, Timing>> measureServerScale(BenchServer& server,
                                                           const QString& database,
                                                           const QString& label, qint64 rows,
                                                           int reps) {
    const QString url = server.copyOf(database, label);
    BenchDialogs dialogs;
    Connection connection(QStringLiteral("bench_server"));
    connection.open(url);
    const QString select = translateForServer(statements::selectAll());
    ReservationModel model;
    model.setGuestNameOrder(true);
    // Each body's processor time counts the server's too: on a server most of a read is there.
    // `body` returns the processor time of a child process it ran.
    auto withServer = [&](const std::function<double()>& body, Timing* own) {
        const double client = processCpuMs();
        const double onServer = server.serverCpuMs();
        const Stopwatch watch;
        const double child = body();
        own->wall = watch.ms();
        own->cpu = processCpuMs() - client + child + server.serverCpuMs() - onServer;
    };
    const std::vector<Timing> read = measureInterleaved(
        reps, {[&](Timing* own) {
                   withServer(
                       [&] {
                           return runProcess(QStringLiteral("/usr/bin/psql"),
                                             {QStringLiteral("-X"), QStringLiteral("-q"), url,
                                              QStringLiteral("-c"),
                                              QStringLiteral("\\copy (") + select +
                                                  QStringLiteral(") to /dev/null")},
                                             {}, 600000)
                               .cpu;
                       },
                       own);
               },
               [&](Timing* own) {
                   withServer(
                       [&] {
                           Procedure proc(dialogs, QStringLiteral("Form1.PushButton5_Click"));
                           fillList(
                               proc, model, &connection, [] { return statements::selectAll(); },
                               [](int) {});
                           return 0.0;
                       },
                       own);
               }});
    if (model.rowCount() != rows || dialogs.shown)
        throw std::runtime_error(label.toStdString() + ": the server's list holds " +
                                 std::to_string(model.rowCount()) + " rows");

    // A save alone, then with a second desk connected and listening for the notice of it.
    const GuestValues values = savedGuest();
    const QString insert = statements::insert(values);
    // A batch of saves per run, the figures per save: a save takes a fraction of a millisecond.
    constexpr int kBatch = 100;
    auto saves = [&] {
        for (int i = 0; i < kBatch; ++i)
            if (connection.execute(insert) != 1) throw std::runtime_error("a save stored nothing");
        return 0.0;
    };
    // The second desk's session stays open throughout; it listens for the second figure only,
    // so the two are measured in turn within each run and share the machine's busy moments.
    ServerLink other;
    other.open(url);
    const QByteArray channel = ServerLink::changeChannel();
    int seen = 0;
    std::vector<Timing> save = measureInterleaved(
        std::max(reps, 9), {[&](Timing* own) {
                                PQclear(other.run(QString::fromLatin1("unlisten " + channel)));
                                withServer(saves, own);
                            },
                            [&](Timing* own) {
                                PQclear(other.run(QString::fromLatin1("listen " + channel)));
                                withServer(saves, own);
                                // The other desk takes the notices, untimed.
                                for (int i = 0; i < 2000; ++i) {
                                    if (other.takeChangeNotices()) {
                                        ++seen;
                                        break;
                                    }
                                    usleep(500);
                                }
                            }});
    if (seen != std::max(reps, 9) + 1)
        throw std::runtime_error(label.toStdString() + ": the second desk missed the notices");
    for (Timing& t : save) {
        t.wall /= kBatch;
        t.cpu /= kBatch;
    }
    const Timing alone = save[0];
    const Timing listened = save[1];
    return {{QStringLiteral("raw_server"), read[0]},
            {QStringLiteral("show_all_server"), read[1]},
            {QStringLiteral("save_server"), alone},
            {QStringLiteral("save_server_listened"), listened}};
}

namespace {
// Every column of every row of tblRooms through the server engine's cursor; returns the rows.
qint64 rawEngineRead(Connection& connection, quint64* checksum) {
    std::unique_ptr<EngineCursor> cursor =
        connection.engine().select(QStringLiteral("select * from tblRooms"));
    qint64 rows = 0;
    for (; !cursor->eof(); cursor->moveNext(), ++rows)
        for (int c = 0; c < cursor->columnCount(); ++c)
            *checksum += quint64(cursor->value(c, CursorValue::Text).size);
    return rows;
}
} // namespace

std::vector<std::pair<QString, Timing>>
measureCopyScale(BenchServer& server, const QString& database, const QString& label,
                 const QString& templateDatabase, const QString& workFolder, int reps) {
    QUrl url(server.copyOf(database, label));
    Connection connection(QStringLiteral("bench_copy"));
    connection.open(url.toString());
    const ServerLink::Reach reach = connection.server()->reach();
    const QString copy = workFolder + QStringLiteral("/server-copy.mdb");
    quint64 checksum = 0;
    qint64 rows = 0;
    const std::vector<Timing> t =
        measureInterleaved(reps, {[&](Timing*) { rows = rawEngineRead(connection, &checksum); },
                                  [&](Timing*) {
                                      if (!writeLocalCopy(reach, templateDatabase, copy))
                                          throw std::runtime_error("the copy's refresh stopped");
                                  }});
    sqlite3* db = openReadOnly(copy);
    const qint64 copied = readEveryColumn(db, QByteArrayLiteral("select id from tblRooms"));
    sqlite3_close(db);
    if (copied != rows)
        throw std::runtime_error(label.toStdString() + ": the copy holds " +
                                 std::to_string(copied) + " rows of " + std::to_string(rows));
    QFile::remove(copy);

    // The memory, in a process of its own: what it held before says nothing of the refresh.
    QByteArray out;
    runProcess(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--child-copy"), url.toString(), templateDatabase, copy}, {}, 600000,
               &out);
    qint64 base = -1, peak = -1, shown = -1;
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("base_kb ")) base = line.mid(8).toLongLong();
        if (line.startsWith("peak_kb ")) peak = line.mid(8).toLongLong();
        if (line.startsWith("rows ")) shown = line.mid(5).toLongLong();
    }
    if (base <= 0 || peak <= 0 || shown != rows)
        throw std::runtime_error(label.toStdString() + ": the copy's memory child failed");
    QFile::remove(copy);
    return {{QStringLiteral("raw_read_server"), t[0]},
            {QStringLiteral("copy_refresh_server"), t[1]},
            {QStringLiteral("copy base MB"),
             Timing{double(base) * 1024.0 / 1e6, double(base) * 1024.0 / 1e6}},
            {QStringLiteral("copy peak MB"),
             Timing{double(peak) * 1024.0 / 1e6, double(peak) * 1024.0 / 1e6}}};
}

int childCopyMemory(const QString& url, const QString& templateDatabase, const QString& copy) {
    BenchDialogs dialogs;
    Connection connection(QStringLiteral("bench_copy_child"));
    connection.open(url);
    ReservationModel model;
    model.setGuestNameOrder(true);
    Procedure proc(dialogs, QStringLiteral("Form1.PushButton5_Click"));
    fillList(
        proc, model, &connection, [] { return statements::selectAll(); }, [](int) {});
    // From here the peak counts what the refresh adds to what the desk holds.
    const qint64 base = residentKb();
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1) return 4;
    clear.close();
    if (!writeLocalCopy(connection.server()->reach(), templateDatabase, copy)) return 5;
    std::printf("rows %d\nbase_kb %lld\npeak_kb %lld\n", model.rowCount(), base, peakResidentKb());
    std::fflush(stdout);
    return dialogs.shown ? 3 : 0;
}

} // namespace corvanna::bench
