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
        return QStringLiteral("Rooms");
    case GuestKind::Wings:
        return QStringLiteral("Wings");
    case GuestKind::MeetingHall:
        return QStringLiteral("Meeting Halls");
    }
    return {};
}
} // namespace

void noticeInventoryUnavailable(Session& session) {
    if (session.inventoryUnavailable.isEmpty() || session.inventoryNoticeGiven) return;
    session.inventoryNoticeGiven = true;
    session.dialogs.notify(QStringLiteral("This database cannot keep an inventory (") +
                           session.inventoryUnavailable +
                           QStringLiteral("), so the program works without one."));
}

InventoryWindow::InventoryWindow(Form1& mainWindow)
    : QDialog(&mainWindow)
    , m_mainWindow(mainWindow)
    , m_session(mainWindow.session()) {
    setObjectName(QStringLiteral("Inventory"));
    setWindowTitle(QStringLiteral("Inventory"));
    setModal(true);

    lblHint = new QLabel(QStringLiteral("Units of each type the hotel has. Leave Units empty for "
                                        "a type without a limit."),
                         this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);

    grdInventory = new QTableWidget(0, 3, this);
    grdInventory->setObjectName(QStringLiteral("grdInventory"));
    grdInventory->setAccessibleName(tr("Inventory"));
    grdInventory->setHorizontalHeaderLabels(
        {QStringLiteral("Kind"), QStringLiteral("Type"), QStringLiteral("Units")});
    grdInventory->verticalHeader()->hide();
    grdInventory->setSelectionMode(QAbstractItemView::SingleSelection);
    grdInventory->horizontalHeader()->setStretchLastSection(true);
    for (GuestKind kind : {GuestKind::Rooms, GuestKind::Wings, GuestKind::MeetingHall}) {
        for (const QString& type : kindDetails(kind).types) {
            const int row = grdInventory->rowCount();
            grdInventory->insertRow(row);
            auto* kindItem = new QTableWidgetItem(kindPlural(kind));
            kindItem->setData(Qt::UserRole, kindDetails(kind).word);
            auto* typeItem = new QTableWidgetItem(type);
            for (QTableWidgetItem* item : {kindItem, typeItem})
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grdInventory->setItem(row, KindColumn, kindItem);
            grdInventory->setItem(row, TypeColumn, typeItem);
            grdInventory->setItem(row, UnitsColumn, new QTableWidgetItem());
        }
    }
    grdInventory->resizeColumnsToContents();
    // The keyboard starts on the first count, the only column that takes typing.
    grdInventory->setCurrentCell(0, UnitsColumn);

    btnSave = new QPushButton(QStringLiteral("&Save"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnSave->setAutoDefault(false);
    btnCancel->setAutoDefault(false);
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSave_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSave);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHint);
    layout->addWidget(grdInventory);
    layout->addLayout(buttons);
    resize(460, 520);
}

void InventoryWindow::Form_Load() {
    Procedure proc(m_session.dialogs, QStringLiteral("Inventory.Form_Load"));
    proc.step(100, [&] { noticeInventoryUnavailable(m_session); });
    if (!m_session.inventoryUnavailable.isEmpty()) {
        // Nothing can be stored: the table shows, but takes no typing.
        lblHint->setText(QStringLiteral("This database cannot keep an inventory."));
        grdInventory->setEditTriggers(QAbstractItemView::NoEditTriggers);
        btnSave->setEnabled(false);
    }
    proc.step(102, [&] {
        const std::vector<InventoryEntry> entries = readInventory(m_session.connection());
        for (int row = 0; row < grdInventory->rowCount(); ++row) {
            const QString kind = grdInventory->item(row, KindColumn)->data(Qt::UserRole).toString();
            const QString type = grdInventory->item(row, TypeColumn)->text();
            for (const InventoryEntry& e : entries)
                if (e.kind == kind && e.type == type)
                    grdInventory->item(row, UnitsColumn)->setText(QString::number(e.units));
        }
    });
}

void InventoryWindow::btnSave_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Inventory.btnSave_Click"));
    std::vector<InventoryEntry> entries;
    for (int row = 0; row < grdInventory->rowCount(); ++row) {
        const QString units = grdInventory->item(row, UnitsColumn)->text();
        if (isBlank(units)) continue;
        const std::optional<QString> digits = wholeNumberDigits(units);
        if (!digits) {
            proc.step(100, [&] {
                m_session.dialogs.notify(QStringLiteral("The units of ") +
                                         grdInventory->item(row, TypeColumn)->text() +
                                         QStringLiteral(" must be a whole number."));
            });
            grdInventory->setCurrentCell(row, UnitsColumn);
            grdInventory->setFocus();
            return;
        }
        entries.push_back({grdInventory->item(row, KindColumn)->data(Qt::UserRole).toString(),
                           grdInventory->item(row, TypeColumn)->text(), digits->toLongLong()});
    }
    // A failed write keeps the window open with what was typed.
    if (!proc.step(102, [&] { writeInventory(m_session.connection(), entries); })) return;
    proc.step(104, [&] { emit m_mainWindow.reservationsChanged(); });
    proc.step(106, [&] { accept(); });
}

void InventoryWindow::btnCancel_Click() {
    reject();
}

} // namespace corvanna
