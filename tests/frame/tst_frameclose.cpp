// Closing the main window: the saved column widths and window state, the connection, the end of
// the program; and the settings read back at the next start.
#include "base/layout.h"
#include "base/settings.h"
#include "base/twips.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "store/connection.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <csignal>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QString kLoad = QStringLiteral("Form1.Form_Load");
const QString kQueryUnload = QStringLiteral("Form1.Form_QueryUnload");
const QString kNotSet = QStringLiteral("Object variable or With block variable not set");

QSettings* userSettings() {
    static QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                              QStringLiteral("Pellworth"));
    return &settings;
}

void putSetting(const QString& key, const QString& value) {
    userSettings()->setValue(QStringLiteral("Corvanna/") + key, value);
    userSettings()->sync();
}

QString savedSetting(const QString& key) {
    userSettings()->sync();
    const QVariant value = userSettings()->value(QStringLiteral("Corvanna/") + key);
    return value.isValid() ? value.toString() : QStringLiteral("<unset>");
}

QStringList allKeys() {
    QStringList keys;
    for (int i = 1; i <= 13; ++i)
        keys << QStringLiteral("ColumnHeaders%1").arg(i);
    return keys << QStringLiteral("WindowState");
}

} // namespace

class TestFrameClose : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void widthsRoundTrip_data();
    void widthsRoundTrip();
    void windowStateRoundTrip_data();
    void windowStateRoundTrip();
    void garbageIsReportedPerSetting_data();
    void garbageIsReportedPerSetting();
    void closeWritesEveryKey();
    void connectionAtClose_data();
    void connectionAtClose();
    void unwritableStoreIsReportedPerKey();
    void terminationSignalClosesOnce_data();
    void terminationSignalClosesOnce();
    void terminationClosesTheModalEditorFirst();
    void quittingTheEventLoopRunsTheClose(); // last: it runs the application's event loop

private:
    void load();

    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_form;
    int m_ends = 0;
};

void TestFrameClose::init() {
    userSettings()->clear();
    userSettings()->sync();
    m_places = std::make_unique<TempPlaces>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    m_session->databaseComponentsPresent = [] { return true; };
    m_ends = 0;
    m_session->onEnd = [this](int) { ++m_ends; };
}

void TestFrameClose::cleanup() {
    m_form.reset();
    m_session.reset();
    QLocale::setDefault(QLocale::system());
}

void TestFrameClose::load() {
    m_form = std::make_unique<Form1>(*m_session);
    QVERIFY(m_form->Form_Load());
}

void TestFrameClose::widthsRoundTrip_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("stored"); // empty: never written
    QTest::addColumn<float>("width");
    QTest::addColumn<QString>("written");

    QTest::newRow("ID column default") << "C" << 1 << "" << 1.f << "1";
    QTest::newRow("other column default") << "C" << 7 << "" << 2000.f << "2000";
    QTest::newRow("dragged to zero") << "C" << 4 << "0" << 0.f << "0";
    QTest::newRow("fraction") << "C" << 5 << "1234.5" << 1234.5f << "1234.5";
    QTest::newRow("wide") << "C" << 2 << "15000" << 15000.f << "15000";
    QTest::newRow("fraction, comma locale") << "de_DE" << 5 << "1234,5" << 1234.5f << "1234,5";
    QTest::newRow("small fraction, comma locale") << "de_DE" << 13 << "0,1" << 0.1f << "0,1";
    QTest::newRow("seven digits, comma locale")
        << "de_DE" << 3 << "2047,123" << 2047.123f << "2047,123";
    QTest::newRow("no group separator") << "de_DE" << 9 << "12345" << 12345.f << "12345";
    QTest::newRow("default, comma locale") << "de_DE" << 12 << "" << 2000.f << "2000";
}

void TestFrameClose::widthsRoundTrip() {
    QFETCH(QString, locale);
    QFETCH(int, column);
    QFETCH(QString, stored);
    QFETCH(float, width);
    QFETCH(QString, written);

    QLocale::setDefault(QLocale(locale));
    if (!stored.isEmpty()) putSetting(QStringLiteral("ColumnHeaders%1").arg(column), stored);
    load();
    QCOMPARE(m_dialogs->texts(), QStringList());
    QCOMPARE(m_form->columnWidth(column), width);
    QCOMPARE(control<QTreeView>(*m_form, "ListView1")->header()->sectionSize(column - 1),
             twipsToPixels(width));

    m_form->close();
    QCOMPARE(savedSetting(QStringLiteral("ColumnHeaders%1").arg(column)), written);
    // Read back at the next start to the same value.
    Session nextRun(*m_dialogs, m_places->places);
    nextRun.databaseComponentsPresent = [] { return true; };
    Form1 next(nextRun);
    QVERIFY(next.Form_Load());
    QCOMPARE(next.columnWidth(column), width);
    QCOMPARE(m_dialogs->texts(), QStringList());
}

