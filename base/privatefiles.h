#pragma once

#include <QString>
#include <QStringList>

namespace corvanna {

// The guests' data (the database, its journal, the settings) is for the desk's own account: the
// program makes folders 0700 and files 0600. An administrator may share them with a group of staff
// accounts (0770, 0660); the start-up then takes away only what every other account may do.

// Makes one folder that only its owner may enter. Throws Failure "Path/File access error", or
// the system's words when the disk is full.
void makePrivateFolder(const QString& path);

// Copies a file to a new file that only its owner may read and write. A copy that cannot be
// completed (a full disk) is removed and throws Failure with the system's words.
void copyToPrivateFile(const QString& from, const QString& to);

// Takes from a folder (or a file) what accounts outside its owner and its group may do; the
// owner's and the group's rights, and the set-group-id and sticky bits, stay as they are. A
// missing path, a link or one of the other kind is left alone. Returns the system's words when
// that fails, else nothing.
QString narrowToOwner(const QString& path, bool folder);

// Narrows each existing folder and file so; throws one Failure naming every path that stays open
// to every account.
void narrowAllToOwner(const QStringList& folders, const QStringList& files);

} // namespace corvanna
