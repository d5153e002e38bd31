#include "gui/frame/form1.h"

#include "base/failure.h"
#include "base/layout.h"
#include "base/places.h"
#include "base/privatefiles.h"
#include "base/product.h"
#include "base/report.h"
#include "base/settings.h"
#include "base/twips.h"
#include "gui/frame/design.h"
#include "gui/frame/messagebox.h"
#include "gui/frame/pointer.h"
#include "gui/frame/rowdelegate.h"
#include "gui/frame/session.h"
#include "gui/frame/sessionend.h"
#include "gui/frame/skin.h"
#include "gui/language/language.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/backup.h"
#include "store/connection.h"
#include "store/schemahistory.h"
#include "store/server/localcopy.h"
#include "store/serverlogin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

namespace corvanna {

namespace {

const QString kFormLoad = QStringLiteral("Form1.Form_Load");
const QString kQueryUnload = QStringLiteral("Form1.Form_QueryUnload");

QDateEdit* makeDatePicker(QWidget* parent) {
    auto* picker = new QDateEdit(QDate::currentDate(), parent);
    setUpDatePicker(picker);
    return picker;
}

// One folder level, made when a listing of its path finds nothing.
void makeFolder(Procedure& proc, int testLine, int makeLine, const QString& path) {
    if (proc.test(testLine, [&] { return !PathExists(path); }))
        proc.step(makeLine, [&] { makePrivateFolder(path); });
}

} // namespace

} // namespace corvanna

// The icon's pictures are compiled into this static library; naming their initialiser keeps the
// linker from dropping them from the program.
static void initIconResources() {
    Q_INIT_RESOURCE(corvanna);
}

namespace corvanna {

QIcon applicationIcon() {
    // Every drawn size: title bars, task lists and a display scale of 2 get a sharp picture.
    static const QIcon icon = [] {
        initIconResources();
        QIcon drawn(QStringLiteral(":/corvanna/corvanna.png"));
        for (int size : {16, 22, 24, 32, 48, 64, 128})
            drawn.addFile(QStringLiteral(":/corvanna/icons/corvanna-%1.png").arg(size),
                          QSize(size, size));
        return drawn;
    }();
    return icon;
}

Form1::Form1(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session) {
    buildDesign();
}

Form1::~Form1() {
    // Before the list's model goes with the other children.
    if (m_listFill) m_listFill->stop();
}

// The window and its designed controls at their places, the list, the handlers and pointers,
// the menu bar, the window's size and place, then the names assistive technology reads.
void Form1::buildDesign() {
    setUpWindow();
    buildDateFrames();
    buildButtons();
    buildList();
    connectHandlers();
    watchPointers();
    buildMenus();
    // The menu bar shows the default pointer too, not a button's hand left over from a move.
    m_pointer->watch(m_menuBar, kPointerDefault);
    sizeAndPlaceWindow();
    orderAndName();
    connect(&SessionEnd::instance(), &SessionEnd::ending, this, &Form1::sessionEnding);
}

void Form1::setUpWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Reservations"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(designFont(9));
    paintWhite(this);

    // The menu bar lies above the designed client area, as a classic window's menu lies
    // outside its client area: the window grows by the menu's height, the controls keep their
    // places on the client area.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
}

