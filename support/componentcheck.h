#pragma once

#include "base/dialogs.h"
#include "base/places.h"

#include <QString>
#include <functional>

namespace corvanna {

// The questions and the help message of the database components check, with their CR LF breaks.
inline const QString kComponentsMissingQuestion =
    QStringLiteral("Error #193: ADO is not properly installed on this computer. \r\n"
                   "You need to have it installed to use this software without error.\r\n\r\n"
                   "Would you like to repair it now?");
inline const QString kComponentsFixedQuestion =
    QStringLiteral("ADO is fixed on this computer. \r\n"
                   "You need to restart your computer and software.\r\n\r\n"
                   "Would you like to stop software now?");
// Where the database drivers, and how to get them, are described.
inline const QString kDriverHelpLink = QStringLiteral("https://doc.qt.io/qt-6/sql-driver.html");
// Three paragraphs: what to check, where to read about it, whom to ask.
QString componentsHelpText();

// The update packages beside the program: one for 64-bit systems, one for all others.
inline const QString kUpdatePackage64 = QStringLiteral("ADOFix64.msu");
inline const QString kUpdatePackage86 = QStringLiteral("ADOFix86.msu");
// kUpdatePackage64 for the address width "64" exactly, else kUpdatePackage86.
QString updatePackageName(const QString& addressWidth);

// True when the database components work: the SQLite driver is there, a connection made with it
// reports itself valid and a query object can be made on that connection. Any failure counts as
// missing. The probe connection is opened for nothing and removed again.
bool databaseComponentsPresent();

// What the check needs around it. The functions are the real ones unless a test replaces them.
struct ComponentCheck {
    Dialogs& dialogs;
    Places places;
    std::function<bool()> componentsPresent;
    std::function<QString()> processorAddressWidth;
    std::function<int(const QString& commandLine, int windowStyle)> runAndWait;
    std::function<void()> endProgram; // ends the program at once, saving nothing
};

// The check of the database components, once per start. When they are missing it asks to repair
// them; on Yes it runs the update package for the processor's width from the program folder,
// hidden, and waits for it. Only a package that ended with exit code 0 counts as a repair, and
// then the user may stop the program to restart; a declined or failed repair shows the help
// message. A missing package skips the repair silently. The check shows no error report: a step
// that fails is skipped.
void checkDatabaseComponents(const ComponentCheck& check);

} // namespace corvanna
