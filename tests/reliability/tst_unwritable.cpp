// A save that cannot be written (a read-only database, a folder the user may not write, a full
// disk) is reported, stores nothing, keeps what was typed in the editor and leaves the earlier
// reservations sound.
#include "editordriver.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "ledger.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/money.h"
#include "store/schemahistory.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QString kSave = QStringLiteral("Form2.PushButton4_Click");

// Makes a file or folder unwritable for this process, and writable again when it goes. Modes stop
// an ordinary user; root ignores them, so for root the file system's immutable flag does it.
class WriteProtection {
public:
    explicit WriteProtection(QString path)
        : m_path(std::move(path)) {
        if (::geteuid() != 0) {
            m_mode = QFile::permissions(m_path);
            m_protected =
                QFile::setPermissions(m_path, m_mode & ~(QFile::WriteOwner | QFile::WriteUser |
                                                         QFile::WriteGroup | QFile::WriteOther));
            m_byMode = true;
        } else {
            m_protected = setImmutable(true);
        }
    }
    ~WriteProtection() { lift(); }
    void lift() {
        if (!m_protected) return;
        if (m_byMode)
            QFile::setPermissions(m_path, m_mode);
        else
            setImmutable(false);
        m_protected = false;
    }
    // True when writing really fails now (a probe write, not just a flag that was set).
    bool holds() const {
        if (!m_protected) return false;
        if (QFileInfo(m_path).isDir()) {
            QFile probe(m_path + QStringLiteral("/probe"));
            const bool written = probe.open(QIODevice::WriteOnly);
            if (written) probe.remove();
            return !written;
        }
        const int fd = ::open(m_path.toLocal8Bit().constData(), O_WRONLY | O_APPEND);
        if (fd >= 0) ::close(fd);
        return fd < 0;
    }

private:
    bool setImmutable(bool on) {
        const int fd = ::open(m_path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QString m_path;
    QFile::Permissions m_mode;
    bool m_byMode = false;
    bool m_protected = false;
};

struct Typed {
    QString name, card, cardNo, services, phone, address;
    bool operator==(const Typed&) const = default;
};

void typeReservation(Form2& editor, const Typed& t) {
    chooseValidChoices(editor);
    for (auto [box, text] :
         {std::pair<QWidget*, QString>{control<QLineEdit>(editor, "Text1"), t.name},
          {control<QComboBox>(editor, "Combo2"), t.card},
          {control<QLineEdit>(editor, "Text3"), t.cardNo},
          {control<QLineEdit>(editor, "Text5"), t.services},
          {control<QLineEdit>(editor, "Text6"), t.phone},
          {control<QPlainTextEdit>(editor, "Text7"), t.address}}) {
        clearBox(box);
        typeInto(box, text);
    }
}

Typed shownIn(const Form2& editor) {
    return {control<QLineEdit>(editor, "Text1")->text(),
            control<QComboBox>(editor, "Combo2")->currentText(),
            control<QLineEdit>(editor, "Text3")->text(),
            control<QLineEdit>(editor, "Text5")->text(),
            control<QLineEdit>(editor, "Text6")->text(),
            control<QPlainTextEdit>(editor, "Text7")->toPlainText()};
}

QString everyRow(const QString& database) {
    return queryValue(database,
                      "select group_concat(r, '|') from (select id || quote(GuestName) || "
                      "quote(Address) || quote(CheckInDate) as r from tblRooms order by id)");
}

} // namespace

class TestUnwritable : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void unwritableSaveIsReported_data();
    void unwritableSaveIsReported();
    void fullDiskIsReported();
    void readOnlyWithoutInventoryWorksAsBefore();
    void readOnlyNightPricesByRowStillRead();

private:
    std::unique_ptr<TempPlaces> m_temp;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_main;
    QString db() const { return m_temp->places.workingDatabase(); }
    void start() {
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_session = std::make_unique<Session>(*m_dialogs, m_temp->places);
        m_main = std::make_unique<Form1>(*m_session);
        QVERIFY(m_main->Form_Load());
        QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
    }
};