void Form1::buildDateFrames() {
    Frame1 = new QGroupBox(m_client);
    Frame2 = new QGroupBox(m_client);
    followLanguage(Frame1, "corvanna::Form1", QT_TR_NOOP("Check In Date:"));
    followLanguage(Frame2, "corvanna::Form1", QT_TR_NOOP("Check Out Date:"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    for (QGroupBox* frame : {Frame1, Frame2})
        paintWhite(frame);

    dtpCheckIn = makeDatePicker(Frame1);
    dtpCheckOut = makeDatePicker(Frame2);
    dtpCheckIn->setObjectName(QStringLiteral("dtpCheckIn"));
    dtpCheckOut->setObjectName(QStringLiteral("dtpCheckOut"));
    // The pickers never move inside their frames.
    dtpCheckIn->setGeometry(twipsRect(240, 300, 4330, 375));
    dtpCheckOut->setGeometry(twipsRect(240, 300, 4330, 375));
}

void Form1::buildButtons() {
    // The places of the rest come from the layout's design arrangement (placeControls).
    const QRect unplaced;
    PushButton4 = designButton(m_client, "PushButton4",
                               QT_TRANSLATE_NOOP("Design", "Search By Date"), unplaced);
    PushButton5 =
        designButton(m_client, "PushButton5", QT_TRANSLATE_NOOP("Design", "Show All"), unplaced);
    PushButton1 =
        designButton(m_client, "PushButton1", QT_TRANSLATE_NOOP("Design", "Add New"), unplaced);
    PushButton2 = designButton(m_client, "PushButton2",
                               QT_TRANSLATE_NOOP("Design", "Delete Selected"), unplaced);
    PushButton3 = designButton(m_client, "PushButton3",
                               QT_TRANSLATE_NOOP("Design", "Edit Selected"), unplaced);
    PushButton6 = designButton(m_client, "PushButton6",
                               QT_TRANSLATE_NOOP("Design", "Load Sample/Example Data"), unplaced);
}

// The list and its model; every designed control is placed once the list exists.
void Form1::buildList() {
    model = new ReservationModel(this);
    // Card numbers show masked unless the desk has asked for them in full.
    model->setCardNumbersInFull(cardNumbersShownInFull());
    model->setGuestNameOrder(true);
    m_listFill = new ListFill(*model, this);
    ListView1 = new QTreeView(m_client);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    placeControls(designPlaces());
    ListView1->setFont(designFont(9));
    ListView1->setToolTip(tr("Double-click item to remove it. Move | line to right and "
                             "out of window to reveal full names."));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setItemDelegate(new ListRowDelegate(ListView1));
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSortingEnabled(false);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ListView1->setModel(model);
    QHeaderView* header = ListView1->header();
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
}

void Form1::connectHandlers() {
    QHeaderView* header = ListView1->header();
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int section) { ListView1_ColumnClick(section + 1); });
    // A double-click anywhere in the list, on a row or on its empty space, runs the list's handler.
    ListView1->viewport()->installEventFilter(this);
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton4, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(PushButton5, &QPushButton::clicked, this, [this] { PushButton5_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
}

// The hand over the push buttons, the default pointer over the window, frames and list.
void Form1::watchPointers() {
    m_pointer = new PointerFeedback(this);
    for (QWidget* w : {m_client, static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2),
                       ListView1->viewport(), ListView1->header()->viewport()})
        m_pointer->watch(w, kPointerDefault);
    for (QPushButton* b :
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton6})
        m_pointer->watch(b, kPointerHand);
}

