#include "listfill.h"

#include "base/failure.h"
#include "base/report.h"
#include "reservationmodel.h"
#include "store/connection.h"
#include "store/engine.h"

#include <QMetaObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace corvanna {

namespace {

void fillFrom(Procedure& proc, ReservationModel& model, Connection* connection,
              const std::function<void(ResultSet&, Connection&)>& open,
              const std::function<void(int)>& setPointer) {
    ResultSet rs; // 100
    proc.step(102, [&] { model.beginFill(); });
    proc.step(104, [&] { setPointer(kPointerHourglass); });
    const bool opened = proc.step(106, [&] {
        if (!connection) throw Failure(kObjectRequired);
        open(rs, *connection);
    });
    if (opened) {
        // The rows are read front to back once; a row the engine cannot read ends the loop.
        while (rs.state() != 0 && !rs.eof()) {
            if (!proc.step(110, [&] { model.append(rs.row()); })) break;
            if (!proc.step(136, [&] { rs.moveNext(); })) break;
        }
    }
    proc.step(138, [&] {
        if (rs.state() != 0) rs.close();
    });
    model.endFill();
    proc.step(140, [&] { setPointer(kPointerDefault); });
}

} // namespace

void fillList(Procedure& proc, ReservationModel& model, Connection* connection,
              const std::function<QString()>& statement,
              const std::function<void(int)>& setPointer) {
    fillFrom(
        proc, model, connection, [&](ResultSet& rs, Connection& c) { rs.open(statement(), c); },
        setPointer);
}

void fillList(Procedure& proc, ReservationModel& model, Connection* connection,
              const OwnStatement& statement, const QStringList& parameters,
              const std::function<void(int)>& setPointer) {
    fillFrom(
        proc, model, connection,
        [&](ResultSet& rs, Connection& c) { rs.open(statement, parameters, c); }, setPointer);
}

namespace {
std::atomic<int> g_workersRunning{0};
} // namespace

int ListFill::workersRunning() {
    return g_workersRunning.load();
}

// What the fill and its worker share. The worker touches nothing else of the fill; it tells the
// fill (while `fill` is set, under the mutex) by a queued call on the fill's thread.
struct ListFill::Rest {
    enum class Outcome { NotRead, Read, Failed };

    explicit Rest(ReservationModel::FillRows empty)
        : rows(std::move(empty)) {}

    std::mutex mutex;
    std::condition_variable ended;
    ListFill* fill = nullptr;
    std::function<void()> cancel; // the reader's, while its statement may run
    std::atomic<bool> stopped{false};
    bool done = false;
    // Set by the worker before `done`: NotRead when the reader could not be opened or the
    // statement gave no first row (the fill reads it here), Failed when a later row could not be
    // read (`failure` says why; the rows read before stay).
    Outcome outcome = Outcome::NotRead;
    QString failure;
    ReservationModel::FillRows rows;
};

// The worker's whole work: a reader of its own, the statement, every row into `rest->rows`.
// Everything the reader made is let go on this thread before the fill is told.
void ListFill::readOnWorker(const std::shared_ptr<Rest>& rest, const ReaderFactory& open,
                            const QString& statement, quint64 generation) {
    using Outcome = Rest::Outcome;
    Outcome outcome = Outcome::NotRead;
    QString failure;
    ReservationModel::FillRows rows = std::move(rest->rows);
    try {
        std::unique_ptr<Engine> engine = open(rest->stopped);
        {
            const std::lock_guard lock(rest->mutex);
            rest->cancel = engine->canceller();
        }
        if (!rest->stopped) {
            std::unique_ptr<EngineCursor> cursor;
            try {
                cursor = engine->select(statement);
                outcome = Outcome::Read;
                for (; !cursor->eof() && !rest->stopped; cursor->moveNext())
                    rows.append(*cursor);
            } catch (const Failure& f) {
                if (outcome == Outcome::Read) {
                    outcome = Outcome::Failed;
                    failure = f.description();
                }
            }
            cursor.reset();
            // The names' order is found here too, so the window's end of the fill is short.
            if (outcome != Outcome::NotRead && !rest->stopped) rows.orderNames();
        }
        {
            const std::lock_guard lock(rest->mutex);
            rest->cancel = {};
        }
    } catch (const Failure&) {
        // No reader: the fill reads the rest on its own connection.
    }
    const std::lock_guard lock(rest->mutex);
    rest->outcome = outcome;
    rest->failure = failure;
    rest->rows = std::move(rows);
    rest->done = true;
    rest->ended.notify_all();
    if (ListFill* fill = rest->fill)
        QMetaObject::invokeMethod(
            fill, [fill, generation] { fill->restRead(generation); }, Qt::QueuedConnection);
}

