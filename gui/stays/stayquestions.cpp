#include "gui/stays/stayquestions.h"

#include "gui/frame/design.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace corvanna {

namespace {
constexpr int kUnitIdRole = Qt::UserRole;
constexpr int kWidestList = 640;
} // namespace

std::optional<UnitAnswer> askForUnit(const UnitQuestion& question, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("unitChoice"));
    dialog.setWindowTitle(question.title);
    auto* prompt = new QLabel(question.prompt, &dialog);
    prompt->setWordWrap(true);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("unitChoiceList"));
    list->setAccessibleName(QDialog::tr("Units"));
    prompt->setBuddy(list);
    for (const UnitOffer& offer : question.offers) {
        auto* item = new QListWidgetItem(offer.text, list);
        item->setData(kUnitIdRole, offer.unitId);
        if (offer.marked) {
            QFont italic = list->font();
            italic.setItalic(true);
            item->setFont(italic);
        }
    }
    if (list->count() > 0) list->setCurrentRow(0);
    // Wide enough for the longest offer, within reason.
    list->setMinimumWidth(std::min(kWidestList, list->sizeHintForColumn(0) +
                                                    2 * list->frameWidth() +
                                                    list->verticalScrollBar()->sizeHint().width()));

    QDateEdit* night = nullptr;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(prompt);
    layout->addWidget(list);
    if (question.asksNight) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(QDialog::tr("From the &night of:"), &dialog);
        night = new QDateEdit(question.night, &dialog);
        night->setObjectName(QStringLiteral("unitChoiceNight"));
        setUpDatePicker(night);
        night->setDateRange(question.firstNight, question.lastNight);
        night->setAccessibleName(QDialog::tr("From the night of"));
        label->setBuddy(night);
        row->addWidget(label);
        row->addWidget(night);
        row->addStretch();
        layout->addLayout(row);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(list->count() > 0);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    list->setFocus();

    if (dialog.exec() != QDialog::Accepted || !list->currentItem()) return std::nullopt;
    return UnitAnswer{list->currentItem()->data(kUnitIdRole).toLongLong(),
                      night ? night->date() : QDate()};
}

std::optional<CancelReason> askCancelReason(const QString& guestName, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("cancelReason"));
    dialog.setWindowTitle(QDialog::tr("Cancel Reservation"));
    auto* prompt =
        new QLabel(QDialog::tr("Who cancels the reservation of %1?").arg(guestName), &dialog);
    prompt->setWordWrap(true);
    auto* byGuest = new QRadioButton(QDialog::tr("The &guest"), &dialog);
    byGuest->setObjectName(QStringLiteral("cancelByGuest"));
    auto* byHotel = new QRadioButton(QDialog::tr("The &hotel"), &dialog);
    byHotel->setObjectName(QStringLiteral("cancelByHotel"));
    byGuest->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(prompt);
    layout->addWidget(byGuest);
    layout->addWidget(byHotel);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return byHotel->isChecked() ? CancelReason::ByHotel : CancelReason::ByGuest;
}

} // namespace corvanna
