#pragma once

#include "base/pointershape.h"

#include <QCursor>
#include <QDate>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class QTreeView;

namespace corvanna {

class DayViewWindow;
class ListFill;
class LocalCopyKeeper;
class PointerFeedback;
class ReservationModel;
enum class DayView;
enum class StayCommand;
struct GuestValues;
struct MainWindowPlaces;
struct Session;

// The main window: the reservation list between the date range and the commands. The window only
// holds its controls and routes events into the core; start-up and shutdown live in form1.cpp,
// the handlers by concern in form1_list.cpp, form1_commands.cpp, form1_sample.cpp, form1_check.cpp,
// the menu bar in form1_menu.cpp.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Session& session, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up. Returns false when the program ended during it (no database anywhere, or the
    // user stopped after a repair); the window is then never shown.
    bool Form_Load();

    // Refills the list with the reservations inside the two date pickers' range.
    void listRooms();
    // The database components check run once at start-up.
    void IsADOInstalled();

    void PushButton1_Click();              // Add New
    void PushButton2_Click();              // Delete Selected
    void PushButton3_Click();              // Edit Selected
    void PushButton4_Click();              // Search By Date
    void PushButton5_Click();              // Show All
    void PushButton6_Click();              // Load Sample/Example Data
    void ListView1_ColumnClick(int index); // index: the column's position + 1
    void ListView1_DblClick();
    // The inventory (modal) and the availability chart (beside the main window, one at a time).
    void showInventory();
    void showAvailability();
    // The stays (gui/stays/form1_stays.cpp): the hotel's units (modal), the room chart (beside
    // the main window, one at a time), and a stay command on a reservation (none: nothing
    // selected), after which the list is read again.
    void showUnits();
    void showRoomChart();
    void stayCommand(StayCommand command, std::optional<qint64> reservationId);
    // The money (gui/money/form1_money.cpp): the hotel's details and tax rates, the rates (both
    // modal), a reservation's folio (modal; none: nothing selected, which is said) and the
    // reports (beside the main window, one at a time).
    void showHotel();
    void showRates();
    void showFolio(std::optional<qint64> reservationId);
    void showReports();
    // The reservation of the list's selected row, if a row is selected.
    std::optional<qint64> selectedReservation() const;
    // The guests (gui/guests/form1_guests.cpp): the profiles (modal), the selected reservation's
    // guests and its registration card, the privacy rules; after a save, the reservation's
    // profile offered or made; the privacy rules at start and once a day.
    void showGuests();
    void showStayGuests();
    void printRegistrationCard();
    void showPrivacy();
    // The reservation saved: the edited one's id, or 0 for the one just added with the values.
    void guestProfileAfterSave(qint64 editedId, const GuestValues& values);
    void runPrivacyRules();

    // The close: the saved settings and the connection, then the end of the program. They run
    // once, in this order, however the window closes (close box, log-off, system shutdown).
    void Form_QueryUnload();
    void Form_Unload();
    // Backups of the working database: the automatic one (at the close, and after the first save
    // of a day the program has run into), and the two commands.
    void automaticBackup();
    void backUpAfterSave();
    void mnuBackUpNow_Click();
    void mnuRestore_Click();
    // On a server the file's backups do not apply: the two commands are off and say why.
    void backupsOnServer();

    // Lays the controls out for the window's state (see mainWindowLayout).
    void Form_Resize();

    // The window state as the settings store keeps it: 0 normal, 1 minimised, 2 maximised.
    int windowStateNumber() const;

    // The window's pointer shape: 0 default, 11 hourglass, 99 the custom hand image.
    int MousePointer() const;
    void setMousePointer(PointerShape shape);
    // The custom pointer image, loaded from the hand cursor file when it exists.
    void setMouseIcon(const QCursor& cursor);
    PointerFeedback* pointer() const { return m_pointer; }

    // Column widths in twips as the user left them (the list itself works in pixels).
    float columnWidth(int position) const; // position 1 to 13
    // Throws Failure "Invalid property value" for a width the list cannot take.
    void setColumnWidth(int position, float twips);

    Session& session() const { return m_session; }

    // The reservations the list shows.
    ReservationModel* listModel() const { return model; }
    // True once the controls may have left their design places (see Form_Resize).
    bool layoutMoved() const { return LayoutMoved; }

    // The designed client area of the normal window, below the menu bar; it keeps this size: the
    // border cannot be dragged.
    static QSize normalSize();
    // The normal window's inner size: the client area and the menu bar above it.
    QSize normalWindowSize() const;
    // The height of what lies above the designed client area: the menu bar, and the local
    // copy's bar while it shows.
    int menuHeight() const;

signals:
    // After every fill of the list, which follows every save and delete.
    void reservationsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Controls, named as in the design; others reach them by object name.
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QDateEdit* dtpCheckIn;
    QDateEdit* dtpCheckOut;
    QPushButton* PushButton1;
    QPushButton* PushButton2;
    QPushButton* PushButton3;
    QPushButton* PushButton4;
    QPushButton* PushButton5;
    QPushButton* PushButton6;
    QTreeView* ListView1;
    ReservationModel* model; // the list's rows
    // True once the controls may have left their design places (see Form_Resize).
    bool LayoutMoved = false;

