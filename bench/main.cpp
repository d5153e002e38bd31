// corvanna_bench: how fast the reservation list fills, sorts and searches as a hotel's history
// grows, against the database engine's own speed and against a straightforward port of the list.
//
//   corvanna_bench [--db PATH] [--scales 10k,100k,1m] [--reps N] [--only FIGURE,...] [--locale
//   NAME]
//
// Prints a table of medians and, as its last lines, one "name value" line per ratio.
#include "datagen.h"
#include "measure.h"

#include "gui/form1.h"
#include "base/places.h"
#include "base/report.h"
#include "gui/session.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/statements.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QSqlDatabase>
#include <QSqlQuery>
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

// The generated database of a scale, built once and kept in the build folder. The history ends
// three months after the first day of the current month, so the cache lasts a month.
QString cachedDatabase(const Scale& scale) {
    const QDate today = QDate::currentDate();
    const QDate anchor(today.year(), today.month(), 1);
    const QString folder = kBenchDir + QStringLiteral("/data");
    QDir().mkpath(folder);
    const QString stem = QStringLiteral("rooms-%1-").arg(scale.rows);
    const QString name = stem + generatorTag(kSchema) + anchor.toString(QStringLiteral("-yyyyMM")) +
                         QStringLiteral(".mdb");
    const QString path = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) return path;
    for (const QString& old : QDir(folder).entryList({stem + QStringLiteral("*")}, QDir::Files))
        QFile::remove(folder + QLatin1Char('/') + old);
    progress(QStringLiteral("generating %1 reservations into %2").arg(scale.rows).arg(path));
    const Stopwatch watch;
    generateDatabase(path, kSchema, scale.rows, anchor, 0xC0FFEE + quint64(scale.rows));
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
    NaiveList(const QString& database, const Form1& like) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("naive"));
        m_db.setDatabaseName(database);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!m_db.open()) throw std::runtime_error("naive: cannot open the database");
        m_window.resize(like.size());
        m_window.setFont(like.font());
        m_tree = new QTreeWidget(&m_window);
        m_tree->setGeometry(like.findChild<QTreeView*>(QStringLiteral("ListView1"))->geometry());
        m_tree->setFont(like.findChild<QTreeView*>(QStringLiteral("ListView1"))->font());
        m_tree->setRootIsDecorated(false);
        m_tree->setColumnCount(ReservationModel::ColumnCount);
        QStringList headers;
        for (int c = 0; c < ReservationModel::ColumnCount; ++c)
            headers << ReservationModel::headerCaption(c);
        m_tree->setHeaderLabels(headers);
        for (int c = 0; c < ReservationModel::ColumnCount; ++c)
            m_tree->header()->resizeSection(
                c,
                like.findChild<QTreeView*>(QStringLiteral("ListView1"))->header()->sectionSize(c));
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

