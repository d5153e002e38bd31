#pragma once

#include "store/statements.h"

#include <QDate>
#include <QWidget>
#include <optional>

class QComboBox;
class QDateEdit;
class QTreeView;

namespace corvanna {

class ReservationModel;
enum class StayCommand;
struct Session;

// The desk's day: who arrives on a date, who is in the house that night, who leaves. One window
// with the view and the date to choose, a list of the main list's columns and sort, its count in
// the title, and export and print of what it shows.
class DayViewWindow : public QWidget {
    Q_OBJECT
public:
    DayViewWindow(Session& session, QWidget* parent);

    // Shows `view` for `date` and fills the list.
    void showDay(DayView view, const QDate& date);
    void Refresh();

    DayView view() const;
    QDate date() const;
    // "Arrivals", "In the House", "Departures".
    static QString viewName(DayView view);
    // What the list shows, as the title, an export and a printout name it.
    QString listTitle() const;
    // The reservation of the selected row, if a row is selected.
    std::optional<qint64> selectedReservation() const;

signals:
    // A stay command on the selected reservation (none: nothing selected), from the list's
    // context menu or the Stay button; the main window runs it.
    void stayCommandRequested(StayCommand command, std::optional<qint64> reservationId);
    // The Folio command on the selected reservation (none: nothing selected).
    void folioRequested(std::optional<qint64> reservationId);

private:
    void Export_Click();
    void Print_Click();

    Session& m_session;
    QComboBox* m_view;
    QDateEdit* m_date;
    QTreeView* m_list;
    ReservationModel* m_model;
};

} // namespace corvanna
