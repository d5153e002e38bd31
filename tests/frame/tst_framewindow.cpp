// The main window on the offscreen platform: its fixed border, maximise and restore, and the
// arrangements that follow. The offscreen platform maximises a window to its screen.
#include "base/layout.h"
#include "base/twips.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTreeView>

using namespace corvanna;
using namespace corvanna::test;

class TestFrameWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsNormalWithTheDesign();
    void maximiseStretchesRestoreCentres();
    void minimiseAndRestore_data();
    void minimiseAndRestore();
    void savedStateOpensTheWindow_data();
    void savedStateOpensTheWindow();
    void firstShowingCentresTheWindow();
    void borderDragLeavesTheWindowInPlace();

private:
    void load(const QString& savedState = {});
    static QPoint centreOf(const QRect& r) {
        return {r.x() + r.width() / 2, r.y() + r.height() / 2};
    }

    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_form;
};

void TestFrameWindow::init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellworth")).clear();
    m_places = std::make_unique<TempPlaces>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    m_session->databaseComponentsPresent = [] { return true; };
}

void TestFrameWindow::cleanup() {
    m_form.reset();
    m_session.reset();
}

void TestFrameWindow::load(const QString& savedState) {
    if (!savedState.isEmpty()) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Pellworth"));
        settings.setValue(QStringLiteral("Corvanna/WindowState"), savedState);
    }
    m_form = std::make_unique<Form1>(*m_session);
    QVERIFY(m_form->Form_Load());
    m_form->show();
    if (!m_form->isMinimized()) QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_dialogs->texts(), QStringList());
}

void TestFrameWindow::startsNormalWithTheDesign() {
    load();
    Form1& f = *m_form;
    QVERIFY(!f.layoutMoved());
    // The designed client area below the menu bar; the window is taller by the menu's height.
    QVERIFY(f.menuHeight() > 0);
    QCOMPARE(f.normalWindowSize(), QSize(664, 523 + f.menuHeight()));
    QCOMPARE(f.size(), f.normalWindowSize());
    // Fixed border: the normal window cannot be made smaller, and a drag to a larger size is
    // undone.
    QCOMPARE(f.minimumSize(), f.size());
    f.resize(900, 700);
    QTRY_COMPARE(f.size(), f.normalWindowSize());
    QVERIFY(!f.layoutMoved());
    QCOMPARE(control<QPushButton>(f, "PushButton1")->geometry(), twipsRect(120, 6830, 4800, 405));
    QCOMPARE(control<QPushButton>(f, "PushButton3")->geometry(), twipsRect(120, 7340, 4800, 405));
    QCOMPARE(control<QTreeView>(f, "ListView1")->geometry(), twipsRect(120, 1590, 9720, 5130));
}

void TestFrameWindow::maximiseStretchesRestoreCentres() {
    load();
    Form1& f = *m_form;
    const QRect screen = f.screen()->geometry();
    f.move(screen.topLeft() + QPoint(5, 7));
    QTRY_COMPARE(f.frameGeometry().topLeft(), screen.topLeft() + QPoint(5, 7));

    f.showMaximized();
    QTRY_VERIFY(f.width() > 664);
    QTRY_COMPARE(f.frameGeometry().size(), f.screen()->availableGeometry().size());
    QVERIFY(f.layoutMoved());
    QCOMPARE(f.minimumSize(), QSize(0, 0));

    const float w = pixelsToTwips(f.frameGeometry().width());
    // The arrangement works on the client area, below the menu bar.
    const float h = pixelsToTwips(f.frameGeometry().height() - f.menuHeight());
    QCOMPARE(control<QTreeView>(f, "ListView1")->geometry(),
             twipsRect(120, 1590, w - 330, h - 3 * 405 - 1200 - 840));
    // Two columns 120 twips (8 pixels) apart around the middle.
    QCOMPARE(control<QGroupBox>(f, "Frame1")->geometry().right() + 1, twipsToPixels(w / 2 - 360));
    QCOMPARE(control<QGroupBox>(f, "Frame2")->x(), twipsToPixels(w / 2 - 240));
    QCOMPARE(control<QPushButton>(f, "PushButton6")->x(), control<QGroupBox>(f, "Frame2")->x());
    QCOMPARE(control<QPushButton>(f, "PushButton3")->x(), control<QGroupBox>(f, "Frame1")->x());
    QCOMPARE(control<QPushButton>(f, "PushButton1")->y(),
             control<QTreeView>(f, "ListView1")->geometry().bottom() + 1 + 7);
    QCOMPARE(control<QPushButton>(f, "PushButton3")->y(),
             twipsToPixels(h - 3 * 405 - 1200 - 840 + 1590 + 105 + 405 + 120));
    // The date pickers travel with their frames.
    QCOMPARE(control<QDateEdit>(f, "dtpCheckIn")->parentWidget(),
             static_cast<QWidget*>(control<QGroupBox>(f, "Frame1")));

    f.showNormal();
    QTRY_COMPARE(f.size(), f.normalWindowSize());
    QCOMPARE(f.minimumSize(), f.size());
    QCOMPARE(control<QTreeView>(f, "ListView1")->geometry(), twipsRect(120, 1590, 9720, 5130));
    QCOMPARE(control<QPushButton>(f, "PushButton1")->geometry(), twipsRect(120, 6825, 4800, 405));
    QCOMPARE(control<QPushButton>(f, "PushButton2")->geometry(), twipsRect(5040, 6825, 4800, 405));
    QCOMPARE(control<QPushButton>(f, "PushButton3")->geometry(), twipsRect(120, 7350, 4800, 405));
    QCOMPARE(control<QPushButton>(f, "PushButton6")->geometry(), twipsRect(5040, 7350, 4800, 405));
    QCOMPARE(control<QPushButton>(f, "PushButton3")->y(), 490); // the design had 489
    QCOMPARE(control<QGroupBox>(f, "Frame2")->geometry(), twipsRect(5040, 120, 4800, 840));
    // Centred on the screen, not back where the user had put it.
    QTRY_VERIFY((centreOf(f.frameGeometry()) - centreOf(screen)).manhattanLength() <= 2);
}

