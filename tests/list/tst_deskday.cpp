// The desk's day: find over the list, the three day views (on both engines), the CSV export.
#include "base/report.h"
#include "gui/dayviews/dayview.h"
#include "gui/frame/session.h"
#include "list/csvexport.h"
#include "list/dayviewfill.h"
#include "list/findindex.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/statements.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QBuffer>
#include <QFile>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

// An RFC 4180 reader, written from the rules, to read an export back.
QList<QStringList> readCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.isEmpty()) records << (record << field);
    return records;
}

// The engine's plan for a statement of the day views, its steps joined.
QString queryPlan(const QString& path, const char* statement) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QByteArray("explain query plan ") + statement;
    QString plan;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, "2030-01-01", -1, SQLITE_STATIC);
        while (sqlite3_step(st) == SQLITE_ROW)
            plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3))) +
                    QLatin1Char('\n');
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return plan;
}

} // namespace

class TestDeskDay : public QObject {
    Q_OBJECT
private slots:
    void init();
    void folding_data();
    void folding();
    void find_data();
    void find();
    void findIgnoresSigns_data();
    void findIgnoresSigns();
    void findNarrowsAndWidens();
    void findKeepsSelectionAndSort();
    void dayViews_data();
    void dayViews();
    void dayViewsReadThroughTheStayIndex();
    void reversedStayInBothViewsMarked_data();
    void reversedStayInBothViewsMarked();
    void exportReadsBack();
    void failedExportLeavesNoHalfFile();
    void exportDefusesFormulas_data();
    void exportDefusesFormulas();
    void exportIsPrivateAndSaysTheDiskIsFull();
    void proposedFileName_data();
    void proposedFileName();

private:
    qint64 add(const QString& name, const QDate& in, const QDate& out, const QString& phone = {},
               const QString& address = {}, const QString& card = {});
    void fillAll();
    void fillDay(DayView view, const QDate& day);
    QStringList names() const;

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<ServerDatabase> m_server; // the server run's database
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<ReservationModel> m_model;
    ScriptedDialogs m_dialogs;
};

void TestDeskDay::init() {
    m_connection.reset();
    // The day views run on both engines, the rest on the file alone.
    const QByteArray test(QTest::currentTestFunction());
    if (onTestServer() && test != "dayViews" && test != "reversedStayInBothViewsMarked")
        QSKIP("the file's alone");
    m_connection = std::make_unique<Connection>(QStringLiteral("day"));
    if (onTestServer()) {
        if (!m_server) m_server = std::make_unique<ServerDatabase>(QStringLiteral("deskday"));
        m_connection->open(m_server->url());
        m_connection->execute(QStringLiteral("delete from tblRooms"));
    } else {
        static int runs = 0;
        m_path = m_dir.filePath(QStringLiteral("day%1.mdb").arg(++runs));
        QFile::remove(m_path);
        createDatabase(m_path);
        m_connection->open(QStringLiteral("data source=") + m_path);
    }
    m_model = std::make_unique<ReservationModel>();
    m_model->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    m_dialogs.clear();
}

qint64 TestDeskDay::add(const QString& name, const QDate& in, const QDate& out,
                        const QString& phone, const QString& address, const QString& card) {
    GuestValues v = sampleGuest(name, in, out);
    v.phoneNumber = phone;
    v.address = address;
    v.creditCardNo = card;
    m_connection->execute(statements::insert(v));
    ResultSet last;
    last.open(QStringLiteral("select max(id) as id from tblRooms"), *m_connection);
    return last.text("id").toLongLong();
}

void TestDeskDay::fillAll() {
    Procedure proc(m_dialogs, QStringLiteral("Form1.PushButton5_Click"));
    fillList(
        proc, *m_model, m_connection.get(), [] { return statements::selectAll(); }, [](int) {});
}

void TestDeskDay::fillDay(DayView view, const QDate& day) {
    Procedure proc(m_dialogs, QStringLiteral("DayView.Refresh"));
    fillDayView(proc, *m_model, m_connection.get(), view, day, [](int) {});
}

