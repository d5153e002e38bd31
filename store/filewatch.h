#pragma once

#include <QtGlobal>

struct sqlite3;

namespace corvanna {

class Connection;

// Another program's commits to the working file, seen on the program's one connection. The
// engine's data version of a connection changes only when another connection committed to the
// file, never by the connection's own saves, so a save of this program is never taken for one.
class FileChangeWatch {
public:
    // True when another program committed a change to the file since the last call. The first
    // call on a connection only takes its version. Nothing is looked at while a statement or a
    // transaction of the connection is under way, nor on a server; a file that another program
    // is writing at this moment is looked at again at the next call, without waiting for it.
    bool takeChanges(Connection& connection);

private:
    sqlite3* m_db = nullptr;
    qint64 m_version = 0;
};

} // namespace corvanna
