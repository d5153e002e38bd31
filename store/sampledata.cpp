#include "sampledata.h"

namespace corvanna {

std::array<GuestValues, kSampleReservationCount> sampleReservations(const QDate& today) {
    const QString services = QStringLiteral("Breakfast, Lunch, Dinner, Security");
    const QString room = QStringLiteral("Room");

    struct Fixed {
        const char* guestName;
        int rooms;
        const char* type;
        int persons;
        int nights;
        const char* cardType;
        const char* cardNo;
        const char* phone;
        const char* address;
    };
    static constexpr Fixed kFixed[kSampleReservationCount] = {
        {"Zuveze Voridi", 1, "Single", 1, 1, "VISA", "0000 1234 5678 9101", "17021234567", "NY"},
        {"Rozud Vavuviz", 1, "Double", 2, 2, "MASTERCARD", "0123 4567 8910 1234", "", "LA"},
        {"Zize Zuvezud", 2, "Suite", 5, 4, "AMERICAN EXPRESS", "0098 7654 3210 9875", "", "NH"},
    };

    std::array<GuestValues, kSampleReservationCount> result;
    for (int i = 0; i < kSampleReservationCount; ++i) {
        const Fixed& f = kFixed[i];
        GuestValues& v = result[size_t(i)];
        v.guestName = QString::fromLatin1(f.guestName);
        v.accommodation = room;
        v.noOfRooms = QString::number(f.rooms);
        v.type = QString::fromLatin1(f.type);
        v.serviceIncluded = services;
        v.noOfPersons = QString::number(f.persons);
        v.checkIn = today;
        // A calendar date, so a stay running past a month's or a year's end lands in the next one.
        v.checkOut = today.addDays(f.nights);
        v.creditCardType = QString::fromLatin1(f.cardType);
        v.creditCardNo = QString::fromLatin1(f.cardNo);
        v.phoneNumber = QString::fromLatin1(f.phone);
        v.address = QString::fromLatin1(f.address);
    }
    return result;
}

} // namespace corvanna
