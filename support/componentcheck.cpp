#include "support/componentcheck.h"

#include "base/product.h"
#include "support/environment.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>

#include <QCoreApplication>

namespace corvanna {

namespace {

const QString kProbeConnection = QStringLiteral("IsADOInstalled.probe");
const QString kDriver = QStringLiteral("QSQLITE");

// The check reports nothing of its own: a step that fails is skipped.
template <class Body> void attempt(Body&& body) {
    try {
        body();
    } catch (...) {
    }
}

} // namespace

QString componentsHelpText() {
    return QCoreApplication::translate(
               "ComponentCheck",
               "Please check for MDAC installation.\r\n\r\nPlease check this: %1 and look for "
               "'How to obtain this update' section and download the appropriate update.\r\n\r\n"
               "Please email %2 with a screenshot of this message if you have any questions.")
        .arg(kDriverHelpLink, kSupportEmail);
}

QString updatePackageName(const QString& addressWidth) {
    return addressWidth == QStringLiteral("64") ? kUpdatePackage64 : kUpdatePackage86;
}

bool databaseComponentsPresent() {
    bool driver = false;
    bool connection = false;
    bool query = false;
    attempt([&] {
        driver = QSqlDatabase::isDriverAvailable(kDriver);
        // Both probes are made, whatever the first one gave.
        QSqlDatabase probe = QSqlDatabase::addDatabase(kDriver, kProbeConnection);
        connection = probe.isValid();
        {
            // An invalid connection would hand the query to the default connection instead, so
            // the query counts only when it works through the probe's own driver.
            QSqlQuery result(probe);
            query = connection && result.driver() != nullptr && result.driver() == probe.driver();
        }
    });
    attempt([] { QSqlDatabase::removeDatabase(kProbeConnection); });
    return driver && connection && query;
}

void checkDatabaseComponents(const ComponentCheck& check) {
    bool present = false;
    attempt([&] { present = check.componentsPresent(); });
    if (present) return;

    const auto showHelp = [&] { attempt([&] { check.dialogs.notify(componentsHelpText()); }); };

    bool repair = false;
    attempt([&] { repair = check.dialogs.ask(kComponentsMissingQuestion); });
    if (!repair) {
        showHelp();
        return;
    }

    QString width; // stays empty when the width cannot be read: the 32-bit package then
    attempt([&] { width = check.processorAddressWidth(); });
    const QString package = check.places.programFile(updatePackageName(width));
    if (!PathExists(package)) return;

    int exitCode = kExitCodeUnknown;
    attempt([&] { exitCode = check.runAndWait(QDir::toNativeSeparators(package), kHiddenWindow); });
    // A package that could not start or ended with an error repaired nothing.
    if (exitCode != 0) {
        showHelp();
        return;
    }

    bool stop = false;
    attempt([&] { stop = check.dialogs.ask(kComponentsFixedQuestion); });
    if (stop) attempt([&] { check.endProgram(); });
}

} // namespace corvanna