void TestFrameWindow::minimiseAndRestore_data() {
    QTest::addColumn<bool>("maximisedBefore");
    QTest::newRow("never maximised: nothing moves") << false;
    QTest::newRow("maximised once: centred again") << true;
}

void TestFrameWindow::minimiseAndRestore() {
    QFETCH(bool, maximisedBefore);
    load();
    Form1& f = *m_form;
    if (maximisedBefore) {
        f.showMaximized();
        QTRY_VERIFY(f.width() > 664);
        f.showNormal();
        QTRY_COMPARE(f.size(), f.normalWindowSize());
    }
    const QPoint where = f.screen()->geometry().topLeft() + QPoint(11, 13);
    f.move(where);
    QTRY_COMPARE(f.frameGeometry().topLeft(), where);

    f.showMinimized();
    QTRY_VERIFY(f.isMinimized());
    f.showNormal();
    QTRY_VERIFY(!f.isMinimized());
    QCOMPARE(f.layoutMoved(), maximisedBefore);
    if (maximisedBefore) {
        QTRY_VERIFY(
            (centreOf(f.frameGeometry()) - centreOf(f.screen()->geometry())).manhattanLength() <=
            2);
        QCOMPARE(control<QPushButton>(f, "PushButton3")->geometry(),
                 twipsRect(120, 7350, 4800, 405));
    } else {
        QCOMPARE(f.frameGeometry().topLeft(), where);
        QCOMPARE(control<QPushButton>(f, "PushButton3")->geometry(),
                 twipsRect(120, 7340, 4800, 405));
    }
}

void TestFrameWindow::savedStateOpensTheWindow_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("moved");
    QTest::newRow("normal") << "0" << int(kStateNormal) << false;
    QTest::newRow("minimised") << "1" << int(kStateMinimised) << true;
    QTest::newRow("maximised") << "2" << int(kStateMaximised) << true;
}

void TestFrameWindow::savedStateOpensTheWindow() {
    QFETCH(QString, saved);
    QFETCH(int, state);
    QFETCH(bool, moved);
    load(saved);
    Form1& f = *m_form;
    QCOMPARE(f.windowStateNumber(), state);
    QCOMPARE(f.layoutMoved(), moved);
    if (state == kStateMaximised) {
        // The first showing applies the stretched arrangement.
        QTRY_COMPARE(f.frameGeometry().size(), f.screen()->availableGeometry().size());
        const float w = pixelsToTwips(f.frameGeometry().width());
        QTRY_COMPARE(control<QTreeView>(f, "ListView1")->width(), twipsToPixels(w - 330));
        QCOMPARE(control<QGroupBox>(f, "Frame2")->x(), twipsToPixels(w / 2 - 240));
    }
    if (state == kStateMinimised) {
        // The first restore re-applies the normal arrangement and centres the window.
        f.showNormal();
        QTRY_COMPARE(f.size(), f.normalWindowSize());
        QCOMPARE(control<QPushButton>(f, "PushButton3")->geometry(),
                 twipsRect(120, 7350, 4800, 405));
        QTRY_VERIFY(
            (centreOf(f.frameGeometry()) - centreOf(f.screen()->geometry())).manhattanLength() <=
            2);
    }
}

// The window with its frame, not its inner area, stands in the middle of the screen.
void TestFrameWindow::firstShowingCentresTheWindow() {
    load();
    const QRect frame = m_form->frameGeometry();
    QVERIFY(frame.size() != m_form->size()); // the platform gives it a frame
    const QRect screen = m_form->screen()->geometry();
    QTRY_VERIFY(std::abs(2 * frame.x() + frame.width() - 2 * screen.x() - screen.width()) <= 1 &&
                std::abs(2 * frame.y() + frame.height() - 2 * screen.y() - screen.height()) <= 1);
}

// Once maximised and restored, a drag of the normal window's border is undone where it is.
void TestFrameWindow::borderDragLeavesTheWindowInPlace() {
    load();
    auto* form = m_form.get();
    form->showMaximized();
    QTRY_VERIFY(form->width() > 664);
    form->showNormal();
    QTRY_COMPARE(form->size(), form->normalWindowSize());
    QVERIFY(form->layoutMoved());
    const QPoint where = form->screen()->geometry().topLeft() + QPoint(11, 13);
    form->move(where);
    QTRY_COMPARE(form->frameGeometry().topLeft(), where);

    form->resize(700, 640);
    QTRY_COMPARE(form->size(), form->normalWindowSize());
    QTest::qWait(50);
    QCOMPARE(form->frameGeometry().topLeft(), where);
}

QTEST_MAIN(TestFrameWindow)
#include "tst_framewindow.moc"
