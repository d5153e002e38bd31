// The look and feel of the windows: the skin, the classic colours, the pointer feedback and the
// hand cursor file.
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/pointer.h"
#include "gui/frame/session.h"
#include "gui/frame/skin.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>
#include <QTreeView>
#include <QtEndian>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QString kShippedSkin = QStringLiteral(CORVANNA_PROGRAM_DIR "/x/o.cjs");
const QString kShippedCursor = QStringLiteral(CORVANNA_PROGRAM_DIR "/HAND-M.CUR");

QColor face() {
    return QApplication::palette().color(QPalette::Button);
}
QColor background(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// WCAG contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestFrameLook : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void skinAtStartup_data();
    void skinAtStartup();
    void brokenSkinIsReported();
    void shippedSkinKeepsTheWindowReadable();
    void captionsReadUnderADarkPalette_data();
    void captionsReadUnderADarkPalette();
    void classicColours_data();
    void classicColours();
    void pointerRule_data();
    void pointerRule();
    void pointerShapeSelectsTheCursor_data();
    void pointerShapeSelectsTheCursor();
    void cursorFile_data();
    void cursorFile();

private:
    Form1& load();

    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_form;
};

void TestFrameLook::init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellworth")).clear();
    m_places = std::make_unique<TempPlaces>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    m_session->databaseComponentsPresent = [] { return true; };
}

void TestFrameLook::cleanup() {
    m_form.reset();
    m_session.reset();
}

Form1& TestFrameLook::load() {
    m_form = std::make_unique<Form1>(*m_session);
    m_form->Form_Load();
    return *m_form;
}

void TestFrameLook::skinAtStartup_data() {
    QTest::addColumn<QString>("skin"); // "shipped", "none", or "folder" (a folder of that name)
    QTest::addColumn<bool>("skinned");
    QTest::newRow("skin file present") << "shipped" << true;
    QTest::newRow("no skin file") << "none" << false;
    QTest::newRow("a folder, not a file") << "folder" << false;
}

void TestFrameLook::skinAtStartup() {
    QFETCH(QString, skin);
    QFETCH(bool, skinned);
    const QString path = m_places->places.skinFile();
    if (skin == QLatin1String("shipped"))
        QVERIFY(QFile::copy(kShippedSkin, path) ||
                (QDir().mkpath(QFileInfo(path).path()) && QFile::copy(kShippedSkin, path)));
    else if (skin == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));

    Form1& f = load();
    QCOMPARE(m_dialogs->texts(), QStringList());
    const QColor expected = skinned ? face() : QColor(Qt::white);
    QVERIFY(face() != QColor(Qt::white)); // else the two cases could not be told apart
    QCOMPARE(background(&f), expected);
    QCOMPARE(background(control<QGroupBox>(f, "Frame1")), expected);
    QCOMPARE(background(control<QGroupBox>(f, "Frame2")), expected);
    QCOMPARE(f.styleSheet(), skinned ? QString::fromUtf8(readAll(kShippedSkin)) : QString());

    // Once shown, the sheet's rules are in force on the controls.
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QColor buttonText =
        control<QPushButton>(f, "PushButton1")->palette().color(QPalette::ButtonText);
    QCOMPARE(buttonText == QColor(0x17, 0x27, 0x3a), skinned);
}

void TestFrameLook::brokenSkinIsReported() {
    const QString path = m_places->places.skinFile();
    writeFile(path, "QPushButton { color: #123456; ");
    Form1& f = load();
    QCOMPARE(m_dialogs->texts(),
             QStringList{reportFor(QStringLiteral("The skin %1 is not a valid style sheet")
                                       .arg(QDir::toNativeSeparators(path)),
                                   QStringLiteral("Form1.Form_Load"), 116)});
    // The colours came before the skin and stay; the broken sheet is not left in force.
    QCOMPARE(background(&f), face());
    QCOMPARE(background(control<QGroupBox>(f, "Frame2")), face());
    QCOMPARE(f.styleSheet(), QString());
    // Start-up went on: the caption is the product's.
    QCOMPARE(f.windowTitle(), QStringLiteral("Corvanna"));
}

