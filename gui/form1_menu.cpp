// The main window's menu bar: every command of the window, each with its accelerator letter and,
// where the desk uses it all day, a shortcut. One menu per concern; a command is one line.
#include "gui/form1.h"

#include "base/dialogs.h"
#include "base/places.h"
#include "base/product.h"
#include "gui/session.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTreeView>

namespace corvanna {

namespace {

// Adds a command to a menu. `name` is the action's object name, which tests look it up by.
QAction* addCommand(QMenu* menu, const char* name, const QString& text, const QKeySequence& key,
                    std::function<void()> run) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) action->setShortcut(key);
    QObject::connect(action, &QAction::triggered, menu, [run = std::move(run)] { run(); });
    return action;
}

// A command whose keys act only while the list has the keyboard (Enter, Delete): typed in a date
// picker or a search box they keep their usual meaning.
void keysInListOnly(QAction* action, QTreeView* list, const QList<QKeySequence>& keys) {
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(action);
}

} // namespace

void Form1::buildMenus() {
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    // Inside the window on every desktop, so that the client area lies below it everywhere.
    m_menuBar->setNativeMenuBar(false);
    // The menus speak in the desktop's own font, not the list's bold design font.
    m_menuBar->setFont(QFont());

    QMenu* file = m_menuBar->addMenu(QStringLiteral("&File"));
    QMenu* reservation = m_menuBar->addMenu(QStringLiteral("&Reservation"));
    QMenu* view = m_menuBar->addMenu(QStringLiteral("&View"));
    QMenu* tools = m_menuBar->addMenu(QStringLiteral("&Tools"));
    QMenu* help = m_menuBar->addMenu(QStringLiteral("&Help"));
    for (QMenu* menu : {file, reservation, view, tools, help})
        menu->setObjectName(QStringLiteral("menu") + menu->title().remove(QLatin1Char('&')));

    // File
    addCommand(file, "actionQuit", QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
               [this] { close(); });

    // Reservation
    addCommand(reservation, "actionAddNew", QStringLiteral("&Add New"),
               QKeySequence(Qt::CTRL | Qt::Key_N), [this] { PushButton1_Click(); });
    QAction* edit = addCommand(reservation, "actionEditSelected", QStringLiteral("&Edit Selected"),
                               {}, [this] { PushButton3_Click(); });
    keysInListOnly(edit, ListView1, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    QAction* remove = addCommand(reservation, "actionDeleteSelected",
                                 QStringLiteral("&Delete Selected"), {},
                                 [this] { PushButton2_Click(); });
    keysInListOnly(remove, ListView1, {QKeySequence(QKeySequence::Delete)});
    reservation->addSeparator();
    addCommand(reservation, "actionLoadSample", QStringLiteral("&Load Sample/Example Data"), {},
               [this] { PushButton6_Click(); });

    // View
    addCommand(view, "actionSearchByDate", QStringLiteral("&Search By Date"),
               QKeySequence(Qt::CTRL | Qt::Key_D), [this] { PushButton4_Click(); });
    addCommand(view, "actionShowAll", QStringLiteral("Show &All"), QKeySequence(Qt::Key_F5),
               [this] { PushButton5_Click(); });
    view->addSeparator();
    addCommand(view, "actionAvailability", QStringLiteral("A&vailability…"), {},
               [this] { showAvailability(); });

    // Tools
    addCommand(tools, "actionInventory", QStringLiteral("&Inventory…"), {},
               [this] { showInventory(); });

    // Help
    addCommand(help, "actionAbout", QStringLiteral("&About Corvanna"), {},
               [this] { About_Click(); });

    // A menu shows once it holds a command.
    for (QMenu* menu : {file, reservation, view, tools, help})
        menu->menuAction()->setVisible(!menu->isEmpty());
}

void Form1::About_Click() {
    const Places& places = m_session.places;
    m_session.dialogs.show(
        {kProductName + QStringLiteral(" ") + QStringLiteral(CORVANNA_VERSION) +
             QStringLiteral("\nFront desk reservations for a small hotel.\n\nData folder: ") +
             QDir::toNativeSeparators(places.dataFolder()) + QStringLiteral("\nDatabase: ") +
             QDir::toNativeSeparators(places.workingDatabase()),
         QStringLiteral("About ") + kProductName, Buttons::Ok, Icon::None, Answer::Ok});
}

} // namespace corvanna
