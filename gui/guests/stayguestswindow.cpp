#include "gui/guests/stayguestswindow.h"

#include "base/report.h"
#include "gui/frame/session.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvanna {

namespace {
constexpr int kIdRole = Qt::UserRole;

QString profileText(const Guest& guest) {
    return guest.phone.isEmpty() ? guest.name
                                 : StayGuestsWindow::tr("%1, %2").arg(guest.name, guest.phone);
}
} // namespace

StayGuestsWindow::StayGuestsWindow(Session& session, qint64 reservationId, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_reservationId(reservationId) {
    setObjectName(QStringLiteral("StayGuests"));
    setWindowTitle(tr("Guests of Reservation %1").arg(reservationId));

    m_booker = new QComboBox(this);
    m_booker->setObjectName(QStringLiteral("stayBooker"));
    m_booker->setAccessibleName(tr("Booker"));
    m_others = new QListWidget(this);
    m_others->setObjectName(QStringLiteral("stayOthers"));
    m_others->setAccessibleName(tr("Further guests"));
    m_candidate = new QComboBox(this);
    m_candidate->setObjectName(QStringLiteral("stayCandidate"));
    m_candidate->setAccessibleName(tr("Guest to add"));
    m_add = new QPushButton(tr("&Add"), this);
    m_add->setObjectName(QStringLiteral("stayAdd"));
    m_remove = new QPushButton(tr("&Remove"), this);
    m_remove->setObjectName(QStringLiteral("stayRemove"));
    for (QPushButton* b : {m_add, m_remove})
        b->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Ok_Click(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, [this] { Add_Click(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { Remove_Click(); });

    auto* bookerLabel = new QLabel(tr("&Booker:"), this);
    bookerLabel->setBuddy(m_booker);
    auto* othersLabel = new QLabel(tr("&Further guests:"), this);
    othersLabel->setBuddy(m_others);
    auto* addLabel = new QLabel(tr("A&dd a guest:"), this);
    addLabel->setBuddy(m_candidate);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(m_candidate, 1);
    addRow->addWidget(m_add);
    auto* form = new QFormLayout;
    form->addRow(bookerLabel, m_booker);
    form->addRow(othersLabel, m_others);
    form->addRow(QString(), m_remove);
    form->addRow(addLabel, addRow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bool StayGuestsWindow::load() {
    Procedure proc(m_session.dialogs, QStringLiteral("StayGuests.load"));
    std::vector<Guest> stayGuests;
    if (!proc.step(100, [&] {
            m_guests = readGuests(m_session.connection());
            stayGuests = readStayGuests(m_session.connection(), m_reservationId);
        }))
        return false;
    m_booker->addItem(tr("(none)"), qint64(0));
    for (const Guest& guest : m_guests) {
        if (guest.erased) continue;
        m_booker->addItem(profileText(guest), guest.id);
        m_candidate->addItem(profileText(guest), guest.id);
    }
    // The booker comes first; the others follow in their order.
    for (size_t i = 0; i < stayGuests.size(); ++i) {
        const Guest& guest = stayGuests[i];
        if (i == 0) {
            m_booker->setCurrentIndex(std::max(0, m_booker->findData(guest.id)));
            continue;
        }
        auto* item = new QListWidgetItem(profileText(guest), m_others);
        item->setData(kIdRole, guest.id);
    }
    return true;
}

void StayGuestsWindow::Add_Click() {
    const qint64 id = m_candidate->currentData().toLongLong();
    if (id == 0 || id == m_booker->currentData().toLongLong()) return;
    for (int i = 0; i < m_others->count(); ++i)
        if (m_others->item(i)->data(kIdRole).toLongLong() == id) return;
    auto* item = new QListWidgetItem(m_candidate->currentText(), m_others);
    item->setData(kIdRole, id);
    m_others->setCurrentItem(item);
}

void StayGuestsWindow::Remove_Click() {
    delete m_others->currentItem();
}

void StayGuestsWindow::Ok_Click() {
    const qint64 booker = m_booker->currentData().toLongLong();
    std::vector<qint64> others;
    for (int i = 0; i < m_others->count(); ++i) {
        const qint64 id = m_others->item(i)->data(kIdRole).toLongLong();
        if (id != booker) others.push_back(id);
    }
    Procedure proc(m_session.dialogs, QStringLiteral("StayGuests.Ok_Click"));
    if (proc.step(100,
                  [&] { setStayGuests(m_session.connection(), m_reservationId, booker, others); }))
        accept();
}

} // namespace corvanna