QString selectAllSql() {
    return translateDates(statements::selectAll());
}

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
    form.listModel()->setSortState(false, 0, ReservationModel::Ascending);
    form.show();
    settle();
    PaintCounter paints;
    form.findChild<QTreeView*>(QStringLiteral("ListView1"))
        ->viewport()
        ->installEventFilter(&paints);

    // The fill on its own: the Show All statement through the one connection into a model.
    ReservationModel model;
    auto showAll = [&](Timing*) {
        Procedure proc(desk->dialogs, QStringLiteral("Form1.PushButton5_Click"));
        fillList(
            proc, model, desk->session.dbConnection.get(), [] { return statements::selectAll(); },
            [](int) {});
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
        wanted(QStringLiteral("show_all_paint"))) {
        progress(QStringLiteral("%1: raw, show_all, show_all_paint").arg(label));
        const std::vector<Timing> t =
            measureInterleaved(reps, {[&](Timing*) { readEveryColumn(raw, allSql); }, showAll,
                                      [&](Timing*) {
                                          form.PushButton5_Click();
                                          form.repaint();
                                      }});
        table[QStringLiteral("raw")][label] = t[0];
        table[QStringLiteral("show_all")][label] = t[1];
        table[QStringLiteral("show_all_paint")][label] = t[2];
        if (model.rowCount() != rawRows || form.listModel()->rowCount() != rawRows)
            fail(QStringLiteral("%1: the list holds %2 rows, the engine read %3")
                     .arg(label)
                     .arg(model.rowCount())
                     .arg(rawRows));
        if (paints.paints == 0) fail(QStringLiteral("%1: the list was never painted").arg(label));
    }
    model.beginFill();
    model.endFill();

    // One header click on the filled list, not sorted before.
    const struct {
        const char* name;
        int index;
    } sorts[] = {{"sort_name", ReservationModel::GuestName + 1},
                 {"sort_checkin", ReservationModel::CheckInDate + 1},
                 {"sort_id", ReservationModel::Id + 1}};
    for (const auto& sort : sorts) {
        if (!wanted(QString::fromLatin1(sort.name))) continue;
        progress(QStringLiteral("%1: %2").arg(label, QString::fromLatin1(sort.name)));
        table[QString::fromLatin1(sort.name)][label] = measure(
            reps, [&] { form.ListView1_ColumnClick(sort.index); },
            [&] {
                form.listModel()->setSortState(false, 0, ReservationModel::Ascending);
                form.PushButton5_Click();
                settle();
            });
        if (!form.listModel()->sorted() || form.listModel()->sortKey() != sort.index - 1)
            fail(QStringLiteral("%1: %2 left the list unsorted")
                     .arg(label, QString::fromLatin1(sort.name)));
    }
    form.listModel()->setSortState(false, 0, ReservationModel::Ascending);

    // "Search By Date" for a week a little before the newest check-in.
    if (wanted(QStringLiteral("range_week")) || wanted(QStringLiteral("raw_range"))) {
        progress(QStringLiteral("%1: range_week").arg(label));
        sqlite3_stmt* st = nullptr;
        QDate newest;
        if (sqlite3_prepare_v2(raw, "select max(CheckInDate) from tblRooms", -1, &st, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW && sqlite3_column_type(st, 0) == SQLITE_TEXT)
            newest = QDate::fromString(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))),
                Qt::ISODate);
        sqlite3_finalize(st);
        if (!newest.isValid()) newest = QDate::currentDate();
        const QDate from = newest.addDays(-96);
        const QDate to = from.addDays(6);
        form.findChild<QDateEdit*>(QStringLiteral("dtpCheckIn"))->setDate(from);
        form.findChild<QDateEdit*>(QStringLiteral("dtpCheckOut"))->setDate(to);
        const QByteArray rangeSql = translateDates(statements::selectRange(from, to)).toUtf8();
        const std::vector<Timing> t =
            measureInterleaved(reps, {[&](Timing*) { readEveryColumn(raw, rangeSql); },
                                      [&](Timing*) { form.PushButton4_Click(); }});
        table[QStringLiteral("raw_range")][label] = t[0];
        table[QStringLiteral("range_week")][label] = t[1];
        const qint64 rangeRows = readEveryColumn(raw, rangeSql);
        put(table, QStringLiteral("range rows"), label, double(rangeRows));
        if (form.listModel()->rowCount() != rangeRows)
            fail(QStringLiteral("%1: the week lists %2 rows, the engine read %3")
                     .arg(label)
                     .arg(form.listModel()->rowCount())
                     .arg(rangeRows));
    }
    desk.reset();
    settle();

    if (wanted(QStringLiteral("naive"))) {
        progress(QStringLiteral("%1: naive").arg(label));
        Desk like(common);
        NaiveList naive(scale.database, like.form);
        // A million items take long to build: fewer runs there.
        const int naiveReps = rawRows >= 500000 ? std::min(reps, 3) : reps;
        table[QStringLiteral("naive")][label] = measure(naiveReps, [&] { naive.showAll(); });
        if (naive.rows() != rawRows)
            fail(QStringLiteral("%1: the naive list holds %2 rows").arg(label).arg(naive.rows()));
        if (naive.paintCounter.paints == 0)
            fail(QStringLiteral("%1: the naive list was never painted").arg(label));
    }
    settle();
}

