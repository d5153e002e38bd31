// The main window's two arrangements, computed without any window.
#include "app/layout.h"

#include <QTest>

using namespace corvanna;

Q_DECLARE_METATYPE(corvanna::TwipsRect)

class TestFrameLayout : public QObject {
    Q_OBJECT
private slots:
    void maximisedPlaces_data();
    void maximisedPlaces();
    void maximisedColumnsAroundTheMiddle_data();
    void maximisedColumnsAroundTheMiddle();
    void restoredPlaces_data();
    void restoredPlaces();
    void doNothingCases_data();
    void doNothingCases();
    void tooShortForTheList();
};

namespace {

TwipsRect placeOf(const MainWindowPlaces& p, const QByteArray& name) {
    static const QHash<QByteArray, TwipsRect MainWindowPlaces::*> members = {
        {"Frame1", &MainWindowPlaces::Frame1},
        {"Frame2", &MainWindowPlaces::Frame2},
        {"PushButton4", &MainWindowPlaces::PushButton4},
        {"PushButton5", &MainWindowPlaces::PushButton5},
        {"ListView1", &MainWindowPlaces::ListView1},
        {"PushButton1", &MainWindowPlaces::PushButton1},
        {"PushButton2", &MainWindowPlaces::PushButton2},
        {"PushButton3", &MainWindowPlaces::PushButton3},
        {"PushButton6", &MainWindowPlaces::PushButton6},
    };
    return p.*members.value(name);
}

} // namespace

void TestFrameLayout::maximisedPlaces_data() {
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<TwipsRect>("expected");

    // 1024 x 768 pixels outer: W 15360, H 11520 twips.
    const float w = 15360, h = 11520;
    QTest::newRow("1024x768 Frame1")
        << w << h << QByteArray("Frame1") << TwipsRect{2520, 120, 4800, 840};
    QTest::newRow("1024x768 Frame2")
        << w << h << QByteArray("Frame2") << TwipsRect{7440, 120, 4800, 840};
    QTest::newRow("1024x768 Search")
        << w << h << QByteArray("PushButton4") << TwipsRect{2520, 1080, 4800, 405};
    QTest::newRow("1024x768 Show All")
        << w << h << QByteArray("PushButton5") << TwipsRect{7440, 1080, 4800, 405};
    QTest::newRow("1024x768 list")
        << w << h << QByteArray("ListView1") << TwipsRect{120, 1590, 15030, 8265};
    QTest::newRow("1024x768 Add New")
        << w << h << QByteArray("PushButton1") << TwipsRect{2520, 9960, 4800, 405};
    QTest::newRow("1024x768 Delete")
        << w << h << QByteArray("PushButton2") << TwipsRect{7440, 9960, 4800, 405};
    QTest::newRow("1024x768 Edit")
        << w << h << QByteArray("PushButton3") << TwipsRect{2520, 10485, 4800, 405};
    QTest::newRow("1024x768 Sample")
        << w << h << QByteArray("PushButton6") << TwipsRect{7440, 10485, 4800, 405};

    // An odd outer width puts the middle on a half twip; single precision keeps it.
    QTest::newRow("odd width Frame1")
        << 19215.f << 15000.f << QByteArray("Frame1") << TwipsRect{4447.5f, 120, 4800, 840};
    QTest::newRow("odd width Sample")
        << 19215.f << 15000.f << QByteArray("PushButton6") << TwipsRect{9367.5f, 13965, 4800, 405};
    QTest::newRow("odd width list")
        << 19215.f << 15000.f << QByteArray("ListView1") << TwipsRect{120, 1590, 18885, 11745};
}

void TestFrameLayout::maximisedPlaces() {
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QByteArray, control);
    QFETCH(TwipsRect, expected);

    const LayoutOutcome outcome = mainWindowLayout(kStateMaximised, width, height, false);
    QVERIFY(outcome.places);
    const TwipsRect got = placeOf(*outcome.places, control);
    QCOMPARE(got.left, expected.left);
    QCOMPARE(got.top, expected.top);
    QCOMPARE(got.width, expected.width);
    QCOMPARE(got.height, expected.height);
    QVERIFY(outcome.layoutMoved);
    QVERIFY(!outcome.centre);
}

void TestFrameLayout::maximisedColumnsAroundTheMiddle_data() {
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::newRow("800x600") << 12000.f << 9000.f;
    QTest::newRow("1366x768") << 20490.f << 11520.f;
    QTest::newRow("1920x1080") << 28800.f << 16200.f;
    QTest::newRow("2561 wide") << 38415.f << 21600.f;
}

