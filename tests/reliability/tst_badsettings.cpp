// A settings file full of garbage: each bad value is reported at start-up, sane values take its
// place, the window opens, and the next close writes a file the next start reads cleanly.
#include "base/settings.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "tests/common/testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

namespace {

QString settingsFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString())
        .fileName();
}

void writeSettingsFile(const QByteArray& content) {
    const QString path = settingsFile();
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QString widthReport(int column, const char* description) {
    return reportFor(description, "Form1.Form_Load", column == 1 ? 130 : 132);
}

// A settings file with the given value text for every width key and for the window state.
QByteArray everyKey(const QStringList& widths, const QByteArray& state) {
    QByteArray file = "[Corvanna]\n";
    for (int i = 1; i <= kColumnCount; ++i)
        file += "ColumnHeaders" + QByteArray::number(i) + "=" + widths.value(i - 1).toUtf8() + "\n";
    return file + "WindowState=" + state + "\n";
}

} // namespace

class TestBadSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void garbageIsReportedAndReplaced_data();
    void garbageIsReportedAndReplaced();
};

void TestBadSettings::init() {
    QFile::remove(settingsFile());
}

void TestBadSettings::garbageIsReportedAndReplaced_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("reports");

    QStringList words, negative, huge, notFinite, odd;
    QStringList wordReports, negativeReports, hugeReports, notFiniteReports, oddReports;
    const QStringList hugeValues{"1e30", "3.4e38", "1e39", "99999999999", "15000001", "2e7"};
    const QStringList oddValues{"@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\nQGarbage\\0)",
                                "@Rect(1 2 3 4)",
                                "\"\"",
                                "1,2,3",
                                "0x7d0",
                                "2000twips",
                                "\\x00",
                                "%1",
                                "2 000",
                                "@ByteArray(\\xff\\xfe)",
                                "--",
                                "..",
                                "#"};
    for (int i = 1; i <= kColumnCount; ++i) {
        words << QStringLiteral("wide");
        wordReports << widthReport(i, "Type mismatch");
        negative << QString::number(-50 * i);
        negativeReports << widthReport(i, "Invalid property value");
        huge << hugeValues[(i - 1) % hugeValues.size()];
        // Too large for a single-precision number at all, or too wide for the list.
        hugeReports << widthReport(i, hugeValues[(i - 1) % hugeValues.size()] == "1e39"
                                          ? "Type mismatch"
                                          : "Invalid property value");
        notFinite << QStringList{"nan", "inf", "-inf", "NaN", "Infinity"}[(i - 1) % 5];
        notFiniteReports << widthReport(i, "Type mismatch");
        odd << oddValues[i - 1];
        oddReports << widthReport(i, "Type mismatch");
    }
    const QString stateInvalid = reportFor("Invalid property value", "Form1.Form_Load", 142);
    const QString stateMismatch = reportFor("Type mismatch", "Form1.Form_Load", 142);
    const QString stateOverflow = reportFor("Overflow", "Form1.Form_Load", 142);

    QTest::newRow("words") << everyKey(words, "maximised")
                           << wordReports + QStringList{stateMismatch};
    QTest::newRow("negative") << everyKey(negative, "-1")
                              << negativeReports + QStringList{stateInvalid};
    QTest::newRow("huge") << everyKey(huge, "7") << hugeReports + QStringList{stateInvalid};
    QTest::newRow("not finite") << everyKey(notFinite, "65536")
                                << notFiniteReports + QStringList{stateOverflow};
    QTest::newRow("odd encodings") << everyKey(odd, "@Variant(\\0\\0\\0\\x7f\\0\\0)")
                                   << oddReports + QStringList{stateMismatch};
    // Values the reader cannot even split into keys: nothing to report, defaults throughout.
    QTest::newRow("random bytes")
        << QByteArray::fromHex("00ff5b436f72766121003d0a0d5d3d3d7f80fe").repeated(500)
        << QStringList();
    // Large enough that the reader gives up on it; the close still writes a sound file.
    QTest::newRow("ten megabytes of random bytes") << [] {
        QByteArray bytes(10 << 20, Qt::Uninitialized);
        QRandomGenerator random(12);
        random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        return bytes;
    }() << QStringList();
    QTest::newRow("section only") << QByteArray("[Corvanna") << QStringList();
    QTest::newRow("keys without values")
        << QByteArray("[Corvanna]\nColumnHeaders1\nWindowState\n=\n==2000\n") << QStringList();
    QTest::newRow("empty values") << everyKey(QStringList(), "") << [] {
        QStringList r;
        for (int i = 1; i <= kColumnCount; ++i)
            r << widthReport(i, "Type mismatch");
        return r << reportFor("Type mismatch", "Form1.Form_Load", 142);
    }();
}

void TestBadSettings::garbageIsReportedAndReplaced() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, reports);
    writeSettingsFile(file);
    TempPlaces temp;
    QList<float> closedWith;
    {
        ScriptedDialogs dialogs;
        Session session(dialogs, temp.places);
        Form1 form(session);
        QList<float> created;
        for (int i = 1; i <= kColumnCount; ++i)
            created << form.columnWidth(i);
        QVERIFY(form.Form_Load());
        form.show();
        QVERIFY(form.isVisible());
        QCOMPARE(dialogs.texts(), reports);

        // A refused width leaves the column as the list made it; the window opens normal.
        const QStringList refused = dialogs.texts();
        for (int i = 1; i <= kColumnCount; ++i) {
            const bool reported = refused.contains(widthReport(i, "Type mismatch")) ||
                                  refused.contains(widthReport(i, "Invalid property value"));
            if (reported) QCOMPARE(form.columnWidth(i), created[i - 1]);
            QVERIFY(form.columnWidth(i) >= 0.0f && form.columnWidth(i) < 1e7f);
            closedWith << form.columnWidth(i);
        }
        if (reports.isEmpty())
            for (int i = 1; i <= kColumnCount; ++i)
                QCOMPARE(form.columnWidth(i), defaultColumnWidth(i));
        QCOMPARE(form.windowStateNumber(), 0);
        QVERIFY(!form.layoutMoved());

        dialogs.clear();
        form.close();
        QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join('\n')));
    }

    // The file written at the close holds the widths the list had and the normal state.
    QSettings written(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString());
    QCOMPARE(written.status(), QSettings::NoError);
    written.beginGroup("Corvanna");
    for (int i = 1; i <= kColumnCount; ++i)
        QCOMPARE(parseWidth(written.value(columnWidthKey(i)).toString()), closedWith[i - 1]);
    QCOMPARE(written.value(kWindowStateKey).toString(), QStringLiteral("0"));

    // The next start reads it without a single report.
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join('\n')));
    for (int i = 1; i <= kColumnCount; ++i)
        QCOMPARE(form.columnWidth(i), closedWith[i - 1]);
}

QTEST_MAIN(TestBadSettings)
#include "tst_badsettings.moc"
