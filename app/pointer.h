#pragma once

#include <QCursor>
#include <QString>

namespace corvanna {

// Loads a Windows cursor file (.cur) as a pointer image, with the hot spot the file names.
// Throws Failure when the file cannot be read as a cursor.
QCursor loadCursorFile(const QString& path);

} // namespace corvanna