void TestFrameClose::windowStateRoundTrip_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("state");
    QTest::newRow("normal") << "0" << int(kStateNormal);
    QTest::newRow("minimised") << "1" << int(kStateMinimised);
    QTest::newRow("maximised") << "2" << int(kStateMaximised);
}

void TestFrameClose::windowStateRoundTrip() {
    QFETCH(QString, stored);
    QFETCH(int, state);
    putSetting(QStringLiteral("WindowState"), stored);
    load();
    QCOMPARE(m_form->windowStateNumber(), state);
    QCOMPARE(m_form->layoutMoved(), state != kStateNormal);
    m_form->close();
    QCOMPARE(savedSetting(QStringLiteral("WindowState")), stored);
    QCOMPARE(m_dialogs->texts(), QStringList());
}

void TestFrameClose::garbageIsReportedPerSetting_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("reports");

    QTest::newRow("ID column not a number") << QStringList{"ColumnHeaders1"} << "wide"
                                            << QStringList{reportFor("Type mismatch", kLoad, 130)};
    QTest::newRow("column 3 not a number") << QStringList{"ColumnHeaders3"} << "12abc"
                                           << QStringList{reportFor("Type mismatch", kLoad, 132)};
    QTest::newRow("negative width") << QStringList{"ColumnHeaders7"} << "-5"
                                    << QStringList{reportFor("Invalid property value", kLoad, 132)};
    QTest::newRow("two columns, two reports")
        << QStringList{"ColumnHeaders2", "ColumnHeaders13"} << "x"
        << QStringList{reportFor("Type mismatch", kLoad, 132),
                       reportFor("Type mismatch", kLoad, 132)};
    QTest::newRow("state not a number") << QStringList{"WindowState"} << "max"
                                        << QStringList{reportFor("Type mismatch", kLoad, 142)};
    QTest::newRow("state out of range")
        << QStringList{"WindowState"} << "3"
        << QStringList{reportFor("Invalid property value", kLoad, 142)};
    QTest::newRow("state beyond 16 bits")
        << QStringList{"WindowState"} << "70000" << QStringList{reportFor("Overflow", kLoad, 142)};
}

void TestFrameClose::garbageIsReportedPerSetting() {
    QFETCH(QStringList, keys);
    QFETCH(QString, stored);
    QFETCH(QStringList, reports);

    for (const QString& key : keys)
        putSetting(key, stored);
    putSetting(QStringLiteral("ColumnHeaders5"), QStringLiteral("3000"));
    load();
    QCOMPARE(m_dialogs->texts(), reports);
    // The other settings still apply; a refused state leaves the window normal.
    QCOMPARE(m_form->columnWidth(5), 3000.f);
    if (!keys.contains(QStringLiteral("ColumnHeaders12")))
        QCOMPARE(m_form->columnWidth(12), 2000.f);
    QCOMPARE(m_form->windowStateNumber(), int(kStateNormal));
    QVERIFY(!m_form->layoutMoved());

    // At the close a refused column is saved with the width the list shows, never as "0".
    m_dialogs->clear();
    m_form->close();
    QCOMPARE(m_dialogs->texts(), QStringList());
    for (const QString& key : keys) {
        if (key == QLatin1String("WindowState")) {
            QCOMPARE(savedSetting(key), QStringLiteral("0"));
            continue;
        }
        const int column = key.mid(13).toInt();
        const int shown =
            control<QTreeView>(*m_form, "ListView1")->header()->sectionSize(column - 1);
        QVERIFY(shown > 0);
        QCOMPARE(parseWidth(savedSetting(key)), pixelsToTwips(shown));
    }
}

void TestFrameClose::closeWritesEveryKey() {
    load();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    control<QTreeView>(*m_form, "ListView1")
        ->header()
        ->resizeSection(3, 150); // the user drags column 4
    control<QTreeView>(*m_form, "ListView1")
        ->header()
        ->resizeSection(9, 0); // and column 10 out of sight
    m_form->setWindowState(Qt::WindowMaximized);

    QVERIFY(m_form->close());
    QCOMPARE(m_dialogs->texts(), QStringList());
    QStringList expected;
    for (int i = 1; i <= 13; ++i)
        expected << (i == 1 ? "1" : i == 4 ? "2250" : i == 10 ? "0" : "2000");
    expected << "2";
    QStringList saved;
    for (const QString& key : allKeys())
        saved << savedSetting(key);
    QCOMPARE(saved, expected);
    QVERIFY(!m_session->dbConnection);
    QVERIFY(m_session->ended);
    QCOMPARE(m_session->exitCode, 0);
    QCOMPARE(m_ends, 1);

    // A second close (the close box again, or the session ending) writes nothing and ends nothing.
    putSetting(QStringLiteral("WindowState"), QStringLiteral("untouched"));
    m_form->close();
    QCOMPARE(savedSetting(QStringLiteral("WindowState")), QStringLiteral("untouched"));
    QCOMPARE(m_ends, 1);
}

