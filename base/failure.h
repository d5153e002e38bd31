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

// Descriptions of the classic failures, worded as the desk's staff have always seen them.
inline const QString kTypeMismatch = QStringLiteral("Type mismatch");
inline const QString kInvalidPropertyValue = QStringLiteral("Invalid property value");
inline const QString kOverflow = QStringLiteral("Overflow");
inline const QString kPathFileAccessError = QStringLiteral("Path/File access error");
inline const QString kFileNotFound = QStringLiteral("File not found");
inline const QString kInvalidPicture = QStringLiteral("Invalid picture");
inline const QString kPermissionDenied = QStringLiteral("Permission denied");
inline const QString kIndexOutOfBounds = QStringLiteral("Index out of bounds");
inline const QString kObjectRequired = QStringLiteral("Object required");
inline const QString kInvalidUseOfNull = QStringLiteral("Invalid use of Null");
inline const QString kObjectVariableNotSet =
    QStringLiteral("Object variable or With block variable not set");
inline const QString kObjectClosed =
    QStringLiteral("Operation is not allowed when the object is closed.");
inline const QString kCommandTextNotSet =
    QStringLiteral("Command text was not set for the command object.");

} // namespace corvanna