// One insert and the editor's refill (listRooms for the pickers' range, today after start-up),
// on a copy so that the cached database stays as generated.
void measureSave(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("save"))) return;
    progress(QStringLiteral("%1: save").arg(scale.label));
    const QString common = makeCommonDataFolder(workFolder(QStringLiteral("save-") + scale.label),
                                                scale.database, true);
    {
        Desk desk(common);
        GuestValues values;
        values.guestName = QStringLiteral("Renée O'Brien");
        values.accommodation = QStringLiteral("Room");
        values.noOfRooms = QStringLiteral("1");
        values.type = QStringLiteral("Double");
        values.serviceIncluded = QStringLiteral("Breakfast, Lunch, Dinner, Security");
        values.noOfPersons = QStringLiteral("2");
        values.checkIn = QDate::currentDate();
        values.checkOut = values.checkIn.addDays(3);
        values.creditCardType = QStringLiteral("VISA");
        values.creditCardNo = QStringLiteral("4111 1111 1111 1111");
        values.phoneNumber = QStringLiteral("17025550147");
        values.address = QStringLiteral("12 Harbour Road\r\nPellworth");
        // Each save waits for the disk; more runs steady the median.
        const int reps = std::max(g_options.reps, 15);
        int inserted = 0;
        table[QStringLiteral("save")][scale.label] = measure(reps, [&] {
            inserted += desk.session.connection().execute(statements::insert(values));
            desk.form.listRooms();
        });
        if (inserted != reps + 1 || desk.dialogs.shown)
            fail(QStringLiteral("%1: save inserted %2 rows").arg(scale.label).arg(inserted));
    }
    QDir(kBenchDir + QStringLiteral("/work/save-") + scale.label).removeRecursively();
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

// Peak resident memory of a fresh process that starts the program's window on the database,
// shows all reservations and paints them.
void measureRss(const Scale& scale, Table& table) {
    if (!wanted(QStringLiteral("rss"))) return;
    progress(QStringLiteral("%1: rss").arg(scale.label));
    const QString common = makeCommonDataFolder(workFolder(QStringLiteral("rss-") + scale.label),
                                                scale.database, false);
    QByteArray out;
    runProcess(QCoreApplication::applicationFilePath(), {QStringLiteral("--child-rss"), common},
               childEnvironment(common), 600000, &out);
    qint64 kb = -1;
    qint64 rows = -1;
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("vmhwm_kb ")) kb = line.mid(9).toLongLong();
        if (line.startsWith("rows ")) rows = line.mid(5).toLongLong();
    }
    if (kb <= 0 || rows != scale.rows) {
        fail(QStringLiteral("%1: the memory child failed (rows %2)").arg(scale.label).arg(rows));
        return;
    }
    put(table, QStringLiteral("rss MB"), scale.label, double(kb) * 1024.0 / 1e6);
}

int childRss(int argc, char* argv[], const QString& common) {
    QApplication app(argc, argv);
    BenchDialogs dialogs;
    Session session(dialogs, Places{kProgramDir, common});
    Form1 form(session);
    if (!form.Form_Load()) return 2;
    form.show();
    settle();
    form.PushButton5_Click();
    form.repaint();
    settle();
    std::printf("rows %d\nvmhwm_kb %lld\n", form.listModel()->rowCount(), peakResidentKb());
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
    table[QStringLiteral("startup")][QStringLiteral("empty")] = t[0];
    table[QStringLiteral("startup")][scale.label] = t[1];
}

QString formatValue(double v) {
    if (std::isnan(v)) return QStringLiteral("-");
    if (v >= 1000) return QString::number(v, 'f', 0);
    if (v >= 10) return QString::number(v, 'f', 1);
    return QString::number(v, 'f', 2);
}

const char* const kFigures[] = {"raw",        "show_all",     "show_all_paint", "naive",
                                "sort_name",  "sort_checkin", "sort_id",        "raw_range",
                                "range_week", "save",         "startup"};
const char* const kCounts[] = {"rows", "file MB", "range rows", "rss MB"};

bool isCount(const QString& name) {
    return name == QLatin1String("rows") || name == QLatin1String("range rows");
}

