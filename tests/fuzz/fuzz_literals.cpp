// Fuzz target for the literal rules and the date translation. Oracle: whatever the texts of a
// reservation hold, the insert and the update built from them store exactly those texts, the
// counts and the dates as written (NUL characters too), one row per insert, and nothing else
// changes.
#include "store/literals.h"
#include "store/statements.h"

#include <QDate>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <string>

using namespace corvanna;

namespace {

[[noreturn]] void fail(const char* what, const QString& detail = QString()) {
    std::fprintf(stderr, "oracle: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

sqlite3* database() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        QFile schema(QStringLiteral(CORVANNA_SCHEMA));
        if (!schema.open(QIODevice::ReadOnly) || sqlite3_open(":memory:", &d) != SQLITE_OK ||
            sqlite3_exec(d, schema.readAll().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail("cannot set up the database");
        return d;
    }();
    return db;
}

// Runs a statement as the connection does: the text as UTF-8 with its length.
bool run(const QString& statement) {
    const QByteArray sql = translateDates(statement).toUtf8();
    sqlite3_stmt* st = nullptr;
    const char* tail = nullptr;
    bool ok =
        sqlite3_prepare_v2(database(), sql.constData(), int(sql.size()), &st, &tail) == SQLITE_OK &&
        st && sqlite3_step(st) == SQLITE_DONE;
    // One statement only: nothing may follow it.
    if (ok && tail && QByteArray(tail, sql.constData() + sql.size() - tail).trimmed().size() > 0)
        fail("text after the statement", statement);
    sqlite3_finalize(st);
    return ok;
}

QString single(const char* sql) {
    sqlite3_stmt* st = nullptr;
    QString value;
    if (sqlite3_prepare_v2(database(), sql, -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                                  sqlite3_column_bytes(st, 0));
    sqlite3_finalize(st);
    return value;
}

QString text(FuzzedDataProvider& in) {
    return QString::fromUtf8(QByteArray::fromStdString(in.ConsumeRandomLengthString(120)));
}

QDate date(FuzzedDataProvider& in) {
    static const qint64 first = QDate(1601, 1, 1).toJulianDay();
    static const qint64 last = QDate(9999, 12, 31).toJulianDay();
    return QDate::fromJulianDay(in.ConsumeIntegralInRange<qint64>(first, last));
}

GuestValues values(FuzzedDataProvider& in) {
    GuestValues v;
    v.guestName = text(in);
    v.accommodation = text(in);
    v.type = text(in);
    v.serviceIncluded = text(in);
    v.creditCardType = text(in);
    v.creditCardNo = text(in);
    v.phoneNumber = text(in);
    v.address = text(in);
    // The editor hands over counts as the digits of a whole number only.
    v.noOfRooms = QString::number(in.ConsumeIntegralInRange<int>(0, 999999999));
    v.noOfPersons = QString::number(in.ConsumeIntegralInRange<int>(0, 999999999));
    v.checkIn = date(in);
    v.checkOut = date(in);
    return v;
}

// The stored row, each column as text, in the order of GuestValues.
QStringList storedRow(qint64 id) {
    const QByteArray sql =
        "select GuestName, Accommodation, NoOfRooms, Type, ServiceIncluded, NoOfPersons, "
        "CheckInDate, CheckOutDate, CreditCardType, CreditCardNo, PhoneNumber, Address, "
        "typeof(NoOfRooms), typeof(NoOfPersons) from tblRooms where id=" +
        QByteArray::number(id);
    sqlite3_stmt* st = nullptr;
    QStringList row;
    if (sqlite3_prepare_v2(database(), sql.constData(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        for (int i = 0; i < 14; ++i)
            row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                     sqlite3_column_bytes(st, i));
    sqlite3_finalize(st);
    return row;
}

QStringList expectedRow(const GuestValues& v) {
    return {v.guestName,
            v.accommodation,
            v.noOfRooms,
            v.type,
            v.serviceIncluded,
            v.noOfPersons,
            v.checkIn.toString(QStringLiteral("yyyy-MM-dd")),
            v.checkOut.toString(QStringLiteral("yyyy-MM-dd")),
            v.creditCardType,
            v.creditCardNo,
            v.phoneNumber,
            v.address,
            QStringLiteral("integer"),
            QStringLiteral("integer")};
}

void checkRow(qint64 id, const GuestValues& v, const QString& statement) {
    const QStringList stored = storedRow(id);
    const QStringList expected = expectedRow(v);
    if (stored != expected)
        fail("stored row differs",
             statement + QStringLiteral("\nstored:   ") + stored.join(QStringLiteral(" | ")) +
                 QStringLiteral("\nexpected: ") + expected.join(QStringLiteral(" | ")));
}

// The translation alone: a date literal becomes its ISO text, text without '#' stays as it is,
// and no quoted text is ever changed.
void checkTranslation(const QString& raw, const QDate& day) {
    if (!raw.contains(QLatin1Char('#')) && translateDates(raw) != raw)
        fail("text without a date changed", raw);
    const QString quoted = quoteText(raw);
    if (translateDates(quoted) != quoted) fail("quoted text changed", raw);
    const QString iso =
        QLatin1Char('\'') + day.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
    if (translateDates(dateLiteral(day)) != iso)
        fail("date literal translated wrongly", dateLiteral(day));
    if (translateDates(quoted + dateLiteral(day) + quoted) != quoted + iso + quoted)
        fail("date literal between texts translated wrongly", raw);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const GuestValues first = values(in);
    const GuestValues second = values(in);
    checkTranslation(first.guestName, first.checkIn);

    static const QString schema = single("select group_concat(sql) from sqlite_master");
    const QString rowsBefore = single("select count(*) from tblRooms");

    const QString insert = statements::insert(first);
    if (!run(insert))
        fail("insert failed",
             insert + QStringLiteral("\n") + QString::fromUtf8(sqlite3_errmsg(database())));
    const qint64 id = sqlite3_last_insert_rowid(database());
    if (single("select count(*) from tblRooms").toInt() != rowsBefore.toInt() + 1)
        fail("the insert did not add exactly one row", insert);
    checkRow(id, first, insert);

    const QString update = statements::update(second, QString::number(id));
    if (!run(update))
        fail("update failed",
             update + QStringLiteral("\n") + QString::fromUtf8(sqlite3_errmsg(database())));
    if (sqlite3_changes(database()) != 1) fail("the update did not change exactly one row", update);
    checkRow(id, second, update);
    if (single("select group_concat(sql) from sqlite_master") != schema)
        fail("the schema changed", insert);
    sqlite3_exec(database(), "delete from tblRooms", nullptr, nullptr, nullptr);
    return 0;
}
