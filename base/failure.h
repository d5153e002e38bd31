#pragma once

#include <QString>
#include <exception>

namespace corvanna {

// A step that cannot be done. The description is what the error report shows: for database
// errors the engine's own words, for others the short description of what went wrong.
class Failure : public std::exception {
public:
    explicit Failure(QString description)
        : m_description(std::move(description)) {}
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return "corvanna::Failure"; }

private:
    QString m_description;
};

// Descriptions of the classic failures, worded as the desk's staff have always seen them; the
// error report shows them in the desk's language.
inline const QString kTypeMismatch =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Type mismatch"));
inline const QString kInvalidPropertyValue =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Invalid property value"));
inline const QString kOverflow = QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Overflow"));
inline const QString kPathFileAccessError =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Path/File access error"));
inline const QString kFileNotFound =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "File not found"));
inline const QString kInvalidPicture =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Invalid picture"));
inline const QString kPermissionDenied =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Permission denied"));
inline const QString kIndexOutOfBounds =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Index out of bounds"));
inline const QString kObjectRequired =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Object required"));
inline const QString kInvalidUseOfNull =
    QString::fromLatin1(QT_TRANSLATE_NOOP("Failure", "Invalid use of Null"));
inline const QString kObjectVariableNotSet = QString::fromLatin1(
    QT_TRANSLATE_NOOP("Failure", "Object variable or With block variable not set"));
inline const QString kObjectClosed = QString::fromLatin1(
    QT_TRANSLATE_NOOP("Failure", "Operation is not allowed when the object is closed."));
inline const QString kCommandTextNotSet = QString::fromLatin1(
    QT_TRANSLATE_NOOP("Failure", "Command text was not set for the command object."));

} // namespace corvanna
