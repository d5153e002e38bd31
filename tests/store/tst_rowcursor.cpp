// The store's row cursor: each value as the reader wants it, or as its text; and a list fed by
// a cursor of another engine.
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "tests/common/testsupport.h"

#include <QDate>
#include <QTemporaryDir>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

Q_DECLARE_METATYPE(CursorValue::Type)

namespace {
// A cursor over rows held in memory, as another engine would give them.
class MemoryCursor : public RowCursor {
public:
    std::vector<const char*> names;
    std::vector<std::vector<CursorValue>> rows;
    size_t at = 0;
    int columnCount() const override { return int(names.size()); }
    const char* columnName(int column) const override { return names[size_t(column)]; }
    CursorValue value(int column, CursorValue::Type) const override {
        return rows[at][size_t(column)];
    }
};

CursorValue text(const char* t) {
    return {CursorValue::Text, 0, t, qsizetype(qstrlen(t))};
}
} // namespace

class TestRowCursor : public QObject {
    Q_OBJECT
private slots:
    void valueAsWanted_data();
    void valueAsWanted();
    void columnsByPosition();
    void listReadsAnyCursor();
};

void TestRowCursor::valueAsWanted_data() {
    QTest::addColumn<QString>("literal");
    QTest::addColumn<CursorValue::Type>("wanted");
    QTest::addColumn<CursorValue::Type>("type");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QByteArray>("bytes");
    using V = CursorValue;
    QTest::newRow("whole number") << "42" << V::Integer << V::Integer << qint64(42) << QByteArray();
    QTest::newRow("smallest whole number") << "-9223372036854775808" << V::Integer << V::Integer
                                           << std::numeric_limits<qint64>::min() << QByteArray();
    QTest::newRow("digits stored as text")
        << "'42'" << V::Integer << V::Text << qint64(0) << QByteArray("42");
    QTest::newRow("fraction") << "2.5" << V::Integer << V::Text << qint64(0) << QByteArray("2.5");
    QTest::newRow("null number") << "null" << V::Integer << V::Null << qint64(0) << QByteArray();
    QTest::newRow("date") << "'2000-01-01'" << V::Day << V::Day << qint64(2451545) << QByteArray();
    QTest::newRow("leap day") << "'2024-02-29'" << V::Day << V::Day
                              << QDate(2024, 2, 29).toJulianDay() << QByteArray();
    QTest::newRow("no such day") << "'2023-02-29'" << V::Day << V::Text << qint64(0)
                                 << QByteArray("2023-02-29");
    QTest::newRow("year 0") << "'0000-01-01'" << V::Day << V::Text << qint64(0)
                            << QByteArray("0000-01-01");
    QTest::newRow("short date") << "'2000-1-1'" << V::Day << V::Text << qint64(0)
                                << QByteArray("2000-1-1");
    QTest::newRow("number in a date")
        << "20000101" << V::Day << V::Text << qint64(0) << QByteArray("20000101");
    QTest::newRow("accented text")
        << "'Émile'" << V::Text << V::Text << qint64(0) << QByteArray("Émile");
    QTest::newRow("number as text") << "7" << V::Text << V::Text << qint64(0) << QByteArray("7");
    QTest::newRow("empty text is not null")
        << "''" << V::Text << V::Text << qint64(0) << QByteArray("");
    QTest::newRow("null text") << "null" << V::Text << V::Null << qint64(0) << QByteArray();
}

void TestRowCursor::valueAsWanted() {
    QFETCH(QString, literal);
    QFETCH(CursorValue::Type, wanted);
    QFETCH(CursorValue::Type, type);
    QFETCH(qint64, number);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("values.mdb");
    // The connection opens only a file with the reservation table.
    execOn(path, "create table tblRooms (id integer primary key); create table t (v); "
                 "insert into t values (" +
                     literal + ")");
    Connection c("values");
    c.open("data source=" + path);
    ResultSet rs;
    rs.open("select v from t", c);
    const CursorValue v = rs.value(0, wanted);
    QCOMPARE(v.type, type);
    if (type == CursorValue::Text) {
        QCOMPARE(QByteArray(v.bytes, v.size), bytes);
    } else {
        QCOMPARE(v.number, number);
    }
    QCOMPARE(rs.isNull(0), type == CursorValue::Null);
}

void TestRowCursor::columnsByPosition() {
    QTemporaryDir dir;
    const QString path = dir.filePath("columns.mdb");
    execOn(path, "create table tblRooms (id integer primary key)");
    Connection c("columns");
    c.open("data source=" + path);
    ResultSet rs;
    rs.open("select 5 as Count, '2024-01-30' as [Check In], 'x' || 'y' as Joined", c);
    QCOMPARE(rs.columnCount(), 3);
    QCOMPARE(QByteArray(rs.columnName(1)), QByteArray("Check In"));
    QCOMPARE(rs.wholeNumber(0), qint64(5));
    QCOMPARE(rs.wholeNumber(2, -1), qint64(-1));
    QCOMPARE(rs.dayNumber(1), QDate(2024, 1, 30).toJulianDay());
    QCOMPARE(rs.dayNumber(0), qint64(0));
    QCOMPARE(rs.utf8(2), std::string_view("xy"));
}

// The list maps columns by name (any order, any case) and takes typed values as they come.
void TestRowCursor::listReadsAnyCursor() {
    MemoryCursor cursor;
    cursor.names = {"address",        "CHECKINDATE",  "id",           "GuestName",
                    "NoOfRooms",      "CheckOutDate", "Type",         "Accommodation",
                    "NoOfPersons",    "PhoneNumber",  "CreditCardNo", "CreditCardType",
                    "ServiceIncluded"};
    const qint64 jan30 = QDate(2024, 1, 30).toJulianDay();
    cursor.rows = {{text("1 Quay"),
                    {CursorValue::Day, jan30},
                    {CursorValue::Integer, 8},
                    text("Örjan"),
                    {CursorValue::Integer, 2},
                    text("soon"),
                    text("Double"),
                    text("Room"),
                    {},
                    text("555 01"),
                    text("4111"),
                    text("Visa"),
                    text("None")}};
    ReservationModel model;
    model.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    model.beginFill();
    model.append(cursor);
    model.endFill();
    QCOMPARE(model.rowCount(), 1);
    QStringList cells;
    for (int c = 0; c < ReservationModel::ColumnCount; ++c)
        cells << model.cellText(0, c);
    QCOMPARE(cells, QStringList({"8", "Örjan", "Room", "2", "Double", "None", "", "1/30/2024",
                                 "soon", "Visa", "••••", "555 01", "1 Quay"})); // card masked
    QCOMPARE(model.idAt(0), qint64(8));
}

QTEST_GUILESS_MAIN(TestRowCursor)
#include "tst_rowcursor.moc"