void TestFrameLayout::maximisedColumnsAroundTheMiddle() {
    QFETCH(float, width);
    QFETCH(float, height);
    const MainWindowPlaces p = *mainWindowLayout(kStateMaximised, width, height, true).places;

    // The left column ends at W/2 - 360 and the right one starts at W/2 - 240, for each pair.
    const QList<QPair<TwipsRect, TwipsRect>> pairs = {{p.Frame1, p.Frame2},
                                                      {p.PushButton4, p.PushButton5},
                                                      {p.PushButton1, p.PushButton2},
                                                      {p.PushButton3, p.PushButton6}};
    for (const auto& [left, right] : pairs) {
        QCOMPARE(left.left + left.width, width / 2 - 360);
        QCOMPARE(right.left, width / 2 - 240);
        QCOMPARE(right.top, left.top);
    }
    // The list fills the width and the buttons follow it down; the upper controls keep their Tops.
    QCOMPARE(p.ListView1.width, width - 330);
    QCOMPARE(p.ListView1.height, height - 3 * 405 - 1200 - 840);
    QCOMPARE(p.PushButton1.top, p.ListView1.top + p.ListView1.height + 105);
    QCOMPARE(p.PushButton3.top, p.PushButton1.top + 405 + 120);
    QCOMPARE(p.Frame1.top, 120.f);
    QCOMPARE(p.PushButton5.top, 1080.f);
}

void TestFrameLayout::restoredPlaces_data() {
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<TwipsRect>("expected");
    QTest::newRow("Frame1") << QByteArray("Frame1") << TwipsRect{120, 120, 4800, 840};
    QTest::newRow("Frame2") << QByteArray("Frame2") << TwipsRect{5040, 120, 4800, 840};
    QTest::newRow("Search") << QByteArray("PushButton4") << TwipsRect{120, 1080, 4800, 405};
    QTest::newRow("Show All") << QByteArray("PushButton5") << TwipsRect{5040, 1080, 4800, 405};
    QTest::newRow("list") << QByteArray("ListView1") << TwipsRect{120, 1590, 9720, 5130};
    // Not the design's 6830 and 7340: the rows follow the list's bottom.
    QTest::newRow("Add New") << QByteArray("PushButton1") << TwipsRect{120, 6825, 4800, 405};
    QTest::newRow("Delete") << QByteArray("PushButton2") << TwipsRect{5040, 6825, 4800, 405};
    QTest::newRow("Edit") << QByteArray("PushButton3") << TwipsRect{120, 7350, 4800, 405};
    QTest::newRow("Sample") << QByteArray("PushButton6") << TwipsRect{5040, 7350, 4800, 405};
}

void TestFrameLayout::restoredPlaces() {
    QFETCH(QByteArray, control);
    QFETCH(TwipsRect, expected);
    // The outer size of a restored window plays no part.
    for (const auto& [w, h] : {std::pair{10080.f, 8370.f}, std::pair{28800.f, 16200.f}}) {
        const LayoutOutcome outcome = mainWindowLayout(kStateNormal, w, h, true);
        QVERIFY(outcome.places);
        QCOMPARE(placeOf(*outcome.places, control), expected);
        QVERIFY(outcome.layoutMoved);
        QVERIFY(outcome.centre);
    }
}

void TestFrameLayout::doNothingCases_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("moved");
    QTest::newRow("normal, never moved") << int(kStateNormal) << false;
    QTest::newRow("minimised, never moved") << int(kStateMinimised) << false;
    QTest::newRow("minimised after moving") << int(kStateMinimised) << true;
}

void TestFrameLayout::doNothingCases() {
    QFETCH(int, state);
    QFETCH(bool, moved);
    const LayoutOutcome outcome = mainWindowLayout(state, 28800, 16200, moved);
    QVERIFY(!outcome.places);
    QCOMPARE(outcome.layoutMoved, moved);
    QVERIFY(!outcome.centre);
}

void TestFrameLayout::tooShortForTheList() {
    // 3255 twips is the least outer height that leaves the list any room.
    const MainWindowPlaces p = *mainWindowLayout(kStateMaximised, 12000, 3000, false).places;
    QCOMPARE(p.ListView1.height, 0.f);
    QCOMPARE(p.PushButton1.top, 1590.f + 105);
    QCOMPARE(mainWindowLayout(kStateMaximised, 12000, 3300, false).places->ListView1.height, 45.f);
}

QTEST_GUILESS_MAIN(TestFrameLayout)
#include "tst_framelayout.moc"
