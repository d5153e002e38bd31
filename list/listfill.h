#pragma once

#include "base/pointershape.h"
#include "list/reservationmodel.h"
#include "store/engine.h"
#include "store/ownstatement.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace corvanna {

class Connection;
class Dialogs;
class Procedure;
class ResultSet;

// Refills the list from a select, in the numbered steps the error report names: 102 clear,
// 104 hourglass, 106 run the statement, 108 to 136 read every row, 138 close, 140 default
// pointer. A statement that cannot run ends the fill with that one report and an empty list.
// `statement` is built inside step 106, so a failure to build it is reported there too.
void fillList(Procedure& procedure, ReservationModel& model, Connection* connection,
              const std::function<QString()>& statement,
              const std::function<void(int)>& setPointer);
// The same fill from a select of our own with its values bound as parameters, in the dialect of
// the engine in use; on a server the rows come through its row cursor as Show All's do.
void fillList(Procedure& procedure, ReservationModel& model, Connection* connection,
              const OwnStatement& statement, const QStringList& parameters,
              const std::function<void(int)>& setPointer);

// The first rows of the list's own order for a fill of every reservation: read in the order of
// the names' index, at most `rows` of them.
OwnStatement firstScreenStatement();

// The fill of the main list, the same steps as fillList. A large list of every reservation
// (kFirstScreenRows or more) is shown in parts: its first screen, read through the names' index, at
// once; then the statement runs on a worker thread, through a reader of its own on the same
// database (Connection::reader), its rows kept apart from the rows shown and shown all together,
// in the list's order, at the end. Meanwhile the desk scrolls, selects, sorts and finds among the
// rows shown, and the connection stays free for its other work. Where no reader can be had, and
// for a refill of another list, the rows are read on the connection in slices between the
// window's events, and whatever else wants the connection first has the rest read
// (Connection::OpenRead). A smaller list is read at once, as fillList.
class ListFill : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstScreenRows = 500;

    struct Request {
        Dialogs* dialogs = nullptr;
        QString procedure;
        Connection* connection = nullptr;
        std::function<QString()> statement;
        std::function<void(int)> setPointer;
        // The statement lists every reservation: a large list may show its first screen first.
        bool everyReservation = false;
        // Shown: the first screen is in the model (only when the fill goes on after it).
        std::function<void()> shown;
        // Ended: every row is in the model, read at once or in parts (not called for a fill
        // that was stopped).
        std::function<void(bool inParts)> ended;
    };

    // The model must outlive the fill, or the fill be stopped before the model goes.
    explicit ListFill(ReservationModel& model, QObject* parent = nullptr);
    ~ListFill() override;

    // Starts a fill; one under way is stopped first. `keepShown`: the rows shown stay until the
    // new ones are all read (a refill), with no first screen of its own.
    void start(Request request, bool keepShown);
    // True from the first screen to the end of a fill in parts.
    bool running() const { return m_stage != Stage::Idle; }
    // Reads the rest of the fill now; a worker's read is waited for kFinishWaitMs at most, and
    // then read again here.
    void finish();
    // Ends the fill where it is, reading nothing more: the rows shown stay.
    void stop();

    // How long one slice of the rest reads before the window's events have their turn.
    static constexpr int kSliceMs = 15;
    // How long a stop waits for the worker to end; one still under way then ends by itself,
    // touching nothing of the fill.
    static constexpr int kStopWaitMs = 2000;
    static constexpr int kFinishWaitMs = 60000;

    // Worker threads of every fill that have not ended yet.
    static int workersRunning();

private:
    enum class Stage { Idle, Opening, Reading };
    struct Rest;
    void openRest();
    // The rest on a worker: false when there is no reader to read it with.
    bool readRestApart(const std::shared_ptr<Procedure>& proc);
    void readRestHere();
    void restRead(quint64 generation);
    static void readOnWorker(const std::shared_ptr<Rest>& rest, const ReaderFactory& open,
                             const QString& statement, quint64 generation);
    void stopWorker();
    // Reads rows until the end, or for the slice's time when `untilMs` is not negative.
    void readRows(int untilMs);
    void end(std::optional<ReservationModel::FillRows> rows = std::nullopt);
    bool readFirstScreen();

    ReservationModel& m_model;
    Request m_request;
    std::shared_ptr<Procedure> m_proc; // shared: a failing step's box may outlive the fill
    std::unique_ptr<ResultSet> m_rows;
    // The worker's read and its thread, while it runs.
    std::shared_ptr<Rest> m_rest;
    std::thread m_worker;
    Stage m_stage = Stage::Idle;
    QTimer m_slices;
    bool m_inSlice = false;
    quint64 m_generation = 0; // a new fill or a stop changes it
};

} // namespace corvanna
