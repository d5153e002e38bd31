// The main window's menu bar: above the designed client area, every item with its accelerator
// letter, the shortcuts of the list's commands.
#include "base/layout.h"
#include "base/twips.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "tests/common/testsupport.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSettings>
#include <QTest>
#include <QTreeView>

using namespace corvanna;
using namespace corvanna::test;

class TestFrameMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void clientAreaKeepsTheDesign();
    void everyItemHasAnAcceleratorLetter();
    void shortcuts_data();
    void shortcuts();
    void aboutNamesVersionAndDatabase();
    void findBoxInTheAccessibleTreeOutOfTheTabOrder();
    void menuKeysActFromTheFindBox_data();
    void menuKeysActFromTheFindBox();

private:
    template <class T> T* control(const char* name) const {
        return m_form->findChild<T*>(QString::fromLatin1(name));
    }
    void addRow(const QString& name, const QDate& in, const QDate& out);

    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_form;
};

void TestFrameMenu::init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellworth")).clear();
    m_places = std::make_unique<TempPlaces>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    m_session->databaseComponentsPresent = [] { return true; };
    m_form = std::make_unique<Form1>(*m_session);
    QVERIFY(m_form->Form_Load());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_dialogs->clear();
}

void TestFrameMenu::cleanup() {
    m_form.reset();
    m_session.reset();
}

void TestFrameMenu::addRow(const QString& name, const QDate& in, const QDate& out) {
    execOn(m_places->places.workingDatabase(),
           QStringLiteral("insert into tblRooms (GuestName, CheckInDate, CheckOutDate) values "
                          "('%1', '%2', '%3')")
               .arg(name, in.toString(Qt::ISODate), out.toString(Qt::ISODate)));
}

void TestFrameMenu::clientAreaKeepsTheDesign() {
    auto* bar = control<QMenuBar>("menuBar");
    auto* client = control<QWidget>("clientArea");
    QVERIFY(bar && client);
    const int menu = bar->height();
    QVERIFY(menu > 0);
    QCOMPARE(bar->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(client->geometry(), QRect(QPoint(0, menu), Form1::normalSize()));
    QCOMPARE(m_form->size(), Form1::normalSize() + QSize(0, menu));

    // Every control of the design at its design place on the client area.
    const MainWindowPlaces d = designPlaces();
    const std::pair<const char*, TwipsRect> places[] = {
        {"Frame1", d.Frame1},           {"Frame2", d.Frame2},
        {"PushButton4", d.PushButton4}, {"PushButton5", d.PushButton5},
        {"ListView1", d.ListView1},     {"PushButton1", d.PushButton1},
        {"PushButton2", d.PushButton2}, {"PushButton3", d.PushButton3},
        {"PushButton6", d.PushButton6}};
    for (const auto& [name, r] : places) {
        auto* w = control<QWidget>(name);
        QVERIFY2(w && w->parentWidget() == client, name);
        QCOMPARE(w->geometry(), twipsRect(r.left, r.top, r.width, r.height));
    }
    for (const char* name : {"dtpCheckIn", "dtpCheckOut"})
        QCOMPARE(control<QWidget>(name)->geometry(), twipsRect(240, 300, 4330, 375));
}

void TestFrameMenu::everyItemHasAnAcceleratorLetter() {
    // The letter after "&" in a menu text, lower case; none when it has no accelerator.
    const auto letterOf = [](const QString& text) -> QChar {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() && text[at + 1].isLetter() ? text[at + 1].toLower()
                                                                          : QChar();
    };
    auto* bar = control<QMenuBar>("menuBar");
    QSet<QChar> menuLetters;
    int items = 0;
    for (QAction* top : bar->actions()) {
        if (!top->isVisible()) continue;
        const QChar letter = letterOf(top->text());
        QVERIFY2(!letter.isNull() && !menuLetters.contains(letter), qPrintable(top->text()));
        menuLetters.insert(letter);
        QSet<QChar> itemLetters;
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator()) continue;
            const QChar l = letterOf(item->text());
            QVERIFY2(!l.isNull() && !itemLetters.contains(l), qPrintable(item->text()));
            itemLetters.insert(l);
            ++items;
        }
    }
    QVERIFY(items >= 8);
}

void TestFrameMenu::shortcuts_data() {
    QTest::addColumn<QString>("focus"); // the control that has the keyboard
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("listed"); // rows listed afterwards, -1: not checked
    QTest::addColumn<QStringList>("asked");

    const QStringList none;
    const QStringList deleteAsked{QStringLiteral("Are you sure you want to delete Ada Ames?")};
    QTest::newRow("F5 shows all") << "ListView1" << int(Qt::Key_F5) << 0 << 2 << none;
    QTest::newRow("Ctrl+D searches by date")
        << "ListView1" << int(Qt::Key_D) << int(Qt::ControlModifier) << 1 << none;
    QTest::newRow("Delete in the list asks first")
        << "ListView1" << int(Qt::Key_Delete) << 0 << -1 << deleteAsked;
    QTest::newRow("Delete in a date picker keeps to the picker")
        << "dtpCheckIn" << int(Qt::Key_Delete) << 0 << -1 << none;
}

