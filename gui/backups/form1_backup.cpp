// The main window's backups: the automatic daily copy, "Back up now" and "Restore...".
#include "base/dates.h"
#include "base/failure.h"
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "store/backup.h"
#include "store/connection.h"
#include "store/schemahistory.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMenu>

namespace corvanna {

namespace {

QString shownDate(const QDate& day) {
    return QLocale().toString(day, shortDateFormat());
}

QString backupFolder(const Session& session) {
    return backupFolderOf(session.places.dataFolder());
}

} // namespace

void Form1::automaticBackup() {
    const Connection* connection = m_session.dbConnection.get();
    // Nothing open, nothing to copy; a file known damaged (and reported so) would only give a
    // copy that fails its check.
    if (!connection || connection->state() == 0 || connection->damaged()) return;
    // A server keeps the reservations in its own backups; there is no file to copy.
    if (!connection->has(Capability::FileBackups)) return;
    const QDateTime now = QDateTime::currentDateTime();
    QString notice;
    const QString failure =
        keepDailyCopy(connection->handle(), backupFolder(m_session), now, &notice);
    if (failure.isEmpty()) {
        m_session.backups.backedUp(now.date());
        if (!notice.isEmpty() && m_session.backups.reportClock())
            Procedure(m_session.dialogs, QStringLiteral("Form1.BackUp")).step(102, [&] {
                m_session.dialogs.notify(notice);
            });
        return;
    }
    // The desk is told once a run; the working database is as it was.
    if (m_session.backups.reportFailure())
        Procedure(m_session.dialogs, QStringLiteral("Form1.BackUp"))
            .fail(100, tr("The backup could not be made: %1").arg(failure));
}

void Form1::backUpAfterSave() {
    if (m_session.backups.dueAfterSave(QDate::currentDate())) automaticBackup();
}

void Form1::backupsOnServer() {
    for (const char* name : {"actionBackUpNow", "actionRestore"})
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) {
            const QString why =
                tr("The reservations are on a database server, whose own backups keep them.");
            action->setEnabled(false);
            action->setStatusTip(why);
            // The window has no status bar: the menu shows the same words over the command.
            action->setToolTip(why);
            if (auto* menu = qobject_cast<QMenu*>(action->parent())) menu->setToolTipsVisible(true);
        }
}

void Form1::mnuBackUpNow_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.mnuBackUpNow_Click"));
    const QDateTime now = QDateTime::currentDateTime();
    QString copy;
    // Each command makes a copy of its own: a reservation booked and removed the same day is in
    // the copy made between.
    if (!proc.step(100, [&] {
            copy = backUpNow(m_session.connection().handle(), backupFolder(m_session), now);
        }))
        return;
    m_session.backups.backedUp(now.date());
    QString notice;
    proc.step(102, [&] { notice = rotateBackups(backupFolder(m_session), now); });
    proc.step(104, [&] {
        m_session.dialogs.notify(
            tr("The database was backed up to %1.").arg(QDir::toNativeSeparators(copy)));
    });
    if (!notice.isEmpty() && m_session.backups.reportClock())
        proc.step(106, [&] { m_session.dialogs.notify(notice); });
}

void Form1::mnuRestore_Click() {
    Procedure proc(m_session.dialogs, QStringLiteral("Form1.mnuRestore_Click"));
    std::vector<BackupChoice> choices;
    proc.step(100, [&] {
        for (const BackupCopy& copy : keptBackups(backupFolder(m_session))) {
            const std::optional<qint64> count = reservationCountOf(copy.path);
            choices.push_back({copy.day, copy.path,
                               count ? QString::number(*count) : tr("unreadable"), copy.made,
                               copy.kind});
        }
    });
    if (choices.empty()) {
        proc.step(102, [&] { m_session.dialogs.notify(tr("There are no backups to restore.")); });
        return;
    }
    int chosen = -1;
    proc.step(104, [&] { chosen = m_session.chooseBackup(choices, this); });
    if (chosen < 0 || size_t(chosen) >= choices.size()) return;
    const BackupChoice& choice = choices[size_t(chosen)];

    QString check;
    proc.step(106, [&] { check = integrityCheckOf(choice.path); });
    if (check != QLatin1String("ok")) {
        proc.step(108, [&] {
            m_session.dialogs.notify(tr("The backup of %1 is damaged and cannot be restored.")
                                         .arg(shownDate(choice.day)));
        });
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString working = dataSourceOf(connectionString(m_session.places.commonDataFolder));
    std::optional<ReservationDifference> difference;
    proc.step(109, [&] { difference = compareReservations(working, choice.path); });
    const auto count = [&](qint64 ReservationDifference::*field) {
        return difference ? QString::number((*difference).*field) : tr("unknown");
    };
    bool confirmed = false;
    // What the replacing would take away is said first; the safe answer is the default.
    proc.step(110, [&] {
        confirmed = m_session.dialogs.askDefaultNo(
            tr("Replace the working database with the backup of %1 (reservations: %2)? "
               "Reservations only in the working database: %3, only in the backup: %4, changed "
               "since the backup: %5; the working database is kept as %6 in the Backups folder.")
                .arg(shownDate(choice.day) + QLatin1Char(' ') +
                         choice.made.time().toString(QStringLiteral("HH:mm:ss")),
                     choice.reservations, count(&ReservationDifference::onlyInWorking),
                     count(&ReservationDifference::onlyInCopy),
                     count(&ReservationDifference::changed), replacedFileName(now)));
    });
    if (!confirmed) return;
    if (!proc.step(112, [&] {
            restoreBackup(m_session.connection(),
                          connectionString(m_session.places.commonDataFolder), choice.path,
                          backupFolder(m_session), now);
            // A copy made by an older program gets the schema steps it lacks.
            m_session.inventoryUnavailable = schemaUpgradeProblem(m_session.connection());
            m_session.connection().startBackgroundCheck();
        }))
        return;
    proc.step(114, [&] { listRooms(); });
    proc.step(116, [&] {
        m_session.dialogs.notify(tr("The backup of %1 was restored.").arg(shownDate(choice.day)));
    });
}

} // namespace corvanna
