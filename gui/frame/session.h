#pragma once

#include "base/dialogs.h"
#include "base/failure.h"
#include "base/places.h"
#include "gui/backups/restoredialog.h"
#include "gui/stays/stayquestions.h"
#include "store/backup.h"
#include "store/connection.h"
#include "store/server/localcopy.h"
#include "support/componentcheck.h"
#include "support/environment.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

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
    // The PostgreSQL server this run keeps the reservations on (a libpq target); empty: the
    // database file.
    QString server;
    // The guest editor's public variable: empty to add, a reservation's id to edit. It outlives
    // each showing of the editor; every caller sets it before showing the editor.
    QString mHotelID;
    // Why this database cannot keep the inventory (empty when it can). The program then works
    // without inventory and tells the user once, when a window of the inventory first opens.
    QString inventoryUnavailable;
    bool inventoryNoticeGiven = false;
    // How long after a read of a server's local copy began the next may begin (tests shorten
    // it).
    int localCopyRefreshMs = LocalCopyKeeper::kRefreshEveryMs;
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

    // The file dialog of an export (the chosen path, or empty to cancel) and the print dialog
    // (true to print with the printer as set up). Unset: the platform's dialogs.
    std::function<QString(QWidget* parent, const QString& suggestedName)> saveFileName;
    std::function<bool(QWidget* parent, QPrinter& printer)> printDialog;
    // When the automatic backups are due, and whether a failed one has been reported.
    BackupSchedule backups;
    // The day's copy under way in the background.
    BackgroundCopy copying;
    // Shows the kept copies and returns the place of the chosen one, or -1 (tests replace it).
    std::function<int(const std::vector<BackupChoice>&, QWidget*)> chooseBackup =
        [](const std::vector<BackupChoice>& choices, QWidget* parent) {
            return chooseBackupCopy(choices, parent);
        };
    // The stays' questions: the unit a check-in or a move takes, and who cancels (tests replace
    // them). Nothing when the desk cancels the question.
    std::function<std::optional<UnitAnswer>(const UnitQuestion&, QWidget*)> chooseUnit =
        [](const UnitQuestion& question, QWidget* parent) { return askForUnit(question, parent); };
    std::function<std::optional<CancelReason>(const QString& guestName, QWidget*)>
        chooseCancelReason = [](const QString& guestName, QWidget* parent) {
            return askCancelReason(guestName, parent);
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
