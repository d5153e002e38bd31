#include "gui/frame/sessionend.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>

#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace corvanna {

#ifdef Q_OS_UNIX
namespace {
// A signal handler may only write to a descriptor; the event loop reads the other end.
int s_signalWriteFd = -1;

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_signalWriteFd, &byte, 1);
}
} // namespace
#endif

SessionEnd& SessionEnd::instance() {
    static SessionEnd* const relay = new SessionEnd; // lives as long as the application
    return *relay;
}

SessionEnd::SessionEnd()
    : QObject(QCoreApplication::instance()) {
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
#if QT_CONFIG(sessionmanager)
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { emit ending(); });
#endif
    }
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &SessionEnd::ending);

#ifdef Q_OS_UNIX
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return; // the default action (ending at once) stays in place
    s_signalWriteFd = fds[0];
    m_readFd = fds[1];
    auto* notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignal);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
#endif
}

void SessionEnd::readSignal() {
#ifdef Q_OS_UNIX
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(m_readFd, &byte, 1);
#endif
    emit ending();
}

} // namespace corvanna
