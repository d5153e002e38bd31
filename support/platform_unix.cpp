#include "support/platform.h"

#include "support/environment.h"

#include <QByteArray>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace corvanna::platform {

namespace {

// Runtime error numbers of a failed start, the same on every system.
constexpr int kFileNotFound = 53;
constexpr int kPermissionDenied = 70;
constexpr int kInvalidCall = 5;

int startErrorOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return kFileNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ETXTBSY:
        return kPermissionDenied;
    default:
        return kInvalidCall;
    }
}

// Update packages are shell scripts here; the shell runs them as the system's update installer
// runs them elsewhere.
bool isUpdatePackage(const QString& program) {
    return program.endsWith(QStringLiteral(".msu"), Qt::CaseInsensitive);
}

} // namespace

bool hasDesktopDisplay() {
    // A platform chosen by hand (offscreen, vnc, ...) needs no display of its own.
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString processorAddressWidth() {
    // The kernel's machine name: a 32-bit build on a 64-bit system still sees the 64-bit name.
    utsname system{};
    if (uname(&system) != 0) return {};
    return addressWidthOfMachine(QString::fromLocal8Bit(system.machine));
}

StartedProgram startProgram(const QString& commandLine, int windowStyle) {
    Q_UNUSED(windowStyle) // a process here has no main window of its own to show

    const QString line = commandLine.trimmed();
    QString program;
    QStringList arguments;
    // A path alone, blanks and all. A package's path is never split into a program and its
    // arguments: a missing package must not start whatever its first word names.
    if (QFileInfo::exists(line) || isUpdatePackage(line)) {
        program = line;
    } else {
        arguments = QProcess::splitCommand(line);
        if (arguments.isEmpty()) return {0, kInvalidCall};
        program = arguments.takeFirst();
    }

    QStringList argv;
    if (isUpdatePackage(program)) {
        const QFileInfo package(program);
        if (!package.exists()) return {0, kFileNotFound};
        if (!package.isFile() || !package.isReadable()) return {0, kPermissionDenied};
        argv << QStringLiteral("/bin/sh") << QStringLiteral("--") << program;
    } else {
        argv << program;
    }
    argv << arguments;

    std::vector<QByteArray> encoded;
    encoded.reserve(size_t(argv.size()));
    for (const QString& argument : argv)
        encoded.push_back(argument.toLocal8Bit());
    std::vector<char*> pointers;
    for (QByteArray& argument : encoded)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    // Nothing to read from: a hidden program must not wait on the terminal the desk started from.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

    pid_t pid = 0;
    const int error =
        posix_spawnp(&pid, pointers[0], &actions, &attributes, pointers.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return {0, startErrorOf(error)};
    return {qint64(pid), 0};
}

std::optional<int> programExitCode(qint64 processId) {
    if (processId <= 0) return std::nullopt;
    int status = 0;
    pid_t result = 0;
    do
        result = waitpid(pid_t(processId), &status, WNOHANG);
    while (result < 0 && errno == EINTR);
    if (result == 0) return kStillActive;
    if (result < 0) return std::nullopt;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status); // as the shell reports a program ended by a signal
    return kStillActive;
}

} // namespace corvanna::platform