void TestFrameClose::connectionAtClose_data() {
    QTest::addColumn<QString>("connection");
    QTest::addColumn<QStringList>("reports");
    QTest::newRow("open") << "open" << QStringList();
    QTest::newRow("created, failed to open") << "closed" << QStringList();
    // The state test fails, so the close it guards runs and fails too: two boxes.
    QTest::newRow("never created") << "none"
                                   << QStringList{reportFor(kNotSet, kQueryUnload, 108),
                                                  reportFor(kNotSet, kQueryUnload, 108)};
}

void TestFrameClose::connectionAtClose() {
    QFETCH(QString, connection);
    QFETCH(QStringList, reports);
    load();
    QCOMPARE(m_session->connection().state(), 1);
    if (connection == QLatin1String("closed"))
        m_session->dbConnection = std::make_unique<Connection>();
    else if (connection == QLatin1String("none"))
        m_session->dbConnection.reset();

    m_form->close();
    QCOMPARE(m_dialogs->texts(), reports);
    for (const QString& key : allKeys())
        QVERIFY2(savedSetting(key) != QLatin1String("<unset>"), qPrintable(key));
    QVERIFY(!m_session->dbConnection);
    QCOMPARE(m_ends, 1);
}

void TestFrameClose::unwritableStoreIsReportedPerKey() {
    load();
    const QString file = userSettings()->fileName();
    QFile::remove(file);
    QVERIFY(QDir().mkpath(file)); // a folder where the settings file should be
    const QString description =
        QStringLiteral("Permission denied: the settings file %1 cannot be written").arg(file);

    m_form->close();
    QDir(file).removeRecursively();
    QStringList expected;
    for (int i = 1; i <= 13; ++i)
        expected << reportFor(description, kQueryUnload, 102);
    expected << reportFor(description, kQueryUnload, 106);
    QCOMPARE(m_dialogs->texts(), expected);
    // The rest of the close still happens.
    QVERIFY(!m_session->dbConnection);
    QCOMPARE(m_ends, 1);
}

void TestFrameClose::terminationSignalClosesOnce_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM (system shutdown)") << SIGTERM;
    QTest::newRow("SIGHUP (session gone)") << SIGHUP;
}

void TestFrameClose::terminationSignalClosesOnce() {
    QFETCH(int, signal);
    load();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    control<QTreeView>(*m_form, "ListView1")->header()->resizeSection(1, 40);

    std::raise(signal);
    QTRY_COMPARE(m_ends, 1);
    QCOMPARE(savedSetting(QStringLiteral("ColumnHeaders2")), QStringLiteral("600"));
    QCOMPARE(savedSetting(QStringLiteral("WindowState")), QStringLiteral("0"));
    QVERIFY(!m_session->dbConnection);
    QVERIFY(!m_form->isVisible());

    putSetting(QStringLiteral("WindowState"), QStringLiteral("untouched"));
    std::raise(signal);
    QTest::qWait(50);
    QCOMPARE(m_ends, 1);
    QCOMPARE(savedSetting(QStringLiteral("WindowState")), QStringLiteral("untouched"));
    QCOMPARE(m_dialogs->texts(), QStringList());
}

void TestFrameClose::terminationClosesTheModalEditorFirst() {
    load();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QDialog editor(m_form.get());
    bool connectionWhileEditorOpen = false;
    QTimer::singleShot(0, &editor, [&] {
        connectionWhileEditorOpen = m_session->dbConnection != nullptr;
        std::raise(SIGTERM);
    });
    editor.exec(); // returns when the session end closes it
    QVERIFY(connectionWhileEditorOpen);
    QTRY_COMPARE(m_ends, 1);
    QVERIFY(!editor.isVisible());
    QVERIFY(!m_session->dbConnection);
    QCOMPARE(savedSetting(QStringLiteral("WindowState")), QStringLiteral("0"));
}

void TestFrameClose::quittingTheEventLoopRunsTheClose() {
    load();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    QCOMPARE(m_ends, 1);
    QCOMPARE(savedSetting(QStringLiteral("ColumnHeaders1")), QStringLiteral("1"));
    QVERIFY(!m_session->dbConnection);
}

QTEST_MAIN(TestFrameClose)
#include "tst_frameclose.moc"
