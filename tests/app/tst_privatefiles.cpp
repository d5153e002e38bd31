// The guests' data is the desk account's alone: folders 0700, the database, its journal and the
// settings 0600; at start-up what every account may do is taken away, and a group an
// administrator shares them with keeps its rights; a disk too full for the first copy is reported
// as full.
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>
#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

int modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

QString settingsFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString())
        .fileName();
}

// The file system's immutable flag: even root cannot change the mode of such a file.
bool setImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
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

} // namespace

class TestPrivateFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstStartMakesThemPrivate();
    void widerModesAreNarrowed_data();
    void widerModesAreNarrowed();
    void narrowingFailureIsReportedOnce();
    void fullDiskAtFirstStart();
};

void TestPrivateFiles::init() {
    QFile::remove(settingsFile());
}

void TestPrivateFiles::firstStartMakesThemPrivate() {
    TempPlaces temp;
    QVERIFY(QFile::setPermissions(temp.places.shippedDatabase(),
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    QCOMPARE(dialogs.texts(), QStringList());
    const QString db = temp.places.workingDatabase();
    QCOMPARE(modeOf(temp.places.makerFolder()), 0700);
    QCOMPARE(modeOf(temp.places.dataFolder()), 0700);
    QCOMPARE(modeOf(db), 0600);

    // The journal of a write in progress takes the database's mode.
    sqlite3* writer = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(db).constData(), &writer), SQLITE_OK);
    QCOMPARE(sqlite3_exec(writer, "begin immediate; insert into tblRooms (GuestName) values ('x')",
                          nullptr, nullptr, nullptr),
             SQLITE_OK);
    QCOMPARE(modeOf(db + "-journal"), 0600);
    sqlite3_exec(writer, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(writer);

    form.close();
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(modeOf(settingsFile()), 0600);
}

void TestPrivateFiles::widerModesAreNarrowed_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<int>("narrowedFolder");
    QTest::addColumn<int>("narrowedFile");
    QTest::newRow("open to every account") << 0777 << 0666 << 0770 << 0660;
    QTest::newRow("read by every account") << 0755 << 0644 << 0750 << 0640;
    QTest::newRow("shared with the staff group") << 0770 << 0660 << 0770 << 0660;
    QTest::newRow("shared folder keeping its group") << 02775 << 0664 << 02770 << 0660;
    QTest::newRow("the desk's own") << 0700 << 0600 << 0700 << 0600;
}

void TestPrivateFiles::widerModesAreNarrowed() {
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(int, narrowedFolder);
    QFETCH(int, narrowedFile);
    TempPlaces temp;
    createWorkingDatabase(temp.places);
    const QString db = temp.places.workingDatabase();
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString())
        .setValue("Corvanna/WindowState", "0");
    const auto setMode = [](const QString& path, int mode) {
        return ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
    };
    QVERIFY(setMode(temp.places.makerFolder(), folderMode));
    QVERIFY(setMode(temp.places.dataFolder(), folderMode));
    QVERIFY(setMode(db, fileMode));
    QVERIFY(setMode(settingsFile(), fileMode));
    {
        ScriptedDialogs dialogs;
        Session session(dialogs, temp.places);
        Form1 form(session);
        QVERIFY(form.Form_Load());
        QCOMPARE(dialogs.texts(), QStringList());
        QCOMPARE(modeOf(temp.places.makerFolder()), narrowedFolder);
        QCOMPARE(modeOf(temp.places.dataFolder()), narrowedFolder);
        QCOMPARE(modeOf(db), narrowedFile);
        QCOMPARE(modeOf(settingsFile()), narrowedFile);
        // A rewrite keeps the narrowed mode.
        QVERIFY(setMode(settingsFile(), fileMode));
        form.close();
        QCOMPARE(dialogs.texts(), QStringList());
    }
    QCOMPARE(modeOf(settingsFile()), narrowedFile);
}

void TestPrivateFiles::narrowingFailureIsReportedOnce() {
    TempPlaces temp;
    createWorkingDatabase(temp.places);
    const QString db = temp.places.workingDatabase();
    const QString folder = temp.places.dataFolder();
    QVERIFY(QFile::setPermissions(db, QFile::Permissions(0x6644)));
    QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7755)));
    QVERIFY(QFile::setPermissions(temp.places.makerFolder(), QFile::Permissions(0x7755)));
    if (!setImmutable(db, true) || !setImmutable(folder, true))
        QSKIP("no immutable flag here (it needs root and a file system that has it)");
    QStringList texts;
    {
        ScriptedDialogs dialogs;
        Session session(dialogs, temp.places);
        Form1 form(session);
        form.Form_Load();
        texts = dialogs.texts();
    }
    setImmutable(db, false);
    setImmutable(folder, false);
    QCOMPARE(texts, QStringList{reportFor("Other accounts can still read " + folder +
                                              " (Operation not permitted), " + db +
                                              " (Operation not permitted)",
                                          "Form1.Form_Load", 115)});
    // The folder that could be narrowed was (0755, the group's rights kept).
    QCOMPARE(modeOf(temp.places.makerFolder()), 0750);
}

// A small file system filled to the last block before the first start.
void TestPrivateFiles::fullDiskAtFirstStart() {
    TempPlaces temp;
    const QString disk = temp.path("disk");
    QVERIFY(QDir().mkdir(disk));
    if (::geteuid() != 0 ||
        ::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP("making a small file system needs root");
    const auto unmount = qScopeGuard([&] { ::umount(QFile::encodeName(disk).constData()); });
    QFile filler(disk + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    filler.close();
    Places places = temp.places;
    places.commonDataFolder = disk;

    ScriptedDialogs dialogs;
    Session session(dialogs, places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    QVERIFY(!dialogs.shown.isEmpty());
    QCOMPARE(dialogs.shown.first().text,
             reportFor("No space left on device", "Form1.Form_Load", 114));
    // No half-copied database is left to be taken for the real one at the next start.
    QVERIFY(!QFile::exists(places.workingDatabase()));
}

QTEST_MAIN(TestPrivateFiles)
#include "tst_privatefiles.moc"
