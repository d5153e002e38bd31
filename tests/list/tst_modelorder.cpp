// The list's typed values and their order: dates read from the stored text, numbers and dates
// sorted by value (sparse, negative, null, not of their kind), many names by the collation, the
// selection kept on its reservation, and fills told to the view as rows removed and inserted.
#include "base/report.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"

#include <QAbstractItemModelTester>
#include <QCollator>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>

using namespace corvanna;
using namespace corvanna::test;

class TestModelOrder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void dateCells_data();
    void dateCells();
    void datesSortByDay_data();
    void datesSortByDay();
    void numbersSortByValue_data();
    void numbersSortByValue();
    void manyNamesFollowTheCollation_data();
    void manyNamesFollowTheCollation();
    void textSortsFollowTheCollation_data();
    void textSortsFollowTheCollation();
    void fillsOrderNamesByTheCollation_data();
    void fillsOrderNamesByTheCollation();
    void selectionFollowsTheReservation();
    void refillsAreRowsRemovedAndInserted();

private:
    void fill(const QString& statement);
    QStringList column(int c) const;
    // A table like tblRooms but without its checks, as a file from elsewhere may hold.
    void createLooseTable();

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Connection> m_connection;
    ReservationModel m_model;
    ScriptedDialogs m_dialogs;
};

void TestModelOrder::init() {
    m_connection.reset();
    m_path = m_dir.filePath("order.mdb");
    createDatabase(m_path);
    m_connection = std::make_unique<Connection>("order");
    m_connection->open("data source=" + m_path);
    m_model.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    m_model.setSortState(false, 0, 0);
    fill("select * from tblRooms");
    m_dialogs.clear();
}

void TestModelOrder::fill(const QString& statement) {
    Procedure proc(m_dialogs, "Form1.listRooms");
    fillList(
        proc, m_model, m_connection.get(), [&] { return statement; }, [](int) {});
    QVERIFY2(m_dialogs.shown.isEmpty(), qPrintable(m_dialogs.texts().join('\n')));
}

QStringList TestModelOrder::column(int c) const {
    QStringList cells;
    for (int r = 0; r < m_model.rowCount(); ++r)
        cells << m_model.cellText(r, c);
    return cells;
}

void TestModelOrder::createLooseTable() {
    m_connection->execute("create table loose (id integer primary key, GuestName, NoOfRooms, "
                          "NoOfPersons, CheckInDate, CheckOutDate)");
}

void TestModelOrder::dateCells_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("leap day") << "2024-02-29"
                              << "2/29/2024";
    QTest::newRow("leap day of a 400th year") << "2000-02-29"
                                              << "2/29/2000";
    QTest::newRow("no leap day in 1900") << "1900-02-29"
                                         << "1900-02-29";
    QTest::newRow("April has 30 days") << "2023-04-31"
                                       << "2023-04-31";
    QTest::newRow("month 13") << "2024-13-01"
                              << "2024-13-01";
    QTest::newRow("year 0 does not exist") << "0000-01-01"
                                           << "0000-01-01";
    QTest::newRow("last day the pickers take") << "9999-12-31"
                                               << "12/31/9999";
    QTest::newRow("first day the pickers take") << "1601-01-01"
                                                << "1/1/1601";
    QTest::newRow("digits missing") << "2024-1-05"
                                    << "2024-1-05";
    QTest::newRow("a time of day") << "2024-01-05 10:00"
                                   << "2024-01-05 10:00";
}

void TestModelOrder::dateCells() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    createLooseTable();
    m_connection->execute("insert into loose (id, CheckInDate, CheckOutDate) values (1, '" +
                          stored + "', '2024-03-01')");
    fill("select * from loose");
    QCOMPARE(m_model.cellText(0, ReservationModel::CheckInDate), shown);
    QCOMPARE(m_model.cellText(0, ReservationModel::CheckOutDate), QStringLiteral("3/1/2024"));
}

void TestModelOrder::datesSortByDay_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("ids");
    // Nulls, then dates by day (equal days in fill order), then what is not a date.
    QTest::newRow("ascending") << 1 << QStringList{"4", "6", "2", "1", "7", "5", "3"};
    QTest::newRow("descending") << 2 << QStringList{"3", "5", "1", "7", "2", "6", "4"};
}

