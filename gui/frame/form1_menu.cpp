// The main window's menu bar: every command of the window, each with its accelerator letter and,
// where the desk uses it all day, a shortcut. One menu per concern; a command is one line.
#include "gui/frame/form1.h"

#include "base/dialogs.h"
#include "base/places.h"
#include "base/product.h"
#include "gui/dayviews/dayview.h"
#include "gui/frame/session.h"
#include "gui/output/listoutput.h"
#include "gui/stays/staycommands.h"
#include "list/reservationmodel.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
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

// The find box's text. The menu bar's shortcuts act from it as from the list (Ctrl+E exports
// what it found), though a line edit would take some of them for itself (Ctrl+E: end of line);
// the editing keys stay with the box.
class FindEdit final : public QLineEdit {
public:
    FindEdit(const QMenuBar* menuBar, QWidget* parent)
        : QLineEdit(parent)
        , m_menuBar(menuBar) {}

protected:
    bool event(QEvent* event) override {
        // Left unaccepted, the key goes on to the window's shortcuts.
        if (event->type() == QEvent::ShortcutOverride &&
            isMenuCommand(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return QLineEdit::event(event);
    }

private:
    bool isMenuCommand(const QKeyEvent& key) const {
        for (const QKeySequence::StandardKey editing :
             {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut,
              QKeySequence::Undo, QKeySequence::Redo})
            if (key.matches(editing)) return false;
        const QKeySequence pressed(key.keyCombination());
        for (const QMenu* menu : m_menuBar->findChildren<QMenu*>())
            for (const QAction* action : menu->actions())
                if (action->isEnabled() && action->shortcutContext() != Qt::WidgetShortcut &&
                    action->shortcuts().contains(pressed))
                    return true;
        return false;
    }

    const QMenuBar* m_menuBar;
};

// The find box: its label and its text, on the window itself. Assistive technology sees a menu
// bar only as its menus, so a box inside the menu bar would be hidden from it. A class of its own,
// so that the skin's classic colours, which paint the designed controls, leave it as it is.
class FindBox final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// The room the menu bar keeps in its corner for the find box: as large as the box, which lies
// over it wherever the menu bar places it.
class FindBoxRoom final : public QWidget {
public:
    FindBoxRoom(QWidget* box, QMenuBar* menuBar)
        : QWidget(menuBar)
        , m_box(box) {
        box->installEventFilter(this);
    }
    QSize sizeHint() const override { return m_box->sizeHint(); }

protected:
    // A box that needs another size (a new font or style) has the menu bar lay out its room anew.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_box && event->type() == QEvent::LayoutRequest) updateGeometry();
        return QWidget::eventFilter(watched, event);
    }
    void moveEvent(QMoveEvent* event) override {
        QWidget::moveEvent(event);
        placeBox();
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        placeBox();
    }

private:
    void placeBox() { m_box->setGeometry(QRect(mapTo(m_box->parentWidget(), QPoint()), size())); }

    QWidget* m_box;
};

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
    addCommand(file, "actionExport", QStringLiteral("E&xport CSV..."),
               QKeySequence(Qt::CTRL | Qt::Key_E), [this] { Export_Click(); });
    addCommand(file, "actionPrint", QStringLiteral("&Print..."), QKeySequence::Print,
               [this] { Print_Click(); });
    file->addSeparator();
    addCommand(file, "actionBackUpNow", QStringLiteral("&Back Up Now"), {},
               [this] { mnuBackUpNow_Click(); });
    addCommand(file, "actionRestore", QStringLiteral("&Restore\u2026"), {},
               [this] { mnuRestore_Click(); });
    file->addSeparator();
    addCommand(file, "actionQuit", QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
               [this] { close(); });