void Form1::sizeAndPlaceWindow() {
    placeClientArea();
    resize(normalWindowSize());
    applySizeConstraints();

    // First shown centred on the screen (see showEvent); until then, as near as the inner size
    // tells.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

// Names for assistive technology (the captions, the pickers after their frames) and the keyboard
// order of the design.
void Form1::orderAndName() {
    nameByCaptions(m_client);
    ListView1->setAccessibleName(tr("Reservations"));
    dtpCheckIn->setAccessibleName(accessibleCaption(Frame1->title()));
    dtpCheckOut->setAccessibleName(accessibleCaption(Frame2->title()));

    setTabOrder(ListView1, PushButton1);
    setTabOrder(PushButton1, PushButton2);
    setTabOrder(PushButton2, PushButton3);
    setTabOrder(PushButton3, PushButton4);
    setTabOrder(PushButton4, PushButton5);
    setTabOrder(PushButton5, PushButton6);
    setTabOrder(PushButton6, dtpCheckIn);
    setTabOrder(dtpCheckIn, dtpCheckOut);
}

QSize Form1::normalSize() {
    return {twipsToPixels(9960), twipsToPixels(7845)};
}

int Form1::menuHeight() const {
    const int bar = m_copyBar && !m_copyBar->isHidden() ? m_copyBar->height() : 0;
    return (m_menuBar ? m_menuBar->sizeHint().height() : 0) + bar;
}

QSize Form1::normalWindowSize() const {
    return normalSize() + QSize(0, menuHeight());
}

void Form1::placeClientArea() {
    const int menu = menuHeight();
    const int bar = m_copyBar && !m_copyBar->isHidden() ? m_copyBar->height() : 0;
    m_menuBar->setGeometry(0, 0, width(), menu - bar);
    if (bar) m_copyBar->setGeometry(0, menu - bar, width(), bar);
    m_client->setGeometry(0, menu, width(), std::max(0, height() - menu));
}

bool Form1::Form_Load() {
    Procedure proc(m_session.dialogs, kFormLoad);
    const Places& places = m_session.places;

    makeFolder(proc, 100, 102, places.makerFolder());
    makeFolder(proc, 104, 106, places.dataFolder());

    if (proc.test(108, [&] { return !PathExists(places.workingDatabase()); })) {
        if (proc.test(110, [&] { return !OrdinaryFileExists(places.shippedDatabase()); })) {
            proc.step(112, [&] {
                m_session.dialogs.notify(
                    tr("%1 not found.").arg(QDir::toNativeSeparators(places.shippedDatabase())));
            });
            m_session.endProgram(1);
            return false;
        }
        // Writable by the desk whatever the shipped file's mode, readable by no one else.
        proc.step(114,
                  [&] { copyToPrivateFile(places.shippedDatabase(), places.workingDatabase()); });
    }
    // Files an earlier version left open to every account are narrowed to the desk's own.
    proc.step(115, [&] {
        narrowAllToOwner({places.makerFolder(), places.dataFolder()},
                         {places.workingDatabase(),
                          places.workingDatabase() + QStringLiteral("-journal"),
                          SettingsStore().fileName()});
    });

    proc.step(116, [&] { ApplySkin(*this); });
    proc.step(118, [&] {
        setWindowTitle(kProductName);
        setWindowIcon(applicationIcon());
    });
    proc.step(120, [&] { ShortenAppTitle(); });
    if (proc.test(122, [&] { return PathExists(places.handPointerFile()); }))
        proc.step(124, [&] { setMouseIcon(loadCursorFile(places.handPointerFile())); });

    proc.step(126, [&] { IsADOInstalled(); });
    if (m_session.ended) return false;

    proc.step(128, [&] {
        // The thirteen columns belong to the list's model; here they get their widths.
        if (model->columnCount() != kColumnCount) throw Failure(kInvalidPropertyValue);
    });
    SettingsStore settings;
    proc.step(130, [&] {
        setColumnWidth(1,
                       parseWidth(settings.read(columnWidthKey(1), formatWidth(kDefaultIdWidth))));
    });
    const int columns = model->columnCount();
    for (int i = 2; i <= columns; ++i)
        proc.step(132, [&] {
            setColumnWidth(
                i, parseWidth(settings.read(columnWidthKey(i), formatWidth(kDefaultColumnWidth))));
        });

    proc.step(134, [&] {
        dtpCheckIn->setDate(QDate::currentDate());
        dtpCheckOut->setDate(QDate::currentDate());
    });
    proc.step(136, [&] { m_session.dbConnection = std::make_unique<Connection>(); });
    // A password the server refused is reported, then asked for again.
    std::optional<ServerLogin> login;
    do {
        proc.step(138, [&] {
            Connection& connection = m_session.connection();
            if (!login)
                login.emplace(connection,
                              m_session.server.isEmpty() ? connectionString(places.commonDataFolder)
                                                         : m_session.server,
                              m_session.dialogs);
            // A server that does not answer leaves its read-only copy, when there is one.
            if (!m_session.server.isEmpty())
                login->setLocalCopy(localCopyPath(places.dataFolder(), m_session.server));
            login->open();
            // A desk sharing a server sees which one in the caption, and leaves backups to it.
            showDatabaseInUse();
            if (!connection.has(Capability::FileBackups)) backupsOnServer();
            watchOtherDesks();
            keepLocalCopy();
        });
    } while (login && login->refused());
    // A database from an older program gets the schema steps it lacks; one that cannot take them
    // (read-only) works as before, without the inventory.
    if (m_session.dbConnection && m_session.dbConnection->state() != 0) {
        // On a long history a step that carries rows (the guests' profiles) takes a while.
        std::unique_ptr<QProgressDialog> notice;
        if (schemaBehind(*m_session.dbConnection))
            notice = showWaitNotice(tr("Bringing the reservation database up to date for this "
                                       "version of Corvanna…"),
                                    QStringLiteral("upgradeNotice"));
        m_session.inventoryUnavailable = schemaUpgradeProblem(*m_session.dbConnection);
    }
    // What a restore killed part-way left goes once the working database is known whole.
    if (m_session.dbConnection && m_session.dbConnection->has(Capability::FileBackups))
        removeLeftoverRestore(dataSourceOf(connectionString(places.commonDataFolder)));
    proc.step(140, [&] { listRooms(); });
    runPrivacyRules();
    proc.step(142, [&] {
        static constexpr Qt::WindowState kStates[] = {Qt::WindowNoState, Qt::WindowMinimized,
                                                      Qt::WindowMaximized};
        setWindowState(
            kStates[parseWindowState(settings.read(kWindowStateKey, QStringLiteral("0")))]);
    });
    proc.step(144, [&] { LayoutMoved = windowStateNumber() != kStateNormal; });
    // The keyboard starts where the tab order starts.
    ListView1->setFocus();
    return true;
}

int Form1::MousePointer() const {
    return m_pointer->shape();
}
void Form1::setMousePointer(PointerShape shape) {
    m_pointer->setShape(shape);
}
void Form1::setMouseIcon(const QCursor& cursor) {
    m_pointer->setMouseIcon(cursor);
}

float Form1::columnWidth(int position) const {
    if (position < 1 || position > kColumnCount) throw Failure(kIndexOutOfBounds);
    // A width given in twips is reported exactly while the list still shows it; a column the user
    // dragged, or one whose saved width was refused, reports what the list shows.
    const int shown = ListView1->header()->sectionSize(position - 1);
    const std::optional<float> given = m_columnTwips[size_t(position - 1)];
    return given && twipsToPixels(*given) == shown ? *given : pixelsToTwips(shown);
}

void Form1::setColumnWidth(int position, float twips) {
    if (position < 1 || position > kColumnCount) throw Failure(kIndexOutOfBounds);
    constexpr float kWidest = 1000000.0f * kTwipsPerPixel;
    if (!(twips >= 0.0f && twips <= kWidest)) throw Failure(kInvalidPropertyValue);
    m_columnTwips[size_t(position - 1)] = twips;
    ListView1->header()->resizeSection(position - 1, twipsToPixels(twips));
}

int Form1::windowStateNumber() const {
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized) return kStateMinimised;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return kStateMaximised;
    return kStateNormal;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ListView1_DblClick();
        return true;
    }
    // A click on the list's empty space keeps the selected row, so the commands (and the
    // double-click that such a click begins) still act on it.
    if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonPress &&
        !ListView1->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid()) {
        ListView1->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    hide(); // at once: what the close still has to do needs no window
    unloadOnce();
    event->accept();
}