OwnStatement firstScreenStatement() {
    // The index's expression with the id after it: the order of the index itself.
    return {"select * from tblRooms order by coalesce(lower(GuestName), ''), id limit ?1",
            "select * from tblRooms order by coalesce(lower(GuestName), ''), id limit $1"};
}

ListFill::ListFill(ReservationModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model) {
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, [this] { readRows(kSliceMs); });
}

// The model may be gone already (a sibling deleted first): only the read is let go.
ListFill::~ListFill() {
    stopWorker();
    m_slices.stop();
    if (m_stage != Stage::Idle && m_request.connection) m_request.connection->clearOpenRead();
    m_rows.reset();
}

void ListFill::start(Request request, bool keepShown) {
    stop();
    ++m_generation;
    m_request = std::move(request);
    m_proc = std::make_shared<Procedure>(*m_request.dialogs, m_request.procedure);
    const std::shared_ptr<Procedure> proc = m_proc;
    if (keepShown && m_model.filledRowCount() >= kFirstScreenRows) {
        m_model.beginRefill();
        proc->step(104, [&] { m_request.setPointer(kPointerHourglass); });
    } else {
        bool firstScreen = false;
        if (!keepShown && m_request.everyReservation) {
            m_model.beginFill();
            firstScreen = readFirstScreen();
        }
        if (!firstScreen) {
            // A small list (or one whose first screen could not be read) at once, as always.
            m_proc.reset();
            fillList(*proc, m_model, m_request.connection, m_request.statement,
                     m_request.setPointer);
            const std::function<void(bool)> ended = std::move(m_request.ended);
            m_request = {};
            if (ended) ended(false);
            return;
        }
        proc->step(104, [&] { m_request.setPointer(kPointerHourglass); });
        m_model.showFirstRows();
    }
    m_stage = Stage::Opening;
    const quint64 generation = m_generation;
    if (!keepShown && m_request.shown) m_request.shown();
    // The statement runs once the window has painted what it shows.
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == m_generation && m_stage == Stage::Opening) openRest();
    });
}

// The first screen: true when it holds a whole screen, so that the rest is worth reading apart.
bool ListFill::readFirstScreen() {
    if (!m_request.connection) return false;
    int rows = 0;
    try {
        ResultSet rs;
        rs.open(firstScreenStatement(), {QString::number(kFirstScreenRows)}, *m_request.connection);
        for (; !rs.eof(); rs.moveNext(), ++rows)
            m_model.append(rs.row());
    } catch (const Failure&) {
        // The whole fill reads it again, and reports what fails there.
        return false;
    }
    return rows >= kFirstScreenRows;
}

void ListFill::openRest() {
    const std::shared_ptr<Procedure> proc = m_proc;
    const quint64 generation = m_generation;
    if (m_request.everyReservation && readRestApart(proc)) return;
    if (generation != m_generation || m_stage != Stage::Opening) return;
    readRestHere();
}

bool ListFill::readRestApart(const std::shared_ptr<Procedure>& proc) {
    ReaderFactory reader = m_request.connection ? m_request.connection->reader() : ReaderFactory();
    if (!reader) return false;
    const quint64 generation = m_generation;
    QString statement;
    const bool built = proc->step(106, [&] { statement = m_request.statement(); });
    if (generation != m_generation) return true; // a report's box let the desk begin another fill
    if (!built) {
        proc->step(140, [&] { m_request.setPointer(kPointerDefault); });
        if (generation == m_generation) end();
        return true;
    }
    m_rest = std::make_shared<Rest>(m_model.fillRows());
    m_rest->fill = this;
    g_workersRunning.fetch_add(1);
    m_worker = std::thread([rest = m_rest, reader = std::move(reader), statement, generation] {
        readOnWorker(rest, reader, statement, generation);
        g_workersRunning.fetch_sub(1);
    });
    m_stage = Stage::Reading;
    // The connection stays free for reads; only its close or change stops the read. The file's
    // writer waits for its readers, so a write there has the rest read first, as the slices do.
    Connection& connection = *m_request.connection;
    connection.setOpenRead({{},
                            [this] { stop(); },
                            connection.server() ? std::function<void()>() : [this] { finish(); }});
    proc->step(140, [&] { m_request.setPointer(kPointerDefault); });
    return true;
}

