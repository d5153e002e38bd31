#include "gui/stays/unitswindow.h"

#include "base/report.h"
#include "editor/guestcheck.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/stays/staycommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace corvanna {

namespace {

enum Column { NameColumn, KindColumn, TypeColumn, AreaColumn, InServiceColumn, ColumnCount };
constexpr GuestKind kKinds[] = {GuestKind::Rooms, GuestKind::Wings, GuestKind::MeetingHall};
// A range wide enough for every stay the desk has kept.
const QDate kEarliest(1900, 1, 1);
const QDate kLatest(9999, 12, 31);

} // namespace

UnitsWindow::UnitsWindow(Form1& mainWindow)
    : QDialog(&mainWindow)
    , m_mainWindow(mainWindow)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("Units"));
    setWindowTitle(tr("Units"));
    setModal(true);

    m_grid = new QTableWidget(0, ColumnCount, this);
    m_grid->setObjectName(QStringLiteral("unitsGrid"));
    m_grid->setAccessibleName(tr("Units"));
    m_grid->setHorizontalHeaderLabels(
        {tr("Name"), tr("Kind"), tr("Type"), tr("Area"), tr("In Service")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);

    m_add = new QPushButton(tr("&Add…"), this);
    m_add->setObjectName(QStringLiteral("unitsAdd"));
    m_edit = new QPushButton(tr("&Edit…"), this);
    m_edit->setObjectName(QStringLiteral("unitsEdit"));
    m_remove = new QPushButton(tr("&Remove"), this);
    m_remove->setObjectName(QStringLiteral("unitsRemove"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("unitsClose"));
    for (QPushButton* b : {m_add, m_edit, m_remove, close})
        b->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, [this] { Add_Click(); });
    connect(m_edit, &QPushButton::clicked, this, [this] { Edit_Click(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { Remove_Click(); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { Edit_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    resize(560, 420);
}

void UnitsWindow::Form_Load() {
    Procedure proc(m_session.dialogs, QStringLiteral("Units.Form_Load"));
    bool available = false;
    proc.step(100, [&] { available = StayCommands::staysAvailable(m_session); });
    if (!available) {
        for (QPushButton* b : {m_add, m_edit, m_remove})
            b->setEnabled(false);
        return;
    }
    showUnits();
    settleDifferences();
}

void UnitsWindow::showUnits() {
    Procedure proc(m_session.dialogs, QStringLiteral("Units.showUnits"));
    const qint64 current =
        m_grid->currentRow() >= 0 && size_t(m_grid->currentRow()) < m_units.size()
            ? m_units[size_t(m_grid->currentRow())].id
            : 0;
    m_units.clear();
    proc.step(100, [&] { m_units = readUnits(m_session.connection()); });
    m_grid->setRowCount(int(m_units.size()));
    for (size_t i = 0; i < m_units.size(); ++i) {
        const Unit& unit = m_units[i];
        const int row = int(i);
        m_grid->setItem(row, NameColumn, new QTableWidgetItem(unit.name));
        m_grid->setItem(row, KindColumn, new QTableWidgetItem(unit.kind));
        m_grid->setItem(row, TypeColumn, new QTableWidgetItem(unit.type));
        m_grid->setItem(row, AreaColumn, new QTableWidgetItem(unit.area));
        m_grid->setItem(row, InServiceColumn,
                        new QTableWidgetItem(unit.inService ? tr("Yes") : tr("No")));
        if (unit.id == current) m_grid->setCurrentCell(row, NameColumn);
    }
    if (m_grid->currentRow() < 0 && !m_units.empty()) m_grid->setCurrentCell(0, NameColumn);
    m_grid->resizeColumnsToContents();
}

void UnitsWindow::settleDifferences() {
    Procedure proc(m_session.dialogs, QStringLiteral("Units.settleDifferences"));
    std::vector<CapacityDifference> differences;
    proc.step(100, [&] { differences = capacityDifferences(m_session.connection()); });
    for (const CapacityDifference& d : differences) {
        bool keepUnits = false;
        proc.step(102, [&] {
            keepUnits = m_session.dialogs.ask(
                tr("Units in service for %1 %2: %3. The inventory counts %4. Count the units from "
                   "now on? (No keeps the inventory's count.)")
                    .arg(d.type, d.kind)
                    .arg(d.units)
                    .arg(d.counted));
        });
        proc.step(104, [&] { settleCapacity(m_session.connection(), d.kind, d.type, keepUnits); });
    }
    if (!differences.empty()) proc.step(106, [&] { emit m_mainWindow.reservationsChanged(); });
}

bool UnitsWindow::saveUnit(const Unit& unit) {
    Procedure proc(m_session.dialogs, QStringLiteral("Units.saveUnit"));
    const QString name = unit.name.trimmed();
    if (name.isEmpty()) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("A unit needs a name.")); });
        return false;
    }
    const bool taken = std::any_of(m_units.begin(), m_units.end(), [&](const Unit& other) {
        return other.id != unit.id && other.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (taken) {
        proc.step(102, [&] {
            m_session.dialogs.notify(
                tr("There is already a unit named %1. Each unit needs a name of its own.")
                    .arg(name));
        });
        return false;
    }
    Unit stored = unit;
    stored.name = name;
    stored.area = unit.area.trimmed();
    if (!proc.step(104, [&] {
            if (stored.id == 0)
                stored.id = addUnit(m_session.connection(), stored);
            else
                updateUnit(m_session.connection(), stored);
        }))
        return false;
    showUnits();
    for (size_t i = 0; i < m_units.size(); ++i)
        if (m_units[i].id == stored.id) m_grid->setCurrentCell(int(i), NameColumn);
    settleDifferences();
    proc.step(106, [&] { emit m_mainWindow.reservationsChanged(); });
    return true;
}

std::optional<Unit> UnitsWindow::editUnit(const Unit& unit) {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("unitEditor"));
    dialog.setWindowTitle(unit.id == 0 ? tr("Add Unit") : tr("Edit Unit"));
    auto* name = new QLineEdit(unit.name, &dialog);
    name->setObjectName(QStringLiteral("unitName"));
    auto* kind = new QComboBox(&dialog);
    kind->setObjectName(QStringLiteral("unitKind"));
    for (GuestKind k : kKinds)
        kind->addItem(kindDetails(k).word);
    auto* type = new QComboBox(&dialog);
    type->setObjectName(QStringLiteral("unitType"));
    auto* area = new QLineEdit(unit.area, &dialog);
    area->setObjectName(QStringLiteral("unitArea"));
    auto* inService = new QCheckBox(tr("&In service"), &dialog);
    inService->setObjectName(QStringLiteral("unitInService"));
    inService->setChecked(unit.inService);
    const auto fillTypes = [type, kind] {
        type->clear();
        if (const std::optional<GuestKind> k = kindOfWord(kind->currentText()))
            type->addItems(kindDetails(*k).types);
    };
    connect(kind, &QComboBox::currentIndexChanged, &dialog, fillTypes);
    if (const int k = kind->findText(unit.kind); k >= 0) kind->setCurrentIndex(k);
    fillTypes();
    if (const int t = type->findText(unit.type); t >= 0) type->setCurrentIndex(t);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), name);
    form->addRow(tr("&Kind:"), kind);
    form->addRow(tr("&Type:"), type);
    form->addRow(tr("A&rea:"), area);
    form->addRow(QString(), inService);
    name->setAccessibleName(tr("Name"));
    kind->setAccessibleName(tr("Kind"));
    type->setAccessibleName(tr("Type"));
    area->setAccessibleName(tr("Area"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // The dialog stays open on a refused entry, with what was typed.
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        Unit entered = unit;
        entered.name = name->text();
        entered.kind = kind->currentText();
        entered.type = type->currentText();
        entered.area = area->text();
        entered.inService = inService->isChecked();
        if (saveUnit(entered))
            dialog.accept();
        else
            name->setFocus();
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return unit;
}

void UnitsWindow::Add_Click() {
    Unit fresh;
    fresh.kind = kindDetails(GuestKind::Rooms).word;
    editUnit(fresh);
}

void UnitsWindow::Edit_Click() {
    const int row = m_grid->currentRow();
    if (row < 0 || size_t(row) >= m_units.size()) {
        m_session.dialogs.notify(tr("Select a unit first."));
        return;
    }
    editUnit(m_units[size_t(row)]);
}

void UnitsWindow::Remove_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Units.Remove_Click"));
    const int row = m_grid->currentRow();
    if (row < 0 || size_t(row) >= m_units.size()) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("Select a unit first.")); });
        return;
    }
    const Unit unit = m_units[size_t(row)];
    // A unit that holds a stay keeps it: the desk moves the stay first.
    std::optional<QString> holder;
    if (!proc.step(102, [&] {
            if (!unitHoldsStay(m_session.connection(), unit.id)) return;
            holder = QString();
            // Whose stay it is, for the message: read only when the unit does hold one.
            for (const Stay& stay : readStaysBetween(m_session.connection(), kEarliest, kLatest))
                for (const UnitSpan& span : stay.spans)
                    if (span.unitId == unit.id && holder->isEmpty()) holder = stay.guestName;
        }))
        return;
    if (holder) {
        proc.step(104, [&] {
            m_session.dialogs.notify(
                holder->isEmpty()
                    ? tr("Unit %1 holds a stay, so it cannot be removed. Move the stay to another "
                         "unit first, or take the unit out of service.")
                          .arg(unit.name)
                    : tr("Unit %1 holds the stay of %2, so it cannot be removed. Move the stay to "
                         "another unit first, or take the unit out of service.")
                          .arg(unit.name, *holder));
        });
        return;
    }
    bool confirmed = false;
    proc.step(106, [&] {
        confirmed = m_session.dialogs.askDefaultNo(tr("Remove unit %1?").arg(unit.name));
    });
    if (!confirmed) return;
    if (!proc.step(108, [&] { removeUnit(m_session.connection(), unit.id); })) return;
    showUnits();
    proc.step(110, [&] { emit m_mainWindow.reservationsChanged(); });
}

} // namespace corvanna