void Form1::unloadOnce() {
    if (m_unloaded) return;
    m_unloaded = true;
    // A fill under way reads no more.
    if (m_listFill) m_listFill->stop();
    // A read of the server's local copy or a probe under way is cancelled, never waited for.
    if (m_localCopy) m_localCopy->stop();
    Form_QueryUnload();
    Form_Unload();
}

void Form1::sessionEnding() {
    if (m_unloaded) return;
    // The guest editor is modal: it closes (without saving) before the main window can.
    for (int i = 0; i < 8; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == this) break;
        modal->close();
    }
    close();
    unloadOnce(); // also when the window was never shown
}

void Form1::Form_QueryUnload() {
    Procedure proc(m_session.dialogs, kQueryUnload);
    SettingsStore settings;
    int columns = 0;
    proc.step(100, [&] { columns = model->columnCount(); });
    for (int i = 1; i <= columns; ++i)
        proc.step(102, [&] { settings.write(columnWidthKey(i), formatWidth(columnWidth(i))); });
    proc.step(106, [&] {
        settings.write(kWindowStateKey, QString::number(windowStateNumber()));
        settings.flush();
    });
    // The day's copy of the working database, while the connection is still open.
    finishBackups();
    if (proc.test(108, [&] { return m_session.connection().state() != 0; }))
        proc.step(108, [&] { m_session.connection().close(); });
    proc.step(110, [&] { m_session.dbConnection.reset(); });
    proc.step(112, [&] { QCoreApplication::processEvents(); });
    proc.step(114, [&] { QCoreApplication::processEvents(); });
}

void Form1::Form_Unload() {
    m_session.endProgram(0);
}

