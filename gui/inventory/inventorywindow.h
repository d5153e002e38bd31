#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace corvanna {

class Form1;
struct Session;

// Tells the user once per run that the database cannot keep an inventory, when it cannot.
void noticeInventoryUnavailable(Session& session);

// The hotel's inventory: how many units of each kind and type it has. One row per type of the
// guest editor's kinds; an empty Units cell means no limit. Saved into the shared database.
class InventoryWindow : public QDialog {
    Q_OBJECT
public:
    explicit InventoryWindow(Form1& mainWindow);

    // Reads the stored inventory into the table.
    void Form_Load();
    void Save_Click();
    void Cancel_Click();

private:
    Form1& m_mainWindow;
    Session& m_session;
    QLabel* m_hint;
    QTableWidget* m_grid;
    QPushButton* m_save;
    QPushButton* m_cancel;
};

} // namespace corvanna
