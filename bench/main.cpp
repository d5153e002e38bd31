// corvanna_bench: how fast the reservation list fills, sorts and searches as a hotel's history
// grows, against the database engine's own speed and against a straightforward port of the list.
//
//   corvanna_bench [--db PATH] [--scales 10k,100k,1m,3m] [--reps N] [--only FIGURE,...]
//   [--locale NAME] [--data hotel|repeating]
//
// Prints a table of medians and, as its last lines, one "name value" line per ratio.
#include "datagen.h"
#include "measure.h"
#include "serverbench.h"

#include "base/places.h"
#include "base/report.h"
#include "editor/availability.h"
#include "editor/roomchart.h"
#include "gui/dayviews/dayview.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/guests/guestswindow.h"
#include "gui/inventory/availabilitywindow.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/backup.h"
#include "store/connection.h"
#include "store/guests.h"
#include "store/inventory.h"
#include "store/literals.h"
#include "store/money.h"
#include "store/schemahistory.h"
#include "store/statements.h"
#include "store/stays.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>

using namespace corvanna;
using namespace corvanna::bench;

namespace {

const QString kProgramDir = QStringLiteral(CORVANNA_PROGRAM_DIR);
const QString kBenchDir = QStringLiteral(CORVANNA_BENCH_DIR);
const QString kSchema = QStringLiteral(CORVANNA_SCHEMA);

struct Options {
    QString db;
    QStringList scales{QStringLiteral("10k"), QStringLiteral("100k"), QStringLiteral("1m")};
    int reps = 5;
    QStringList only;
    QString locale;
    bool scalesGiven = false;
    // The generated guests: a real hotel's by default; "repeating" is the first data set of the
    // bench, whose figures earlier results were measured on.
    DataShape data = DataShape::Hotel;
};

struct Scale {
    QString label; // "10k", "100k", "1m" or "db"
    QString database;
    qint64 rows = 0;
};

// figure -> scale -> medians in milliseconds (counts and megabytes stand in both clocks)
using Table = std::map<QString, std::map<QString, Timing>>;

void put(Table& table, const QString& figure, const QString& label, double value) {
    table[figure][label] = Timing{value, value};
}

Options g_options;
bool g_failed = false;

bool wanted(const QString& figure) {
    return g_options.only.isEmpty() || g_options.only.contains(figure);
}

void progress(const QString& text) {
    std::fprintf(stderr, "corvanna_bench: %s\n", qPrintable(text));
    std::fflush(stderr);
}

void fail(const QString& text) {
    g_failed = true;
    progress(QStringLiteral("FAILED: ") + text);
}

qint64 rowsOf(const QString& label) {
    QString digits = label.toLower();
    qint64 factor = 1;
    if (digits.endsWith(QLatin1Char('k'))) {
        factor = 1000;
        digits.chop(1);
    } else if (digits.endsWith(QLatin1Char('m'))) {
        factor = 1000000;
        digits.chop(1);
    }
    bool ok = false;
    const qint64 n = digits.toLongLong(&ok);
    return ok && n > 0 ? n * factor : 0;
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The main window's parts, found as a test finds them: by object name.
QTreeView* listOf(Form1& form) {
    return form.findChild<QTreeView*>(QStringLiteral("ListView1"));
}

ReservationModel& modelOf(Form1& form) {
    return *qobject_cast<ReservationModel*>(listOf(form)->model());
}

QDateEdit* pickerOf(Form1& form, const char* name) {
    return form.findChild<QDateEdit*>(QLatin1String(name));
}

void click(Form1& form, const char* button) {
    form.findChild<QPushButton*>(QLatin1String(button))->click();
}

// Runs the window's events until the list's fill, shown in parts when large, has ended; waits
// for them rather than spinning, so that a read on another thread is not charged twice.
void waitForFill(Form1& form) {
    while (modelOf(form).filling())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// A click on the list's header, as the mouse gives it.
void clickHeader(Form1& form, int column) {
    emit listOf(form)->header()->sectionClicked(column);
}

// The first column of the first row a select gives on the file, as text; empty when none.
QString firstValue(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    QString value;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return value;
}

// The generated database of a scale, built once and kept in the build folder. The history ends
// three months after the first day of the current month, so the cache lasts a month.
QString cachedDatabase(const Scale& scale) {
    const QDate today = QDate::currentDate();
    const QDate anchor(today.year(), today.month(), 1);
    const QString folder = kBenchDir + QStringLiteral("/data");
    QDir().mkpath(folder);
    const QString stem =
        QStringLiteral("rooms-%1-%2")
            .arg(scale.rows)
            .arg(g_options.data == DataShape::Hotel ? QStringLiteral("hotel-")
                                                    : QStringLiteral("repeating-"));
    const QString name = stem + generatorTag(kSchema) + anchor.toString(QStringLiteral("-yyyyMM")) +
                         QStringLiteral(".mdb");
    const QString path = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) return path;
    for (const QString& old : QDir(folder).entryList({stem + QStringLiteral("*")}, QDir::Files))
        QFile::remove(folder + QLatin1Char('/') + old);
    progress(QStringLiteral("generating %1 reservations into %2").arg(scale.rows).arg(path));
    const Stopwatch watch;
    generateDatabase(path, kSchema, scale.rows, anchor, 0xC0FFEE + quint64(scale.rows),
                     g_options.data);
    progress(QStringLiteral("generated in %1 s").arg(watch.ms() / 1000.0, 0, 'f', 1));
    return path;
}

QString workFolder(const QString& name) {
    const QString path = kBenchDir + QStringLiteral("/work/") + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

// The real main window on a common data folder, started as the program starts it.
struct Desk {
    BenchDialogs dialogs;
    Session session;
    Form1 form;

    explicit Desk(const QString& commonData)
        : session(dialogs, Places{kProgramDir, commonData})
        , form(session) {
        if (!form.Form_Load() || dialogs.shown)
            throw std::runtime_error("the main window did not start on " +
                                     commonData.toStdString());
    }
};

// Counts paint events, to prove that a "paint" figure painted the list.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The straightforward port of the list, line by line from the desk's original fill: a QTreeWidget,
// a scrollable QSqlQuery (the original's static cursor) on a connection of its own, each field
// read by name and made text as it is read, each row added as an item whose twelve sub-items are
// then set one by one.
class NaiveList {
public:
    NaiveList(const QString& database, Form1& like) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("naive"));
        m_db.setDatabaseName(database);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!m_db.open()) throw std::runtime_error("naive: cannot open the database");
        m_window.resize(like.size());
        m_window.setFont(like.font());
        m_tree = new QTreeWidget(&m_window);
        m_tree->setGeometry(listOf(like)->geometry());
        m_tree->setFont(listOf(like)->font());
        m_tree->setRootIsDecorated(false);
        m_tree->setColumnCount(ReservationModel::ColumnCount);
        QStringList headers;
        for (int c = 0; c < ReservationModel::ColumnCount; ++c)
            headers << ReservationModel::headerCaption(c);
        m_tree->setHeaderLabels(headers);
        for (int c = 0; c < ReservationModel::ColumnCount; ++c)
            m_tree->header()->resizeSection(c, listOf(like)->header()->sectionSize(c));
        m_window.show();
        settle();
        m_tree->viewport()->installEventFilter(&paintCounter);
    }

    ~NaiveList() {
        delete m_tree;
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("naive"));
    }

    void showAll() {
        m_tree->clear();
        QSqlQuery rs(m_db);
        if (!rs.exec(QStringLiteral("select * from tblRooms order by GuestName")))
            throw std::runtime_error("naive: the statement failed");
        QString format = QLocale().dateFormat(QLocale::ShortFormat);
        if (!format.contains(QStringLiteral("yyyy")))
            format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
        auto text = [&](const char* field) { return rs.value(QLatin1String(field)).toString(); };
        auto date = [&](const char* field) {
            const QVariant v = rs.value(QLatin1String(field));
            return v.isNull() ? QString() : QLocale().toString(v.toDate(), format);
        };
        QTreeWidgetItem* first = nullptr;
        while (rs.next()) {
            auto* item = new QTreeWidgetItem(m_tree);
            item->setText(0, text("id"));
            item->setText(1, text("GuestName"));
            item->setText(2, text("Accommodation"));
            item->setText(3, text("NoOfRooms"));
            item->setText(4, text("Type"));
            item->setText(5, text("ServiceIncluded"));
            item->setText(6, text("NoOfPersons"));
            item->setText(7, date("CheckInDate"));
            item->setText(8, date("CheckOutDate"));
            item->setText(9, text("CreditCardType"));
            item->setText(10, text("CreditCardNo"));
            item->setText(11, text("PhoneNumber"));
            item->setText(12, text("Address"));
            if (!first) first = item;
        }
        rs.finish();
        if (first) m_tree->setCurrentItem(first);
        m_window.repaint();
    }

    int rows() const { return m_tree->topLevelItemCount(); }
    PaintCounter paintCounter;

private:
    QSqlDatabase m_db;
    QWidget m_window;
    QTreeWidget* m_tree;
};

// What a Qt developer would write instead: a QSqlQueryModel fetched to its end behind a
// QSortFilterProxyModel (sorting by the locale, ignoring case, as the list does) in a QTableView,
// on a connection of its own. Dates show as stored.
class QtModelList {
public:
    QtModelList(const QString& database, Form1& like) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("qt_model"));
        m_db.setDatabaseName(database);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!m_db.open()) throw std::runtime_error("qt_model: cannot open the database");
        m_window.resize(like.size());
        m_window.setFont(like.font());
        m_source = new QSqlQueryModel(&m_window);
        m_proxy = new QSortFilterProxyModel(&m_window);
        m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
        m_proxy->setSortLocaleAware(true);
        m_proxy->setSourceModel(m_source);
        m_view = new QTableView(&m_window);
        m_view->setGeometry(listOf(like)->geometry());
        m_view->setFont(listOf(like)->font());
        m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_view->setSelectionMode(QAbstractItemView::SingleSelection);
        m_view->verticalHeader()->hide();
        m_view->setModel(m_proxy);
        m_window.show();
        settle();
        m_view->viewport()->installEventFilter(&paintCounter);
    }

    ~QtModelList() {
        delete m_view;
        m_source->clear();
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("qt_model"));
    }

    void showAll() {
        m_source->setQuery(
            QSqlQuery(QStringLiteral("select * from tblRooms order by GuestName"), m_db));
        while (m_source->canFetchMore())
            m_source->fetchMore();
        m_view->selectRow(0);
        m_window.repaint();
    }

    void sort(int column) {
        m_proxy->sort(column, Qt::AscendingOrder);
        m_window.repaint();
    }

    void unsort() { m_proxy->sort(-1); }

    int rows() const { return m_proxy->rowCount(); }
    PaintCounter paintCounter;

private:
    QSqlDatabase m_db;
    QWidget m_window;
    QSqlQueryModel* m_source;
    QSortFilterProxyModel* m_proxy;
    QTableView* m_view;
};

