#include "testsupport.h"

#include "base/failure.h"
#include "base/report.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sqlite3.h>

namespace corvanna::test {

QStringList ScriptedDialogs::texts() const {
    QStringList list;
    for (const Message& m : shown)
        list << m.text;
    return list;
}

Answer ScriptedDialogs::present(const Message& message) {
    shown.append(message);
    if (onShow) onShow(message);
    if (message.buttons == Buttons::Ok) return Answer::Ok;
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

std::optional<QString> ScriptedDialogs::askPassword(const QString& prompt, const QString& title) {
    passwordPrompts << title + QLatin1Char('|') + prompt;
    if (passwords.isEmpty()) return std::nullopt;
    return passwords.takeFirst();
}

TempPlaces::TempPlaces(bool withShippedDatabase) {
    QDir(root.path()).mkpath(QStringLiteral("program"));
    QDir(root.path()).mkpath(QStringLiteral("common"));
    places.programFolder = root.filePath(QStringLiteral("program"));
    places.commonDataFolder = root.filePath(QStringLiteral("common"));
    if (withShippedDatabase) createDatabase(places.shippedDatabase());
}

void createDatabase(const QString& path) {
    QFile schema(QStringLiteral(CORVANNA_SCHEMA));
    QVERIFY2(schema.open(QIODevice::ReadOnly), "schema.sql not readable");
    QFile::remove(path);
    execOn(path, QString::fromUtf8(schema.readAll()));
}

void createWorkingDatabase(const Places& places) {
    QDir().mkpath(places.dataFolder());
    createDatabase(places.workingDatabase());
}

void execOn(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    char* error = nullptr;
    const int rc = sqlite3_open(path.toUtf8().constData(), &db);
    // Waits, as programs do, for readers to finish: the program's whole-file check that start-up
    // began may still be reading.
    if (rc == SQLITE_OK) sqlite3_busy_timeout(db, 5000);
    const int rc2 =
        rc == SQLITE_OK ? sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) : rc;
    const QByteArray message = error ? QByteArray(error) : QByteArray(sqlite3_errmsg(db));
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(rc2 == SQLITE_OK, message.constData());
}

QStringList queryColumn(const QString& path, const QString& sql) {
    QStringList values;
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK)
        while (sqlite3_step(st) == SQLITE_ROW)
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                                        sqlite3_column_bytes(st, 0));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return values;
}

QString queryValue(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    QString value;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW && sqlite3_column_type(st, 0) != SQLITE_NULL)
            value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                                      sqlite3_column_bytes(st, 0));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return value;
}

GuestValues sampleGuest(const QString& name, const QDate& checkIn, const QDate& checkOut) {
    GuestValues v;
    v.guestName = name;
    v.accommodation = QStringLiteral("Room");
    v.noOfRooms = QStringLiteral("1");
    v.type = QStringLiteral("Single");
    v.serviceIncluded = QStringLiteral("Breakfast");
    v.noOfPersons = QStringLiteral("2");
    v.checkIn = checkIn;
    v.checkOut = checkOut;
    v.creditCardType = QStringLiteral("VISA");
    v.creditCardNo = QStringLiteral("4111 1111 1111 1111");
    v.phoneNumber = QStringLiteral("555 0100");
    v.address = QStringLiteral("1 Harbour Road");
    return v;
}

QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& f) {
        return f.description();
    }
    return {};
}

QString reportFor(const QString& description, const QString& procedure, int line) {
    return errorReportText(description, procedure, line);
}

} // namespace corvanna::test
