// The real probe of the database components: present with the installed driver, missing when the
// driver plugins cannot be found (without uninstalling anything), and leaving no connection behind.
#include "support/componentcheck.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace corvanna;

class TestComponentProbe : public QObject {
    Q_OBJECT
private slots:
    void probe_data();
    void probe();
};

void TestComponentProbe::probe_data() {
    QTest::addColumn<bool>("hidePlugins");
    QTest::addColumn<bool>("expected");
    // The missing case runs first, before the driver has ever been loaded into this process.
    QTest::newRow("driver plugins not found") << true << false;
    QTest::newRow("driver installed") << false << true;
}

void TestComponentProbe::probe() {
    QFETCH(bool, hidePlugins);
    QFETCH(bool, expected);

    const QStringList original = QCoreApplication::libraryPaths();
    QTemporaryDir empty;
    if (hidePlugins) QCoreApplication::setLibraryPaths({empty.path()});
    const QStringList before = QSqlDatabase::connectionNames();
    const bool present = databaseComponentsPresent();
    QCoreApplication::setLibraryPaths(original);

    QCOMPARE(present, expected);
    QCOMPARE(QSqlDatabase::connectionNames(), before);
}

QTEST_GUILESS_MAIN(TestComponentProbe)
#include "tst_componentprobe.moc"
