#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;
class QTreeWidget;

namespace corvanna {

struct Session;

// Tools › Privacy…: the two rules (card numbers some days after check-out, guest profiles some
// years after their last stay) and the log of what was erased or exported.
class PrivacyWindow final : public QDialog {
    Q_OBJECT
public:
    explicit PrivacyWindow(Session& session, QWidget* parent = nullptr);

    // Shows the rules and the log; false when they could not be read.
    bool load();
    // Writes the rules; closes the window when they were written.
    void Save_Click();

private:
    Session& m_session;
    QCheckBox* m_cardsOn;
    QSpinBox* m_cardDays;
    QCheckBox* m_guestsOn;
    QSpinBox* m_guestYears;
    QTreeWidget* m_log;
};

} // namespace corvanna
