#pragma once

#include "store/stays.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTableWidget;

namespace corvanna {

class Form1;
struct Session;

// The hotel's units: the rooms, wings and halls by the names the desk uses, with their kind,
// type, area and whether they are in service. Add, edit and remove; a bad entry is refused with
// a message saying why. Where a type has both units and an older inventory count that differ,
// the desk is asked once which to go by.
class UnitsWindow : public QDialog {
    Q_OBJECT
public:
    explicit UnitsWindow(Form1& mainWindow);

    // Reads the units; asks about the counts that differ from the units.
    void Form_Load();
    void Add_Click();
    void Edit_Click();
    void Remove_Click();
    // Checks and stores a unit (id 0: a new one). False, after a message, when refused.
    bool saveUnit(const Unit& unit);
    // Asks, once for each, about the types whose units differ from the inventory's count.
    void settleDifferences();

private:
    void showUnits();
    // The unit editor: nothing when the desk cancels.
    std::optional<Unit> editUnit(const Unit& unit);

    Form1& m_mainWindow;
    Session& m_session;
    QTableWidget* m_grid;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_remove;
    std::vector<Unit> m_units;
};

} // namespace corvanna