// The figure of a header click on each column.
const char* const kSortFigures[ReservationModel::ColumnCount] = {
    "sort_id",       "sort_name",    "sort_accommodation", "sort_rooms",    "sort_type",
    "sort_services", "sort_persons", "sort_checkin",       "sort_checkout", "sort_cardtype",
    "sort_cardno",   "sort_phone",   "sort_address"};

QString qtSortFigure(int column) {
    return QStringLiteral("qt_") + QString::fromLatin1(kSortFigures[column]);
}

QString selectAllSql() {
    return translateDates(statements::selectAll());
}

// The largest scale at which the proxy's sorts are measured: they take seconds per column there.
constexpr qint64 kQtSortRows = 100000;

void measureScale(const Scale& scale, Table& table) {
    const int reps = g_options.reps;
    const QString label = scale.label;
    put(table, QStringLiteral("rows"), label, double(scale.rows));
    put(table, QStringLiteral("file MB"), label, double(QFileInfo(scale.database).size()) / 1e6);

    const QString common =
        makeCommonDataFolder(workFolder(QStringLiteral("read-") + label), scale.database, false);
    sqlite3* raw = openReadOnly(scale.database);
    struct Closer {
        sqlite3* db;
        ~Closer() { sqlite3_close(db); }
    } closeRaw{raw};

    auto desk = std::make_unique<Desk>(common);
    Form1& form = desk->form;
    ReservationModel& list = modelOf(form);
    list.setSortState(false, 0, ReservationModel::Ascending);
    form.show();
    settle();
    PaintCounter paints;
    listOf(form)->viewport()->installEventFilter(&paints);

    // The fill on its own: the Show All statement through the one connection into a model that
    // orders names as the window's does.
    ReservationModel model;
    model.setGuestNameOrder(true);
    auto showAll = [&](Timing*) {
        Procedure proc(desk->dialogs, QStringLiteral("Form1.PushButton5_Click"));
        fillList(
            proc, model, desk->session.dbConnection.get(), [] { return statements::selectAll(); },
            [](int) {});
    };
    // The same fill in the engine's order of names, to show what the collation's order costs.
    ReservationModel engineOrder;
    auto showAllEngineOrder = [&](Timing*) {
        Procedure proc(desk->dialogs, QStringLiteral("Form1.PushButton5_Click"));
        fillList(
            proc, engineOrder, desk->session.dbConnection.get(),
            [] { return statements::selectAll(); }, [](int) {});
    };
    // A large list shows in parts: the figure runs to the end of the fill.
    auto showAllPaint = [&] {
        click(form, "PushButton5");
        waitForFill(form);
        form.repaint();
    };
    // From the click to the list's first screen painted; the rest of the fill, untimed.
    auto firstScreen = [&](Timing* own) {
        const double cpu = processCpuMs();
        const Stopwatch watch;
        click(form, "PushButton5");
        form.repaint();
        *own = Timing{watch.ms(), processCpuMs() - cpu};
        if (list.rowCount() == 0 && scale.rows > 0)
            fail(QStringLiteral("%1: the first screen showed no rows").arg(label));
        waitForFill(form);
    };
    // From the first screen to the end of the fill: the longest time the window's events did not
    // run, seen by a timer that ticks whenever the event loop has its turn.
    auto fillStall = [&](Timing* own) {
        click(form, "PushButton5");
        form.repaint();
        const Stopwatch watch;
        double last = 0;
        double longest = 0;
        const auto tick = [&] {
            const double now = watch.ms();
            longest = std::max(longest, now - last);
            last = now;
        };
        QTimer ticker;
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, tick);
        ticker.start();
        waitForFill(form);
        tick();
        *own = Timing{longest, longest};
    };

    const QByteArray allSql = selectAllSql().toUtf8();
    quint64 checksum = 0;
    const qint64 rawRows = readEveryColumn(raw, allSql, &checksum);
    if (rawRows != scale.rows && scale.rows > 0)
        fail(QStringLiteral("%1: the engine read %2 rows, expected %3")
                 .arg(label)
                 .arg(rawRows)
                 .arg(scale.rows));

    if (wanted(QStringLiteral("raw")) || wanted(QStringLiteral("show_all")) ||
        wanted(QStringLiteral("show_all_paint")) || wanted(QStringLiteral("first_screen")) ||
        wanted(QStringLiteral("fill_stall"))) {
        progress(QStringLiteral("%1: raw, show_all, show_all_paint, first_screen, fill_stall")
                     .arg(label));
        const std::vector<Timing> t = measureInterleaved(
            reps, {[&](Timing*) { readEveryColumn(raw, allSql); }, showAll,
                   [&](Timing*) { showAllPaint(); }, showAllEngineOrder, firstScreen, fillStall});
        table[QStringLiteral("raw")][label] = t[0];
        table[QStringLiteral("show_all")][label] = t[1];
        table[QStringLiteral("show_all_paint")][label] = t[2];
        table[QStringLiteral("show_all_engine")][label] = t[3];
        table[QStringLiteral("first_screen")][label] = t[4];
        table[QStringLiteral("fill_stall")][label] = t[5];
        if (model.rowCount() != rawRows || list.rowCount() != rawRows)
            fail(QStringLiteral("%1: the list holds %2 rows, the engine read %3")
                     .arg(label)
                     .arg(model.rowCount())
                     .arg(rawRows));
        if (paints.paints == 0) fail(QStringLiteral("%1: the list was never painted").arg(label));
    }
    model.beginFill();
    model.endFill();
    engineOrder.beginFill();
    engineOrder.endFill();

    // A header click on each column in turn, each a first click on a column other than the last
    // one sorted (so its texts are ranked anew), then the repaint.
    bool anySort = false;
    for (const char* figure : kSortFigures)
        anySort = anySort || wanted(QString::fromLatin1(figure));
    if (anySort) {
        progress(QStringLiteral("%1: a sort of every column").arg(label));
        list.setSortState(false, 0, ReservationModel::Ascending);
        showAllPaint();
        settle();
        std::vector<std::vector<Timing>> runs(ReservationModel::ColumnCount);
        for (int i = 0; i <= reps; ++i)
            for (int c = 0; c < ReservationModel::ColumnCount; ++c) {
                const double cpu = processCpuMs();
                const Stopwatch watch;
                clickHeader(form, c);
                form.repaint();
                const Timing t{watch.ms(), processCpuMs() - cpu};
                if (i > 0) runs[size_t(c)].push_back(t);
                if (!list.sorted() || list.sortKey() != c ||
                    list.sortOrder() != ReservationModel::Ascending)
                    fail(QStringLiteral("%1: %2 left the list unsorted")
                             .arg(label, QString::fromLatin1(kSortFigures[c])));
            }
        for (int c = 0; c < ReservationModel::ColumnCount; ++c) {
            std::vector<double> wall, cpu;
            for (const Timing& t : runs[size_t(c)]) {
                wall.push_back(t.wall);
                cpu.push_back(t.cpu);
            }
            table[QString::fromLatin1(kSortFigures[c])][label] = Timing{median(wall), median(cpu)};
        }
    }
    list.setSortState(false, 0, ReservationModel::Ascending);

    // "Search By Date": a week a little before the newest check-in, and thirty years.
    const QDate weekFrom = [&] {
        sqlite3_stmt* st = nullptr;
        QDate newest;
        if (sqlite3_prepare_v2(raw, "select max(CheckInDate) from tblRooms", -1, &st, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW && sqlite3_column_type(st, 0) == SQLITE_TEXT)
            newest = QDate::fromString(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))),
                Qt::ISODate);
        sqlite3_finalize(st);
        return (newest.isValid() ? newest : QDate::currentDate()).addDays(-96);
    }();
    if (wanted(QStringLiteral("range_week")) || wanted(QStringLiteral("raw_range")) ||
        wanted(QStringLiteral("range_wide"))) {
        progress(QStringLiteral("%1: range_week, range_wide").arg(label));
        struct Range {
            const char* figure;
            const char* rawFigure;
            const char* rowsFigure;
            QDate from, to;
            bool paint; // compared with Show All and its paint
        };
        const Range ranges[] = {
            {"range_week", "raw_range", "range rows", weekFrom, weekFrom.addDays(6), false},
            {"range_wide", "raw_range_wide", "wide rows", QDate(2001, 1, 1), QDate(2031, 12, 31),
             true}};
        for (const Range& r : ranges) {
            pickerOf(form, "dtpCheckIn")->setDate(r.from);
            pickerOf(form, "dtpCheckOut")->setDate(r.to);
            const QByteArray rangeSql =
                translateDates(statements::selectRange(r.from, r.to)).toUtf8();
            std::vector<TimedBody> bodies = {[&](Timing*) { readEveryColumn(raw, rangeSql); },
                                             [&](Timing*) {
                                                 click(form, "PushButton4");
                                                 if (r.paint) form.repaint();
                                             }};
            // The wide search is compared with Show All of the same rows, taken in turn with it
            // so that both meet the same machine.
            if (r.paint) bodies.push_back([&](Timing*) { showAllPaint(); });
            const std::vector<Timing> t = measureInterleaved(reps, bodies);
            table[QString::fromLatin1(r.rawFigure)][label] = t[0];
            table[QString::fromLatin1(r.figure)][label] = t[1];
            if (r.paint) table[QStringLiteral("show_all_beside_wide")][label] = t[2];
            const qint64 rangeRows = readEveryColumn(raw, rangeSql);
            put(table, QString::fromLatin1(r.rowsFigure), label, double(rangeRows));
            if (list.rowCount() != rangeRows)
                fail(QStringLiteral("%1: %2 lists %3 rows, the engine read %4")
                         .arg(label, QString::fromLatin1(r.figure))
                         .arg(list.rowCount())
                         .arg(rangeRows));
        }
    }
    // Find: one keystroke on the full list, the first letter typed into the search box (every
    // row is looked at; most stay). find_first: the same keystroke right after a fill, which
    // also folds the texts of every row into the search index.
    if (wanted(QStringLiteral("find_key")) || wanted(QStringLiteral("find_first"))) {
        progress(QStringLiteral("%1: find_key, find_first").arg(label));
        auto* find = form.findChild<QLineEdit*>(QStringLiteral("findEdit"));
        if (!find) fail(QStringLiteral("%1: the main window has no search box").arg(label));
        form.PushButton5_Click();
        waitForFill(form);
        settle();
        find->setText(QStringLiteral("e"));
        table[QStringLiteral("find_key")][label] = measure(
            reps, [&] { find->setText(QStringLiteral("e")); },
            [&] {
                find->setText(QString());
                settle();
            });
        const int found = form.listModel()->rowCount();
        if (find->text() != QLatin1String("e") || found > form.listModel()->filledRowCount() ||
            (rawRows > 0 && found == 0))
            fail(QStringLiteral("%1: find shows %2 of %3 rows")
                     .arg(label)
                     .arg(found)
                     .arg(form.listModel()->filledRowCount()));
        table[QStringLiteral("find_first")][label] = measure(
            reps, [&] { find->setText(QStringLiteral("e")); },
            [&] {
                find->setText(QString());
                form.PushButton5_Click();
                waitForFill(form);
                settle();
            });
        find->setText(QString());
    }

    // "In the house" on the day of the week above, through the day view window; raw_house: the
    // C API reading the same statement.
    if (wanted(QStringLiteral("house")) || wanted(QStringLiteral("raw_house"))) {
        progress(QStringLiteral("%1: house").arg(label));
        const QDate day = weekFrom;
        DayViewWindow window(desk->session, &form);
        window.showDay(DayView::InTheHouse, day);
        const QByteArray houseSql =
            QByteArray(statements::dayView(DayView::InTheHouse))
                .replace("?1", "'" + day.toString(Qt::ISODate).toLatin1() + "'");
        const std::vector<Timing> t =
            measureInterleaved(reps, {[&](Timing*) { readEveryColumn(raw, houseSql); },
                                      [&](Timing*) { window.Refresh(); }});
        table[QStringLiteral("raw_house")][label] = t[0];
        table[QStringLiteral("house")][label] = t[1];
        const qint64 houseRows = readEveryColumn(raw, houseSql);
        put(table, QStringLiteral("house rows"), label, double(houseRows));
        const auto* houseList = window.findChild<QTreeView*>();
        if (!houseList || houseList->model()->rowCount() != houseRows)
            fail(QStringLiteral("%1: in the house lists %2 rows, the engine read %3")
                     .arg(label)
                     .arg(houseList ? houseList->model()->rowCount() : -1)
                     .arg(houseRows));
    }
    desk.reset();
    settle();

    if (wanted(QStringLiteral("qt_model"))) {
        progress(QStringLiteral("%1: qt_model").arg(label));
        Desk like(common);
        QtModelList qt(scale.database, like.form);
        const int qtReps = rawRows >= 500000 ? std::min(reps, 3) : reps;
        table[QStringLiteral("qt_model")][label] = measure(qtReps, [&] { qt.showAll(); });
        if (qt.rows() != rawRows)
            fail(QStringLiteral("%1: qt_model holds %2 rows").arg(label).arg(qt.rows()));
        if (qt.paintCounter.paints == 0)
            fail(QStringLiteral("%1: qt_model was never painted").arg(label));
        // The proxy's sorts: seconds per column from 100,000 rows, so one run each after a
        // warm-up, and none above that.
        if (rawRows <= kQtSortRows && wanted(QStringLiteral("qt_sort"))) {
            progress(QStringLiteral("%1: qt_model sorts").arg(label));
            for (int c = 0; c < ReservationModel::ColumnCount; ++c)
                table[qtSortFigure(c)][label] = measure(
                    rawRows > 20000 ? 1 : reps, [&] { qt.sort(c); }, [&] { qt.unsort(); });
        }
    }
    settle();

    if (wanted(QStringLiteral("naive")) && rawRows <= kQtSortRows) {
        progress(QStringLiteral("%1: naive").arg(label));
        Desk like(common);
        NaiveList naive(scale.database, like.form);
        table[QStringLiteral("naive")][label] = measure(reps, [&] { naive.showAll(); });
        if (naive.rows() != rawRows)
            fail(QStringLiteral("%1: the naive list holds %2 rows").arg(label).arg(naive.rows()));
        if (naive.paintCounter.paints == 0)
            fail(QStringLiteral("%1: the naive list was never painted").arg(label));
    }
    settle();
}