QStringList TestDeskDay::names() const {
    QStringList out;
    for (int r = 0; r < m_model->rowCount(); ++r)
        out << m_model->cellText(r, ReservationModel::GuestName);
    return out;
}

void TestDeskDay::folding_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("ring and case") << "Åberg"
                                   << "aberg";
    QTest::newRow("acute, cedilla, umlaut") << "José Françoise Müller"
                                            << "jose francoise muller";
    QTest::newRow("letters without a separable mark") << "Ørsted Łukasz Straße"
                                                      << "orsted lukasz strasse";
    QTest::newRow("typographic apostrophe") << "O\u2019Brien"
                                            << "o'brien";
    QTest::newRow("line break is a blank") << "1 Main St\r\nNY"
                                           << "1 main st  ny";
    QTest::newRow("turkish dotted capital") << "\u0130stanbul"
                                            << "istanbul";
}

void TestDeskDay::folding() {
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(QString::fromStdString(foldForFind(text, QLocale(QLocale::English))), folded);
}

void TestDeskDay::find_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    // The engine's order by guest name: a letter beyond ASCII after the ASCII ones.
    const QStringList all{"Bo O'Brien", "Chen Wu", "Dana Ames", "Åberg, Lena"};
    QTest::newRow("empty: every row") << "" << all;
    QTest::newRow("blanks only: every row") << "   " << all;
    QTest::newRow("accent typed without it") << "aberg" << QStringList{"Åberg, Lena"};
    QTest::newRow("accent typed with it, capitals") << "ÅBERG" << QStringList{"Åberg, Lena"};
    QTest::newRow("apostrophe") << "o'brien" << QStringList{"Bo O'Brien"};
    QTest::newRow("typographic apostrophe typed") << "o\u2019bri" << QStringList{"Bo O'Brien"};
    QTest::newRow("phone digits without signs") << "7021234" << QStringList{"Chen Wu"};
    QTest::newRow("phone as written") << "(702) 123" << QStringList{"Chen Wu"};
    QTest::newRow("card's last four") << "9101" << QStringList{"Dana Ames"};
    QTest::newRow("card's other digits are not found") << "5678" << QStringList{};
    QTest::newRow("address, second line") << "pellworth" << QStringList{"Bo O'Brien"};
    QTest::newRow("two words, both needed") << "lena harbour" << QStringList{"Åberg, Lena"};
    QTest::newRow("two words in different fields") << "chen 702" << QStringList{"Chen Wu"};
    QTest::newRow("nothing") << "zz" << QStringList{};
    QTest::newRow("no match across fields") << "wu+1" << QStringList{};
}

void TestDeskDay::find() {
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    const QDate d(2030, 1, 1);
    add(QStringLiteral("Åberg, Lena"), d, d, {}, QStringLiteral("4 Harbour Lane"));
    add(QStringLiteral("Bo O'Brien"), d, d, {}, QStringLiteral("1 Quay\r\nPellworth"));
    add(QStringLiteral("Chen Wu"), d, d, QStringLiteral("+1 (702) 123-4567"));
    add(QStringLiteral("Dana Ames"), d, d, {}, {}, QStringLiteral("0000 1234 5678 9101"));
    fillAll();
    m_model->setFindText(text);
    QCOMPARE(names(), found);
    QCOMPARE(m_model->filledRowCount(), 4);
}

void TestDeskDay::findIgnoresSigns_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    const QStringList all{"Bo O'Brien", "Eve Hart-Lund", "Fay Roux", "J.R. Ames"};
    QTest::newRow("phone with dashes for its brackets")
        << "555-010-9999" << QStringList{"Eve Hart-Lund"};
    QTest::newRow("phone run together after a plus") << "+33612345678" << QStringList{"Fay Roux"};
    QTest::newRow("phone's start with a plus") << "+3361" << QStringList{"Fay Roux"};
    QTest::newRow("other digits") << "555-010-9998" << QStringList{};
    QTest::newRow("name without its apostrophe") << "obrien" << QStringList{"Bo O'Brien"};
    QTest::newRow("name with another sign") << "o-brien" << QStringList{"Bo O'Brien"};
    QTest::newRow("name without its hyphen") << "hartlund" << QStringList{"Eve Hart-Lund"};
    QTest::newRow("name without its dots") << "jr ames" << QStringList{"J.R. Ames"};
    QTest::newRow("a sign alone asks for nothing yet") << "+" << all;
}

