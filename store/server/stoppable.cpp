#include "stoppable.h"

#include "base/failure.h"

#include <QDeadlineTimer>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <libpq-fe.h>
#include <poll.h>
#include <unistd.h>

namespace corvanna {

StopSignal::StopSignal() {
    // Without a pipe the waits still see the stop, in slices (wait() below).
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) m_pipe[0] = m_pipe[1] = -1;
}

StopSignal::~StopSignal() {
    for (int fd : m_pipe)
        if (fd >= 0) ::close(fd);
}

void StopSignal::raise() {
    m_raised = true;
    if (m_pipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_pipe[1], &byte, 1);
    }
}

StopSignal::Wait StopSignal::wait(int socket, bool forWriting, int timeoutMs) const {
    // Without the pipe a raised stop is seen within this slice.
    constexpr int kSliceMs = 100;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (raised()) return Wait::Stopped;
        pollfd fds[2] = {{socket, short(forWriting ? POLLOUT : POLLIN), 0}, {m_pipe[0], POLLIN, 0}};
        const qint64 left = deadline.remainingTime();
        if (left == 0) return Wait::TimedOut;
        const qint64 slice = m_pipe[0] >= 0 ? left : std::min<qint64>(left, kSliceMs);
        const int n = ::poll(fds, m_pipe[0] >= 0 ? 2 : 1, int(std::min<qint64>(slice, INT_MAX)));
        if (n < 0 && errno != EINTR) return Wait::Ready; // libpq's next call says what is wrong
        if (raised()) return Wait::Stopped;
        if (n > 0 && fds[0].revents) return Wait::Ready;
    }
}

void StopSignal::settle() {
    std::lock_guard lock(m_mutex);
    m_settled = true;
    m_settledChanged.notify_all();
}

bool StopSignal::waitSettled(int timeoutMs) {
    std::unique_lock lock(m_mutex);
    return m_settledChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                     [this] { return m_settled; });
}

pg_conn* openSession(const ServerLink::Reach& reach, const StopSignal& stop, int timeoutMs) {
    PGconn* conn = ServerLink::startSession(reach);
    if (!conn || PQstatus(conn) == CONNECTION_BAD) {
        const QString words = ServerLink::sessionError(conn);
        PQfinish(conn);
        throw Failure(words);
    }
    const QDeadlineTimer deadline(timeoutMs);
    // As libpq asks: the first wait is for writing.
    PostgresPollingStatusType state = PGRES_POLLING_WRITING;
    while (state != PGRES_POLLING_OK) {
        if (state == PGRES_POLLING_FAILED) {
            const QString words = ServerLink::sessionError(conn);
            PQfinish(conn);
            throw Failure(words);
        }
        const StopSignal::Wait waited =
            stop.wait(PQsocket(conn), state == PGRES_POLLING_WRITING,
                      int(std::min<qint64>(deadline.remainingTime(), timeoutMs)));
        if (waited != StopSignal::Wait::Ready) {
            PQfinish(conn);
            if (waited == StopSignal::Wait::Stopped) throw Stopped();
            throw Failure(QStringLiteral("timeout expired"));
        }
        state = PQconnectPoll(conn);
    }
    return conn;
}

namespace {
QString statementError(const PGresult* r, const PGconn* conn) {
    const char* primary = r ? PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    if (primary && *primary) return QString::fromUtf8(primary).trimmed();
    return ServerLink::sessionError(conn);
}
} // namespace

void readRows(pg_conn* conn, const StopSignal& stop, const QByteArray& sql, const char* value,
              const std::function<void(const pg_result*)>& rows) {
    const char* const params[] = {value};
    if (!PQsendQueryParams(conn, sql.constData(), value ? 1 : 0, nullptr, params, nullptr, nullptr,
                           0))
        throw Failure(ServerLink::sessionError(conn));
    QString error;
    for (;;) {
        while (PQisBusy(conn)) {
            // The server keeps its own statement timeout; this bounds a server gone silent.
            const StopSignal::Wait waited =
                stop.wait(PQsocket(conn), false, ServerLink::kStatementTimeoutMs);
            if (waited == StopSignal::Wait::Stopped) throw Stopped();
            if (waited == StopSignal::Wait::TimedOut)
                throw Failure(QStringLiteral("the server did not answer"));
            if (!PQconsumeInput(conn)) throw Failure(ServerLink::sessionError(conn));
        }
        PGresult* r = PQgetResult(conn);
        if (!r) break;
        const ExecStatusType status = PQresultStatus(r);
        if (status == PGRES_TUPLES_OK && error.isEmpty()) {
            try {
                rows(r);
            } catch (...) {
                PQclear(r);
                throw;
            }
        } else if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK && error.isEmpty()) {
            error = statementError(r, conn);
        }
        PQclear(r);
        if (stop.raised()) throw Stopped();
    }
    if (!error.isEmpty()) throw Failure(error);
}

Worker::Worker(std::function<void(StopSignal&)> work)
    : m_shared(std::make_shared<Shared>()) {
    // The thread keeps the shared state alive for as long as it runs.
    m_thread = std::thread([shared = m_shared, work = std::move(work)] {
        work(shared->stop);
        shared->stop.settle();
        shared->finished = true;
    });
}

Worker::~Worker() {
    m_shared->stop.raise();
    m_shared->stop.waitSettled(kSettleWaitMs);
    if (m_shared->finished)
        m_thread.join();
    else
        m_thread.detach();
}

} // namespace corvanna
