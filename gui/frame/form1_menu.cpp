// The main window's menu bar: every command of the window, each with its accelerator letter and,
// where the desk uses it all day, a shortcut. One menu per concern; a command is one line.
#include "gui/frame/form1.h"

#include "base/dialogs.h"
#include "base/places.h"
#include "base/product.h"
#include "gui/dayviews/dayview.h"
#include "gui/frame/session.h"
#include "gui/language/language.h"
#include "gui/output/listoutput.h"
#include "gui/stays/staycommands.h"
#include "list/listfill.h"
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

// Adds a command to a menu. `name` is the action's object name, which tests look it up by;
// `text` is the source text, in the desk's language now and after a change of language.
QAction* addCommand(QMenu* menu, const char* name, const char* text, const QKeySequence& key,
                    std::function<void()> run, const char* context = "corvanna::Form1") {
    QAction* action = menu->addAction(QString());
    followLanguage(action, context, text);
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
    followLanguage(file, "corvanna::Form1", QT_TR_NOOP("&File"));
    followLanguage(reservation, "corvanna::Form1", QT_TR_NOOP("&Reservation"));
    followLanguage(view, "corvanna::Form1", QT_TR_NOOP("&View"));
    followLanguage(tools, "corvanna::Form1", QT_TR_NOOP("&Tools"));
    followLanguage(help, "corvanna::Form1", QT_TR_NOOP("&Help"));

    // File
    addCommand(file, "actionExport", QT_TR_NOOP("E&xport CSV..."),
               QKeySequence(Qt::CTRL | Qt::Key_E), [this] { Export_Click(); });
    addCommand(file, "actionPrint", QT_TR_NOOP("&Print..."), QKeySequence::Print,
               [this] { Print_Click(); });
    file->addSeparator();
    addCommand(file, "actionBackUpNow", QT_TR_NOOP("&Back Up Now"), {},
               [this] { mnuBackUpNow_Click(); });
    addCommand(file, "actionRestore", QT_TR_NOOP("&Restore…"), {}, [this] { mnuRestore_Click(); });
    file->addSeparator();
    addCommand(file, "actionQuit", QT_TR_NOOP("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
               [this] { close(); });

    // Reservation
    addCommand(reservation, "actionAddNew", QT_TR_NOOP("&Add New"),
               QKeySequence(Qt::CTRL | Qt::Key_N), [this] { PushButton1_Click(); });
    QAction* edit = addCommand(reservation, "actionEditSelected", QT_TR_NOOP("&Edit Selected"), {},
                               [this] { PushButton3_Click(); });
    keysInListOnly(edit, ListView1, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    QAction* remove =
        addCommand(reservation, "actionDeleteSelected", QT_TR_NOOP("&Delete Selected"), {},
                   [this] { PushButton2_Click(); });
    keysInListOnly(remove, ListView1, {QKeySequence(QKeySequence::Delete)});
    reservation->addSeparator();
    addCommand(reservation, "actionCheckIn", QT_TR_NOOP("Check &In"), {},
               [this] { stayCommand(StayCommand::CheckIn, selectedReservation()); });
    addCommand(reservation, "actionCheckOut", QT_TR_NOOP("Check &Out"), {},
               [this] { stayCommand(StayCommand::CheckOut, selectedReservation()); });
    addCommand(reservation, "actionCancelReservation", QT_TR_NOOP("&Cancel…"), {},
               [this] { stayCommand(StayCommand::Cancel, selectedReservation()); });
    addCommand(reservation, "actionNoShow", QT_TR_NOOP("No-&show"), {},
               [this] { stayCommand(StayCommand::NoShow, selectedReservation()); });
    addCommand(reservation, "actionUndoStay", QT_TR_NOOP("&Undo Check-in/Check-out"), {},
               [this] { stayCommand(StayCommand::Undo, selectedReservation()); });
    reservation->addSeparator();
    addCommand(reservation, "actionStayGuests", QT_TR_NOOP("&Guests of the Stay…"), {},
               [this] { showStayGuests(); });
    addCommand(reservation, "actionRegistrationCard", QT_TR_NOOP("&Registration Card…"), {},
               [this] { printRegistrationCard(); });
    addCommand(reservation, "actionFolio", QT_TR_NOOP("&Folio…"), {},
               [this] { showFolio(selectedReservation()); });
    reservation->addSeparator();
    addCommand(reservation, "actionLoadSample", QT_TR_NOOP("&Load Sample/Example Data"), {},
               [this] { PushButton6_Click(); });

    // View
    addCommand(view, "actionSearchByDate", QT_TR_NOOP("&Search By Date"),
               QKeySequence(Qt::CTRL | Qt::Key_D), [this] { PushButton4_Click(); });
    addCommand(view, "actionShowAll", QT_TR_NOOP("Show &All"), QKeySequence(Qt::Key_F5),
               [this] { PushButton5_Click(); });
    addCommand(view, "actionFind", QT_TR_NOOP("&Find..."), QKeySequence::Find,
               [this] { Find_Click(); });
    view->addSeparator();
    for (const DayViewEntry& entry : dayViewTable())
        addCommand(
            view, QByteArray("action").append(entry.key).constData(), entry.command,
            QKeySequence(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText),
            [this, v = entry.view] { DayView_Click(v); }, "DayView");
    view->addSeparator();
    addCommand(view, "actionAvailability", QT_TR_NOOP("A&vailability…"), {},
               [this] { showAvailability(); });
    addCommand(view, "actionRoomChart", QT_TR_NOOP("R&oom Chart"), {}, [this] { showRoomChart(); });
    addCommand(view, "actionGuests", QT_TR_NOOP("&Guests…"), {}, [this] { showGuests(); });
    addCommand(view, "actionReports", QT_TR_NOOP("R&eports…"), {}, [this] { showReports(); });

    // Tools
    addCommand(tools, "actionInventory", QT_TR_NOOP("&Inventory…"), {},
               [this] { showInventory(); });
    addCommand(tools, "actionUnits", QT_TR_NOOP("&Units…"), {}, [this] { showUnits(); });
    addCommand(tools, "actionPrivacy", QT_TR_NOOP("&Privacy…"), {}, [this] { showPrivacy(); });
    addCommand(tools, "actionHotel", QT_TR_NOOP("&Hotel…"), {}, [this] { showHotel(); });
    addCommand(tools, "actionRates", QT_TR_NOOP("R&ates…"), {}, [this] { showRates(); });
    addLanguageMenu(tools, m_session.dialogs);

    // Help
    addCommand(help, "actionAbout", QT_TR_NOOP("&About Corvanna"), {}, [this] { About_Click(); });

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
    auto* label = new QLabel(box);
    followLanguage(label, "corvanna::Form1", QT_TR_NOOP("F&ind:"));
    m_find = new FindEdit(m_menuBar, box);
    m_find->setObjectName(QStringLiteral("findEdit"));
    m_find->setAccessibleName(tr("Find"));
    // Reached by Ctrl+F (and its label's Alt+I), never by Tab: the designed controls keep their
    // tab order to themselves.
    m_find->setFocusPolicy(Qt::ClickFocus);
    followLanguage(m_find, "corvanna::Form1", QT_TR_NOOP("Name, phone, address, id, card"));
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
        connect(m_dayView, &DayViewWindow::folioRequested, this,
                [this](std::optional<qint64> id) { showFolio(id); });
    }
    m_dayView->showDay(view, m_dayView->isVisible() ? m_dayView->date() : QDate::currentDate());
    m_dayView->show();
    m_dayView->raise();
    m_dayView->activateWindow();
}

QString Form1::listTitle() const {
    return model->findText().trimmed().isEmpty()
               ? m_listTitle
               : tr("%1, find \"%2\"").arg(m_listTitle, model->findText().trimmed());
}

// A file or a printout holds the whole list: a fill in parts reads its rest first.
void Form1::Export_Click() {
    m_listFill->finish();
    exportShownList(m_session, this, {ListView1, model, listTitle()},
                    QStringLiteral("Form1.Export_Click"));
}

void Form1::Print_Click() {
    m_listFill->finish();
    printShownList(m_session, this, {ListView1, model, listTitle()},
                   QStringLiteral("Form1.Print_Click"));
}

QString Form1::databaseInUse() const {
    const Connection* connection = m_session.dbConnection.get();
    return connection && connection->has(Capability::SharedDatabase)
               ? tr("PostgreSQL server, %1").arg(connection->description())
               : QDir::toNativeSeparators(m_session.places.workingDatabase());
}

void Form1::About_Click() {
    const Places& places = m_session.places;
    m_session.dialogs.show(
        {tr("%1 %2\nFront desk reservations for a small hotel.\n\nData folder: %3\nDatabase: %4")
             .arg(kProductName, QStringLiteral(CORVANNA_VERSION),
                  QDir::toNativeSeparators(places.dataFolder()), databaseInUse()),
         tr("About %1").arg(kProductName), Buttons::Ok, Icon::None, Answer::Ok});
}

} // namespace corvanna

#include "form1_menu.moc"
