#include "serverbench.h"

#include "base/report.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/serverchoice.h"
#include "store/serverlink.h"
#include "store/statements.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUrl>
#include <libpq-fe.h>
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

// utime + stime (and, with `children`, cutime + cstime) of a process, in ms.
double processTimeMs(qint64 pid, bool children) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray stat = f.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    // Fields from the state on: utime is the 12th, stime, cutime, cstime follow.
    double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    if (children) ticks += fields.value(13).toDouble() + fields.value(14).toDouble();
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
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
    // The postmaster with the backends it reaped, and the processes still running under it.
    double ms = processTimeMs(postmaster, true);
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid) continue;
        QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QByteArray stat = f.readAll();
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1).toLongLong() == postmaster) ms += processTimeMs(pid, false);
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
    GuestValues values;
    values.guestName = QStringLiteral("Renée O'Brien");
    values.accommodation = QStringLiteral("Room");
    values.noOfRooms = QStringLiteral("1");
    values.type = QStringLiteral("Double");
    values.serviceIncluded = QStringLiteral("Breakfast, Lunch, Dinner, Security");
    values.noOfPersons = QStringLiteral("2");
    values.checkIn = QDate::currentDate();
    values.checkOut = values.checkIn.addDays(3);
    values.creditCardType = QStringLiteral("VISA");
    values.creditCardNo = QStringLiteral("4111 1111 1111 1111");
    values.phoneNumber = QStringLiteral("17025550147");
    values.address = QStringLiteral("12 Harbour Road\r\nPellworth");
    const QString insert = statements::insert(values);
    const int saveReps = std::max(reps, 15);
    auto save = [&] {
        if (connection.execute(insert) != 1) throw std::runtime_error("a save stored nothing");
        return 0.0;
    };
    const Timing alone =
        measureInterleaved(saveReps, {[&](Timing* own) { withServer(save, own); }})[0];
    ServerLink other;
    other.open(url);
    int seen = 0;
    const Timing listened = measureInterleaved(saveReps, {[&](Timing* own) {
                                                   withServer(save, own);
                                                   // The other desk takes the notice, untimed.
                                                   for (int i = 0; i < 2000; ++i) {
                                                       if (other.takeChangeNotices()) {
                                                           ++seen;
                                                           break;
                                                       }
                                                       usleep(500);
                                                   }
                                               }})[0];
    if (seen != saveReps + 1)
        throw std::runtime_error(label.toStdString() + ": the second desk missed a save's notice");
    return {{QStringLiteral("raw_server"), read[0]},
            {QStringLiteral("show_all_server"), read[1]},
            {QStringLiteral("save_server"), alone},
            {QStringLiteral("save_server_listened"), listened}};
}

} // namespace corvanna::bench