void TestFrameLook::shippedSkinKeepsTheWindowReadable() {
    QDir().mkpath(QFileInfo(m_places->places.skinFile()).path());
    QVERIFY(QFile::copy(kShippedSkin, m_places->places.skinFile()));
    Form1& f = load();
    QCOMPARE(m_dialogs->texts(), QStringList());
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    // Every button's caption stands out from its face, across the face's gradient.
    for (QPushButton* b :
         {control<QPushButton>(f, "PushButton1"), control<QPushButton>(f, "PushButton2"),
          control<QPushButton>(f, "PushButton3"), control<QPushButton>(f, "PushButton4"),
          control<QPushButton>(f, "PushButton5"), control<QPushButton>(f, "PushButton6")}) {
        const QImage image = b->grab().toImage();
        const QColor text = b->palette().color(QPalette::ButtonText);
        for (int y : {3, image.height() / 2, image.height() - 4}) {
            const QColor back =
                image.pixelColor(4 * image.width() / b->width(), y * image.height() / b->height());
            QVERIFY2(contrast(text, back) >= 7.0, qPrintable(b->text()));
        }
    }
    // The list's rows, its selected row, and the frames' captions on the window's face.
    const QPalette list = control<QTreeView>(f, "ListView1")->palette();
    QVERIFY(contrast(list.color(QPalette::Text), list.color(QPalette::Base)) >= 7.0);
    QVERIFY(contrast(list.color(QPalette::HighlightedText), list.color(QPalette::Highlight)) >=
            4.5);
    QVERIFY(contrast(control<QGroupBox>(f, "Frame1")->palette().color(QPalette::WindowText),
                     background(&f)) >= 7.0);
}

void TestFrameLook::captionsReadUnderADarkPalette_data() {
    QTest::addColumn<bool>("skinned");
    QTest::newRow("white design colours") << false;
    QTest::newRow("skin on the desktop's face") << true;
}

// Every caption on a background the program sets stands out from it, in both windows.
void TestFrameLook::captionsReadUnderADarkPalette() {
    QFETCH(bool, skinned);
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x2b, 0x2b, 0x2b)));
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    if (skinned) {
        QDir().mkpath(QFileInfo(m_places->places.skinFile()).path());
        QVERIFY(QFile::copy(kShippedSkin, m_places->places.skinFile()));
    }
    Form1& f = load();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    Form2 editor(f);
    editor.Form_Load();
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(m_dialogs->texts(), QStringList());

    int checked = 0;
    for (QWidget* window : {static_cast<QWidget*>(&f), static_cast<QWidget*>(&editor)}) {
        QList<QWidget*> all = window->findChildren<QWidget*>();
        all << window;
        for (QWidget* w : all) {
            const QPalette p = w->palette();
            if (w->autoFillBackground()) {
                QVERIFY2(contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)) >= 4.5,
                         qPrintable(w->objectName()));
                ++checked;
            }
            if (qobject_cast<QPushButton*>(w) && !skinned)
                QVERIFY2(contrast(p.color(QPalette::ButtonText), p.color(QPalette::Button)) >= 4.5,
                         qPrintable(w->objectName()));
        }
    }
    QVERIFY(checked >= 20); // both windows, their frames, labels and options
}

void TestFrameLook::classicColours_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("inFrame");
    QTest::addColumn<bool>("takesFace");
    for (bool inFrame : {false, true}) {
        const char* where = inFrame ? " in a frame" : "";
        QTest::addRow("label%s", where) << "label" << inFrame << true;
        QTest::addRow("option button%s", where) << "option" << inFrame << true;
        QTest::addRow("check box%s", where) << "check" << inFrame << true;
        QTest::addRow("frame%s", where) << "frame" << inFrame << true;
        QTest::addRow("text box%s", where) << "text" << inFrame << false;
        QTest::addRow("combo box%s", where) << "combo" << inFrame << false;
        QTest::addRow("date picker%s", where) << "date" << inFrame << false;
        QTest::addRow("push button%s", where) << "button" << inFrame << false;
    }
}

