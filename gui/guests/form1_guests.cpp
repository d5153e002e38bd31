// The main window's way to the guests: the profiles, the guests and the registration card of the
// selected reservation, the privacy rules, and what follows a save.
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/guests/guestcommands.h"
#include "gui/guests/guestswindow.h"
#include "gui/guests/privacywindow.h"
#include "gui/guests/stayguestswindow.h"

#include <QApplication>
#include <QTimer>

namespace corvanna {

namespace {
// How often the program looks whether a new day has come for the privacy rules.
constexpr int kPrivacyWatchMs = 10 * 60 * 1000;
} // namespace

void Form1::showGuests() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showGuests"));
    bool available = false;
    proc.step(100, [&] { available = GuestCommands::guestsAvailable(m_session); });
    if (!available) return;
    proc.step(102, [&] {
        GuestsWindow window(m_session, this);
        window.refresh();
        window.exec();
    });
}

void Form1::showStayGuests() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showStayGuests"));
    const std::optional<qint64> id = selectedReservation();
    if (!id) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("Select a reservation first.")); });
        return;
    }
    bool available = false;
    proc.step(102, [&] { available = GuestCommands::guestsAvailable(m_session); });
    if (!available) return;
    proc.step(104, [&] {
        StayGuestsWindow window(m_session, *id, this);
        if (window.load()) window.exec();
    });
}

void Form1::printRegistrationCard() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.printRegistrationCard"));
    const std::optional<qint64> id = selectedReservation();
    if (!id) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("Select a reservation first.")); });
        return;
    }
    GuestCommands::printRegistrationCard(m_session, this, *id);
}

void Form1::showPrivacy() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.showPrivacy"));
    bool available = false;
    proc.step(100, [&] { available = GuestCommands::guestsAvailable(m_session); });
    if (!available) return;
    proc.step(102, [&] {
        PrivacyWindow window(m_session, this);
        if (window.load()) window.exec();
    });
}

void Form1::guestProfileAfterSave(qint64 editedId, const GuestValues& values) {
    GuestCommands::offerProfileAfterSave(m_session, editedId, values);
}

void Form1::runPrivacyRules() {
    if (!m_privacyWatch) {
        m_privacyWatch = new QTimer(this);
        m_privacyWatch->setObjectName(QStringLiteral("privacyWatch"));
        connect(m_privacyWatch, &QTimer::timeout, this, [this] { runPrivacyRules(); });
        m_privacyWatch->start(kPrivacyWatchMs);
    }
    const QDate today = QDate::currentDate();
    // Never over a window the desk is working in: the next look runs them.
    if (m_privacyRanOn == today || (m_privacyRanOn.isValid() && QApplication::activeModalWidget()))
        return;
    m_privacyRanOn = today;
    GuestCommands::runPrivacyRules(m_session, today);
}

} // namespace corvanna
