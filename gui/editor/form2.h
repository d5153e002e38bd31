#pragma once

#include "store/server/serverlink.h"
#include "store/statements.h"

#include <optional>

#include "editor/guestcheck.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace corvanna {

class Form1;
class Procedure;
class PointerFeedback;
struct Session;

// The guest editor: one reservation's fields, opened modally from the main window to add a
// reservation (mHotelID empty) or to edit the one whose id mHotelID holds. A new window is made
// for each showing, so every showing starts from the design values.
class Form2 final : public QDialog {
    Q_OBJECT
public:
    explicit Form2(Form1& mainWindow);
    ~Form2() override;

    // Runs before the window shows: colours, icon, pointer image, today's dates, the Rooms kind
    // and, in edit mode, the stored reservation.
    void Form_Load();
    // Fills the controls from the reservation whose id is mHotelID. Failures pass to the caller.
    void LoadGuestRecord();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void dtpCheckIn_Change();
    void dtpCheckIn_Click();
    void dtpCheckOut_Change();
    void dtpCheckOut_Click();
    void PushButton1_Click(); // Help
    void PushButton4_Click(); // Save
    void PushButton5_Click(); // Cancel

    // The window's pointer shape: 0 default, 11 hourglass, 99 the custom hand image.
    int MousePointer() const;
    PointerFeedback* pointer() const { return m_pointer; }

    // What Save reads from the controls, with the kind word it derived from the options.
    GuestEntry entry(const QString& kindWord) const;
    QWidget* fieldWidget(GuestField field) const;

    // Empty to add; a reservation's id to edit. The session's, so it outlives each showing.
    QString& mHotelID;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Controls, named as in the design; others reach them by object name.
    QPushButton* PushButton1;
    QGroupBox* Frame3;
    QLineEdit* Text1;
    QGroupBox* Frame4;
    QLabel* Label2;
    QLineEdit* Text2;
    QLabel* Label3;
    QComboBox* Combo1;
    QLabel* Label6;
    QDateEdit* dtpCheckIn;
    QLabel* Label4;
    QLineEdit* Text4;
    QLabel* Label5;
    QLineEdit* Text5;
    QLabel* Label7;
    QDateEdit* dtpCheckOut;
    QGroupBox* Frame1;
    QLabel* Label8;
    QComboBox* Combo2;
    QLabel* Label9;
    QLineEdit* Text3;
    QLabel* Label12;
    QDateEdit* dtpExpiry;
    QLabel* Label10;
    QLineEdit* Text6;
    QLabel* Label11;
    QPlainTextEdit* Text7;
    QPushButton* PushButton4;
    QPushButton* PushButton5;
    QGroupBox* Frame2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;

    // The design, in steps.
    void buildDesign();
    void setUpWindow();
    void buildGuestName();        // the Help button and the guest name's frame
    void buildRoomDetails();      // Frame4
    void buildOtherInformation(); // Frame1: the card, phone and address
    void buildButtonsAndKinds();  // Save, Cancel and the kinds' frame below the client area
    void orderAndName();          // keyboard order, first focus, names for assistive technology
    void connectHandlers();
    void watchPointers();
    void showKind(GuestKind kind);
    void setStoredText(QLineEdit* box, const QString& text, bool limited = true);
    void setStoredText(QPlainTextEdit* box, const QString& text);
    void limitTyping(QPlainTextEdit* box);
    // The update of an edit; another desk's or program's change since the editor read the row is
    // shown and the desk asked first, as is a deletion on a server (on the file a deleted row
    // gives 0, as an update that finds no row). kNotSaved when the desk says No.
    int saveEdit(const GuestValues& values);
    static constexpr int kNotSaved = -2;
    // Save's availability check: true to go on with the save, false when the user answered No
    // to the overbooking question.
    bool confirmAvailability(Procedure& proc, const QString& kindWord);
    // On a database server: the first text box whose text holds a NUL, which a server's text
    // cannot; null when there is none or the reservations are in the file.
    QWidget* boxWithNul() const;

    Form1& m_mainWindow;
    Session& m_session;
    PointerFeedback* m_pointer = nullptr;
    bool m_settingText = false; // a text set by code: the typing limit does not cut it
    // The row as the editor read it, to tell another desk's change at Save.
    std::optional<RowVersion> m_readRow;
    // Set when the load could not show a stored value: Save asks before it replaces the row.
    bool m_unshownValues = false;
    // Set when the edit was saved as a new reservation (another desk had deleted the row).
    bool m_savedAnew = false;
};

} // namespace corvanna
