#pragma once

#include <QString>
#include <QStringList>

namespace corvanna {

class SettingsStore;

// The settings key that holds the chosen server (no password); empty or absent: the file.
inline const QString kServerKey = QStringLiteral("Server");

// What the command line asks for. No arguments: the database chosen last time.
struct StartOptions {
    enum class Database { AsSaved, Server, Local };
    Database database = Database::AsSaved;
    QString server;       // --server TARGET
    QString copyToServer; // --copy-to-server TARGET: copy the file there and end
    QString error;        // an option without its target, or a target that is no server
    QStringList ignored;  // arguments that are none of the above (a file from "Open with")
};
StartOptions parseStartOptions(const QStringList& arguments); // without the program's name

// The usage text printed for a wrong command line.
QString startOptionsUsage();

// Applies the choice to the settings: --server keeps the server there (without its password),
// --local forgets it. Returns what this run opens: a server target, or empty for the file.
QString applyDatabaseChoice(const StartOptions& options, SettingsStore& settings);

// A libpq target as key=value text without its password, for keeping in the settings: the
// password lives in libpq's password file or environment, never in the program's settings.
// Throws Failure with libpq's words for a target it cannot read.
QString withoutPassword(const QString& target);

// Copies every reservation of a database file, and its inventory, to a server database in one
// transaction, ids kept, and sets the server's key past the highest id the file ever handed out.
// Refuses a server whose tables already hold rows. Returns the number of rows copied; throws
// Failure.
qint64 copyToServer(const QString& databaseFile, const QString& target);

} // namespace corvanna
