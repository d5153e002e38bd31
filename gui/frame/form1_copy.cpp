// The main window on a server: a read-only copy of the server's reservations in the data folder,
// shown in the server's place while the server cannot be reached.
#include "base/dates.h"
#include "base/layout.h"
#include "base/product.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "store/connection.h"
#include "store/server/localcopy.h"

#include <QLabel>

namespace corvanna {

namespace {
// The time of the copy's server state: the time alone on its own day, the date too before.
QString asOf(const QDateTime& time) {
    const QDateTime local = time.toLocalTime();
    const QString clock = local.toString(QStringLiteral("HH:mm"));
    return local.date() == QDate::currentDate()
               ? clock
               : local.toString(shortDateFormat()) + QLatin1Char(' ') + clock;
}
} // namespace

void Form1::keepLocalCopy() {
    if (m_session.server.isEmpty() || m_localCopy) return;
    m_localCopy = std::make_unique<LocalCopyKeeper>(
        localCopyPath(m_session.places.dataFolder(), m_session.server),
        m_session.places.shippedDatabase(), m_session.localCopyRefreshMs);
    // Read after the start, and after a fill: a save or delete here or a notice from another
    // desk.
    connect(this, &Form1::reservationsChanged, this, [this] {
        if (m_localCopy) m_localCopy->changed();
    });
}

// Runs with the watch for other desks; never waits for the server.
void Form1::watchLocalCopy() {
    if (!m_localCopy || !m_session.dbConnection) return;
    if (m_localCopy->tick(*m_session.dbConnection) == LocalCopyKeeper::Turn::None) return;
    showDatabaseInUse();
    // The list is read again from the database now in use, as for another desk's change.
    m_otherDeskChanged = true;
}

void Form1::showDatabaseInUse() {
    const Connection& connection = m_session.connection();
    const bool onCopy = connection.onLocalCopy();
    if (onCopy) {
        const QString time =
            asOf(localCopyTime(localCopyPath(m_session.places.dataFolder(), m_session.server)));
        setWindowTitle(tr("%1 - %2 - read-only copy as of %3")
                           .arg(kProductName, connection.description(), time));
        if (!m_copyBar) {
            m_copyBar = new QLabel(this);
            m_copyBar->setObjectName(QStringLiteral("localCopyBar"));
            m_copyBar->setWordWrap(true);
            m_copyBar->setMargin(4);
            m_copyBar->setStyleSheet(
                QStringLiteral("background-color: #fff4c2; color: black; border-bottom: 1px "
                               "solid #c9a800;"));
        }
        m_copyBar->setText(tr("The server cannot be reached. The list shows a read-only copy of "
                              "the reservations as of %1; nothing can be saved until the server "
                              "is back.")
                               .arg(time));
        m_copyBar->resize(width(), m_copyBar->heightForWidth(normalSize().width()));
        m_copyBar->show();
    } else {
        if (connection.has(Capability::SharedDatabase))
            setWindowTitle(kProductName + QStringLiteral(" - ") + connection.description());
        if (m_copyBar) m_copyBar->hide();
    }
    if (!m_copyBar) return;
    // The window grows by the bar (or back), so the designed controls keep their places.
    applySizeConstraints();
    if (windowStateNumber() == kStateNormal) resize(normalWindowSize());
    placeClientArea();
    Form_Resize();
}

} // namespace corvanna
