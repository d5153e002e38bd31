#pragma once

#include <QObject>

namespace corvanna {

// Tells when the program must close because the desktop session ends: the session manager's
// log-off or shutdown (commit data), the application quitting its event loop, or a request to
// terminate from the system (SIGTERM, or SIGHUP when the terminal or session goes away).
class SessionEnd : public QObject {
    Q_OBJECT
public:
    // The one instance of the running application, made on first use.
    static SessionEnd& instance();

signals:
    void ending();

private:
    SessionEnd();
    void readSignal();
    int m_readFd = -1;
};

} // namespace corvanna