// The few seconds a desk takes to open the editor and type, with the events running.
void pause(int ms) {
    QEventLoop typing;
    QTimer::singleShot(ms, &typing, &QEventLoop::quit);
    typing.exec();
}

// One insert and the editor's refill (Search By Date for the pickers' range, today after
// start-up), on a copy so that the cached database stays as generated. The first save after
// start-up is its own figure: it is issued as soon as the window shows, each time in a freshly
// started window, and may wait for the whole-file check that start-up began.
void measureSave(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("save"))) return;
    progress(QStringLiteral("%1: save").arg(scale.label));
    const QString common = makeCommonDataFolder(workFolder(QStringLiteral("save-") + scale.label),
                                                scale.database, true);
    const GuestValues values = savedGuest();
    int inserted = 0;
    int expected = 0;
    auto save = [&](Desk& desk) {
        inserted += desk.session.connection().execute(statements::insert(values));
        click(desk.form, "PushButton4");
    };
    const int firstReps = std::max(g_options.reps, 5);
    // As soon as the window shows, and after the few seconds a desk takes to open the editor and
    // type a reservation.
    const struct {
        const char* figure;
        int afterMs;
    } firsts[] = {{"save_first", 0}, {"save_first_typed", 5000}};
    for (const auto& first : firsts) {
        std::vector<double> wall, cpu;
        for (int i = 0; i < firstReps; ++i) {
            Desk desk(common);
            desk.form.show();
            settle();
            if (first.afterMs > 0) pause(first.afterMs);
            const double c = processCpuMs();
            const Stopwatch watch;
            save(desk);
            wall.push_back(watch.ms());
            cpu.push_back(processCpuMs() - c);
            if (desk.dialogs.shown)
                fail(QStringLiteral("%1: the first save reported").arg(scale.label));
        }
        expected += firstReps;
        table[QString::fromLatin1(first.figure)][scale.label] = Timing{median(wall), median(cpu)};
    }
    {
        Desk desk(common);
        desk.form.show();
        settle();
        // Each save waits for the disk; more runs steady the median.
        const int reps = std::max(g_options.reps, 15);
        table[QStringLiteral("save")][scale.label] = measure(reps, [&] { save(desk); });
        expected += reps + 1;
        // A later save after the same pause as save_first_typed: the pause alone (caches gone
        // cold while the desk types) without the first save's own work.
        std::vector<double> wall, cpu;
        for (int i = 0; i < firstReps; ++i) {
            pause(5000);
            const double c = processCpuMs();
            const Stopwatch watch;
            save(desk);
            wall.push_back(watch.ms());
            cpu.push_back(processCpuMs() - c);
        }
        expected += firstReps;
        table[QStringLiteral("save_typed")][scale.label] = Timing{median(wall), median(cpu)};
        if (desk.dialogs.shown) fail(QStringLiteral("%1: a save reported").arg(scale.label));
    }
    if (inserted != expected)
        fail(QStringLiteral("%1: save inserted %2 rows, not %3")
                 .arg(scale.label)
                 .arg(inserted)
                 .arg(expected));
    QDir(kBenchDir + QStringLiteral("/work/save-") + scale.label).removeRecursively();
}

// The availability on a copy with an inventory: the save-time check of a three-night stay and the
// 31-night chart window, each against the engine reading the rows it needs through the stay
// index, with the earliest check-in that can reach the first night known beforehand.
void measureAvailability(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("avail_check")) && !wanted(QStringLiteral("chart_31"))) return;
    progress(QStringLiteral("%1: avail_check, chart_31").arg(scale.label));
    const QString common = makeCommonDataFolder(workFolder(QStringLiteral("avail-") + scale.label),
                                                scale.database, true);
    {
        Desk desk(common);
        Connection& connection = desk.session.connection();
        writeInventory(connection, {{QStringLiteral("Room"), QStringLiteral("Double"), 40}});
        sqlite3* db = connection.handle();
        // A busy time: the same week as range_week, a little before the newest check-in.
        QDate newest =
            QDate::fromString(firstValue(db, "select max(CheckInDate) from tblRooms"), Qt::ISODate);
        if (!newest.isValid()) newest = QDate::currentDate();
        const QDate first = newest.addDays(-96);
        const int longest = int(std::ceil(
            firstValue(db,
                       "select max(julianday(CheckOutDate) - julianday(CheckInDate)) from tblRooms")
                .toDouble()));
        auto rawSql = [&](const QDate& from, const QDate& last, bool oneType) {
            return QStringLiteral("select id, Accommodation, Type, NoOfRooms, CheckInDate, "
                                  "CheckOutDate from tblRooms where CheckInDate>='%1' and "
                                  "CheckInDate<='%2' and CheckOutDate>='%3'%4")
                .arg(from.addDays(-longest).toString(Qt::ISODate), last.toString(Qt::ISODate),
                     from.toString(Qt::ISODate),
                     oneType ? QStringLiteral(" and Accommodation='Room' and Type='Double'")
                             : QString())
                .toUtf8();
        };

        GuestEntry entry;
        entry.kindWord = QStringLiteral("Room");
        entry.type = QStringLiteral("Double");
        entry.count = QStringLiteral("1");
        entry.checkIn = first;
        entry.checkOut = first.addDays(3);
        const QByteArray checkSql = rawSql(first, first.addDays(2), true);
        const std::vector<Timing> c =
            measureInterleaved(std::max(g_options.reps, 15),
                               {[&](Timing*) { readEveryColumn(db, checkSql); },
                                [&](Timing*) { checkOverbooking(connection, entry, 0); }});
        table[QStringLiteral("raw_check")][scale.label] = c[0];
        table[QStringLiteral("avail_check")][scale.label] = c[1];
        put(table, QStringLiteral("check rows"), scale.label,
            double(readEveryColumn(db, checkSql)));

        desk.form.showAvailability();
        settle();
        auto* chart = desk.form.findChild<AvailabilityWindow*>();
        auto* nights =
            chart ? chart->findChild<QComboBox*>(QStringLiteral("availabilityNights")) : nullptr;
        auto* start =
            chart ? chart->findChild<QDateEdit*>(QStringLiteral("availabilityStart")) : nullptr;
        if (!nights || !start) throw std::runtime_error("the availability chart did not open");
        nights->setCurrentIndex(1);
        start->setDate(first);
        const QByteArray chartSql = rawSql(first, first.addDays(30), false);
        const std::vector<Timing> t =
            measureInterleaved(g_options.reps, {[&](Timing*) { readEveryColumn(db, chartSql); },
                                                [&](Timing*) { chart->refresh(); }});
        table[QStringLiteral("raw_chart")][scale.label] = t[0];
        table[QStringLiteral("chart_31")][scale.label] = t[1];
        put(table, QStringLiteral("chart rows"), scale.label,
            double(readEveryColumn(db, chartSql)));
        if (desk.dialogs.shown)
            fail(QStringLiteral("%1: the availability reported").arg(scale.label));
    }
    QDir(kBenchDir + QStringLiteral("/work/avail-") + scale.label).removeRecursively();
}