void TestFrameLook::classicColours() {
    QFETCH(QString, kind);
    QFETCH(bool, inFrame);
    QFETCH(bool, takesFace);

    QWidget window;
    auto* outer = new QGroupBox(&window);
    QWidget* parent = inFrame ? static_cast<QWidget*>(outer) : &window;
    QWidget* control = kind == "label"    ? static_cast<QWidget*>(new QLabel(parent))
                       : kind == "option" ? new QRadioButton(parent)
                       : kind == "check"  ? new QCheckBox(parent)
                       : kind == "frame"  ? new QGroupBox(parent)
                       : kind == "text"   ? new QLineEdit(parent)
                       : kind == "combo"  ? new QComboBox(parent)
                       : kind == "date"   ? static_cast<QWidget*>(new QDateEdit(parent))
                                          : new QPushButton(parent);
    QList<QWidget*> all = window.findChildren<QWidget*>();
    all << &window;
    for (QWidget* w : all) {
        QPalette white = w->palette();
        white.setColor(QPalette::Window, Qt::white);
        w->setPalette(white);
    }

    ApplyClassicColours(&window);
    QCOMPARE(background(&window), face());
    QCOMPARE(background(outer), face());
    QCOMPARE(background(control), takesFace ? face() : QColor(Qt::white));
    QCOMPARE(control->autoFillBackground(), takesFace);
    // The inner parts of a composite control are not the window's controls.
    for (QWidget* inner : control->findChildren<QWidget*>())
        QCOMPARE(background(inner), QColor(Qt::white));
}

void TestFrameLook::pointerRule_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("path"); // widgets the pointer moves over, in order
    QTest::addColumn<int>("shape");

    const QStringList buttons = {"PushButton1", "PushButton2", "PushButton3",
                                 "PushButton4", "PushButton5", "PushButton6"};
    for (const QString& b : buttons)
        QTest::addRow("over %s", qPrintable(b)) << 0 << QStringList{b} << 99;
    QTest::newRow("button to button") << 0 << QStringList{"PushButton4", "PushButton6"} << 99;
    QTest::newRow("button, then window") << 0 << QStringList{"PushButton1", "Form1"} << 0;
    QTest::newRow("button, then frame 1") << 0 << QStringList{"PushButton4", "Frame1"} << 0;
    QTest::newRow("button, then frame 2") << 0 << QStringList{"PushButton5", "Frame2"} << 0;
    QTest::newRow("button, then list") << 0 << QStringList{"PushButton2", "list"} << 0;
    QTest::newRow("button, then list header") << 0 << QStringList{"PushButton2", "header"} << 0;
    // The date pickers have no pointer handler: the shape stays as it was.
    QTest::newRow("button, then date picker")
        << 0 << QStringList{"PushButton4", "dtpCheckIn"} << 99;
    QTest::newRow("frame, then date picker") << 0 << QStringList{"Frame1", "dtpCheckIn"} << 0;
    // The hourglass is never replaced.
    QTest::newRow("hourglass over button") << 11 << QStringList{"PushButton1"} << 11;
    QTest::newRow("hourglass over window") << 11 << QStringList{"Form1"} << 11;
    QTest::newRow("hourglass over frame") << 11 << QStringList{"Frame2"} << 11;
    QTest::newRow("hourglass over list") << 11 << QStringList{"list", "PushButton3"} << 11;
    QTest::newRow("hand kept until the window") << 99 << QStringList{"dtpCheckOut"} << 99;
}

void TestFrameLook::pointerRule() {
    QFETCH(int, start);
    QFETCH(QStringList, path);
    QFETCH(int, shape);

    Form1& f = *(m_form = std::make_unique<Form1>(*m_session));
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    // Points that belong to the named widget alone (not to a child of it).
    const QHash<QString, QPair<QWidget*, QPoint>> places = {
        {"Form1", {&f, QPoint(3, 3)}},
        {"Frame1",
         {control<QGroupBox>(f, "Frame1"), QPoint(control<QGroupBox>(f, "Frame1")->width() - 4,
                                                  control<QGroupBox>(f, "Frame1")->height() - 4)}},
        {"Frame2",
         {control<QGroupBox>(f, "Frame2"), QPoint(control<QGroupBox>(f, "Frame2")->width() - 4,
                                                  control<QGroupBox>(f, "Frame2")->height() - 4)}},
        {"list",
         {control<QTreeView>(f, "ListView1")->viewport(),
          control<QTreeView>(f, "ListView1")->viewport()->rect().center()}},
        {"header", {control<QTreeView>(f, "ListView1")->header()->viewport(), QPoint(20, 5)}},
        {"dtpCheckIn",
         {control<QDateEdit>(f, "dtpCheckIn"),
          control<QDateEdit>(f, "dtpCheckIn")->rect().center()}},
        {"dtpCheckOut",
         {control<QDateEdit>(f, "dtpCheckOut"),
          control<QDateEdit>(f, "dtpCheckOut")->rect().center()}},
    };
    f.setMousePointer(PointerShape(start));
    for (const QString& name : path) {
        QWidget* w = places.contains(name) ? places[name].first : f.findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        const QPoint at = places.contains(name) ? places[name].second : w->rect().center();
        QTest::mouseMove(w, at);
        QCoreApplication::processEvents();
    }
    QCOMPARE(f.MousePointer(), shape);
}

