#pragma once

#include <QString>

namespace corvanna {

// Names the program is known by; every place that shows or stores them reads them here.
inline const QString kProductName = QStringLiteral("Corvanna");
inline const QString kMakerName = QStringLiteral("Pellworth");
inline const QString kSupportEmail = QStringLiteral("support@pellworth.example");

// Text that opens the location line of every error report ("in Corvanna2021/08/31.Form1.listRooms
// ").
inline const QString kReportLocationPrefix = QStringLiteral("in Corvanna2021/08/31.");

// Twips per device-independent pixel: positions and sizes in the design are in twips.
constexpr int kTwipsPerPixel = 15;

} // namespace corvanna
