#pragma once

#include "store/server/serverlink.h"

#include <QByteArray>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace corvanna {

// A worker's stop. The window's thread raises it; the worker's waits for the server watch it
// beside the server's socket, so a raised stop ends them at once. The worker then settles (lets
// go of the program's files and sessions) and says so; what it does after touches nothing of
// the program.
class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    void raise();
    bool raised() const { return m_raised.load(); }
    enum class Wait { Ready, Stopped, TimedOut };
    // Waits until the socket can be read (or written), the stop is raised, or timeoutMs passes.
    Wait wait(int socket, bool forWriting, int timeoutMs) const;
    void settle();
    // True when the worker settled within timeoutMs.
    bool waitSettled(int timeoutMs);

private:
    int m_pipe[2] = {-1, -1};
    std::atomic<bool> m_raised{false};
    std::mutex m_mutex;
    std::condition_variable m_settledChanged;
    bool m_settled = false;
};

// What a read cut short by its stop throws.
struct Stopped {};

// A session with the options of the program's others, polled open without blocking the stop.
// Throws Stopped, or Failure with libpq's words when it cannot be opened within timeoutMs.
pg_conn* openSession(const ServerLink::Reach& reach, const StopSignal& stop, int timeoutMs);

// Sends one statement (with one text parameter, or none) and hands its answer to `rows` once it
// has arrived, waiting only for the server's socket or the stop: for small answers, and for the
// chunks of a cursor. Throws Failure with the server's words, or Stopped.
void readRows(pg_conn* conn, const StopSignal& stop, const QByteArray& sql, const char* value,
              const std::function<void(const pg_result*)>& rows);

// A piece of work on a thread of its own, given its stop.
class Worker {
public:
    explicit Worker(std::function<void(StopSignal&)> work);
    // Raises the stop and waits for the work to settle, kSettleWaitMs at most; work still under
    // way after that (a cancel request on its way to the server) ends by itself.
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;
    bool finished() const { return m_shared->finished.load(); }

    static constexpr int kSettleWaitMs = 2000;

private:
    struct Shared {
        StopSignal stop;
        std::atomic<bool> finished{false};
    };
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};

} // namespace corvanna
