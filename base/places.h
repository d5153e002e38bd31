#pragma once

#include <QString>

namespace corvanna {

// SpecialFolderPath for the all-users application data folder (folder number 35).
constexpr int kCommonAppData = 35;

// The path of a special folder without a trailing separator, or the empty text when the
// platform cannot tell it.
QString SpecialFolderPath(int folder);

// True when a file or a folder of that path exists; never fails.
bool PathExists(const QString& path);

// True when an ordinary, visible file of that path exists (hidden and system files do not count).
bool OrdinaryFileExists(const QString& path);

// Where the program finds its files: the program folder (the executable's) and the common data
// folder under which the working database lives. Paths are joined with "/", the separator Qt
// uses on every platform; messages show them as the platform writes them.
struct Places {
    QString programFolder;
    QString commonDataFolder;

    QString makerFolder() const;                    // common data folder + "/Pellworth"
    QString dataFolder() const;                     // maker folder + "/Corvanna"
    QString workingDatabase() const;                // data folder + "/dbRooms.mdb"
    QString shippedDatabase() const;                // program folder + "/dbRooms.mdb"
    QString handPointerFile() const;                // program folder + "/HAND-M.CUR"
    QString skinFile() const;                       // program folder + "/x/o.cjs"
    QString programFile(const QString& name) const; // program folder + "/" + name

    // The places of the running program.
    static Places current();
};

// Shortens the product name to the application title: drops the last word at least once and
// until at most 40 characters remain. A name without a blank is kept (cut to 40 characters).
QString shortenedTitle(const QString& productName);

// Sets the application title from the product name.
void ShortenAppTitle();

} // namespace corvanna