// Money on a copy of the scale's database: every stay's nights priced (every twentieth stay's
// first night overridden), a charge on every tenth stay, a payment on every second. A folio
// against the engine reading the same rows of the three tables; a year's report against the
// engine's own aggregate of the year's room revenue and nights over the same rows (and, for
// reference, a plain sum of the year's price rows); a save of a 14-night stay that prices its
// nights against the same save without prices, each with the window's refill as in "save".
void measureMoney(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("money"))) return;
    progress(QStringLiteral("%1: money").arg(scale.label));
    const QString common = makeCommonDataFolder(workFolder(QStringLiteral("money-") + scale.label),
                                                scale.database, true);
    {
        Desk desk(common);
        desk.form.show();
        settle();
        Connection& c = desk.session.connection();
        sqlite3* db = c.handle();
        const qint64 tax = addTaxRate(c, {0, QStringLiteral("Reduced"), 700});
        const GuestValues guest = savedGuest();
        QSet<std::pair<QString, QString>> types{{guest.accommodation, guest.type}};
        {
            ResultSet rs;
            rs.open(QStringLiteral("select distinct Accommodation, Type from tblRooms where "
                                   "Accommodation is not null and Type is not null"),
                    c);
            for (; !rs.eof(); rs.moveNext())
                types.insert({rs.text("Accommodation"), rs.text("Type")});
        }
        for (const auto& [kind, type] : types) {
            Rate rate;
            rate.kind = kind;
            rate.type = type;
            rate.priceCents = 9000;
            rate.taxRateId = tax;
            addRate(c, rate);
        }
        const QByteArray taxText = QByteArray::number(tax);
        // The nights' numbers up to the longest stay: each stay joins only those.
        const QByteArray longest = QByteArray::number(
            qint64(std::ceil(std::max(1.0, firstValue(db, "select max(julianday(CheckOutDate) - "
                                                          "julianday(CheckInDate)) from tblRooms")
                                               .toDouble()))));
        const QByteArray fill[] = {
            "begin",
            "insert into tblNightPrices (ReservationId, Night, Seq, PriceCents, TaxRateId, Source, "
            "At, Desk) with recursive n(k) as (select 0 union all select k + 1 from n where k < " +
                longest +
                ") select r.id, date(r.CheckInDate, '+' || n.k || ' days'), 0, 8000 + (r.id % 40) "
                "* 100, " +
                taxText +
                ", 'rate', '2026-01-01T00:00:00.000Z', 'bench' from tblRooms r join n on n.k < "
                "max(1, julianday(r.CheckOutDate) - julianday(r.CheckInDate)) where "
                "r.CheckOutDate >= r.CheckInDate",
            "insert into tblNightPrices (ReservationId, Night, Seq, PriceCents, TaxRateId, Source, "
            "At, Desk) select id, CheckInDate, 1, 7000, " +
                taxText +
                ", 'override', '2026-01-02T00:00:00.000Z', 'bench' from tblRooms where id % 20 = 0 "
                "and CheckOutDate >= CheckInDate",
            "insert into tblCharges (ReservationId, At, Desk, Description, Quantity, "
            "UnitPriceCents, TaxRateId) select id, CheckInDate || 'T18:00:00.000Z', 'bench', "
            "'Bar', 2, 450, " +
                taxText + " from tblRooms where id % 10 = 0 and CheckInDate is not null",
            "insert into tblPayments (ReservationId, At, Desk, Kind, AmountCents, Method, PaidOn, "
            "Note) select id, CheckOutDate || 'T09:00:00.000Z', 'bench', 'payment', 10000, case "
            "when id % 3 = 0 then 'Cash' else 'Card' end, CheckOutDate, '' from tblRooms where "
            "id % 2 = 0 and CheckOutDate is not null",
            "commit"};
        for (const QByteArray& sql : fill)
            if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                throw std::runtime_error(sqlite3_errmsg(db));
        put(table, QStringLiteral("night price rows"), scale.label,
            firstValue(db, "select count(*) from tblNightPrices").toDouble());

        // Folios of reservations spread over the history.
        constexpr int kFolios = 200;
        const qint64 step = std::max<qint64>(1, scale.rows / kFolios);
        std::vector<qint64> ids;
        for (qint64 id = step; id <= scale.rows && ids.size() < size_t(kFolios); id += step)
            ids.push_back(id);
        std::vector<QByteArray> rawFolio;
        for (const qint64 id : ids)
            for (const char* t : {"tblNightPrices", "tblCharges", "tblPayments"})
                rawFolio.push_back(QByteArray("select * from ") + t +
                                   " where ReservationId = " + QByteArray::number(id));
        qint64 lines = 0;
        const std::vector<Timing> f =
            measureInterleaved(g_options.reps, {[&](Timing*) {
                                                    for (const QByteArray& sql : rawFolio)
                                                        readEveryColumn(db, sql);
                                                },
                                                [&](Timing*) {
                                                    lines = 0;
                                                    for (const qint64 id : ids)
                                                        lines +=
                                                            qint64(readFolio(c, id).lines.size());
                                                }});
        table[QStringLiteral("raw_folio")][scale.label] = f[0];
        table[QStringLiteral("folio")][scale.label] = f[1];
        if (lines == 0) fail(QStringLiteral("%1: the folios had no lines").arg(scale.label));

        // The last whole year of the history.
        const QDate newest =
            QDate::fromString(firstValue(db, "select max(CheckInDate) from tblRooms"), Qt::ISODate);
        const int year = (newest.isValid() ? newest : QDate::currentDate()).year() - 1;
        const QDate first(year, 1, 1), last(year, 12, 31);
        const QByteArray from = first.toString(Qt::ISODate).toUtf8();
        const QByteArray to = last.toString(Qt::ISODate).toUtf8();
        // The stays that can reach the year, through the stay index, then their nights.
        const QByteArray reach =
            QString::number(firstValue(db, "select max(julianday(CheckOutDate) - "
                                           "julianday(CheckInDate)) from tblRooms")
                                .toDouble() +
                            1)
                .toUtf8();
        const QByteArray aggregate =
            "select p.Night, sum(p.PriceCents * r.NoOfRooms), sum(r.NoOfRooms) from tblRooms r "
            "cross join tblNightPrices p on p.ReservationId = r.id left join tblStays s on "
            "s.ReservationId = r.id where r.CheckInDate >= date('" +
            from + "', '-" + reach + " days') and r.CheckInDate <= '" + to +
            "' and r.CheckOutDate >= '" + from + "' and p.Night >= '" + from +
            "' and p.Night <= '" + to +
            "' and coalesce(s.Status, '') not in ('cancelled', 'no-show') and p.Night >= "
            "r.CheckInDate and (p.Night < r.CheckOutDate or p.Night = r.CheckInDate) and p.Seq = "
            "(select max(n.Seq) from tblNightPrices n where n.ReservationId = p.ReservationId and "
            "n.Night = p.Night) group by p.Night";
        const QByteArray plainSum = "select Night, sum(PriceCents) from tblNightPrices where Night "
                                    ">= '" +
                                    from + "' and Night <= '" + to + "' group by Night";
        Report report;
        const std::vector<Timing> r = measureInterleaved(
            g_options.reps, {[&](Timing*) { readEveryColumn(db, aggregate); },
                             [&](Timing*) { readEveryColumn(db, plainSum); },
                             [&](Timing*) { report = readReport(c, first, last); }});
        table[QStringLiteral("raw_report")][scale.label] = r[0];
        table[QStringLiteral("raw_report_nights")][scale.label] = r[1];
        table[QStringLiteral("report_year")][scale.label] = r[2];
        qint64 revenue = 0;
        for (const ReportDay& d : report.days)
            revenue += d.roomRevenueCents;
        const QString expected = firstValue(
            db, ("select coalesce(sum(x), 0) from (select p.Night, sum(p.PriceCents * r.NoOfRooms) "
                 "as x" +
                 aggregate.mid(aggregate.indexOf(" from tblRooms r")) + ")")
                    .constData());
        if (QString::number(revenue) != expected)
            fail(QStringLiteral("%1: the report's revenue %2 is not the engine's %3")
                     .arg(scale.label)
                     .arg(revenue)
                     .arg(expected));

        // A 14-night stay, saved as the editor saves it, with and without its prices: the same
        // save, of a type no rate prices (as on a desk without rates) and of one that has a rate.
        GuestValues longStay = guest;
        longStay.checkOut = longStay.checkIn.addDays(14);
        const QString insert = statements::insert(longStay);
        GuestValues unpricedStay = longStay;
        unpricedStay.type = QStringLiteral("Without rate");
        const QString unpricedInsert = statements::insert(unpricedStay);
        int saved = 0;
        const std::vector<Timing> v = measureInterleaved(
            std::max(g_options.reps, 15),
            {[&](Timing*) {
                 saved += saveAndPrice(c, 0, QStringLiteral("bench"),
                                       [&] { return c.execute(unpricedInsert); });
                 click(desk.form, "PushButton4");
             },
             [&](Timing*) {
                 saved +=
                     saveAndPrice(c, 0, QStringLiteral("bench"), [&] { return c.execute(insert); });
                 click(desk.form, "PushButton4");
             }});
        table[QStringLiteral("save_unpriced")][scale.label] = v[0];
        table[QStringLiteral("save_priced")][scale.label] = v[1];
        const QString priced = firstValue(
            db, "select count(*) from tblNightPrices where At > '2026-01-02T00:00:00.000Z'");
        if (priced.toInt() != 14 * (saved / 2))
            fail(QStringLiteral("%1: %2 priced saves priced %3 nights")
                     .arg(scale.label)
                     .arg(saved / 2)
                     .arg(priced));
        if (desk.dialogs.shown) fail(QStringLiteral("%1: money reported").arg(scale.label));
    }
    QDir(kBenchDir + QStringLiteral("/work/money-") + scale.label).removeRecursively();
}

QString benchLocaleName() {
    if (!g_options.locale.isEmpty()) return g_options.locale;
    const QLocale system = QLocale::system();
    // A desk runs with a real locale; the C locale would make collation look free.
    return system.language() == QLocale::C ? QStringLiteral("en_US") : system.name();
}

QStringList childEnvironment(const QString& commonData) {
    return {QStringLiteral("QT_QPA_PLATFORM=offscreen"),
            QStringLiteral("XDG_DATA_HOME=") + commonData,
            QStringLiteral("LC_ALL=") + benchLocaleName() + QStringLiteral(".UTF-8")};
}

// Resident memory of a fresh process that starts the program's window on the database, shows
// all reservations and paints them (its peak), then sorts by each column in turn with a repaint
// (the most it holds after any of the sorts).
void measureRss(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("rss"))) return;
    progress(QStringLiteral("%1: rss").arg(scale.label));
    const QString common = makeCommonDataFolder(workFolder(QStringLiteral("rss-") + scale.label),
                                                scale.database, false);
    QByteArray out;
    runProcess(QCoreApplication::applicationFilePath(), {QStringLiteral("--child-rss"), common},
               childEnvironment(common), 600000, &out);
    qint64 kb = -1, sortedKb = -1, peakKb = -1;
    qint64 rows = -1;
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("vmhwm_kb ")) kb = line.mid(9).toLongLong();
        if (line.startsWith("sorted_kb ")) sortedKb = line.mid(10).toLongLong();
        if (line.startsWith("sorted_hwm_kb ")) peakKb = line.mid(14).toLongLong();
        if (line.startsWith("rows ")) rows = line.mid(5).toLongLong();
    }
    if (kb <= 0 || sortedKb <= 0 || rows != scale.rows) {
        fail(QStringLiteral("%1: the memory child failed (rows %2)").arg(scale.label).arg(rows));
        return;
    }
    put(table, QStringLiteral("rss MB"), scale.label, double(kb) * 1024.0 / 1e6);
    put(table, QStringLiteral("rss sorted MB"), scale.label, double(sortedKb) * 1024.0 / 1e6);
    put(table, QStringLiteral("peak sorted MB"), scale.label, double(peakKb) * 1024.0 / 1e6);
}

