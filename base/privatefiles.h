#pragma once

#include <QString>
#include <QStringList>

namespace corvanna {

// The guests' data (the database, its journal, the settings) is for the desk's own account only:
// folders 0700, files 0600.

// Makes one folder that only its owner may enter. Throws Failure "Path/File access error", or
// the system's words when the disk is full.
void makePrivateFolder(const QString& path);

// Copies a file to a new file that only its owner may read and write. A copy that cannot be
// completed (a full disk) is removed and throws Failure with the system's words.
void copyToPrivateFile(const QString& from, const QString& to);

// Narrows a file or folder that other accounts may use to its owner (a missing path is left
// alone). Returns the system's words when that fails, the empty text otherwise.
QString narrowToOwner(const QString& path);

// Narrows each existing path; throws one Failure naming every path that stays open to others.
void narrowAllToOwner(const QStringList& paths);

} // namespace corvanna
