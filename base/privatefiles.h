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

// Narrows a folder (or a file) that other accounts may use to its owner; a missing path, or one
// of the other kind, is left alone. Returns the system's words when that fails, else nothing.
QString narrowToOwner(const QString& path, bool folder);

// Narrows each existing folder and file; throws one Failure naming every path that stays open
// to others.
void narrowAllToOwner(const QStringList& folders, const QStringList& files);

} // namespace corvanna