void TestDeskDay::findIgnoresSigns() {
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    const QDate d(2030, 1, 1);
    add(QStringLiteral("Bo O'Brien"), d, d);
    add(QStringLiteral("Eve Hart-Lund"), d, d, QStringLiteral("(555) 010-9999"));
    add(QStringLiteral("Fay Roux"), d, d, QStringLiteral("+33 6 12 34 56 78"));
    add(QStringLiteral("J.R. Ames"), d, d);
    fillAll();
    m_model->setFindText(text);
    QCOMPARE(names(), found);
}

void TestDeskDay::findNarrowsAndWidens() {
    const QDate d(2030, 1, 1);
    for (const char* name : {"Anna Berg", "Anne Bergman", "Annika Lund", "Bertil Ann"})
        add(QString::fromUtf8(name), d, d);
    fillAll();
    QAbstractItemModelTester tester(m_model.get(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const std::pair<const char*, QStringList> steps[] = {
        {"a", {"Anna Berg", "Anne Bergman", "Annika Lund", "Bertil Ann"}},
        {"ann", {"Anna Berg", "Anne Bergman", "Annika Lund", "Bertil Ann"}},
        {"anne", {"Anne Bergman"}},
        {"ann", {"Anna Berg", "Anne Bergman", "Annika Lund", "Bertil Ann"}},
        {"ann b", {"Anna Berg", "Anne Bergman", "Bertil Ann"}},
        {"ann berg", {"Anna Berg", "Anne Bergman"}},
        {"ann bergm", {"Anne Bergman"}},
        {"", {"Anna Berg", "Anne Bergman", "Annika Lund", "Bertil Ann"}}};
    for (const auto& [text, expected] : steps) {
        m_model->setFindText(QString::fromUtf8(text));
        QVERIFY2(names() == expected, text);
    }
}

void TestDeskDay::findKeepsSelectionAndSort() {
    const QDate d(2030, 1, 1);
    add(QStringLiteral("Cara"), d, d);
    const qint64 bo = add(QStringLiteral("Bo"), d, d);
    add(QStringLiteral("Abe"), d, d);
    add(QStringLiteral("Bob"), d, d);
    fillAll();
    QItemSelectionModel selection(m_model.get());
    const auto select = [&](int row) {
        selection.setCurrentIndex(m_model->index(row, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    };
    select(1); // Bo
    m_model->setFindText(QStringLiteral("b"));
    QCOMPARE(names(), (QStringList{"Abe", "Bo", "Bob"}));
    QCOMPARE(m_model->idAt(selection.currentIndex().row()), bo);
    // A sort while finding sorts the rows found; the selection follows its reservation.
    m_model->columnClick(ReservationModel::GuestName + 1);
    m_model->columnClick(ReservationModel::GuestName + 1);
    QCOMPARE(names(), (QStringList{"Bob", "Bo", "Abe"}));
    QCOMPARE(m_model->idAt(selection.currentIndex().row()), bo);
    // The whole list again, still sorted, Bo still selected.
    m_model->setFindText(QString());
    QCOMPARE(names(), (QStringList{"Cara", "Bob", "Bo", "Abe"}));
    QCOMPARE(m_model->idAt(selection.currentIndex().row()), bo);
    QVERIFY(selection.isRowSelected(selection.currentIndex().row()));
    // A row the find hides loses the selection.
    m_model->setFindText(QStringLiteral("cara"));
    QVERIFY(!selection.currentIndex().isValid());
    // A refill keeps the find.
    fillAll();
    QCOMPARE(names(), QStringList{"Cara"});
}

void TestDeskDay::dayViews_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("arrivals");
    QTest::addColumn<QStringList>("house");
    QTest::addColumn<QStringList>("departures");
    // Stays: Ames 30 Dec - 2 Jan (over the year's end), Berg 31 Dec same day, Cole 31 Dec -
    // 1 Jan, Dahl 1 Jan same day, Eng 28 Feb 2032 - 1 Mar (leap year), Falk 31 Jan - 28 Feb 2032.
    QTest::newRow("30 Dec") << QDate(2031, 12, 30) << QStringList{"Ames"} << QStringList{"Ames"}
                            << QStringList{};
    QTest::newRow("31 Dec: a same-day stay is in the house on its day")
        << QDate(2031, 12, 31) << QStringList{"Berg", "Cole"} << QStringList{"Ames", "Berg", "Cole"}
        << QStringList{"Berg"};
    QTest::newRow("1 Jan: a stay ending today departs and is not in the house")
        << QDate(2032, 1, 1) << QStringList{"Dahl"} << QStringList{"Ames", "Dahl"}
        << QStringList{"Cole", "Dahl"};
    QTest::newRow("2 Jan") << QDate(2032, 1, 2) << QStringList{} << QStringList{}
                           << QStringList{"Ames"};
    QTest::newRow("28 Feb of a leap year: arriving is in the house")
        << QDate(2032, 2, 28) << QStringList{"Eng"} << QStringList{"Eng"} << QStringList{"Falk"};
    QTest::newRow("29 Feb") << QDate(2032, 2, 29) << QStringList{} << QStringList{"Eng"}
                            << QStringList{};
    QTest::newRow("1 Mar") << QDate(2032, 3, 1) << QStringList{} << QStringList{}
                           << QStringList{"Eng"};
}

void TestDeskDay::dayViews() {
    QFETCH(QDate, day);
    QFETCH(QStringList, arrivals);
    QFETCH(QStringList, house);
    QFETCH(QStringList, departures);
    add(QStringLiteral("Ames"), QDate(2031, 12, 30), QDate(2032, 1, 2));
    add(QStringLiteral("Cole"), QDate(2031, 12, 31), QDate(2032, 1, 1));
    add(QStringLiteral("Berg"), QDate(2031, 12, 31), QDate(2031, 12, 31));
    add(QStringLiteral("Dahl"), QDate(2032, 1, 1), QDate(2032, 1, 1));
    add(QStringLiteral("Eng"), QDate(2032, 2, 28), QDate(2032, 3, 1));
    add(QStringLiteral("Falk"), QDate(2032, 1, 31), QDate(2032, 2, 28));
    fillDay(DayView::Arrivals, day);
    QCOMPARE(names(), arrivals);
    fillDay(DayView::InTheHouse, day);
    QCOMPARE(names(), house);
    fillDay(DayView::Departures, day);
    QCOMPARE(names(), departures);
    QCOMPARE(m_dialogs.texts(), QStringList());
}

void TestDeskDay::dayViewsReadThroughTheStayIndex() {
    for (const DayViewEntry& entry : dayViewTable()) {
        const QString plan = queryPlan(m_path, statements::dayView(entry.view));
        QVERIFY2(plan.contains(QStringLiteral("USING INDEX idxRoomsStay (CheckInDate")),
                 qPrintable(plan));
    }
}

void TestDeskDay::reversedStayInBothViewsMarked_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<QDate>("day");
    // The guest names as assistive technology reads them, "[!]" before a name with the warning
    // sign. Stays: Ames 5 Jan - 3 Jan (reversed), Berg 1 - 3 Jan, Cole 3 - 5 Jan.
    QTest::addColumn<QString>("rows");
    QTest::newRow("departs on its check-out date")
        << int(DayView::Departures) << QDate(2032, 1, 3) << "[!] Ames, dates reversed;Berg";
    QTest::newRow("arrives on its check-in date")
        << int(DayView::Arrivals) << QDate(2032, 1, 5) << "[!] Ames, dates reversed";
    QTest::newRow("no departure on its check-in date")
        << int(DayView::Departures) << QDate(2032, 1, 5) << "Cole";
    QTest::newRow("in the house on no night")
        << int(DayView::InTheHouse) << QDate(2032, 1, 4) << "Cole";
}

void TestDeskDay::reversedStayInBothViewsMarked() {
    QFETCH(int, view);
    QFETCH(QDate, day);
    QFETCH(QString, rows);
    add(QStringLiteral("Ames"), QDate(2032, 1, 5), QDate(2032, 1, 3));
    add(QStringLiteral("Berg"), QDate(2032, 1, 1), QDate(2032, 1, 3));
    add(QStringLiteral("Cole"), QDate(2032, 1, 3), QDate(2032, 1, 5));
    TempPlaces places;
    Session session(m_dialogs, places.places);
    session.dbConnection = std::move(m_connection);
    DayViewWindow window(session, nullptr);
    window.showDay(DayView(view), day);
    auto* list = window.findChild<QTreeView*>();
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(list)->tableInterface();
    QStringList shown;
    for (int r = 0; r < list->model()->rowCount(); ++r) {
        const QModelIndex name = list->model()->index(r, ReservationModel::GuestName);
        shown << (name.data(Qt::DecorationRole).isNull() ? QString() : QStringLiteral("[!] ")) +
                     table->cellAt(r, 0)->text(QAccessible::Name); // read first: the name
    }
    QCOMPARE(shown.join(QLatin1Char(';')), rows);
    QCOMPARE(m_dialogs.texts(), QStringList());
}

void TestDeskDay::exportReadsBack() {
    add(QStringLiteral("Smith, \"Jo\""), QDate(2031, 3, 5), QDate(2031, 3, 9),
        QStringLiteral("555"), QStringLiteral("1 Quay\r\nPellworth"));
    add(QStringLiteral("Zoë O'Brien"), QDate(2031, 12, 31), QDate(2032, 1, 2));
    fillAll();
    m_model->columnClick(ReservationModel::GuestName + 1);
    m_model->columnClick(ReservationModel::GuestName + 1); // descending: Zoë first
    const QString path = m_dir.filePath(QStringLiteral("list.csv"));
    exportCsv(*m_model, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("ID,Guest Name,Accomodation,Number Of Rooms,"));
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QStringList> records = readCsv(bytes);
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[0].size(), 13);
    QCOMPARE(records[1][1], QStringLiteral("Zoë O'Brien"));
    QCOMPARE(records[1][7], QStringLiteral("2031-12-31"));
    QCOMPARE(records[1][8], QStringLiteral("2032-01-02"));
    QCOMPARE(records[2][1], QStringLiteral("Smith, \"Jo\""));
    QCOMPARE(records[2][12], QStringLiteral("1 Quay\r\nPellworth"));
    // As shown: a find leaves only its rows.
    m_model->setFindText(QStringLiteral("smith o'b")); // no row holds both
    QBuffer found;
    found.open(QIODevice::WriteOnly);
    writeCsv(*m_model, found);
    QCOMPARE(readCsv(found.data()).size(), 1);
    m_model->setFindText(QStringLiteral("o'b"));
    found.buffer().clear();
    found.seek(0);
    writeCsv(*m_model, found);
    QCOMPARE(readCsv(found.data()).size(), 2);
}

void TestDeskDay::failedExportLeavesNoHalfFile() {
    add(QStringLiteral("Ames"), QDate(2031, 3, 5), QDate(2031, 3, 9));
    fillAll();
    // A folder that does not exist: the write fails and nothing is left behind.
    const QString missing = m_dir.filePath(QStringLiteral("gone/list.csv"));
    QVERIFY(!failureOf([&] { exportCsv(*m_model, missing); }).isEmpty());
    QVERIFY(!QFile::exists(missing));
    // An earlier export stays whole when the next one cannot be written.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.csv"));
    exportCsv(*m_model, path);
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    m_model->setFindText(QStringLiteral("nobody"));
    const QString failure = failureOf([&] { exportCsv(*m_model, path); });
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (::geteuid() != 0) QVERIFY(!failure.isEmpty()); // root writes anywhere
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    if (!failure.isEmpty()) QCOMPARE(f.readAll(), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"list.csv"});
}

