#pragma once

#include "store/statements.h"

#include <QDate>
#include <QString>

namespace corvanna::bench {

// Builds a reservation database of `rows` rows with the program's schema: a hotel's history of
// twenty years up to `anchor`, plus bookings for the next three months. Guests come back (their
// name, phone, card and address repeat); names come from a large pool with apostrophes and
// accented letters. The same rows, anchor and seed always give the same file. Throws
// std::runtime_error when the engine refuses.
void generateDatabase(const QString& path, const QString& schemaFile, qint64 rows,
                      const QDate& anchor, quint64 seed);

// Creates an empty database with the program's schema.
void createEmptyDatabase(const QString& path, const QString& schemaFile);

// The reservation the save figures write: a three-night stay from today.
GuestValues savedGuest();

// A text that changes whenever the generator's output would: part of the cached files' names.
QString generatorTag(const QString& schemaFile);

} // namespace corvanna::bench