// The worker told its end (or a wait for it did): its rows in the list, or the rest read here.
void ListFill::restRead(quint64 generation) {
    if (generation != m_generation || !m_rest) return;
    {
        const std::lock_guard lock(m_rest->mutex);
        if (!m_rest->done) return;
        m_rest->fill = nullptr;
    }
    m_worker.join();
    const std::shared_ptr<Rest> rest = std::move(m_rest);
    if (rest->outcome == Rest::Outcome::NotRead) {
        m_stage = Stage::Opening;
        readRestHere();
        return;
    }
    if (rest->outcome == Rest::Outcome::Failed) {
        const std::shared_ptr<Procedure> proc = m_proc;
        proc->step(136, [&] { throw Failure(rest->failure); });
        if (generation != m_generation) return;
    }
    end(std::move(rest->rows));
}

// The worker is told to stop and waited for, a bounded time; its rows are let go.
void ListFill::stopWorker() {
    if (!m_rest) return;
    bool done = false;
    {
        std::unique_lock lock(m_rest->mutex);
        m_rest->fill = nullptr;
        m_rest->stopped = true;
        if (m_rest->cancel) m_rest->cancel();
        done = m_rest->ended.wait_for(lock, std::chrono::milliseconds(kStopWaitMs),
                                      [this] { return m_rest->done; });
    }
    if (done)
        m_worker.join();
    else
        m_worker.detach();
    m_rest.reset();
}

void ListFill::readRestHere() {
    Connection* connection = m_request.connection;
    const std::shared_ptr<Procedure> proc = m_proc;
    const quint64 generation = m_generation;
    m_rows = std::make_unique<ResultSet>();
    const bool opened = proc->step(106, [&] {
        if (!connection) throw Failure(kObjectRequired);
        m_rows->open(m_request.statement(), *connection);
    });
    if (generation != m_generation) return; // a report's box let the desk begin another fill
    proc->step(140, [&] { m_request.setPointer(kPointerDefault); });
    if (generation != m_generation) return;
    if (!opened) {
        end();
        return;
    }
    m_stage = Stage::Reading;
    connection->setOpenRead({[this] { finish(); }, [this] { stop(); }, {}});
    m_slices.start();
}

void ListFill::readRows(int untilMs) {
    if (m_stage != Stage::Reading || m_inSlice) return;
    m_inSlice = true;
    const std::shared_ptr<Procedure> proc = m_proc;
    const quint64 generation = m_generation;
    constexpr int kRowsBetweenClockReads = 256;
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    for (int n = 1;; ++n) {
        if (m_rows->state() == 0 || m_rows->eof()) {
            more = false;
            break;
        }
        // A failing step's box runs the window's events: the desk may have stopped this fill.
        if (!proc->step(110, [&] { m_model.append(m_rows->row()); }) ||
            generation != m_generation || !proc->step(136, [&] { m_rows->moveNext(); }) ||
            generation != m_generation) {
            more = false;
            break;
        }
        if (untilMs >= 0 && n % kRowsBetweenClockReads == 0 && clock.elapsed() >= untilMs) break;
    }
    if (generation != m_generation) return;
    m_inSlice = false;
    if (!more) end();
}

void ListFill::finish() {
    if (m_stage == Stage::Opening) openRest();
    if (m_rest) {
        bool done = false;
        {
            std::unique_lock lock(m_rest->mutex);
            done = m_rest->ended.wait_for(lock, std::chrono::milliseconds(kFinishWaitMs),
                                          [this] { return m_rest->done; });
        }
        if (done) {
            restRead(m_generation);
        } else {
            // A worker that does not end: the rest is read here instead.
            stopWorker();
            m_stage = Stage::Opening;
            readRestHere();
        }
    }
    if (m_stage != Stage::Reading || m_inSlice || m_rest) return;
    m_request.connection->clearOpenRead();
    readRows(-1);
}

void ListFill::end(std::optional<ReservationModel::FillRows> rows) {
    m_slices.stop();
    if (m_request.connection) m_request.connection->clearOpenRead();
    const std::shared_ptr<Procedure> proc = std::move(m_proc);
    proc->step(138, [&] {
        if (m_rows && m_rows->state() != 0) m_rows->close();
    });
    m_rows.reset();
    m_stage = Stage::Idle;
    ++m_generation;
    m_inSlice = false;
    if (rows)
        m_model.endFill(std::move(*rows));
    else
        m_model.endFill();
    const std::function<void(bool)> ended = std::move(m_request.ended);
    m_request = {};
    if (ended) ended(true);
}

// The rows read so far are not the list's first ones: the rows shown stay.
void ListFill::stop() {
    if (m_stage == Stage::Idle) return;
    stopWorker();
    m_slices.stop();
    if (m_request.connection) m_request.connection->clearOpenRead();
    ++m_generation;
    m_inSlice = false;
    m_stage = Stage::Idle;
    m_rows.reset();
    m_model.dropPending();
    if (m_request.setPointer) m_request.setPointer(kPointerDefault);
    m_proc.reset();
    m_request = {};
}

} // namespace corvanna