int childRss(int argc, char* argv[], const QString& common) {
    QApplication app(argc, argv);
    BenchDialogs dialogs;
    Session session(dialogs, Places{kProgramDir, common});
    Form1 form(session);
    if (!form.Form_Load()) return 2;
    form.show();
    settle();
    click(form, "PushButton5");
    waitForFill(form);
    form.repaint();
    settle();
    std::printf("rows %d\nvmhwm_kb %lld\n", modelOf(form).rowCount(), peakResidentKb());
    qint64 most = 0;
    for (int c = 0; c < ReservationModel::ColumnCount; ++c) {
        clickHeader(form, c);
        form.repaint();
        settle();
        most = std::max(most, residentKb());
    }
    std::printf("sorted_kb %lld\nsorted_hwm_kb %lld\n", most, peakResidentKb());
    std::fflush(stdout);
    return dialogs.shown ? 3 : 0;
}

// A fresh process of the program to its main window shown, on an empty database and on `scale`.
void measureStartup(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("startup"))) return;
    progress(QStringLiteral("startup: empty and %1").arg(scale.label));
    const QString emptyDb = workFolder(QStringLiteral("startup-db")) + QStringLiteral("/empty.mdb");
    createEmptyDatabase(emptyDb, kSchema);
    const QString emptyCommon =
        makeCommonDataFolder(workFolder(QStringLiteral("startup-empty")), emptyDb, true);
    const QString fullCommon = makeCommonDataFolder(
        workFolder(QStringLiteral("startup-") + scale.label), scale.database, true);
    const QString config = workFolder(QStringLiteral("startup-config"));
    auto run = [&](const QString& common, Timing* own) {
        QStringList env = childEnvironment(common);
        env << QStringLiteral("XDG_CONFIG_HOME=") + config
            << QStringLiteral("CORVANNA_QUIT_WHEN_SHOWN=1");
        *own = runProcess(QStringLiteral(CORVANNA_EXECUTABLE), {}, env, 60000);
    };
    const int reps = std::max(g_options.reps, 7);
    const std::vector<Timing> t =
        measureInterleaved(reps, {[&](Timing* own) { run(emptyCommon, own); },
                                  [&](Timing* own) { run(fullCommon, own); }});
    table[QStringLiteral("startup")][QStringLiteral("empty ") + scale.label] = t[0];
    table[QStringLiteral("startup")][scale.label] = t[1];
    QDir(kBenchDir + QStringLiteral("/work/startup-") + scale.label).removeRecursively();
}

// The close of the main window, in this process: from the close request to the window hidden
// ("window") and to the end of the close with the desk's objects gone ("exit": what is left of a
// process's end). "close": after a typical day, a few saves each followed by the day's copy in
// the background, which has finished by the time the desk closes; "close_busy": the same, closed
// right after the last save, so the close adds its changes; "close_nobackup": a desk that only
// looked, today's copy already newer than the file. On a copy of the scale's database.
class HideWatch : public QObject {
public:
    std::function<void()> hidden;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && hidden) hidden();
        return false;
    }
};

void measureClose(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("close"))) return;
    progress(QStringLiteral("%1: close").arg(scale.label));
    constexpr int kDaySaves = 3;
    constexpr int kBetweenSavesMs = 500;
    constexpr int kCopyWaitMs = 600000;
    const QString common = makeCommonDataFolder(workFolder(QStringLiteral("close-") + scale.label),
                                                scale.database, true);
    const Places places{kProgramDir, common};
    const QString working = places.workingDatabase();
    const QString copy = backupFolderOf(places.dataFolder()) + QLatin1Char('/') +
                         backupFileName(QDate::currentDate());
    const GuestValues values = savedGuest();
    const auto open = [&] {
        auto desk = std::make_unique<Desk>(common);
        desk->form.show();
        settle();
        return desk;
    };
    const auto day = [&](Desk& desk) {
        for (int i = 0; i < kDaySaves; ++i) {
            pause(kBetweenSavesMs);
            desk.session.connection().execute(statements::insert(values));
            desk.form.backUpAfterSave();
            click(desk.form, "PushButton4");
        }
    };
    const auto copied = [&](Desk& desk) {
        const Stopwatch waited;
        while (desk.session.copying.running() ||
               !(QFileInfo(copy).lastModified() > QFileInfo(working).lastModified())) {
            if (waited.ms() > kCopyWaitMs) throw std::runtime_error("the day's copy never came");
            pause(100);
        }
    };
    struct Closed {
        std::vector<double> window, exit;
    };
    const auto close = [&](std::unique_ptr<Desk> desk, Closed& closed) {
        HideWatch watch;
        const Stopwatch clock;
        double hidden = -1;
        watch.hidden = [&] {
            if (hidden < 0) hidden = clock.ms();
        };
        desk->form.installEventFilter(&watch);
        desk->form.close();
        const bool reported = desk->dialogs.shown > 0;
        desk.reset();
        closed.exit.push_back(clock.ms());
        closed.window.push_back(hidden);
        if (reported || hidden < 0)
            fail(QStringLiteral("%1: the close reported or never hid").arg(scale.label));
    };
    Closed typical, busy, looked;
    const int reps = std::max(g_options.reps, 3);
    for (int i = 0; i < reps; ++i) {
        std::unique_ptr<Desk> desk = open();
        day(*desk);
        copied(*desk);
        close(std::move(desk), typical);
        close(open(), looked);
        desk = open();
        day(*desk);
        close(std::move(desk), busy);
    }
    const auto put2 = [&](const char* figure, const std::vector<double>& ms) {
        table[QString::fromLatin1(figure)][scale.label] = Timing{median(ms), median(ms)};
    };
    put2("close_window", typical.window);
    put2("close_exit", typical.exit);
    put2("close_nobackup", looked.exit);
    put2("close_nobackup_window", looked.window);
    put2("close_busy_window", busy.window);
    put2("close_busy_exit", busy.exit);
    QDir(kBenchDir + QStringLiteral("/work/close-") + scale.label).removeRecursively();
}

QString formatValue(double v) {
    if (std::isnan(v)) return QStringLiteral("-");
    if (v >= 1000) return QString::number(v, 'f', 0);
    if (v >= 10) return QString::number(v, 'f', 1);
    return QString::number(v, 'f', 2);
}

// The day views' statements as they read the reservations alone, before the stays.
const char* const kDayViewsBefore[] = {
    "select * from tblRooms where CheckInDate=?1 order by GuestName",
    "select * from tblRooms where CheckInDate<=?1 and (CheckOutDate>?1 or (CheckInDate=?1 and "
    "CheckOutDate=?1)) order by GuestName",
    "select * from tblRooms where (CheckInDate<=?1 and CheckOutDate=?1) or (CheckInDate>?1 and "
    "CheckOutDate=?1) order by GuestName"};
const char* const kDayViewNames[] = {"arrivals", "house", "departures"};

QStringList figureNames() {
    QStringList names{QStringLiteral("raw"),
                      QStringLiteral("show_all"),
                      QStringLiteral("show_all_engine"),
                      QStringLiteral("show_all_paint"),
                      QStringLiteral("first_screen"),
                      QStringLiteral("fill_stall"),
                      QStringLiteral("qt_model"),
                      QStringLiteral("naive")};
    for (const char* f : kSortFigures)
        names << QString::fromLatin1(f);
    for (int c = 0; c < ReservationModel::ColumnCount; ++c)
        names << qtSortFigure(c);
    names << QStringLiteral("raw_range") << QStringLiteral("range_week")
          << QStringLiteral("raw_range_wide") << QStringLiteral("range_wide")
          << QStringLiteral("show_all_beside_wide") << QStringLiteral("find_key")
          << QStringLiteral("find_first") << QStringLiteral("raw_house") << QStringLiteral("house")
          << QStringLiteral("save_first") << QStringLiteral("save_first_typed")
          << QStringLiteral("save") << QStringLiteral("save_typed") << QStringLiteral("raw_check")
          << QStringLiteral("avail_check") << QStringLiteral("raw_chart")
          << QStringLiteral("chart_31") << QStringLiteral("startup") << QStringLiteral("raw_server")
          << QStringLiteral("show_all_server") << QStringLiteral("save_server")
          << QStringLiteral("save_server_listened") << QStringLiteral("close_window")
          << QStringLiteral("close_exit") << QStringLiteral("close_nobackup_window")
          << QStringLiteral("close_nobackup") << QStringLiteral("close_busy_window")
          << QStringLiteral("close_busy_exit") << QStringLiteral("raw_read_server")
          << QStringLiteral("copy_refresh_server") << QStringLiteral("raw_stays_chart")
          << QStringLiteral("raw_stays_chart_all") << QStringLiteral("room_chart")
          << QStringLiteral("plain_save") << QStringLiteral("assign_unit")
          << QStringLiteral("raw_all") << QStringLiteral("guest_upgrade")
          << QStringLiteral("guest_plain_insert") << QStringLiteral("guest_match_insert")
          << QStringLiteral("guest_plain_save") << QStringLiteral("guest_match_save")
          << QStringLiteral("guest_find") << QStringLiteral("raw_folio") << QStringLiteral("folio")
          << QStringLiteral("raw_report") << QStringLiteral("raw_report_nights")
          << QStringLiteral("report_year") << QStringLiteral("save_unpriced")
          << QStringLiteral("save_priced");
    for (const char* v : kDayViewNames)
        names << QStringLiteral("%1_before").arg(QLatin1String(v))
              << QStringLiteral("%1_status").arg(QLatin1String(v));
    return names;
}

const char* const kCounts[] = {"rows",
                               "file MB",
                               "range rows",
                               "wide rows",
                               "house rows",
                               "check rows",
                               "chart rows",
                               "rss MB",
                               "rss sorted MB",
                               "peak sorted MB",
                               "copy base MB",
                               "copy peak MB",
                               "held rows",
                               "stay rows",
                               "stay chart rows",
                               "chart bar rows",
                               "stay arrivals rows",
                               "stay house rows",
                               "stay departures rows",
                               "profile rows",
                               "night price rows"};

bool isCount(const QString& name) {
    return name == QLatin1String("rows") || name.endsWith(QLatin1String(" rows"));
}

void printRow(const Table& table, const QString& name, const QStringList& labels, bool cpu) {
    const auto row = table.find(name);
    if (row == table.end()) return;
    std::printf("%-20s", qPrintable(name));
    for (const QString& l : labels) {
        const auto cell = row->second.find(l);
        const double v = cell == row->second.end() ? NAN
                         : cpu                     ? cell->second.cpu
                                                   : cell->second.wall;
        std::printf("%12s", qPrintable(isCount(name) && !std::isnan(v) ? QString::number(qint64(v))
                                                                       : formatValue(v)));
    }
    std::printf("\n");
}