void Form1::Form_Resize() {
    // The arrangements work on the client area: the menu bar's height is not the list's.
    const QSize outer = frameGeometry().size() - QSize(0, menuHeight());
    const LayoutOutcome outcome =
        mainWindowLayout(windowStateNumber(), pixelsToTwips(outer.width()),
                         pixelsToTwips(outer.height()), LayoutMoved);
    if (outcome.places) placeControls(*outcome.places);
    LayoutMoved = outcome.layoutMoved;
    // Centred once per return to the normal state, when the window has its normal size again: a
    // drag of the normal window's border leaves it where it is.
    if (outcome.centre && m_centrePending) {
        centreOuterOnScreen();
        if (size() == normalWindowSize()) m_centrePending = false;
    }
}

void Form1::placeControls(const MainWindowPlaces& p) {
    const auto place = [](QWidget* w, const TwipsRect& r) {
        w->setGeometry(twipsRect(r.left, r.top, r.width, r.height));
    };
    place(Frame1, p.Frame1);
    place(Frame2, p.Frame2);
    place(PushButton4, p.PushButton4);
    place(PushButton5, p.PushButton5);
    place(ListView1, p.ListView1);
    place(PushButton1, p.PushButton1);
    place(PushButton2, p.PushButton2);
    place(PushButton3, p.PushButton3);
    place(PushButton6, p.PushButton6);
}

void Form1::centreOuterOnScreen() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect area = s->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + int(std::lround((area.width() - outer.width()) / 2.0)),
         area.y() + int(std::lround((area.height() - outer.height()) / 2.0)));
}

// The normal window keeps its design size: its border cannot be made smaller, and a drag that
// makes it larger is undone (see resizeEvent). It is not fixed by equal minimum and maximum
// sizes because window managers then refuse to maximise it. Maximised, it takes what it is given.
void Form1::applySizeConstraints() {
    switch (windowStateNumber()) {
    case kStateMaximised:
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        break;
    case kStateNormal:
        setMinimumSize(normalWindowSize());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        break;
    default: // minimised: kept as they were, for the state it returns to
        break;
    }
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The captions and menus speak the language just chosen.
    if (event->type() == QEvent::LanguageChange) {
        retranslateFollowing(this);
        emit model->headerDataChanged(Qt::Horizontal, 0, model->columnCount() - 1);
        ListView1->setAccessibleName(tr("Reservations"));
        dtpCheckIn->setAccessibleName(accessibleCaption(Frame1->title()));
        dtpCheckOut->setAccessibleName(accessibleCaption(Frame2->title()));
    }
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool wasNormal = !(change->oldState() & (Qt::WindowMinimized | Qt::WindowMaximized |
                                                       Qt::WindowFullScreen));
        if (windowStateNumber() != kStateNormal)
            m_centrePending = false;
        else if (!wasNormal)
            m_centrePending = true;
        applySizeConstraints();
        Form_Resize();
    }
}

// The window's frame is known only once the window system has framed it: the first showing is
// centred then, frame included, as a restore centres it.
void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownOnce || windowStateNumber() != kStateNormal) {
        m_shownOnce = true;
        return;
    }
    m_shownOnce = true;
    centreOuterOnScreen();
    m_centreWhenFramed = frameGeometry().size() == size();
}

// The whole-file check starts once the window has been painted, so that it does not compete
// with the start-up for the processor.
void Form1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_paintedOnce) return;
    m_paintedOnce = true;
    QTimer::singleShot(0, this, [this] {
        if (m_session.dbConnection) m_session.dbConnection->startBackgroundCheck();
    });
}

void Form1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (m_centreWhenFramed && frameGeometry().size() != size()) {
        m_centreWhenFramed = false;
        centreOuterOnScreen();
    }
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeClientArea();
    Form_Resize();
    // Undone once the events of the moment are through, so that a maximise whose new size comes
    // before its new state is not mistaken for a drag.
    if (windowStateNumber() == kStateNormal && size() != normalWindowSize() && !m_keepSizeQueued) {
        m_keepSizeQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_keepSizeQueued = false;
            if (windowStateNumber() == kStateNormal && size() != normalWindowSize())
                resize(normalWindowSize());
        });
    }
}

} // namespace corvanna
