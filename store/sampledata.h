#pragma once

#include "store/statements.h"

#include <QDate>
#include <array>

namespace corvanna {

// The example reservations the "Load Sample/Example Data" button adds, in the order they are
// inserted. All three check in on `today` and stay one, two and four nights.
constexpr int kSampleReservationCount = 3;
std::array<GuestValues, kSampleReservationCount> sampleReservations(const QDate& today);

} // namespace corvanna
