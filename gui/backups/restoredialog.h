#pragma once

#include "store/backup.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QString>
#include <vector>

class QTreeWidget;

namespace corvanna {

// One kept copy as the restore window lists it.
struct BackupChoice {
    QDate day;
    QString path;
    QString reservations; // the count, or why the copy cannot be read
    QDateTime made;
    CopyKind kind = CopyKind::Daily;
};

// "Restore": the kept copies, newest first, with their dates, times and reservation counts, and
// the working databases earlier restores replaced; Restore takes the selected one. The newest
// copy not dated after `today` is selected first (one dated later is a wrong clock's).
class RestoreDialog : public QDialog {
    Q_OBJECT
public:
    RestoreDialog(const std::vector<BackupChoice>& choices, QWidget* parent = nullptr,
                  const QDate& today = QDate::currentDate());
    // The chosen copy's place in the list, or -1.
    int chosen() const;

private:
    QTreeWidget* m_list;
};

// Shows the restore window modally; returns the chosen copy's place, or -1 when none was chosen.
int chooseBackupCopy(const std::vector<BackupChoice>& choices, QWidget* parent);

} // namespace corvanna