void TestFrameMenu::shortcuts() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, listed);
    QFETCH(QStringList, asked);

    const QDate day(2031, 3, 4);
    addRow(QStringLiteral("Ada Ames"), day, day);
    addRow(QStringLiteral("Bo Berg"), day, day.addDays(1));
    control<QDateEdit>("dtpCheckIn")->setDate(day);
    control<QDateEdit>("dtpCheckOut")->setDate(day);
    m_form->listRooms(); // lists Ada Ames only, selected
    m_dialogs->answers = {Answer::No};

    auto* target = control<QWidget>(qPrintable(focus));
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_dialogs->texts(), asked);
    if (listed >= 0) QCOMPARE(control<QTreeView>("ListView1")->model()->rowCount(), listed);
}

void TestFrameMenu::aboutNamesVersionAndDatabase() {
    auto* about = m_form->findChild<QAction*>(QStringLiteral("actionAbout"));
    QVERIFY(about);
    about->trigger();
    QCOMPARE(m_dialogs->shown.size(), 1);
    const Message& m = m_dialogs->shown.first();
    QCOMPARE(m.title, QStringLiteral("About Corvanna"));
    QVERIFY2(m.text.startsWith(QStringLiteral("Corvanna 1.")), qPrintable(m.text));
    QVERIFY(m.text.contains(QDir::toNativeSeparators(m_places->places.dataFolder())));
    QVERIFY(m.text.contains(QStringLiteral("Database: ") +
                            QDir::toNativeSeparators(m_places->places.workingDatabase())));
}

void TestFrameMenu::findBoxInTheAccessibleTreeOutOfTheTabOrder() {
    // Each step up from the box is a child its parent lists, up to the application.
    QAccessibleInterface* node =
        QAccessible::queryAccessibleInterface(control<QLineEdit>("findEdit"));
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Find"));
    for (; node->parent(); node = node->parent())
        QVERIFY(node->parent()->indexOfChild(node) >= 0);

    // Tab from the list round to it again, a date picker taking a Tab per part of its date.
    const auto focused = [] { // a control's inner parts stand for it
        QWidget* w = QApplication::focusWidget();
        while (w && w->objectName().isEmpty())
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    };
    control<QWidget>("ListView1")->setFocus();
    QStringList reached{focused()};
    for (int i = 0; i < 40 && (i == 0 || focused() != reached.first()); ++i) {
        if (focused() != reached.last()) reached << focused();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(reached,
             (QStringList{"ListView1", "PushButton1", "PushButton2", "PushButton3", "PushButton4",
                          "PushButton5", "PushButton6", "dtpCheckIn", "dtpCheckOut"}));
}

void TestFrameMenu::menuKeysActFromTheFindBox_data() {
    QTest::addColumn<int>("key"); // with Ctrl
    QTest::addColumn<QString>("done");
    QTest::newRow("Ctrl+E exports what was found") << int(Qt::Key_E) << "export";
    QTest::newRow("Ctrl+A selects the text in the box") << int(Qt::Key_A) << "selected ames";
    // A line edit takes Ctrl+E for itself on X11 desktops (end of line), not on this test's
    // platform; a command on Ctrl+Right (next word), which it takes everywhere, stands for it.
    QTest::newRow("a command on a key the box takes too") << int(Qt::Key_Right) << "command";
}

void TestFrameMenu::menuKeysActFromTheFindBox() {
    QFETCH(int, key);
    QFETCH(QString, done);
    QStringList happened;
    m_session->saveFileName = [&](QWidget*, const QString&) {
        happened << QStringLiteral("export");
        return QString(); // cancelled
    };
    QAction* command = control<QMenu>("menuView")->addAction(QStringLiteral("Command"));
    command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right));
    connect(command, &QAction::triggered, [&] { happened << QStringLiteral("command"); });
    auto* find = control<QLineEdit>("findEdit");
    QTest::keyClick(control<QWidget>("ListView1"), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(find, QStringLiteral("ames"));
    QTest::keyClick(find, Qt::Key(key), Qt::ControlModifier);
    if (find->hasSelectedText()) happened << QStringLiteral("selected ") + find->selectedText();
    QCOMPARE(happened.join(QLatin1Char(',')), done);
}

QTEST_MAIN(TestFrameMenu)
#include "tst_framemenu.moc"