void printTable(const Table& table, QStringList labels) {
    if (const auto startup = table.find(QStringLiteral("startup")); startup != table.end())
        for (const auto& [l, t] : startup->second)
            if (l.startsWith(QLatin1String("empty"))) labels << l;
    auto header = [&](const char* title) {
        std::printf("%-20s", title);
        for (const QString& l : labels)
            std::printf("%12s", qPrintable(l));
        std::printf("\n");
    };
    header("");
    for (const char* name : kCounts)
        printRow(table, QString::fromLatin1(name), labels, true);
    header("cpu ms");
    for (const QString& name : figureNames())
        printRow(table, name, labels, true);
    header("wall ms");
    for (const QString& name : figureNames())
        printRow(table, name, labels, false);
}

double cell(const Table& table, const QString& figure, const QString& label, bool wall = false) {
    const auto row = table.find(figure);
    if (row == table.end()) return NAN;
    const auto c = row->second.find(label);
    return c == row->second.end() ? NAN : wall ? c->second.wall : c->second.cpu;
}

double cell(const Table& table, const char* figure, const QString& label, bool wall = false) {
    return cell(table, QString::fromLatin1(figure), label, wall);
}

void printRatio(const QString& name, double over, double under) {
    if (std::isnan(over) || std::isnan(under) || under <= 0) return;
    std::printf("%s %.3f\n", qPrintable(name), over / under);
}

