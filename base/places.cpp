#include "base/places.h"

#include "base/dialogs.h"
#include "base/product.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvanna {

QString SpecialFolderPath(int folder) {
    if (folder != kCommonAppData) return {};
    QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).trimmed();
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    // The platform's folder always exists on the desk's original system; here it may not yet
    // (a fresh account without ~/.local/share), so it is made as the platform would have it.
    if (!path.isEmpty()) QDir().mkpath(path);
    return path;
}

bool PathExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool OrdinaryFileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QString Places::makerFolder() const {
    return commonDataFolder + QLatin1Char('/') + kMakerName;
}
QString Places::dataFolder() const {
    return makerFolder() + QLatin1Char('/') + kProductName;
}
QString Places::workingDatabase() const {
    return dataFolder() + QStringLiteral("/dbRooms.mdb");
}
QString Places::shippedDatabase() const {
    return programFile(QStringLiteral("dbRooms.mdb"));
}
QString Places::handPointerFile() const {
    return programFile(QStringLiteral("HAND-M.CUR"));
}
QString Places::skinFile() const {
    return programFile(QStringLiteral("x/o.cjs"));
}
QString Places::programFile(const QString& name) const {
    return programFolder + QLatin1Char('/') + name;
}

Places Places::current() {
    return {QCoreApplication::applicationDirPath(), SpecialFolderPath(kCommonAppData)};
}

QString shortenedTitle(const QString& productName) {
    QString title = productName;
    int blank = title.lastIndexOf(QLatin1Char(' '));
    if (blank >= 0) {
        do {
            title.truncate(blank);
            blank = title.lastIndexOf(QLatin1Char(' '));
        } while (title.size() > 40 && blank >= 0);
    }
    if (title.size() > 40) title.truncate(40);
    return title.isEmpty() ? productName.left(40) : title;
}

void ShortenAppTitle() {
    setApplicationTitle(shortenedTitle(kProductName));
}

} // namespace corvanna
