#pragma once

#include "store/statements.h"

#include <QDate>
#include <QString>

namespace corvanna::bench {

// Who stays at the generated hotel.
enum class DataShape {
    // A real hotel's guests: most come once, a few come back; each has a card and a phone of
    // their own, and an international clientele brings accents and other scripts.
    Hotel,
    // Few guests who come back about three times each (the first data set of the bench): card
    // numbers and phones repeat, names are Latin with accents.
    Repeating
};

// Builds a reservation database of `rows` rows with the program's schema: a hotel's history of
// twenty years up to `anchor`, plus bookings for the next three months, its guests as `shape`
// says; names come from large pools with apostrophes and accented letters. The same rows, shape,
// anchor and seed always give the same file. Throws std::runtime_error when the engine refuses.
void generateDatabase(const QString& path, const QString& schemaFile, qint64 rows,
                      const QDate& anchor, quint64 seed, DataShape shape = DataShape::Hotel);

// Creates an empty database with the program's schema.
void createEmptyDatabase(const QString& path, const QString& schemaFile);

// The reservation the save figures write: a three-night stay from today.
GuestValues savedGuest();

// A text that changes whenever the generator's output would: part of the cached files' names.
QString generatorTag(const QString& schemaFile);

} // namespace corvanna::bench
