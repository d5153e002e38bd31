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

// Descriptions of the classic conversion failures, worded as the desk's staff have always seen
// them.
inline const QString kTypeMismatch = QStringLiteral("Type mismatch");
inline const QString kInvalidPropertyValue = QStringLiteral("Invalid property value");
inline const QString kOverflow = QStringLiteral("Overflow");

} // namespace corvanna