void TestDeskDay::exportDefusesFormulas_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("cell");
    const int name = ReservationModel::GuestName;
    QTest::newRow("equals") << name << "=HYPERLINK(\"http://x.test\",\"Pay\")"
                            << "'=HYPERLINK(\"http://x.test\",\"Pay\")";
    QTest::newRow("plus") << name << "+1+2"
                          << "'+1+2";
    QTest::newRow("minus") << name << "-2+3"
                           << "'-2+3";
    QTest::newRow("at") << name << "@SUM(1,2)"
                        << "'@SUM(1,2)";
    QTest::newRow("phone after a tab") << int(ReservationModel::PhoneNumber) << "\t=1+2"
                                       << "'\t=1+2";
    QTest::newRow("carriage return") << name << "\r=1+2"
                                     << "'\r=1+2";
    QTest::newRow("international phone")
        << int(ReservationModel::PhoneNumber) << "+33 6 12 34 56 78"
        << "'+33 6 12 34 56 78";
    QTest::newRow("formula inside") << name << "Ames =1+2"
                                    << "Ames =1+2";
}

void TestDeskDay::exportDefusesFormulas() {
    QFETCH(int, column);
    QFETCH(QString, value);
    QFETCH(QString, cell);
    const bool phone = column == ReservationModel::PhoneNumber;
    add(phone ? QStringLiteral("Ames") : value, QDate(2031, 3, 5), QDate(2031, 3, 9),
        phone ? value : QStringLiteral("555"));
    fillAll();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    writeCsv(*m_model, out);
    const QList<QStringList> records = readCsv(out.data());
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[1][column], cell);
}

