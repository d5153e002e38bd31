#include "gui/backups/restoredialog.h"

#include "base/dates.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvanna {

namespace {
constexpr int kReservationsColumn = 2;
} // namespace

RestoreDialog::RestoreDialog(const std::vector<BackupChoice>& choices, QWidget* parent,
                             const QDate& today)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RestoreDialog"));
    setWindowTitle(tr("Restore"));
    auto* label = new QLabel(tr("&Backups kept:"), this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("BackupList"));
    m_list->setAccessibleName(tr("Backups"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Date"), tr("Time"), tr("Reservations"), tr("Copy")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    label->setBuddy(m_list);
    const QString format = shortDateFormat();
    QTreeWidgetItem* first = nullptr;
    for (const BackupChoice& choice : choices) {
        const QString kind = choice.kind == CopyKind::Replaced ? tr("Replaced by a restore")
                             : choice.kind == CopyKind::Timed  ? tr("Back Up Now")
                                                               : tr("Day's copy");
        auto* item =
            new QTreeWidgetItem(m_list, {QLocale().toString(choice.day, format),
                                         choice.made.time().toString(QStringLiteral("HH:mm:ss")),
                                         choice.reservations, kind});
        item->setTextAlignment(kReservationsColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (!first && choice.day <= today) first = item;
    }
    if (first) m_list->setCurrentItem(first);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("RestoreButton"));
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(360, 320);
}

int RestoreDialog::chosen() const {
    QTreeWidgetItem* item = m_list->currentItem();
    return item ? m_list->indexOfTopLevelItem(item) : -1;
}

int chooseBackupCopy(const std::vector<BackupChoice>& choices, QWidget* parent) {
    RestoreDialog dialog(choices, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : -1;
}

} // namespace corvanna