void printRow(const Table& table, const QString& name, const QStringList& labels, bool cpu) {
    const auto row = table.find(name);
    if (row == table.end()) return;
    std::printf("%-16s", qPrintable(name));
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
    if (table.count(QStringLiteral("startup"))) labels << QStringLiteral("empty");
    auto header = [&](const char* title) {
        std::printf("%-16s", title);
        for (const QString& l : labels)
            std::printf("%12s", qPrintable(l));
        std::printf("\n");
    };
    header("");
    for (const char* name : kCounts)
        printRow(table, QString::fromLatin1(name), labels, true);
    header("cpu ms");
    for (const char* name : kFigures)
        printRow(table, QString::fromLatin1(name), labels, true);
    header("wall ms");
    for (const char* name : kFigures)
        printRow(table, QString::fromLatin1(name), labels, false);
}

double cell(const Table& table, const char* figure, const QString& label) {
    const auto row = table.find(QString::fromLatin1(figure));
    if (row == table.end()) return NAN;
    const auto c = row->second.find(label);
    return c == row->second.end() ? NAN : c->second.cpu;
}

void printRatio(const QString& name, double over, double under) {
    if (std::isnan(over) || std::isnan(under) || under <= 0) return;
    std::printf("%s %.3f\n", qPrintable(name), over / under);
}

void printRatios(const Table& table, const QStringList& labels, const QString& startupLabel) {
    for (const QString& l : labels)
        printRatio(QStringLiteral("show_all_%1/raw_%1").arg(l), cell(table, "show_all", l),
                   cell(table, "raw", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("show_all_paint_%1/raw_%1").arg(l),
                   cell(table, "show_all_paint", l), cell(table, "raw", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("naive_%1/show_all_paint_%1").arg(l), cell(table, "naive", l),
                   cell(table, "show_all_paint", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("sort_name_%1/raw_%1").arg(l), cell(table, "sort_name", l),
                   cell(table, "raw", l));
    for (const QString& l : labels)
        printRatio(QStringLiteral("range_week_%1/raw_range_%1").arg(l),
                   cell(table, "range_week", l), cell(table, "raw_range", l));
    if (!startupLabel.isEmpty())
        printRatio(QStringLiteral("startup_%1/startup_empty").arg(startupLabel),
                   cell(table, "startup", startupLabel),
                   cell(table, "startup", QStringLiteral("empty")));
    printRatio(QStringLiteral("save_1m/save_10k"), cell(table, "save", QStringLiteral("1m")),
               cell(table, "save", QStringLiteral("10k")));
    for (const QString& l : labels)
        if (l == QLatin1String("1m") || l == QLatin1String("db"))
            printRatio(QStringLiteral("rss_%1/file_%1").arg(l), cell(table, "rss MB", l),
                       cell(table, "file MB", l));
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
        } else {
            std::fprintf(stderr,
                         "usage: corvanna_bench [--db PATH] [--scales 10k,100k,1m] [--reps N] "
                         "[--only raw,show_all,show_all_paint,naive,sort_name,sort_checkin,sort_id,"
                         "range_week,save,rss,startup] [--locale NAME]\n");
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
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
    QString startupLabel;
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
            if (s.label == QLatin1String("10k") || s.label == QLatin1String("1m") ||
                s.label == QLatin1String("db"))
                measureSave(s, table);
            measureRss(s, table);
        }
        for (const Scale& s : scales)
            if (s.label == QLatin1String("100k") || s.label == QLatin1String("db")) {
                startupLabel = s.label;
                measureStartup(s, table);
            }
    } catch (const std::exception& e) {
        fail(QString::fromLocal8Bit(e.what()));
    }

    const int reps = g_options.reps;
    std::printf("Corvanna list benchmark: medians of %d runs after a warm-up (naive from 500,000 "
                "rows: %d; save: %d; startup: %d), processor time and wall time in ms; the ratios "
                "use processor time; memory and file in MB; locale %s, Qt platform %s\n",
                reps, std::min(reps, 3), std::max(reps, 15), std::max(reps, 7),
                qPrintable(QLocale().name()), qPrintable(QGuiApplication::platformName()));
    printTable(table, labels);
    printRatios(table, labels, startupLabel);
    std::fflush(stdout);
    return g_failed ? 1 : 0;
}
