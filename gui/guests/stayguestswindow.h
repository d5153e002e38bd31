#pragma once

#include "store/guests.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

namespace corvanna {

struct Session;

// Reservation › Guests of the Stay…: who booked the reservation and who else stays, chosen from
// the guest profiles. OK writes the choice.
class StayGuestsWindow final : public QDialog {
    Q_OBJECT
public:
    StayGuestsWindow(Session& session, qint64 reservationId, QWidget* parent = nullptr);

    // Reads the profiles and the stay's guests; false when they could not be read.
    bool load();
    void Add_Click();
    void Remove_Click();
    // Writes the booker and the others; closes the window when they were written.
    void Ok_Click();

private:
    Session& m_session;
    qint64 m_reservationId;
    std::vector<Guest> m_guests;
    QComboBox* m_booker;
    QListWidget* m_others;
    QComboBox* m_candidate;
    QPushButton* m_add;
    QPushButton* m_remove;
};

} // namespace corvanna
