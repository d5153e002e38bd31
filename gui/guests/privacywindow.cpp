#include "gui/guests/privacywindow.h"

#include "base/report.h"
#include "gui/frame/session.h"
#include "store/privacy.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvanna {

namespace {
constexpr int kMostDays = 3650;
constexpr int kMostYears = 30;
constexpr int kWindowWidth = 560;
constexpr int kWindowHeight = 420;

QString whatText(const QString& what) {
    if (what == QLatin1String("cards")) return PrivacyWindow::tr("Card numbers erased");
    if (what == QLatin1String("guest")) return PrivacyWindow::tr("Guest erased");
    if (what == QLatin1String("guests by age")) return PrivacyWindow::tr("Guests erased by age");
    if (what == QLatin1String("export")) return PrivacyWindow::tr("Guest exported");
    return what;
}
} // namespace

PrivacyWindow::PrivacyWindow(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session) {
    setObjectName(QStringLiteral("Privacy"));
    setWindowTitle(tr("Privacy"));

    m_cardsOn = new QCheckBox(tr("Erase &card numbers this many days after check-out:"), this);
    m_cardsOn->setObjectName(QStringLiteral("privacyCardsOn"));
    m_cardDays = new QSpinBox(this);
    m_cardDays->setObjectName(QStringLiteral("privacyCardDays"));
    m_cardDays->setRange(0, kMostDays);
    m_cardDays->setAccessibleName(tr("Days after check-out"));
    m_guestsOn =
        new QCheckBox(tr("Erase &guest profiles this many years after their last stay:"), this);
    m_guestsOn->setObjectName(QStringLiteral("privacyGuestsOn"));
    m_guestYears = new QSpinBox(this);
    m_guestYears->setObjectName(QStringLiteral("privacyGuestYears"));
    m_guestYears->setRange(1, kMostYears);
    m_guestYears->setAccessibleName(tr("Years after the last stay"));
    connect(m_cardsOn, &QCheckBox::toggled, m_cardDays, &QWidget::setEnabled);
    connect(m_guestsOn, &QCheckBox::toggled, m_guestYears, &QWidget::setEnabled);

    m_log = new QTreeWidget(this);
    m_log->setObjectName(QStringLiteral("privacyLog"));
    m_log->setAccessibleName(tr("Privacy log"));
    m_log->setHeaderLabels({tr("When"), tr("Desk"), tr("What"), tr("Count")});
    m_log->setRootIsDecorated(false);
    auto* logLabel = new QLabel(tr("&Log:"), this);
    logLabel->setBuddy(m_log);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Save_Click(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* rules = new QGridLayout;
    rules->addWidget(m_cardsOn, 0, 0);
    rules->addWidget(m_cardDays, 0, 1);
    rules->addWidget(m_guestsOn, 1, 0);
    rules->addWidget(m_guestYears, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rules);
    layout->addWidget(logLabel);
    layout->addWidget(m_log);
    layout->addWidget(buttons);
    resize(kWindowWidth, kWindowHeight);
}

bool PrivacyWindow::load() {
    Procedure proc(m_session.dialogs, QStringLiteral("Privacy.load"));
    PrivacyRules rules;
    std::vector<PrivacyLogLine> log;
    if (!proc.step(100, [&] {
            rules = readPrivacyRules(m_session.connection());
            log = readPrivacyLog(m_session.connection());
        }))
        return false;
    m_cardsOn->setChecked(rules.cardsOn);
    m_cardDays->setValue(rules.cardDays);
    m_cardDays->setEnabled(rules.cardsOn);
    m_guestsOn->setChecked(rules.guestsOn);
    m_guestYears->setValue(rules.guestYears);
    m_guestYears->setEnabled(rules.guestsOn);
    for (const PrivacyLogLine& line : log)
        new QTreeWidgetItem(m_log,
                            {QLocale().toString(line.at.toLocalTime(), QLocale::ShortFormat),
                             line.desk, whatText(line.what), QLocale().toString(line.count)});
    return true;
}

void PrivacyWindow::Save_Click() {
    PrivacyRules rules;
    rules.cardsOn = m_cardsOn->isChecked();
    rules.cardDays = m_cardDays->value();
    rules.guestsOn = m_guestsOn->isChecked();
    rules.guestYears = m_guestYears->value();
    Procedure proc(m_session.dialogs, QStringLiteral("Privacy.Save_Click"));
    if (proc.step(100, [&] { writePrivacyRules(m_session.connection(), rules); })) accept();
}

} // namespace corvanna
