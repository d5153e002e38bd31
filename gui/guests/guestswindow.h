#pragma once

#include "store/guests.h"

#include <QDialog>
#include <memory>
#include <vector>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class QTreeWidget;

namespace corvanna {

struct Session;
class FindIndex;
class GuestListModel;

// View › Guests…: the guest profiles, found as the desk types (the list's folding), the selected
// profile's fields to edit and its stays, and Merge…, Export… and Erase… on the selection.
class GuestsWindow final : public QDialog {
    Q_OBJECT
public:
    explicit GuestsWindow(Session& session, QWidget* parent = nullptr);
    ~GuestsWindow() override;

    // Reads the profiles again, keeping the selected one when it is still there.
    void refresh(qint64 select = 0);

    void Find_Change();
    void Save_Click();
    void Merge_Click();
    void Export_Click();
    void Erase_Click();

    // Closing asks first about changes typed and not saved.
    void done(int result) override;

private:
    // Changes typed into the shown profile and not saved: the desk is asked whether to save them
    // before another profile is shown or the window closes.
    void keepTyping();
    // Folds every profile's find texts again (after a read or a profile's change).
    void indexProfiles();
    // Shows the profiles the find text finds, choosing `select` when it is among them.
    void showFound(qint64 select);
    void showSelected();
    void enableCommands();
    std::vector<qint64> selectedIds() const;
    qint64 currentId() const;
    Guest typed() const;

    Session& m_session;
    std::vector<Guest> m_guests;
    // The profiles' find texts, folded once a read; a keystroke scans them.
    std::unique_ptr<FindIndex> m_index;
    GuestListModel* m_model;
    QLineEdit* m_find;
    QTreeView* m_list;
    QLineEdit* m_name;
    QLineEdit* m_phone;
    QLineEdit* m_email;
    QLineEdit* m_address;
    QLineEdit* m_nationality;
    QDateEdit* m_birthDate;
    QLineEdit* m_docType;
    QLineEdit* m_docNumber;
    QLineEdit* m_docCountry;
    QDateEdit* m_docExpiry;
    QPlainTextEdit* m_note;
    QTreeWidget* m_stays;
    QPushButton* m_save;
    QPushButton* m_merge;
    QPushButton* m_export;
    QPushButton* m_erase;
    qint64 m_shownId = 0;
    Guest m_shown;                // the fields as they were shown
    bool m_shownEditable = false; // an erased profile is not edited
};

} // namespace corvanna
