#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace corvanna {

// The range every date picker of the program offers.
inline const QDate kEarliestPickerDate{1601, 1, 1};
inline const QDate kLatestPickerDate{9999, 12, 31};

// The user's short date form, with the year always in four digits: the desk keeps years of
// history, and a two-digit year cannot tell 1999 from 2099.
inline QString shortDateFormat(const QLocale& locale = QLocale()) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace corvanna
