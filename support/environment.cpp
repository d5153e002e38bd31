#include "support/environment.h"

#include <QCoreApplication>
#include <QThread>

namespace corvanna {

QString ProcessorAddressWidth() {
    return platform::processorAddressWidth();
}

QString addressWidthOfMachine(const QString& machine) {
    const QString name = machine.trimmed().toLower();
    if (name.isEmpty()) return {};
    // x86_64, aarch64, aarch64_be, ppc64le, mips64el, riscv64, ... and the two without a "64".
    if (name.contains(QStringLiteral("64")) || name == QStringLiteral("s390x") ||
        name == QStringLiteral("alpha"))
        return QStringLiteral("64");
    // i386 to i686, every 32-bit ARM (armv7l, armv6l, armhf, ...) and the older 32-bit families.
    static const QStringList narrow = {
        QStringLiteral("x86"),     QStringLiteral("ppc"),    QStringLiteral("powerpc"),
        QStringLiteral("s390"),    QStringLiteral("mips"),   QStringLiteral("mipsel"),
        QStringLiteral("sparc"),   QStringLiteral("parisc"), QStringLiteral("m68k"),
        QStringLiteral("riscv32"), QStringLiteral("sh4"),    QStringLiteral("microblaze")};
    const bool ia32 = name.size() == 4 && name.startsWith(QLatin1Char('i')) &&
                      name.endsWith(QStringLiteral("86")) && name[1] >= QLatin1Char('3') &&
                      name[1] <= QLatin1Char('6');
    if (ia32 || name.startsWith(QStringLiteral("arm")) || narrow.contains(name))
        return QStringLiteral("32");
    return {};
}

int clampWindowStyle(int windowStyle) {
    return windowStyle < 0 || windowStyle > 6 ? kDefaultWindowStyle : windowStyle;
}

ProgramControl systemProgramControl() {
    return {platform::startProgram, platform::programExitCode, [] {
                QCoreApplication::processEvents();
                QThread::msleep(kPollMilliseconds);
            }};
}

int RunAndWait(const QString& commandLine, int windowStyle) {
    return RunAndWait(systemProgramControl(), commandLine, windowStyle);
}

int RunAndWait(const ProgramControl& control, const QString& commandLine, int windowStyle) {
    const platform::StartedProgram started =
        control.start(commandLine, clampWindowStyle(windowStyle));
    if (started.startError != 0) return started.startError + kStartErrorBase;

    // Read, and only while the process still runs let the interface work and sleep: the wait
    // ends at the first read after the end, at most one poll period late.
    for (;;) {
        const std::optional<int> code = control.exitCode(started.processId);
        if (!code) return kExitCodeUnknown;
        if (*code != platform::kStillActive) return *code;
        control.pause();
    }
}

} // namespace corvanna
