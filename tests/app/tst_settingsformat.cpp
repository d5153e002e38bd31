// How the saved settings are written and read back: widths and the window state.
#include "base/failure.h"
#include "base/settings.h"
#include "tests/common/testsupport.h"

#include <QTest>

using namespace corvanna;
using corvanna::test::failureOf;

class TestSettingsFormat : public QObject {
    Q_OBJECT
private slots:
    void keys();
    void widthText_data();
    void widthText();
    void localeDigitsRead_data();
    void localeDigitsRead();
    void badWidths_data();
    void badWidths();
    void windowState_data();
    void windowState();
};

void TestSettingsFormat::keys() {
    QCOMPARE(columnWidthKey(1), QStringLiteral("ColumnHeaders1"));
    QCOMPARE(columnWidthKey(13), QStringLiteral("ColumnHeaders13"));
    QCOMPARE(defaultColumnWidth(1), 1.0f);
    QCOMPARE(defaultColumnWidth(2), 2000.0f);
    QCOMPARE(defaultColumnWidth(13), 2000.0f);
    QCOMPARE(kWindowStateKey, QStringLiteral("WindowState"));
}

void TestSettingsFormat::widthText_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("default width") << "en_US" << 2000.0f << "2000";
    QTest::newRow("hidden id column") << "en_US" << 1.0f << "1";
    QTest::newRow("dragged to zero") << "en_US" << 0.0f << "0";
    QTest::newRow("no group separator") << "en_US" << 123450.0f << "123450";
    QTest::newRow("fraction") << "en_US" << 1234.5f << "1234.5";
    QTest::newRow("comma locale") << "de_DE" << 1234.5f << "1234,5";
    QTest::newRow("comma locale whole") << "de_DE" << 15000.0f << "15000";
    QTest::newRow("seven digits") << "en_US" << 1234.567f << "1234.567";
    QTest::newRow("one tenth") << "fr_FR" << 0.1f << "0,1";
    QTest::newRow("Arabic digits locale") << "ar_EG" << 2000.0f << "2000";
    QTest::newRow("Arabic decimal sign") << "ar_EG" << 1234.5f << "1234\u066b5";
    QTest::newRow("Persian digits locale") << "fa_IR" << 15000.0f << "15000";
}

void TestSettingsFormat::widthText() {
    QFETCH(QString, locale);
    QFETCH(float, width);
    QFETCH(QString, text);
    const QLocale l(locale);
    QCOMPARE(formatWidth(width, l), text);
    QCOMPARE(parseWidth(text, l), width);
}

// Widths an earlier run wrote in the locale's own digits, read under that locale or another.
void TestSettingsFormat::localeDigitsRead_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("width");
    QTest::newRow("Arabic under Arabic") << "ar_EG"
                                         << "\u0662\u0660\u0660\u0660" << 2000.0f;
    QTest::newRow("Arabic under English") << "en_US"
                                          << "\u0662\u0660\u0660\u0660" << 2000.0f;
    QTest::newRow("Arabic fraction") << "ar_EG"
                                     << "\u0661\u0665\u066b\u0665" << 15.5f;
    QTest::newRow("Latin under Persian") << "fa_IR"
                                         << "1500" << 1500.0f;
}

void TestSettingsFormat::localeDigitsRead() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(float, width);
    QCOMPARE(parseWidth(text, QLocale(locale)), width);
    QCOMPARE(parseWindowState(QStringLiteral("2"), QLocale(locale)), 2);
}

void TestSettingsFormat::badWidths_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("word") << "wide";
    QTest::newRow("empty") << "";
    QTest::newRow("two numbers") << "12 13";
    QTest::newRow("infinite") << "1e999";
}

void TestSettingsFormat::badWidths() {
    QFETCH(QString, text);
    QCOMPARE(failureOf([&] { parseWidth(text, QLocale(QLocale::English)); }), kTypeMismatch);
}

void TestSettingsFormat::windowState_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("failure");
    QTest::newRow("normal") << "0" << 0 << "";
    QTest::newRow("minimised") << "1" << 1 << "";
    QTest::newRow("maximised") << "2" << 2 << "";
    QTest::newRow("blanks") << " 2 " << 2 << "";
    QTest::newRow("seven") << "7" << -1 << kInvalidPropertyValue;
    QTest::newRow("negative") << "-1" << -1 << kInvalidPropertyValue;
    QTest::newRow("word") << "maximised" << -1 << kTypeMismatch;
    QTest::newRow("beyond 16 bits") << "70000" << -1 << kOverflow;
}

void TestSettingsFormat::windowState() {
    QFETCH(QString, text);
    QFETCH(int, state);
    QFETCH(QString, failure);
    int read = -1;
    QCOMPARE(failureOf([&] { read = parseWindowState(text, QLocale(QLocale::English)); }), failure);
    QCOMPARE(read, state);
}

QTEST_GUILESS_MAIN(TestSettingsFormat)
#include "tst_settingsformat.moc"
