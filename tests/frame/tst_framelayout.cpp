// The main window's two arrangements, computed without any window.
#include "base/layout.h"

#include <QTest>

using namespace corvanna;

Q_DECLARE_METATYPE(corvanna::MainWindowPlaces)

namespace {

QString describe(const TwipsRect& r) {
    return QStringLiteral("(%1, %2, %3, %4)").arg(r.left).arg(r.top).arg(r.width).arg(r.height);
}

// Two columns of 4800-wide controls whose lefts are `left` and `right`.
MainWindowPlaces columns(float left, float right, float listWidth, float listHeight, float row1,
                         float row2) {
    return {{left, 120, 4800, 840},
            {right, 120, 4800, 840},
            {left, 1080, 4800, 405},
            {right, 1080, 4800, 405},
            {120, 1590, listWidth, listHeight},
            {left, row1, 4800, 405},
            {right, row1, 4800, 405},
            {left, row2, 4800, 405},
            {right, row2, 4800, 405}};
}

void comparePlaces(const MainWindowPlaces& got, const MainWindowPlaces& expected) {
    const std::pair<const char*, TwipsRect MainWindowPlaces::*> controls[] = {
        {"Frame1", &MainWindowPlaces::Frame1},
        {"Frame2", &MainWindowPlaces::Frame2},
        {"PushButton4", &MainWindowPlaces::PushButton4},
        {"PushButton5", &MainWindowPlaces::PushButton5},
        {"ListView1", &MainWindowPlaces::ListView1},
        {"PushButton1", &MainWindowPlaces::PushButton1},
        {"PushButton2", &MainWindowPlaces::PushButton2},
        {"PushButton3", &MainWindowPlaces::PushButton3},
        {"PushButton6", &MainWindowPlaces::PushButton6}};
    for (const auto& [name, member] : controls)
        QVERIFY2(got.*member == expected.*member,
                 qPrintable(QStringLiteral("%1: got %2, expected %3")
                                .arg(QLatin1String(name), describe(got.*member),
                                     describe(expected.*member))));
}

} // namespace

class TestFrameLayout : public QObject {
    Q_OBJECT
private slots:
    void arrangements_data();
    void arrangements();
    void doNothingCases_data();
    void doNothingCases();
};

void TestFrameLayout::arrangements_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<float>("width"); // the window's outer size, twips
    QTest::addColumn<float>("height");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<MainWindowPlaces>("expected");
    QTest::addColumn<bool>("centre");

    // Maximised: the columns end at W/2 - 360 and start at W/2 - 240, the list takes the rest.
    QTest::newRow("maximised 1024x768") << int(kStateMaximised) << 15360.f << 11520.f << false
                                        << columns(2520, 7440, 15030, 8265, 9960, 10485) << false;
    QTest::newRow("maximised again") << int(kStateMaximised) << 15360.f << 11520.f << true
                                     << columns(2520, 7440, 15030, 8265, 9960, 10485) << false;
    // An odd pixel width puts the middle on a half twip; single precision keeps it.
    QTest::newRow("maximised, odd width")
        << int(kStateMaximised) << 19215.f << 15000.f << false
        << columns(4447.5f, 9367.5f, 18885, 11745, 13440, 13965) << false;
    // Below 3255 twips the list would get a negative height: it gets none.
    QTest::newRow("maximised, too short for the list")
        << int(kStateMaximised) << 12000.f << 3000.f << false
        << columns(840, 5760, 11670, 0, 1695, 2220) << false;

    // Back to normal after a move: the design places, except that the bottom rows follow the
    // list (6825 and 7350, not 6830 and 7340); the window is centred. Its size plays no part.
    QTest::newRow("restored") << int(kStateNormal) << 10080.f << 8370.f << true
                              << columns(120, 5040, 9720, 5130, 6825, 7350) << true;
    QTest::newRow("restored, size still maximised")
        << int(kStateNormal) << 28800.f << 16200.f << true
        << columns(120, 5040, 9720, 5130, 6825, 7350) << true;
}

void TestFrameLayout::arrangements() {
    QFETCH(int, state);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(bool, moved);
    QFETCH(MainWindowPlaces, expected);
    QFETCH(bool, centre);

    const LayoutOutcome outcome = mainWindowLayout(state, width, height, moved);
    QVERIFY(outcome.places);
    comparePlaces(*outcome.places, expected);
    QVERIFY(outcome.layoutMoved);
    QCOMPARE(outcome.centre, centre);
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

QTEST_GUILESS_MAIN(TestFrameLayout)
#include "tst_framelayout.moc"