// The stays at 60 units: the 31-night room chart against the engine's raw read of the stays it
// covers, a unit's assignment against a plain save of the same reservation, and the day views'
// statements with the stay's status against those that read the reservations alone (both read
// by the engine, on a copy where some stays of the days have been checked in and out).
void measureStays(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("stays"))) return;
    progress(QStringLiteral("%1: stays").arg(scale.label));
    constexpr int kUnits = 60, kNights = 31;
    const QString folder = workFolder(QStringLiteral("stays-") + scale.label);
    const QString path = folder + QStringLiteral("/stays.mdb");
    QFile::remove(path);
    if (!QFile::copy(scale.database, path)) throw std::runtime_error("cannot copy the database");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    {
        Connection c(QStringLiteral("stays"));
        c.open(QStringLiteral("data source=") + path);
        upgradeSchema(c);
        sqlite3* db = c.handle();
        QDate newest =
            QDate::fromString(firstValue(db, "select max(CheckInDate) from tblRooms"), Qt::ISODate);
        if (!newest.isValid()) newest = QDate::currentDate();
        const QDate first = newest.addDays(-96);
        const QDate today = first.addDays(kNights / 2);
        std::vector<qint64> unitIds;
        for (int i = 0; i < kUnits; ++i)
            unitIds.push_back(addUnit(c, {0,
                                          QString::number(100 + i),
                                          QStringLiteral("Room"),
                                          QStringLiteral("Double"),
                                          {},
                                          true}));
        // The stays around the chart's nights go to the first unit free from their check-in,
        // until the units are full: written at once, as a desk's months of work would have.
        const std::vector<Stay> around =
            readStaysBetween(c, first.addDays(-kNights), first.addDays(2 * kNights));
        std::vector<QDate> freeFrom(kUnits);
        auto execOrThrow = [](sqlite3* on, const char* sql) {
            if (sqlite3_exec(on, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
                throw std::runtime_error(sqlite3_errmsg(on));
        };
        execOrThrow(db, "begin");
        sqlite3_stmt* span = nullptr;
        sqlite3_stmt* status = nullptr;
        sqlite3_prepare_v2(db, "insert into tblStayUnits values (?, ?, ?, ?)", -1, &span, nullptr);
        sqlite3_prepare_v2(db,
                           "insert into tblStays (ReservationId, Status, CancelReason, "
                           "CheckedInAt, CheckedOutAt) values (?, ?, 'none', ?, ?)",
                           -1, &status, nullptr);
        if (!span || !status) throw std::runtime_error(sqlite3_errmsg(db));
        int held = 0;
        for (const Stay& s : around) {
            const QDate end = s.checkIn == s.checkOut ? s.checkIn.addDays(1) : s.checkOut;
            for (int u = 0; u < kUnits && end > s.checkIn; ++u) {
                if (freeFrom[size_t(u)].isValid() && freeFrom[size_t(u)] > s.checkIn) continue;
                freeFrom[size_t(u)] = end;
                const QByteArray from = s.checkIn.toString(Qt::ISODate).toUtf8();
                const QByteArray to = end.toString(Qt::ISODate).toUtf8();
                sqlite3_bind_int64(span, 1, s.reservationId);
                sqlite3_bind_int64(span, 2, unitIds[size_t(u)]);
                sqlite3_bind_text(span, 3, from.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(span, 4, to.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_step(span);
                sqlite3_reset(span);
                ++held;
                if (s.checkIn <= today) {
                    const bool left = end <= today;
                    const QByteArray in = (from + "T12:00:00.000Z");
                    const QByteArray out = (to + "T10:00:00.000Z");
                    sqlite3_bind_int64(status, 1, s.reservationId);
                    sqlite3_bind_text(status, 2, left ? "checked out" : "in house", -1,
                                      SQLITE_STATIC);
                    sqlite3_bind_text(status, 3, in.constData(), -1, SQLITE_TRANSIENT);
                    if (left)
                        sqlite3_bind_text(status, 4, out.constData(), -1, SQLITE_TRANSIENT);
                    else
                        sqlite3_bind_null(status, 4);
                    sqlite3_step(status);
                    sqlite3_reset(status);
                }
                break;
            }
        }
        sqlite3_finalize(span);
        sqlite3_finalize(status);
        // The history before them as a desk that has run its stays for years keeps it: every
        // earlier stay checked out.
        const QByteArray before = first.addDays(-kNights).toString(Qt::ISODate).toUtf8();
        execOrThrow(db, ("insert into tblStays (ReservationId, Status, CheckedInAt, CheckedOutAt) "
                         "select id, 'checked out', CheckInDate || 'T12:00:00.000Z', "
                         "CheckOutDate || 'T10:00:00.000Z' from tblRooms where CheckOutDate < '" +
                         before + "' and CheckInDate <= CheckOutDate")
                            .constData());
        execOrThrow(db, "commit");
        put(table, QStringLiteral("held rows"), scale.label, double(held));
        put(table, QStringLiteral("stay rows"), scale.label,
            firstValue(db, "select count(*) from tblStays").toDouble());

        // The chart: the engine's raw read of the reservations that may take its nights.
        const int longest = int(std::ceil(
            firstValue(db,
                       "select max(julianday(CheckOutDate) - julianday(CheckInDate)) from tblRooms")
                .toDouble()));
        const QByteArray rawChart =
            QStringLiteral("select id, GuestName, Accommodation, Type, NoOfRooms, CheckInDate, "
                           "CheckOutDate from tblRooms where CheckInDate>='%1' and "
                           "CheckInDate<='%2' and CheckOutDate>='%3'")
                .arg(first.addDays(-longest).toString(Qt::ISODate),
                     first.addDays(kNights - 1).toString(Qt::ISODate), first.toString(Qt::ISODate))
                .toUtf8();
        // The same with every table the chart reads: the stay rows beside the reservations, and
        // the held nights.
        const QByteArray rawChartStays =
            QStringLiteral("select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, "
                           "r.CheckInDate, r.CheckOutDate, s.Status, s.CancelReason, "
                           "s.CheckedInAt, s.CheckedOutAt from tblRooms r left join tblStays s on "
                           "s.ReservationId=r.id where r.CheckInDate>='%1' and r.CheckInDate<='%2' "
                           "and r.CheckOutDate>='%3'")
                .arg(first.addDays(-longest).toString(Qt::ISODate),
                     first.addDays(kNights - 1).toString(Qt::ISODate), first.toString(Qt::ISODate))
                .toUtf8();
        const QByteArray rawSpans =
            QStringLiteral("select ReservationId, UnitId, FromNight, ToNight from tblStayUnits "
                           "where FromNight>='%1' and FromNight<='%2' and ToNight>'%3'")
                .arg(first.addDays(-longest).toString(Qt::ISODate),
                     first.addDays(kNights - 1).toString(Qt::ISODate), first.toString(Qt::ISODate))
                .toUtf8();
        size_t bars = 0;
        const std::vector<Timing> chart = measureInterleaved(
            g_options.reps,
            {[&](Timing*) { readEveryColumn(db, rawChart); },
             [&](Timing*) {
                 readEveryColumn(db, rawChartStays);
                 readEveryColumn(db, rawSpans);
             },
             [&](Timing*) { bars = readRoomChart(c, first, kNights).bars.size(); }});
        table[QStringLiteral("raw_stays_chart")][scale.label] = chart[0];
        table[QStringLiteral("raw_stays_chart_all")][scale.label] = chart[1];
        table[QStringLiteral("room_chart")][scale.label] = chart[2];
        put(table, QStringLiteral("stay chart rows"), scale.label,
            double(readEveryColumn(db, rawChart)));
        put(table, QStringLiteral("chart bar rows"), scale.label, double(bars));

        // A unit's assignment (the overlap check and the write, one transaction) beside a plain
        // save of the same reservation: each is one commit to the disk.
        const Stay guest = around.back();
        GuestValues values;
        values.guestName = guest.guestName;
        values.accommodation = guest.kind;
        values.noOfRooms = QString::number(guest.rooms);
        values.type = guest.type;
        values.noOfPersons = QStringLiteral("2");
        values.checkIn = guest.checkIn;
        values.checkOut = guest.checkOut;
        const QString id = QString::number(guest.reservationId);
        qint64 freeUnit = 0;
        for (const Unit& u : freeUnits(c, QStringLiteral("Room"), QStringLiteral("Double"),
                                       guest.checkIn, guest.checkOut))
            freeUnit = u.id;
        if (!freeUnit) {
            freeUnit = addUnit(c, {0,
                                   QStringLiteral("spare"),
                                   QStringLiteral("Room"),
                                   QStringLiteral("Double"),
                                   {},
                                   true});
            unassignUnit(c, guest.reservationId);
        }
        const std::vector<Timing> write =
            measureInterleaved(std::max(g_options.reps, 15),
                               {[&](Timing*) { c.execute(statements::update(values, id)); },
                                [&](Timing* own) {
                                    unassignUnit(c, guest.reservationId);
                                    Stopwatch wall;
                                    const double cpu = processCpuMs();
                                    if (assignUnit(c, guest.reservationId, freeUnit))
                                        throw std::runtime_error("the bench's unit was taken");
                                    *own = Timing{wall.ms(), processCpuMs() - cpu};
                                }});
        table[QStringLiteral("plain_save")][scale.label] = write[0];
        table[QStringLiteral("assign_unit")][scale.label] = write[1];

        // The day views on the busy day, read by the engine: before the stays and with them.
        for (int v = 0; v < 3; ++v) {
            const QByteArray date = "'" + today.toString(Qt::ISODate).toUtf8() + "'";
            const QByteArray before = QByteArray(kDayViewsBefore[v]).replace("?1", date);
            const DayView view = dayViewTable()[size_t(v)].view;
            // Arrivals reads the stays with a row apart, then the reservations as before.
            const bool apart = view == DayView::Arrivals && hasStayArrivals(c);
            const QByteArray now = QByteArray(apart ? statements::arrivalsWithoutGroup().file
                                                    : statements::dayView(view))
                                       .replace("?1", date);
            // Each sample reads a view a few times over: one read is a fraction of a millisecond.
            constexpr int kReadsPerSample = 20;
            size_t withRow = 0;
            const std::vector<Timing> t =
                measureInterleaved(std::max(g_options.reps, 15),
                                   {[&](Timing*) {
                                        for (int i = 0; i < kReadsPerSample; ++i)
                                            readEveryColumn(db, before);
                                    },
                                    [&](Timing*) {
                                        for (int i = 0; i < kReadsPerSample; ++i) {
                                            // As the desk reads them: the group through its kept
                                            // statement.
                                            if (apart)
                                                withRow += stayRowsArrivingOn(c, today).size();
                                            readEveryColumn(db, now);
                                        }
                                    }});
            if (apart && withRow == 0)
                fail(QStringLiteral("%1: no arrival of the day has a stay row").arg(scale.label));
            table[QStringLiteral("%1_before").arg(QLatin1String(kDayViewNames[v]))][scale.label] =
                t[0];
            table[QStringLiteral("%1_status").arg(QLatin1String(kDayViewNames[v]))][scale.label] =
                t[1];
            put(table, QStringLiteral("stay %1 rows").arg(QLatin1String(kDayViewNames[v])),
                scale.label, double(readEveryColumn(db, now)));
        }
    }
    QDir(folder).removeRecursively();
}

// Guests at a scale: the upgrade that makes profiles of every reservation (against the engine's
// raw read of them), and a save followed by the match the desk is offered, with at least 200k
// profiles, against the same save alone.
void measureGuests(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("guests"))) return;
    progress(QStringLiteral("%1: guests").arg(scale.label));
    constexpr int kProfiles = 200000;
    const QString folder = workFolder(QStringLiteral("guests-") + scale.label);
    const QString path = folder + QStringLiteral("/guests.mdb");
    if (!QFile::copy(scale.database, path)) throw std::runtime_error("cannot copy the database");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    auto execOrThrow = [](sqlite3* on, const char* sql) {
        if (sqlite3_exec(on, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(on));
    };
    {
        // The generation before the guests.
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        execOrThrow(db, "drop table if exists tblStayGuests; drop table if exists tblGuests; "
                        "drop table if exists tblPrivacyRules; drop table if exists "
                        "tblPrivacyLog; drop trigger if exists trgRoomsDeleteGuests; "
                        "pragma user_version = 3");
        sqlite3_close(db);
    }
    Connection c(QStringLiteral("guests"));
    c.open(QStringLiteral("data source=") + path);
    sqlite3* db = c.handle();
    const Timing raw = measure(1, [&] { readEveryColumn(db, "select * from tblRooms"); });
    Timing upgrade;
    {
        const double cpu = processCpuMs();
        const Stopwatch wall;
        upgradeSchema(c);
        upgrade = Timing{wall.ms(), processCpuMs() - cpu};
    }
    table[QStringLiteral("raw_all")][scale.label] = raw;
    table[QStringLiteral("guest_upgrade")][scale.label] = upgrade;
    const qint64 made = firstValue(db, "select count(*) from tblGuests").toLongLong();
    put(table, QStringLiteral("profile rows"), scale.label, double(made));

    // Profiles enough for the figure: further ones with names of their own.
    execOrThrow(db, "begin");
    sqlite3_stmt* add = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into tblGuests (Name, Phone, NameKey, PhoneKey) values (?, ?, ?, ?)",
                       -1, &add, nullptr);
    for (qint64 i = made; i < kProfiles; ++i) {
        const QString name = QStringLiteral("Guest %1").arg(i);
        const QString phone = QStringLiteral("+1 555 %1").arg(i, 7, 10, QLatin1Char('0'));
        const QByteArray fields[] = {name.toUtf8(), phone.toUtf8(), foldedName(name).toUtf8(),
                                     foldedPhone(phone).toUtf8()};
        for (int f = 0; f < 4; ++f)
            sqlite3_bind_text(add, f + 1, fields[f].constData(), int(fields[f].size()),
                              SQLITE_TRANSIENT);
        sqlite3_step(add);
        sqlite3_reset(add);
    }
    sqlite3_finalize(add);
    execOrThrow(db, "commit");

    // The saved guest has a profile: the desk is asked to link every new reservation to it.
    GuestValues values = savedGuest();
    Guest known;
    known.name = values.guestName;
    known.phone = values.phoneNumber;
    addGuest(c, known);
    int offered = 0;
    const auto match = [&](Connection& on) {
        const qint64 id = addedReservationId(on, values.guestName, values.checkIn, values.checkOut);
        if (matchingGuest(on, id)) ++offered;
    };
    // The statement alone, then the desk's whole save (the insert and the list's refill).
    const int reps = std::max(g_options.reps, 15);
    const std::vector<Timing> insert =
        measureInterleaved(reps, {[&](Timing*) { c.execute(statements::insert(values)); },
                                  [&](Timing*) {
                                      c.execute(statements::insert(values));
                                      match(c);
                                  }});
    table[QStringLiteral("guest_plain_insert")][scale.label] = insert[0];
    table[QStringLiteral("guest_match_insert")][scale.label] = insert[1];
    c.close();
    {
        Desk desk(makeCommonDataFolder(folder + QStringLiteral("/desk"), path, false));
        desk.form.show();
        settle();
        Connection& on = desk.session.connection();
        const std::vector<Timing> save =
            measureInterleaved(reps, {[&](Timing*) {
                                          on.execute(statements::insert(values));
                                          click(desk.form, "PushButton4");
                                      },
                                      [&](Timing*) {
                                          on.execute(statements::insert(values));
                                          match(on);
                                          click(desk.form, "PushButton4");
                                      }});
        table[QStringLiteral("guest_plain_save")][scale.label] = save[0];
        table[QStringLiteral("guest_match_save")][scale.label] = save[1];
        if (desk.dialogs.shown) fail(QStringLiteral("%1: a guest save reported").arg(scale.label));

        // The Guests window's find over every profile: the time of one keystroke, typing a name
        // into an empty find box (cleared, untimed, before each run).
        GuestsWindow window(desk.session);
        window.refresh();
        auto* find = window.findChild<QLineEdit*>(QStringLiteral("guestFind"));
        if (!find) throw std::runtime_error("the Guests window has no find box");
        const QString typed = QStringLiteral("guest 12");
        Timing keystrokes = measure(
            reps,
            [&] {
                for (qsizetype n = 1; n <= typed.size(); ++n)
                    find->setText(typed.left(n));
            },
            [&] { find->clear(); });
        keystrokes.wall /= double(typed.size());
        keystrokes.cpu /= double(typed.size());
        table[QStringLiteral("guest_find")][scale.label] = keystrokes;
    }
    if (offered < 2 * reps)
        fail(QStringLiteral("%1: a save was not offered its profile").arg(scale.label));
    QDir(folder).removeRecursively();
}

// One line per ratio; each names its clock ("wall" where the disk or the wait is the point).
void printRatios(const Table& table, const QStringList& labels) {
    for (const QString& l : labels) {
        printRatio(QStringLiteral("folio_%1/raw_folio_%1").arg(l), cell(table, "folio", l),
                   cell(table, "raw_folio", l));
        printRatio(QStringLiteral("report_year_%1/raw_report_%1").arg(l),
                   cell(table, "report_year", l), cell(table, "raw_report", l));
        printRatio(QStringLiteral("report_year_%1/raw_report_nights_%1").arg(l),
                   cell(table, "report_year", l), cell(table, "raw_report_nights", l));
        printRatio(QStringLiteral("save_priced_%1/save_unpriced_%1").arg(l),
                   cell(table, "save_priced", l), cell(table, "save_unpriced", l));
        printRatio(QStringLiteral("save_priced_%1/save_unpriced_%1 (wall)").arg(l),
                   cell(table, "save_priced", l, true), cell(table, "save_unpriced", l, true));
    }
    for (const QString& l : labels)
        printRatio(QStringLiteral("show_all_%1/raw_%1").arg(l), cell(table, "show_all", l),
                   cell(table, "raw", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("show_all_%1/show_all_engine_%1").arg(l),
                   cell(table, "show_all", l), cell(table, "show_all_engine", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("show_all_paint_%1/raw_%1").arg(l),
                   cell(table, "show_all_paint", l), cell(table, "raw", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("first_screen_%1/show_all_%1 (wall)").arg(l),
                   cell(table, "first_screen", l, true), cell(table, "show_all", l, true));
    for (const QString& l : labels)
        printRatio(QStringLiteral("fill_stall_%1/show_all_%1 (wall)").arg(l),
                   cell(table, "fill_stall", l, true), cell(table, "show_all", l, true));
    for (const QString& l : labels)
        printRatio(QStringLiteral("qt_model_%1/show_all_paint_%1").arg(l),
                   cell(table, "qt_model", l), cell(table, "show_all_paint", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("naive_%1/show_all_paint_%1").arg(l), cell(table, "naive", l),
                   cell(table, "show_all_paint", l));
    for (const QString& l : labels)
        for (const char* f : kSortFigures)
            printRatio(QStringLiteral("%2_%1/raw_%1").arg(l, QString::fromLatin1(f)),
                       cell(table, f, l), cell(table, "raw", l));
    for (const QString& l : labels)
        for (int c = 0; c < ReservationModel::ColumnCount; ++c)
            printRatio(QStringLiteral("%2_%1/%3_%1")
                           .arg(l, qtSortFigure(c), QString::fromLatin1(kSortFigures[c])),
                       cell(table, qtSortFigure(c), l), cell(table, kSortFigures[c], l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("range_week_%1/raw_range_%1").arg(l),
                   cell(table, "range_week", l), cell(table, "raw_range", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("find_key_%1/show_all_%1").arg(l), cell(table, "find_key", l),
                   cell(table, "show_all", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("find_first_%1/show_all_%1").arg(l), cell(table, "find_first", l),
                   cell(table, "show_all", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("house_%1/raw_house_%1").arg(l), cell(table, "house", l),
                   cell(table, "raw_house", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("avail_check_%1/raw_check_%1").arg(l),
                   cell(table, "avail_check", l), cell(table, "raw_check", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("chart_31_%1/raw_chart_%1").arg(l), cell(table, "chart_31", l),
                   cell(table, "raw_chart", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("room_chart_%1/raw_stays_chart_%1").arg(l),
                   cell(table, "room_chart", l), cell(table, "raw_stays_chart", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("room_chart_%1/raw_stays_chart_all_%1").arg(l),
                   cell(table, "room_chart", l), cell(table, "raw_stays_chart_all", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("assign_unit_%1/plain_save_%1 (wall)").arg(l),
                   cell(table, "assign_unit", l, true), cell(table, "plain_save", l, true));
    for (const QString& l : labels)
        printRatio(QStringLiteral("guest_match_save_%1/guest_plain_save_%1 (wall)").arg(l),
                   cell(table, "guest_match_save", l, true),
                   cell(table, "guest_plain_save", l, true));
    for (const QString& l : labels)
        printRatio(QStringLiteral("guest_match_save_%1/guest_plain_save_%1").arg(l),
                   cell(table, "guest_match_save", l), cell(table, "guest_plain_save", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("guest_find_%1/show_all_%1").arg(l), cell(table, "guest_find", l),
                   cell(table, "show_all", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("guest_match_insert_%1/guest_plain_insert_%1").arg(l),
                   cell(table, "guest_match_insert", l), cell(table, "guest_plain_insert", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("guest_upgrade_%1/raw_all_%1 (wall)").arg(l),
                   cell(table, "guest_upgrade", l, true), cell(table, "raw_all", l, true));
    for (const QString& l : labels)
        for (const char* v : kDayViewNames)
            printRatio(QStringLiteral("%2_status_%1/%2_before_%1").arg(l, QLatin1String(v)),
                       cell(table, QStringLiteral("%1_status").arg(QLatin1String(v)), l),
                       cell(table, QStringLiteral("%1_before").arg(QLatin1String(v)), l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("range_wide_%1/show_all_beside_wide_%1").arg(l),
                   cell(table, "range_wide", l), cell(table, "show_all_beside_wide", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("startup_%1/startup_empty (wall)").arg(l),
                   cell(table, "startup", l, true),
                   cell(table, "startup", QStringLiteral("empty ") + l, true));
    for (const QString& l : labels) {
        printRatio(QStringLiteral("close_window_%1/close_nobackup_%1 (wall)").arg(l),
                   cell(table, "close_window", l, true), cell(table, "close_nobackup", l, true));
        printRatio(QStringLiteral("close_exit_%1/close_nobackup_%1 (wall)").arg(l),
                   cell(table, "close_exit", l, true), cell(table, "close_nobackup", l, true));
        printRatio(QStringLiteral("close_busy_window_%1/close_nobackup_%1 (wall)").arg(l),
                   cell(table, "close_busy_window", l, true),
                   cell(table, "close_nobackup", l, true));
        printRatio(QStringLiteral("close_busy_exit_%1/close_nobackup_%1 (wall)").arg(l),
                   cell(table, "close_busy_exit", l, true), cell(table, "close_nobackup", l, true));
    }
    for (const QString& l : labels)
        printRatio(QStringLiteral("save_first_%1/save_%1 (wall)").arg(l),
                   cell(table, "save_first", l, true), cell(table, "save", l, true));
    for (const QString& l : labels)
        printRatio(QStringLiteral("save_first_typed_%1/save_%1 (wall)").arg(l),
                   cell(table, "save_first_typed", l, true), cell(table, "save", l, true));
    for (const QString& l : labels)
        printRatio(QStringLiteral("save_first_typed_%1/save_typed_%1 (wall)").arg(l),
                   cell(table, "save_first_typed", l, true), cell(table, "save_typed", l, true));
    for (const QString& l : labels)
        if (l != QLatin1String("10k"))
            printRatio(QStringLiteral("save_%1/save_10k (wall)").arg(l),
                       cell(table, "save", l, true),
                       cell(table, "save", QStringLiteral("10k"), true));
    // On the server both clocks: the processor time counts the server's processes too.
    for (const QString& l : labels) {
        printRatio(QStringLiteral("show_all_server_%1/raw_server_%1").arg(l),
                   cell(table, "show_all_server", l), cell(table, "raw_server", l));
        printRatio(QStringLiteral("show_all_server_%1/raw_server_%1 (wall)").arg(l),
                   cell(table, "show_all_server", l, true), cell(table, "raw_server", l, true));
        printRatio(QStringLiteral("save_server_listened_%1/save_server_%1").arg(l),
                   cell(table, "save_server_listened", l), cell(table, "save_server", l));
        printRatio(QStringLiteral("save_server_listened_%1/save_server_%1 (wall)").arg(l),
                   cell(table, "save_server_listened", l, true),
                   cell(table, "save_server", l, true));
    }
    for (const QString& l : labels) {
        printRatio(QStringLiteral("copy_refresh_server_%1/raw_read_server_%1 (wall)").arg(l),
                   cell(table, "copy_refresh_server", l, true),
                   cell(table, "raw_read_server", l, true));
        printRatio(QStringLiteral("copy_peak_%1/copy_base_%1").arg(l),
                   cell(table, "copy peak MB", l), cell(table, "copy base MB", l));
    }
    for (const QString& l : labels) {
        printRatio(QStringLiteral("rss_%1/file_%1").arg(l), cell(table, "rss MB", l),
                   cell(table, "file MB", l));
        printRatio(QStringLiteral("rss_sorted_%1/file_%1").arg(l), cell(table, "rss sorted MB", l),
                   cell(table, "file MB", l));
        printRatio(QStringLiteral("peak_sorted_%1/file_%1").arg(l),
                   cell(table, "peak sorted MB", l), cell(table, "file MB", l));
    }
}

bool parseOptions(const QStringList& args) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--db") && !next.isEmpty()) {
            g_options.db = next;
            ++i;
        } else if (a == QLatin1String("--scales") && !next.isEmpty()) {
            g_options.scales = next.split(QLatin1Char(','), Qt::SkipEmptyParts);
            g_options.scalesGiven = true;
            ++i;
        } else if (a == QLatin1String("--reps") && next.toInt() > 0) {
            g_options.reps = next.toInt();
            ++i;
        } else if (a == QLatin1String("--only") && !next.isEmpty()) {
            g_options.only = next.split(QLatin1Char(','), Qt::SkipEmptyParts);
            ++i;
        } else if (a == QLatin1String("--locale") && !next.isEmpty()) {
            g_options.locale = next;
            ++i;
        } else if (a == QLatin1String("--data") &&
                   (next == QLatin1String("hotel") || next == QLatin1String("repeating"))) {
            g_options.data =
                next == QLatin1String("hotel") ? DataShape::Hotel : DataShape::Repeating;
            ++i;
        } else {
            std::fprintf(
                stderr,
                "usage: corvanna_bench [--db PATH] [--scales 10k,100k,1m,3m] [--reps N] "
                "[--only "
                "raw,show_all,show_all_paint,first_screen,fill_stall,qt_model,qt_sort,naive,sort_"
                "id,"
                "sort_name,...,sort_address,range_week,range_wide,find_key,find_first,house,"
                "save,avail_check,chart_31,stays,guests,money,rss,startup,close,server,copy] "
                "[--locale NAME] [--data hotel|repeating]\n");
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 5 && qstrcmp(argv[1], "--child-copy") == 0) {
        QCoreApplication app(argc, argv);
        return childCopyMemory(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                               QString::fromLocal8Bit(argv[4]));
    }
    if (argc == 3 && qstrcmp(argv[1], "--child-rss") == 0)
        return childRss(argc, argv, QString::fromLocal8Bit(argv[2]));

    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!parseOptions(args)) return 2;

    // Headless, with settings of its own: the benchmark never touches the user's.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QDir().mkpath(kBenchDir + QStringLiteral("/work/config"));
    qputenv("XDG_CONFIG_HOME", (kBenchDir + QStringLiteral("/work/config")).toUtf8());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = kBenchDir + QStringLiteral("/work/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(benchLocaleName()));

    Table table;
    QStringList labels;
    std::unique_ptr<BenchServer> server;
    try {
        std::vector<Scale> scales;
        if (!g_options.db.isEmpty()) {
            Scale s{QStringLiteral("db"), QFileInfo(g_options.db).absoluteFilePath(), 0};
            sqlite3* db = openReadOnly(s.database);
            s.rows = readEveryColumn(db, QByteArrayLiteral("select id from tblRooms"));
            sqlite3_close(db);
            scales.push_back(s);
        } else {
            for (const QString& label : g_options.scales) {
                Scale s{label.toLower(), {}, rowsOf(label)};
                if (s.rows <= 0) {
                    std::fprintf(stderr, "corvanna_bench: not a scale: %s\n", qPrintable(label));
                    return 2;
                }
                s.database = cachedDatabase(s);
                scales.push_back(s);
            }
        }
        for (const Scale& s : scales) {
            labels << s.label;
            measureScale(s, table);
            measureSave(s, table);
            measureAvailability(s, table);
            measureStays(s, table);
            measureGuests(s, table);
            measureMoney(s, table);
            measureRss(s, table);
            if (s.rows >= 100000) measureStartup(s, table);
            if (s.rows >= 100000) measureClose(s, table);
            // The same reservations on a PostgreSQL server the bench starts for itself.
            if (s.rows >= 100000 && wanted(QStringLiteral("server"))) {
                progress(QStringLiteral("%1: server").arg(s.label));
                if (!server) server = std::make_unique<BenchServer>();
                for (const auto& [figure, timing] :
                     measureServerScale(*server, s.database, s.label, s.rows, g_options.reps))
                    table[figure][s.label] = timing;
            }
            // The local copy a desk keeps of that server: a refresh's time and memory.
            if (s.rows >= 100000 && wanted(QStringLiteral("copy"))) {
                progress(QStringLiteral("%1: local copy").arg(s.label));
                if (!server) server = std::make_unique<BenchServer>();
                for (const auto& [figure, timing] : measureCopyScale(
                         *server, s.database, s.label + QStringLiteral("_copy"),
                         Places{kProgramDir, QString()}.shippedDatabase(),
                         workFolder(QStringLiteral("copy-") + s.label), g_options.reps))
                    table[figure][s.label] = timing;
            }
        }
    } catch (const std::exception& e) {
        fail(QString::fromLocal8Bit(e.what()));
    }

    const int reps = g_options.reps;
    std::printf("Corvanna list benchmark: medians of %d runs after a warm-up (qt_model from "
                "500,000 rows: %d; its sorts above 20,000 rows: 1; save: %d; first save: %d, none "
                "discarded; startup: %d), processor time and wall time in ms; the ratios use "
                "processor time unless marked wall; memory and file in MB; locale %s, Qt "
                "platform %s; data %s\n",
                reps, std::min(reps, 3), std::max(reps, 15), std::max(reps, 5), std::max(reps, 7),
                qPrintable(QLocale().name()), qPrintable(QGuiApplication::platformName()),
                g_options.db.isEmpty()
                    ? (g_options.data == DataShape::Hotel ? "hotel" : "repeating")
                    : "given");
    printTable(table, labels);
    printRatios(table, labels);
    std::fflush(stdout);
    return g_failed ? 1 : 0;
}