void TestDeskDay::exportIsPrivateAndSaysTheDiskIsFull() {
    add(QStringLiteral("Ames"), QDate(2031, 3, 5), QDate(2031, 3, 9));
    fillAll();
    const QString path = m_dir.filePath(QStringLiteral("private.csv"));
    const auto modeOf = [&] {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777)
                                                                       : -1;
    };
    const auto contents = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    exportCsv(*m_model, path);
    QCOMPARE(modeOf(), 0600);
    // A file that others could read is replaced by a private one.
    QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x6644)));
    exportCsv(*m_model, path);
    QCOMPARE(modeOf(), 0600);

    // A file size limit makes the write fail as a full disk does (EFBIG, with the signal that
    // would end the program ignored); no check runs while it is on.
    const QByteArray before = contents();
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const QString failure = failureOf([&] { exportCsv(*m_model, path); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(failure, "The disk is full: the list could not be exported to " + path +
                          ". Any earlier file of that name is unchanged.");
    QCOMPARE(contents(), before);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("private*")}, QDir::Files),
             QStringList{"private.csv"});
}

void TestDeskDay::proposedFileName_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("name");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("range, US dates")
        << "Reservations 12/1/2026 to 12/31/2026" << us << "Reservations 2026-12-01 to 2026-12-31";
    QTest::newRow("day, German dates")
        << "Arrivals 07.12.2026" << QLocale(QLocale::German) << "Arrivals 2026-12-07";
    QTest::newRow("day, month names")
        << "Departures 7 Dec 2026" << QLocale::c() << "Departures 2026-12-07";
    QTest::newRow("find with a slash and quotes")
        << "All reservations, find \"1/2 board: a\\b\"" << us
        << "All reservations, find '1-2 board- a-b'";
    QTest::newRow("no such date") << "Reservations 13/40/2026" << us << "Reservations 13-40-2026";
}

void TestDeskDay::proposedFileName() {
    QFETCH(QString, title);
    QFETCH(QLocale, locale);
    QFETCH(QString, name);
    QCOMPARE(listFileName(title, locale), name);
}

QTEST_MAIN(TestDeskDay)
#include "tst_deskday.moc"
