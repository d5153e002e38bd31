#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The few things that differ between operating systems, each behind one small function. A build
// for another system adds its own implementation of these (platform_unix.cpp is the one for
// Linux and the other Unix-like systems).
namespace corvanna::platform {

// True when a desktop display is there to show windows on.
bool hasDesktopDisplay();

// The address width of the running system's processor as the operating system reports it:
// "64" or "32", or the empty text when it cannot be told.
QString processorAddressWidth();

// A program started by startProgram: its process identifier, or the runtime error number of a
// start that failed (53 file not found, 70 permission denied, 5 anything else).
struct StartedProgram {
    qint64 processId = 0;
    int startError = 0;
};

// Starts the command line as a new process whose main window is shown with the window style
// (0 hidden, 1 normal with focus, 2 minimised with focus, 3 maximised with focus, 4 normal
// without focus, 6 minimised without focus). Does not wait for it.
StartedProgram startProgram(const QString& commandLine, int windowStyle);

// The exit code of a program that startProgram started, kStillActive while it runs, nothing when
// the process cannot be queried. Once an exit code has been returned the process is gone.
std::optional<int> programExitCode(qint64 processId);

// What programExitCode returns for a process that has not ended yet.
constexpr int kStillActive = 259;

} // namespace corvanna::platform