void TestUnwritable::init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString()).clear();
    m_temp = std::make_unique<TempPlaces>();
    createWorkingDatabase(m_temp->places);
    // Private already, as the program keeps them: start-up has nothing to narrow.
    QFile::setPermissions(m_temp->places.makerFolder(), QFile::Permissions(0x7700));
    QFile::setPermissions(m_temp->places.dataFolder(), QFile::Permissions(0x7700));
    QFile::setPermissions(db(), QFile::Permissions(0x6600));
    execOn(db(), "insert into tblRooms (GuestName, Address, CheckInDate, CheckOutDate) values "
                 "('Earlier Guest', 'Old Road', '2021-05-01', '2021-05-03')");
}

void TestUnwritable::cleanup() {
    m_main.reset();
    m_session.reset();
    m_dialogs.reset();
    m_temp.reset();
}

void TestUnwritable::unwritableSaveIsReported_data() {
    QTest::addColumn<bool>("folder");             // protect the data folder, else the file
    QTest::addColumn<QString>("failure");         // the engine's words in the report
    QTest::addColumn<bool>("writableOnceLifted"); // the same editor saves once writing is allowed
    // A file found read-only is opened for reading only: writing needs the program started anew.
    QTest::newRow("read-only database") << false << "attempt to write a readonly database" << false;
    // The rollback journal cannot be made beside the database.
    QTest::newRow("folder that may not be written")
        << true << "unable to open database file" << true;
}