void TestModelOrder::datesSortByDay() {
    QFETCH(int, clicks);
    QFETCH(QStringList, ids);
    createLooseTable();
    m_connection->execute("insert into loose (id, CheckInDate) values (1, '2024-01-10'), "
                          "(2, '2023-12-31'), (3, 'soon'), (4, null), (5, '2024-02-29'), "
                          "(6, '1999-05-01'), (7, '2024-01-10')");
    fill("select * from loose");
    for (int k = 0; k < clicks; ++k)
        m_model.columnClick(ReservationModel::CheckInDate + 1);
    QCOMPARE(column(ReservationModel::Id), ids);
}

void TestModelOrder::numbersSortByValue_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("ids far apart and negative")
        << 1 << 1 << QStringList{"-4611686018427387904", "-3", "5", "70", "9000000000",
                                 "4611686018427387904"};
    QTest::newRow("ids far apart, descending")
        << 1 << 2 << QStringList{"4611686018427387904", "9000000000", "70", "5", "-3",
                                 "-4611686018427387904"};
    QTest::newRow("rooms: null, numbers, then text")
        << 4 << 1 << QStringList{"", "-1", "1", "3", "3", "two"};
    QTest::newRow("rooms descending") << 4 << 2 << QStringList{"two", "3", "3", "1", "-1", ""};
}

void TestModelOrder::numbersSortByValue() {
    QFETCH(int, index);
    QFETCH(int, clicks);
    QFETCH(QStringList, shown);
    createLooseTable();
    m_connection->execute("insert into loose (id, NoOfRooms) values (9000000000, 3), (-3, null), "
                          "(70, 'two'), (5, 1), (4611686018427387904, 3), "
                          "(-4611686018427387904, -1)");
    fill("select * from loose order by id % 7"); // not in id order
    for (int k = 0; k < clicks; ++k)
        m_model.columnClick(index);
    QCOMPARE(column(index - 1), shown);
}

void TestModelOrder::manyNamesFollowTheCollation_data() {
    QTest::addColumn<QString>("statement");
    // By name, equal names arrive together; by id they are scattered through the fill.
    QTest::newRow("filled by name") << statements::selectAll();
    QTest::newRow("filled by id") << QStringLiteral("select * from tblRooms order by id");
}

void TestModelOrder::manyNamesFollowTheCollation() {
    QFETCH(QString, statement);
    const QStringList first = {"Zoë",    "zoe",    "Åsa",    "asa",   "Émile",
                               "emile",  "Iñaki",  "O'Neil", "Oneil", "de la Cruz",
                               "Łukasz", "lukasz", "Ann",    "ann",   "ANN"};
    const QStringList last = {"Müller",   "muller", "O'Brien",      "Obrien",
                              "Smith",    "smith",  "van der Berg", "Vanderberg",
                              "Ødegaard", "Zeta",   "Ångström"};
    QRandomGenerator random(7);
    QString sql = "begin;";
    const int rows = 3000;
    for (int i = 0; i < rows; ++i) {
        QString name = first[random.bounded(first.size())] + ' ' +
                       last[random.bounded(last.size())] + ' ' +
                       QString::number(random.bounded(150));
        sql += "insert into tblRooms (GuestName) values ('" + name.replace("'", "''") + "');";
    }
    execOn(m_path, sql + "commit;");
    fill(statement);
    const QStringList fillIds = column(ReservationModel::Id);
    QCOMPARE(fillIds.size(), rows);

    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (const bool descending : {false, true}) {
        m_model.columnClick(ReservationModel::GuestName + 1);
        QCOMPARE(m_model.sortOrder(), descending ? 1 : 0);
        const QStringList names = column(ReservationModel::GuestName);
        const QStringList ids = column(ReservationModel::Id);
        QCOMPARE(names.size(), rows);
        for (int r = 1; r < rows; ++r) {
            const int order = collator.compare(names[r - 1], names[r]);
            QVERIFY2(descending ? order >= 0 : order <= 0,
                     qPrintable(names[r - 1] + " / " + names[r]));
            if (order == 0) // equal names keep the order of the fill
                QVERIFY2(fillIds.indexOf(ids[r - 1]) < fillIds.indexOf(ids[r]),
                         qPrintable(names[r - 1] + " / " + names[r]));
        }
    }
}