    // Reservation
    addCommand(reservation, "actionAddNew", QStringLiteral("&Add New"),
               QKeySequence(Qt::CTRL | Qt::Key_N), [this] { PushButton1_Click(); });
    QAction* edit = addCommand(reservation, "actionEditSelected", QStringLiteral("&Edit Selected"),
                               {}, [this] { PushButton3_Click(); });
    keysInListOnly(edit, ListView1, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    QAction* remove =
        addCommand(reservation, "actionDeleteSelected", QStringLiteral("&Delete Selected"), {},
                   [this] { PushButton2_Click(); });
    keysInListOnly(remove, ListView1, {QKeySequence(QKeySequence::Delete)});
    reservation->addSeparator();
    addCommand(reservation, "actionCheckIn", tr("Check &In"), {},
               [this] { stayCommand(StayCommand::CheckIn, selectedReservation()); });
    addCommand(reservation, "actionCheckOut", tr("Check &Out"), {},
               [this] { stayCommand(StayCommand::CheckOut, selectedReservation()); });
    addCommand(reservation, "actionCancelReservation", tr("&Cancel…"), {},
               [this] { stayCommand(StayCommand::Cancel, selectedReservation()); });
    addCommand(reservation, "actionNoShow", tr("No-&show"), {},
               [this] { stayCommand(StayCommand::NoShow, selectedReservation()); });
    addCommand(reservation, "actionUndoStay", tr("&Undo Check-in/Check-out"), {},
               [this] { stayCommand(StayCommand::Undo, selectedReservation()); });
    reservation->addSeparator();
    addCommand(reservation, "actionLoadSample", QStringLiteral("&Load Sample/Example Data"), {},
               [this] { PushButton6_Click(); });

    // View
    addCommand(view, "actionSearchByDate", QStringLiteral("&Search By Date"),
               QKeySequence(Qt::CTRL | Qt::Key_D), [this] { PushButton4_Click(); });
    addCommand(view, "actionShowAll", QStringLiteral("Show &All"), QKeySequence(Qt::Key_F5),
               [this] { PushButton5_Click(); });
    addCommand(view, "actionFind", QStringLiteral("&Find..."), QKeySequence::Find,
               [this] { Find_Click(); });
    view->addSeparator();
    for (const DayViewEntry& entry : dayViewTable())
        addCommand(view, QByteArray("action").append(entry.key).constData(),
                   QCoreApplication::translate("DayView", entry.command),
                   QKeySequence(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText),
                   [this, v = entry.view] { DayView_Click(v); });
    view->addSeparator();
    addCommand(view, "actionAvailability", QStringLiteral("A&vailability…"), {},
               [this] { showAvailability(); });
    addCommand(view, "actionRoomChart", tr("R&oom Chart"), {}, [this] { showRoomChart(); });

    // Tools
    addCommand(tools, "actionInventory", QStringLiteral("&Inventory…"), {},
               [this] { showInventory(); });
    addCommand(tools, "actionUnits", tr("&Units…"), {}, [this] { showUnits(); });

    // Help
    addCommand(help, "actionAbout", QStringLiteral("&About Corvanna"), {},
               [this] { About_Click(); });

    // A menu shows once it holds a command.
    for (QMenu* menu : {file, reservation, view, tools, help})
        menu->menuAction()->setVisible(!menu->isEmpty());

    m_menuBar->setCornerWidget(new FindBoxRoom(buildFindBox(), m_menuBar), Qt::TopRightCorner);
}

QWidget* Form1::buildFindBox() {
    auto* box = new FindBox(this);
    box->setObjectName(QStringLiteral("findBox"));
    // Above the menu bar, in the menu bar's font.
    box->raise();
    box->setFont(m_menuBar->font());
    auto* label = new QLabel(QStringLiteral("F&ind:"), box);
    m_find = new FindEdit(m_menuBar, box);
    m_find->setObjectName(QStringLiteral("findEdit"));
    m_find->setAccessibleName(tr("Find"));
    // Reached by Ctrl+F (and its label's Alt+I), never by Tab: the designed controls keep their
    // tab order to themselves.
    m_find->setFocusPolicy(Qt::ClickFocus);
    m_find->setPlaceholderText(QStringLiteral("Name, phone, address, id, card"));
    m_find->setClearButtonEnabled(true);
    label->setBuddy(m_find);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 4, 0);
    row->addWidget(label);
    row->addWidget(m_find);
    connect(m_find, &QLineEdit::textChanged, this, [this] { Find_Change(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_find);
    escape->setContext(Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, this, [this] { Find_Escape(); });
    // Down from the search box goes to the rows it found.
    auto* down = new QShortcut(QKeySequence(Qt::Key_Down), m_find);
    down->setContext(Qt::WidgetShortcut);
    connect(down, &QShortcut::activated, this, [this] { ListView1->setFocus(); });
    return box;
}

void Form1::Find_Click() {
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
}

void Form1::Find_Change() {
    model->setFindText(m_find->text());
    readListStatuses(); // the rows the find shows now
    // A hidden selection is gone; the first row found takes it, so the commands act on a row
    // the desk can see.
    QItemSelectionModel* selection = ListView1->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if ((!current.isValid() || !selection->isRowSelected(current.row())) && model->rowCount() > 0)
        selection->setCurrentIndex(model->index(0, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (selection->currentIndex().isValid()) ListView1->scrollTo(selection->currentIndex());
}

void Form1::Find_Escape() {
    m_find->clear(); // the whole list again, the selected row still selected
    ListView1->setFocus();
}

void Form1::DayView_Click(DayView view) {
    if (!m_dayView) {
        m_dayView = new DayViewWindow(m_session, this);
        connect(m_dayView, &DayViewWindow::stayCommandRequested, this,
                [this](StayCommand command, std::optional<qint64> id) {
                    stayCommand(command, id);
                    m_dayView->Refresh();
                });
    }
    m_dayView->showDay(view, m_dayView->isVisible() ? m_dayView->date() : QDate::currentDate());
    m_dayView->show();
    m_dayView->raise();
    m_dayView->activateWindow();
}

QString Form1::listTitle() const {
    return model->findText().trimmed().isEmpty()
               ? m_listTitle
               : m_listTitle + QStringLiteral(", find \"%1\"").arg(model->findText().trimmed());
}

void Form1::Export_Click() {
    exportShownList(m_session, this, {ListView1, model, listTitle()},
                    QStringLiteral("Form1.Export_Click"));
}

void Form1::Print_Click() {
    printShownList(m_session, this, {ListView1, model, listTitle()},
                   QStringLiteral("Form1.Print_Click"));
}

QString Form1::databaseInUse() const {
    const Connection* connection = m_session.dbConnection.get();
    return connection && connection->has(Capability::SharedDatabase)
               ? QStringLiteral("PostgreSQL server, ") + connection->description()
               : QDir::toNativeSeparators(m_session.places.workingDatabase());
}

void Form1::About_Click() {
    const Places& places = m_session.places;
    m_session.dialogs.show(
        {kProductName + QStringLiteral(" ") + QStringLiteral(CORVANNA_VERSION) +
             QStringLiteral("\nFront desk reservations for a small hotel.\n\nData folder: ") +
             QDir::toNativeSeparators(places.dataFolder()) + QStringLiteral("\nDatabase: ") +
             databaseInUse(),
         QStringLiteral("About ") + kProductName, Buttons::Ok, Icon::None, Answer::Ok});
}

} // namespace corvanna

#include "form1_menu.moc"
