#pragma once

#include "support/platform.h"

#include <QString>
#include <functional>
#include <optional>

namespace corvanna {

// "64" or "32" for the running system's processor, or the empty text when it cannot be told.
QString ProcessorAddressWidth();

// The address width of a Unix machine name as uname reports it ("x86_64" gives "64", "i686"
// gives "32"); the empty text for a name it does not know.
QString addressWidthOfMachine(const QString& machine);

// Window styles of RunAndWait (how the started program's main window shows).
constexpr int kHiddenWindow = 0;
constexpr int kDefaultWindowStyle = 6; // minimised without focus

// Added to the number of a start error, so that RunAndWait's failures stay negative.
constexpr int kStartErrorBase = -2147221504;

// What RunAndWait returns when the started process cannot be queried for its exit code: the
// program's outcome is unknown, so it must not read as a success (0).
constexpr int kExitCodeUnknown = -1;

// Styles outside 0 to 6 become the default style 6.
int clampWindowStyle(int windowStyle);

// How RunAndWait starts a program, reads its exit code and waits between reads.
struct ProgramControl {
    std::function<platform::StartedProgram(const QString& commandLine, int windowStyle)> start;
    std::function<std::optional<int>(qint64 processId)> exitCode;
    // Lets the user interface process its waiting events, then sleeps one poll period.
    std::function<void()> pause;
};

// The operating system's processes, polled every 100 milliseconds.
ProgramControl systemProgramControl();
constexpr int kPollMilliseconds = 100;

// Starts the command line with the window style, waits until the process ends (the user
// interface keeps processing its events every 100 milliseconds) and returns its exit code. When
// the process cannot be started, returns the start error's number + kStartErrorBase at once.
int RunAndWait(const QString& commandLine, int windowStyle = kDefaultWindowStyle);
int RunAndWait(const ProgramControl& control, const QString& commandLine,
               int windowStyle = kDefaultWindowStyle);

} // namespace corvanna