void TestUnwritable::unwritableSaveIsReported() {
    QFETCH(bool, folder);
    QFETCH(QString, failure);
    QFETCH(bool, writableOnceLifted);
    WriteProtection protection(folder ? m_temp->places.dataFolder() : db());
    if (!protection.holds())
        QSKIP("this file system lets this user write whatever its modes say (no immutable flag)");
    start();
    if (QTest::currentTestFailed()) return;
    QCOMPARE(m_main->listModel()->rowCount(), 0); // today's list; the earlier stay is not today
    const QString before = everyRow(db());

    const Typed typed{"Kept O'Hara",   "VISA",     "4111 1111",
                      "Late checkout", "555 0142", "7 Mill Lane\nPellworth"};
    QVERIFY(withEditor(
        [&] { m_main->PushButton1_Click(); },
        [&](Form2& editor) {
            typeReservation(editor, typed);
            control<QPushButton>(editor, "PushButton4")->click();
            QCOMPARE(m_dialogs->texts(), QStringList{reportFor(failure, kSave, 172)});
            QVERIFY(editor.isVisible());
            QCOMPARE(shownIn(editor), typed);
            QCOMPARE(everyRow(db()), before);

            // Writing allowed again: the same press of Save now stores what was kept.
            protection.lift();
            m_dialogs->clear();
            control<QPushButton>(editor, "PushButton4")->click();
            if (writableOnceLifted) {
                QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
                QVERIFY(!editor.isVisible());
            } else {
                QCOMPARE(m_dialogs->texts(), QStringList{reportFor(failure, kSave, 172)});
                QCOMPARE(shownIn(editor), typed);
            }
        }));
    if (QTest::currentTestFailed()) return;
    QCOMPARE(queryValue(db(), "select count(*) from tblRooms where GuestName='Kept O''Hara' and "
                              "Address='7 Mill Lane\nPellworth'"),
             writableOnceLifted ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(integrityOf(db()), QStringLiteral("ok"));
}

void TestUnwritable::fullDiskIsReported() {
    start();
    if (QTest::currentTestFailed()) return;
    // The disk fills: the database may not grow past the pages it has now.
    sqlite3* handle = m_session->connection().handle();
    QVERIFY(handle);
    const QString pages = queryValue(db(), "pragma page_count");
    QCOMPARE(sqlite3_exec(handle, qPrintable("pragma max_page_count=" + pages), nullptr, nullptr,
                          nullptr),
             SQLITE_OK);

    const QString full = reportFor("database or disk is full", kSave, 172);
    QString before;
    Typed refused;
    int saved = 0;
    for (int n = 1; n <= 200 && refused.name.isEmpty(); ++n) {
        before = everyRow(db());
        m_dialogs->clear();
        const Typed typed{QStringLiteral("Guest %1 ").arg(n).leftJustified(50, 'g'),
                          QString(40, 'C'),
                          QString(50, '4'),
                          QString(50, 's'),
                          QString(50, '5'),
                          QString(50, 'a')};
        QVERIFY(withEditor([&] { m_main->PushButton1_Click(); },
                           [&](Form2& editor) {
                               typeReservation(editor, typed);
                               control<QPushButton>(editor, "PushButton4")->click();
                               if (m_dialogs->texts() == QStringList{"Successfully Saved."}) {
                                   ++saved;
                                   return;
                               }
                               QCOMPARE(m_dialogs->texts(), QStringList{full});
                               QVERIFY(editor.isVisible());
                               QCOMPARE(shownIn(editor), typed);
                               refused = typed;
                           }));
        if (QTest::currentTestFailed()) return;
    }
    QVERIFY2(!refused.name.isEmpty(), "the database never filled up");
    QVERIFY(saved > 0);
    // Every earlier reservation as it was, nothing of the refused one, a sound file.
    QCOMPARE(everyRow(db()), before);
    QCOMPARE(queryValue(db(), "select count(*) from tblRooms").toInt(), saved + 1);
    QCOMPARE(integrityOf(db()), QStringLiteral("ok"));
    QCOMPARE(queryValue(db(), "pragma page_count"), pages);
}

// A read-only database from before the inventory: start-up is as before, the chart works without
// inventory, and the user is told once.
void TestUnwritable::readOnlyWithoutInventoryWorksAsBefore() {
    execOn(db(), "drop table tblInventory; drop index idxRoomsStayLength; pragma user_version = 0");
    const QString before = everyRow(db());
    WriteProtection protection(db());
    if (!protection.holds())
        QSKIP("this file system lets this user write whatever its modes say (no immutable flag)");
    start();
    if (QTest::currentTestFailed()) return;
    QCOMPARE(m_session->inventoryUnavailable, "attempt to write a readonly database");
    m_main->PushButton5_Click();
    QCOMPARE(m_main->listModel()->rowCount(), 1);
    m_main->showAvailability();
    m_main->showAvailability();
    QCOMPARE(m_dialogs->texts(),
             QStringList{"This database cannot keep an inventory (attempt to write a readonly "
                         "database), so the program works without one."});
    protection.lift();
    QCOMPARE(everyRow(db()), before);
    QCOMPARE(queryValue(db(), "select count(*) from sqlite_master where name='tblInventory'"), "0");
}

// A read-only database whose night prices are still kept one row each reads its accounts, the
// newest row of a night (by its order of writing) its price.
void TestUnwritable::readOnlyNightPricesByRowStillRead() {
    execOn(db(), "drop table tblNightPrices");
    for (const QString& sql : schemaHistory().at(5).file)
        if (sql.contains(QLatin1String("TABLE IF NOT EXISTS tblNightPrices"))) execOn(db(), sql);
    execOn(db(), "insert into tblTaxRates (Name, BasisPoints) values ('Reduced', 700); insert "
                 "into tblNightPrices (ReservationId, Night, PriceCents, TaxRateId, Source, At, "
                 "Desk) values (1, '2021-05-01', 8000, 1, 'rate', '2021-04-01T10:00:00.000Z', "
                 "'a'), (1, '2021-05-02', 8000, 1, 'rate', '2021-04-01T10:00:00.000Z', 'a'), (1, "
                 "'2021-05-02', 7000, 1, 'override', '2021-03-01T10:00:00.000Z', 'b'); pragma "
                 "user_version = 7");
    WriteProtection protection(db());
    if (!protection.holds())
        QSKIP("this file system lets this user write whatever its modes say (no immutable flag)");
    Connection c(QStringLiteral("read-only"));
    c.open(QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=") + db());
    QCOMPARE(schemaUpgradeProblem(c), QString());
    const std::vector<NightPrice> nights = readNightPrices(c, 1);
    QCOMPARE(nights.size(), size_t(2));
    QCOMPARE(nights[0].priceCents + nights[1].priceCents, qint64(15000));
}

QTEST_MAIN(TestUnwritable)
#include "tst_unwritable.moc"