void TestModelOrder::textSortsFollowTheCollation_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("texts"); // "<null>" stands for a null
    QTest::newRow("digits and blanks")
        << "en_US"
        << QStringList{"4111 1111", "41111111", "4111  1111", "",    "<null>",  "0", "00", " 1",
                       "10",        "9",        "4111 1111",  "1 0", "4111 111"};
    QTest::newRow("signs, case and digits")
        << "en_US" << QStringList{"O'Neil", "O-Neil", "Oneil", "o neil", "ONEIL", "Mc Kay", "McKay",
                                  "a_b",    "a.b",    "A~",    "a1",     "a10",   "a2",     "a\tb",
                                  "ab",     "a b",    "a,b",   "(a)",    "#1"};
    QTest::newRow("accents among ASCII")
        << "en_US" << QStringList{"Zoe", "Émile", "emile",  "Zoë", "éva",  "Eva", "Örjan", "Orjan",
                                  "Zz",  "",      "<null>", "Ærø", "Aero", "ß",   "ss",    "st"};
    QTest::newRow("accents at several places")
        << "en_US" << QStringList{"éa", "eá", "ea", "ÉA", "eà", "èa", "ëë", "ee", "e",  "é", "Eé",
                                  "f",  "ǖ",  "ü",  "u",  "üa", "ua", "Ǖa", "ŀl", "ll", "Ł", "Lz"};
    QTest::newRow("French of Canada, accents from the end")
        << "fr_CA" << QStringList{"côté", "cote", "côte", "coté", "Cote", "CÔTÉ", "cotes"};
    QTest::newRow("German sharp s")
        << "de_DE"
        << QStringList{"Straße", "Strasse", "ß", "ss", "st", "Straßen", "Strassen", "sr"};
    QTest::newRow("Danish aa after z")
        << "da_DK" << QStringList{"Aase", "Aaron", "Ab", "Åse", "Zeta", "aa", "az", "Å"};
    QTest::newRow("Turkish dotted and dotless i")
        << "tr_TR" << QStringList{"Ilgaz", "ılık", "İstanbul", "istanbul", "Irmak", "ibis", "I"};
    QTest::newRow("Czech ch after h")
        << "cs_CZ" << QStringList{"Chrudim", "Hruby", "Cibulka", "Czech", "chata", "h", "ch"};
    QTest::newRow("Swedish") << "sv_SE" << QStringList{"Örjan", "Zeta", "Åsa", "Ärla",
                                                       "Vik",   "Wik",  "Aa",  "Oz"};
    // Enough texts that they are dealt into buckets by their first weights, many alike in their
    // first eight, some repeated.
    QRandomGenerator random(11);
    const auto digits = [&](int n) {
        QString d;
        for (int i = 0; i < n; ++i)
            d += QChar(u'0' + random.bounded(10));
        return d;
    };
    const QStringList words = {"Émile", "emile",  "EMILE", "Zoë",  "zoe",  "Åsa",    "asa",
                               "Ærø",   "O'Neil", "oneil", "Иван", "王伟", "Nguyễn", "Ωmega"};
    QStringList many;
    for (int i = 0; i < 1500; ++i) {
        if (i % 7 == 6) {
            many << many[random.bounded(many.size())];
            continue;
        }
        switch (i % 3) {
        case 0:
            many << "4111 2222 " + digits(4) + ' ' + digits(random.bounded(5));
            break;
        case 1:
            many << "41112222" + digits(random.bounded(9)) + (i % 2 ? " " : "");
            break;
        default:
            many << (i % 5 == 2 ? QString()
                     : i % 5 == 4
                         ? QString("<null>")
                         : words[random.bounded(words.size())] + ' ' + digits(random.bounded(3)));
        }
    }
    QTest::newRow("many alike") << "en_US" << many;
}

// A text column sorted by the list against the collation's own comparison of the same texts,
// equal texts in the order of the fill.
void TestModelOrder::textSortsFollowTheCollation() {
    QFETCH(QString, locale);
    QFETCH(QStringList, texts);
    QString sql = "begin;";
    for (const QString& t : texts) {
        QString q = t;
        sql += "insert into tblRooms (PhoneNumber) values (" +
               (t == "<null>" ? QString("null") : "'" + q.replace("'", "''") + "'") + ");";
    }
    execOn(m_path, sql + "commit;");
    m_model.setLocale(QLocale(locale));
    fill("select * from tblRooms order by id");
    QCollator collator{QLocale(locale)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (const bool descending : {false, true}) {
        QList<int> expected(texts.size());
        std::iota(expected.begin(), expected.end(), 0);
        const auto textOf = [&](int i) { return texts[i] == "<null>" ? QString() : texts[i]; };
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const int c = collator.compare(textOf(a), textOf(b));
            return descending ? c > 0 : c < 0;
        });
        QStringList wanted;
        for (const int i : expected)
            wanted << QString::number(i + 1);
        m_model.columnClick(ReservationModel::PhoneNumber + 1);
        QCOMPARE(m_model.sortOrder(), descending ? 1 : 0);
        QCOMPARE(column(ReservationModel::Id), wanted);
    }
}