void TestFrameLook::pointerShapeSelectsTheCursor_data() {
    QTest::addColumn<bool>("handFile");
    QTest::newRow("hand cursor file present") << true;
    QTest::newRow("hand cursor file missing") << false;
}

void TestFrameLook::pointerShapeSelectsTheCursor() {
    QFETCH(bool, handFile);
    if (handFile) QVERIFY(QFile::copy(kShippedCursor, m_places->places.handPointerFile()));
    Form1& f = load();
    QCOMPARE(m_dialogs->texts(), QStringList()); // a missing file is no error
    QCOMPARE(f.pointer()->hasMouseIcon(), handFile);
    QCOMPARE(f.MousePointer(), 0); // start-up loads the image, it does not show it
    QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);

    // Without the image the platform's pointing hand stands in for it.
    f.setMousePointer(kPointerHand);
    QCOMPARE(f.cursor().shape(), handFile ? Qt::BitmapCursor : Qt::PointingHandCursor);
    if (handFile) QCOMPARE(f.cursor().hotSpot(), QPoint(12, 0));
    // One shape for the whole window: the buttons have none of their own.
    for (QPushButton* b : f.findChildren<QPushButton*>())
        QVERIFY(!b->testAttribute(Qt::WA_SetCursor));
    f.setMousePointer(kPointerHourglass);
    QCOMPARE(f.cursor().shape(), Qt::WaitCursor);
    f.setMousePointer(kPointerDefault);
    QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);
}

void TestFrameLook::cursorFile_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<QPoint>("hotSpot");
    QTest::addColumn<QString>("failure");

    const QByteArray shipped = readAll(kShippedCursor);
    QVERIFY(shipped.size() > 22);
    const auto withHotSpot = [&shipped](quint16 x, quint16 y) {
        QByteArray bytes = shipped;
        qToLittleEndian<quint16>(x, bytes.data() + 10);
        qToLittleEndian<quint16>(y, bytes.data() + 12);
        return bytes;
    };
    QByteArray icon = shipped;
    icon[2] = 1; // an icon file, not a cursor

    QTest::newRow("the shipped hand") << shipped << QPoint(12, 0) << QString();
    QTest::newRow("hot spot in the middle") << withHotSpot(16, 3) << QPoint(16, 3) << QString();
    QTest::newRow("hot spot in the far corner")
        << withHotSpot(31, 31) << QPoint(31, 31) << QString();
    QTest::newRow("hot spot outside the image")
        << withHotSpot(300, 2) << QPoint() << "Invalid picture";
    QTest::newRow("missing file") << QByteArray() << QPoint() << "File not found";
    QTest::newRow("an icon") << icon << QPoint() << "Invalid picture";
    QTest::newRow("only the directory") << shipped.left(22) << QPoint() << "Invalid picture";
    QTest::newRow("shorter than a directory") << shipped.left(9) << QPoint() << "Invalid picture";
    QTest::newRow("not a picture")
        << QByteArray("hello, this is text and not a cursor") << QPoint() << "Invalid picture";
}

void TestFrameLook::cursorFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QPoint, hotSpot);
    QFETCH(QString, failure);

    const QString path = m_places->path(QStringLiteral("HAND-M.CUR"));
    if (!bytes.isEmpty()) writeFile(path, bytes);
    QString thrown;
    QCursor cursor;
    try {
        cursor = loadCursorFile(path);
    } catch (const Failure& f) {
        thrown = f.description();
    }
    QCOMPARE(thrown, failure);
    if (failure.isEmpty()) {
        QCOMPARE(cursor.hotSpot(), hotSpot);
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        // The drawing is a hand on a clear ground: transparent corners, an opaque finger tip.
        const QImage image = cursor.pixmap().toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(31, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(12, 4)), 255);
    }
}

QTEST_MAIN(TestFrameLook)
#include "tst_framelook.moc"
