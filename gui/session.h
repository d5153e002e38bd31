#pragma once

#include "base/dialogs.h"
#include "base/failure.h"
#include "base/places.h"
#include "store/connection.h"
#include "support/componentcheck.h"
#include "support/environment.h"

#include <QString>
#include <functional>
#include <memory>

namespace corvanna {

// What the program's two windows share for one run.
struct Session {
    Session(Dialogs& dialogs, Places places)
        : dialogs(dialogs)
        , places(std::move(places)) {}

    Dialogs& dialogs;
    Places places;
    // dbConnection: created and opened at start-up, closed and released when the main window
    // closes.
    std::unique_ptr<Connection> dbConnection;
    // The guest editor's public variable: empty to add, a reservation's id to edit. It outlives
    // each showing of the editor; every caller sets it before showing the editor.
    QString mHotelID;
    // Why this database cannot keep the inventory (empty when it can). The program then works
    // without inventory and tells the user once, when a window of the inventory first opens.
    QString inventoryUnavailable;
    bool inventoryNoticeGiven = false;
    // What ending the program does (the executable quits its event loop; tests record it).
    std::function<void(int)> onEnd = [](int) {};
    bool ended = false;
    int exitCode = 0;
    // The database components check's probe, processor width and package runner (tests replace
    // them).
    std::function<bool()> databaseComponentsPresent = [] {
        return corvanna::databaseComponentsPresent();
    };
    std::function<QString()> processorAddressWidth = [] { return ProcessorAddressWidth(); };
    std::function<int(const QString&, int)> runAndWait = [](const QString& commandLine,
                                                            int windowStyle) {
        return RunAndWait(commandLine, windowStyle);
    };

    // Ends the program at once with the exit code; no further handler runs.
    void endProgram(int code) {
        ended = true;
        exitCode = code;
        onEnd(code);
    }

    // The open or closed connection; throws Failure when it was never created.
    Connection& connection() const {
        if (!dbConnection) throw Failure(kObjectVariableNotSet);
        return *dbConnection;
    }
};

} // namespace corvanna