// With guest-name order on, both fills show the names in the collation (the engine folds only
// ASCII), equal names in the engine's order, the first of them selected.
void TestModelOrder::fillsOrderNamesByTheCollation_data() {
    QTest::addColumn<QString>("statement");
    QTest::newRow("Show All") << statements::selectAll();
    QTest::newRow("date range") << statements::selectRange(QDate(2024, 3, 1), QDate(2024, 3, 31));
}

void TestModelOrder::fillsOrderNamesByTheCollation() {
    QFETCH(QString, statement);
    const QStringList names = {"Zoe",  "Émile", "zoe",   "éva", "Örjan",  "Eva",  "Zoë",
                               "Anna", "anna",  "Orjan", "",    "O'Neil", "Oneil"};
    for (const QString& n : names) {
        GuestValues v = sampleGuest(n, QDate(2024, 3, 10), QDate(2024, 3, 12));
        m_connection->execute(statements::insert(v));
    }
    m_model.setGuestNameOrder(true);
    fill(statement);
    m_model.setGuestNameOrder(false);
    // The engine's order (ASCII letters folded), then stably by the collation.
    QStringList engine;
    const QString byName = queryValue(
        m_path, "select group_concat(id, ',') from (select id from tblRooms order by GuestName)");
    for (const QString& id : byName.split(','))
        engine << id;
    QCollator collator{QLocale(QLocale::English, QLocale::UnitedStates)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList expected = engine;
    std::stable_sort(expected.begin(), expected.end(), [&](const QString& a, const QString& b) {
        return collator.compare(names[a.toInt() - 1], names[b.toInt() - 1]) < 0;
    });
    QCOMPARE(column(ReservationModel::Id), expected);
    QVERIFY(!m_model.sorted());
    QCOMPARE(m_model.firstAddedRow(), 0);
    QCOMPARE(m_model.cellText(0, ReservationModel::GuestName), QString());
    QCOMPARE(m_model.cellText(names.size() - 1, ReservationModel::GuestName), QString("Zoë"));
}

void TestModelOrder::selectionFollowsTheReservation() {
    const QStringList names = {"d", "b", "e", "a", "c"};
    for (int i = 0; i < names.size(); ++i)
        m_connection->execute(statements::insert(
            sampleGuest(names[i], QDate(2024, 3, 1).addDays(-i), QDate(2024, 3, 9))));
    fill(statements::selectAll());
    // The row of reservation 3 ("e"), as a view's current cell.
    const QPersistentModelIndex current = m_model.index(4, 5);
    QCOMPARE(m_model.idAt(current.row()), 3);
    for (const int index : {1, 1, 8, 2}) {
        m_model.columnClick(index);
        QVERIFY(current.isValid());
        QCOMPARE(m_model.idAt(current.row()), 3);
        QCOMPARE(current.column(), 5);
    }
}

void TestModelOrder::refillsAreRowsRemovedAndInserted() {
    QAbstractItemModelTester tester(&m_model,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (const char* name : {"b", "a", "c"})
        m_connection->execute(
            statements::insert(sampleGuest(name, QDate(2024, 1, 1), QDate(2024, 1, 2))));
    QSignalSpy resets(&m_model, &QAbstractItemModel::modelReset);
    QSignalSpy removed(&m_model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&m_model, &QAbstractItemModel::rowsInserted);

    fill(statements::selectAll());
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted[0][1].toInt(), 0);
    QCOMPARE(inserted[0][2].toInt(), 2);
    QCOMPARE(removed.size(), 0);

    m_model.columnClick(ReservationModel::Id + 1);
    m_model.columnClick(ReservationModel::Id + 1);
    fill("select * from tblRooms where GuestName<>'b' order by GuestName");
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed[0][2].toInt(), 2);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted[1][2].toInt(), 1);
    QCOMPARE(column(ReservationModel::GuestName), (QStringList{"c", "a"})); // id descending

    fill("select * from tblRooms where id=0");
    QCOMPARE(removed.size(), 2);
    QCOMPARE(inserted.size(), 2); // nothing to insert
    QCOMPARE(m_model.rowCount(), 0);
    fill("select * from tblRooms where id=0");
    QCOMPARE(removed.size(), 2); // nothing to remove
    QCOMPARE(resets.size(), 0);
}

QTEST_GUILESS_MAIN(TestModelOrder)
#include "tst_modelorder.moc"
