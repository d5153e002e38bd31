#include "base/privatefiles.h"

#include "base/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

#include <QCoreApplication>

namespace corvanna {

namespace {

constexpr QFile::Permissions kPrivateFile =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

} // namespace

void makePrivateFolder(const QString& path) {
    if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0) return;
    const int error = errno;
    // A full disk is said as the system says it; other failures keep the classic words.
    if (error == ENOSPC || error == EDQUOT) throw Failure(qt_error_string(error));
    throw Failure(kPathFileAccessError);
}

void copyToPrivateFile(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) throw Failure(source.errorString());
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivateFile))
        throw Failure(QFileInfo(QFileInfo(to).absolutePath()).isDir()
                          ? target.errorString()
                          : QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Path not found")));
    QString failure;
    while (failure.isEmpty() && !source.atEnd()) {
        const QByteArray block = source.read(1 << 16);
        if (source.error() != QFileDevice::NoError)
            failure = source.errorString();
        else if (target.write(block) != block.size())
            failure = target.errorString();
    }
    if (failure.isEmpty() && !target.flush()) failure = target.errorString();
    target.close();
    if (failure.isEmpty() && target.error() != QFileDevice::NoError) failure = target.errorString();
    if (failure.isEmpty()) return;
    // Half a database is worse than none: the next start copies it again.
    target.remove();
    throw Failure(failure);
}

QString narrowToOwner(const QString& path, bool folder) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Only the program's own folder or file: a link or something else in its place is left alone.
    if (::lstat(name.constData(), &info) != 0 ||
        !(folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode)))
        return {};
    // The group's rights are an administrator's choice (staff accounts sharing the data); the
    // set-group-id bit of a shared folder keeps new files in that group.
    const mode_t mode = info.st_mode & 07777;
    if (!(mode & S_IRWXO)) return {};
    if (::chmod(name.constData(), mode & ~mode_t(S_IRWXO)) == 0) return {};
    return qt_error_string(errno);
}

void narrowAllToOwner(const QStringList& folders, const QStringList& files) {
    QStringList failures;
    for (const QString& path : folders + files) {
        const QString failure = narrowToOwner(path, folders.contains(path));
        if (!failure.isEmpty())
            failures << QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), failure);
    }
    if (!failures.isEmpty())
        throw Failure(
            QCoreApplication::translate("PrivateFiles", "Other accounts can still read %1")
                .arg(failures.join(QStringLiteral(", "))));
}

} // namespace corvanna
