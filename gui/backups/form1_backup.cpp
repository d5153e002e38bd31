// The main window's backups: the automatic daily copy, "Back up now" and "Restore...".
#include "base/dates.h"
#include "base/failure.h"
#include "base/product.h"
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/messagebox.h"
#include "gui/frame/session.h"
#include "store/backup.h"
#include "store/connection.h"
#include "store/schemahistory.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocale>
#include <QMenu>
#include <QProgressDialog>
#include <QTimer>
#include <memory>
#include <optional>

namespace corvanna {

namespace {

QString shownDate(const QDate& day) {
    return QLocale().toString(day, shortDateFormat());
}

QString backupFolder(const Session& session) {
    return backupFolderOf(session.places.dataFolder());
}

// A copy after a save waits this long for the saves that follow it.
constexpr int kCopyAfterSaveMs = 1500;
constexpr int kCopyWatchMs = 200;
// The close's notice shows only for a copy that takes longer than this.
constexpr int kNoticeAfterMs = 400;
constexpr int kWaitPollMs = 5;

} // namespace

// The working file the copies are made from, when the day's copies apply: open, sound, a file.
static std::optional<QString> copiedFile(const Session& session) {
    const Connection* connection = session.dbConnection.get();
    // Nothing open, nothing to copy; a file known damaged (and reported so) would only give a
    // copy that fails its check. A server keeps the reservations in its own backups.
    if (!connection || connection->state() == 0 || connection->damaged() ||
        !connection->has(Capability::FileBackups))
        return std::nullopt;
    return dataSourceOf(connectionString(session.places.commonDataFolder));
}

void Form1::reportDailyCopy(const QString& failure, const QString& notice) {
    if (failure.isEmpty()) {
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

// The close's copy: made at full pace on its own thread while the window, already hidden, waits.
void Form1::automaticBackup() {
    Connection* connection = m_session.dbConnection.get();
    // A working file another program replaced is opened anew first: the replaced one is no
    // longer the database and is never copied as today's.
    if (connection && connection->state() != 0)
        Procedure(m_session.dialogs, QStringLiteral("Form1.BackUp")).step(101, [&] {
            if (connection->takeChanges()) m_otherDeskChanged = true;
        });
    const std::optional<QString> working = copiedFile(m_session);
    if (!working) return;
    waitForDailyCopy(); // one copy at a time
    // Most closes have nothing to add: the copy after the last save has been made meanwhile.
    const QDateTime now = QDateTime::currentDateTime();
    if (dailyCopyIsCurrent(*working, backupFolder(m_session), now.date())) {
        reportDailyCopy({}, {});
        return;
    }
    m_session.copying.start(*working, backupFolder(m_session), now, false);
    waitForDailyCopy();
}

// Each save asks for a copy a moment later; the saves that come meanwhile go into the same copy.
void Form1::backUpAfterSave() {
    if (!m_copyAfterSave) {
        m_copyAfterSave = new QTimer(this);
        m_copyAfterSave->setSingleShot(true);
        connect(m_copyAfterSave, &QTimer::timeout, this, [this] { startDailyCopy(); });
    }
    m_copyAfterSave->start(kCopyAfterSaveMs);
}

void Form1::startDailyCopy() {
    const std::optional<QString> working = copiedFile(m_session);
    if (!working) return;
    // A copy under way may have read its pages before the last save: another follows it.
    if (m_session.copying.running()) {
        m_copyAgain = true;
        return;
    }
    m_copyAgain = false;
    m_session.copying.start(*working, backupFolder(m_session), QDateTime::currentDateTime(), true);
    if (!m_copyWatch) {
        m_copyWatch = new QTimer(this);
        m_copyWatch->setObjectName(QStringLiteral("dailyCopyWatch"));
        connect(m_copyWatch, &QTimer::timeout, this, [this] {
            if (m_session.copying.finished()) dailyCopyEnded();
        });
    }
    m_copyWatch->start(kCopyWatchMs);
}

void Form1::dailyCopyEnded() {
    if (m_copyWatch) m_copyWatch->stop();
    const BackgroundCopy::Outcome outcome = m_session.copying.take();
    if (!outcome.stopped) reportDailyCopy(outcome.failure, outcome.notice);
    if (m_copyAgain) startDailyCopy();
}

// Waits for the copy under way, the events of the moment going on; a copy that takes a while
// shows a small notice of its own, as the main window may already be gone.
void Form1::waitForDailyCopy() {
    if (!m_session.copying.running()) return;
    std::unique_ptr<QProgressDialog> notice;
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (m_session.copying.finished()) {
            loop.quit();
        } else if (!notice && waited.elapsed() > kNoticeAfterMs) {
            notice = showWaitNotice(tr("Keeping today's backup of the reservations…"),
                                    QStringLiteral("backupNotice"));
        }
    });
    poll.start(kWaitPollMs);
    if (!m_session.copying.finished()) loop.exec();
    const BackgroundCopy::Outcome outcome = m_session.copying.take();
    if (!outcome.stopped) reportDailyCopy(outcome.failure, outcome.notice);
}

// At the close: no copy is asked for any more; the one under way finishes, then the close's own
// adds whatever came after it.
void Form1::finishBackups() {
    // Nor is the list of a window that is gone filled again while the close waits.
    if (auto* watch = findChild<QTimer*>(QStringLiteral("otherDesksWatch"))) watch->stop();
    if (m_copyAfterSave) m_copyAfterSave->stop();
    if (m_copyWatch) m_copyWatch->stop();
    m_copyAgain = false;
    waitForDailyCopy();
    automaticBackup();
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
    // Another program on the file would stay on the replaced one: the desk is told at once.
    bool elsewhere = false;
    proc.step(103, [&] { elsewhere = m_session.connection().engine().openElsewhere(); });
    if (elsewhere) {
        proc.step(103, [&] { m_session.dialogs.notify(openElsewhereRefusal()); });
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
    // A copy under way reads the file that is about to be replaced: it is abandoned.
    m_session.copying.stop();
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