    // The design, in steps.
    void buildDesign();
    void setUpWindow();
    void buildDateFrames();
    void buildButtons();
    void buildList();
    void connectHandlers();
    void watchPointers();
    void sizeAndPlaceWindow();
    void orderAndName();
    // The menu bar (form1_menu.cpp): every command of the window with its shortcut.
    void buildMenus();
    void About_Click();
    // The database the desk works on, as the About box names it.
    QString databaseInUse() const;
    void placeClientArea();
    // Find (Ctrl+F): the search box beside the menus filters the list as the desk types.
    QWidget* buildFindBox();
    void Find_Click();
    void Find_Change();
    void Find_Escape();
    // The day views in a window of their own.
    void DayView_Click(DayView view);
    // Export and print of the list as shown.
    void Export_Click();
    void Print_Click();
    QString listTitle() const;
    // Closes a modal window that is open, then this window, as the desktop session ends.
    void sessionEnding();
    void unloadOnce();
    void applySizeConstraints();
    void placeControls(const MainWindowPlaces& places);
    // The outer window in the middle of its screen, as the layout asks on the way back to normal.
    void centreOuterOnScreen();
    void selectFirstAdded();
    // A fill the desk asked for: it becomes the list's last fill, and its first row is selected.
    // `everyReservation`: the statement lists them all (Show All).
    void fill(const QString& procedure, const std::function<QString()>& statement,
              bool everyReservation = false);
    // The last fill the desk asked for once more, keeping the selected reservation, the scroll
    // position and the find: for changes the desk did not make.
    void refillKeepingSelection();
    // Empties the find box, and so the model's find, without a find of its own.
    void clearFind();
    // Refills the list when another desk (on a server) or another program (on the file) saved
    // or deleted a reservation.
    void watchOtherDesks();
    void otherDesksChanged();
    // The day's copy follows the saves in the background (form1_backup.cpp); the close lets a
    // copy under way finish and adds the last changes, the window already gone.
    void startDailyCopy();
    void dailyCopyEnded();
    void waitForDailyCopy();
    void reportDailyCopy(const QString& failure, const QString& notice);
    void finishBackups();
    // On a server (form1_copy.cpp): the read-only copy of its reservations kept fresh, shown in
    // the server's place while the server cannot be reached, and the server again when it can.
    void keepLocalCopy();
    void watchLocalCopy();
    // The caption and the bar above the list for the database in use.
    void showDatabaseInUse();
    // Reads the cancelled and no-show stays, for the rows the list greys.
    void readListStatuses();

    Session& m_session;
    PointerFeedback* m_pointer;
    QMenuBar* m_menuBar = nullptr;
    // The designed client area: every control of the design lies on it, at its design place.
    QWidget* m_client = nullptr;
    QLineEdit* m_find = nullptr;
    DayViewWindow* m_dayView = nullptr;
    // What the list shows, for a printout's title and an export's name.
    QString m_listTitle;
    bool m_unloaded = false;
    bool m_keepSizeQueued = false;
    bool m_centrePending = false; // back in the normal state, not yet centred at normal size
    bool m_shownOnce = false;
    bool m_paintedOnce = false;
    bool m_centreWhenFramed = false; // shown before the window system gave it its frame
    // The width each column was given in twips, kept exact while the list shows it unchanged.
    std::array<std::optional<float>, 13> m_columnTwips{};
    // The last fill the desk asked for (its statement built from the values of that moment),
    // repeated when another desk changes the reservations: run with whether it is such a refill
    // and what follows its end.
    std::function<void(bool refill, std::function<void(bool inParts)> ended)> m_lastFill;
    ListFill* m_listFill = nullptr;
    bool m_otherDeskChanged = false;
    QTimer* m_copyAfterSave = nullptr;
    QTimer* m_copyWatch = nullptr;
    bool m_copyAgain = false; // a save came while a copy ran
    std::unique_ptr<LocalCopyKeeper> m_localCopy;
    // Says, between the menu bar and the designed client area, that the list is a read-only copy.
    QLabel* m_copyBar = nullptr;
    // The day the privacy rules last ran, and the timer that looks for the next day.
    QDate m_privacyRanOn;
    QTimer* m_privacyWatch = nullptr;
};

// The application's icon, shown by both windows and the launcher.
QIcon applicationIcon();

} // namespace corvanna
