#include "gui/inventory/inventorywindow.h"

#include "base/failure.h"
#include "base/report.h"
#include "editor/guestcheck.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "store/inventory.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace corvanna {

namespace {
enum Column { KindColumn, TypeColumn, UnitsColumn };

// The kind as the inventory names it: "Rooms", "Wings", "Meeting Halls".
QString kindPlural(GuestKind kind) {
    switch (kind) {
    case GuestKind::Rooms:
        return InventoryWindow::tr("Rooms");
    case GuestKind::Wings:
        return InventoryWindow::tr("Wings");
    case GuestKind::MeetingHall:
        return InventoryWindow::tr("Meeting Halls");
    }
    return {};
}
} // namespace

void noticeInventoryUnavailable(Session& session) {
    if (session.inventoryUnavailable.isEmpty() || session.inventoryNoticeGiven) return;
    session.inventoryNoticeGiven = true;
    session.dialogs.notify(
        InventoryWindow::tr("This database cannot keep an inventory (%1), so the program works "
                            "without one.")
            .arg(session.inventoryUnavailable));
}

InventoryWindow::InventoryWindow(Form1& mainWindow)
    : QDialog(&mainWindow)
    , m_mainWindow(mainWindow)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("Inventory"));
    setWindowTitle(tr("Inventory"));
    setModal(true);

    m_hint = new QLabel(tr("Units of each type the hotel has. Leave Units empty for "
                           "a type without a limit."),
                        this);
    m_hint->setObjectName(QStringLiteral("inventoryHint"));
    m_hint->setWordWrap(true);

    m_grid = new QTableWidget(0, 3, this);
    m_grid->setObjectName(QStringLiteral("inventoryGrid"));
    m_grid->setAccessibleName(tr("Inventory"));
    m_grid->setHorizontalHeaderLabels({tr("Kind"), tr("Type"), tr("Units")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    for (GuestKind kind : {GuestKind::Rooms, GuestKind::Wings, GuestKind::MeetingHall}) {
        for (const QString& type : kindDetails(kind).types) {
            const int row = m_grid->rowCount();
            m_grid->insertRow(row);
            auto* kindItem = new QTableWidgetItem(kindPlural(kind));
            kindItem->setData(Qt::UserRole, kindDetails(kind).word);
            auto* typeItem = new QTableWidgetItem(type);
            for (QTableWidgetItem* item : {kindItem, typeItem})
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_grid->setItem(row, KindColumn, kindItem);
            m_grid->setItem(row, TypeColumn, typeItem);
            m_grid->setItem(row, UnitsColumn, new QTableWidgetItem());
        }
    }
    m_grid->resizeColumnsToContents();
    // The keyboard starts on the first count, the only column that takes typing.
    m_grid->setCurrentCell(0, UnitsColumn);

    m_save = new QPushButton(tr("&Save"), this);
    m_save->setObjectName(QStringLiteral("inventorySave"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("inventoryCancel"));
    m_save->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, [this] { Save_Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    resize(460, 520);
}

void InventoryWindow::Form_Load() {
    Procedure proc(m_session.dialogs, QStringLiteral("Inventory.Form_Load"));
    proc.step(100, [&] { noticeInventoryUnavailable(m_session); });
    if (!m_session.inventoryUnavailable.isEmpty()) {
        // Nothing can be stored: the table shows, but takes no typing.
        m_hint->setText(tr("This database cannot keep an inventory."));
        m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_save->setEnabled(false);
    }
    proc.step(102, [&] {
        const std::vector<InventoryEntry> entries = readInventory(m_session.connection());
        for (int row = 0; row < m_grid->rowCount(); ++row) {
            const QString kind = m_grid->item(row, KindColumn)->data(Qt::UserRole).toString();
            const QString type = m_grid->item(row, TypeColumn)->text();
            for (const InventoryEntry& e : entries)
                if (e.kind == kind && e.type == type)
                    m_grid->item(row, UnitsColumn)->setText(QString::number(e.units));
        }
    });
}

void InventoryWindow::Save_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Inventory.Save_Click"));
    std::vector<InventoryEntry> entries;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QString units = m_grid->item(row, UnitsColumn)->text();
        if (isBlank(units)) continue;
        const std::optional<QString> digits = wholeNumberDigits(units);
        if (!digits) {
            proc.step(100, [&] {
                m_session.dialogs.notify(tr("The units of %1 must be a whole number.")
                                             .arg(m_grid->item(row, TypeColumn)->text()));
            });
            m_grid->setCurrentCell(row, UnitsColumn);
            m_grid->setFocus();
            return;
        }
        entries.push_back({m_grid->item(row, KindColumn)->data(Qt::UserRole).toString(),
                           m_grid->item(row, TypeColumn)->text(), digits->toLongLong()});
    }
    // A failed write keeps the window open with what was typed.
    if (!proc.step(102, [&] { writeInventory(m_session.connection(), entries); })) return;
    proc.step(104, [&] { emit m_mainWindow.reservationsChanged(); });
    proc.step(106, [&] { accept(); });
}

void InventoryWindow::Cancel_Click() {
    reject();
}

} // namespace corvanna
