// The translations: complete files, texts that fit their windows, menus that follow a change.
#include "base/settings.h"
#include "gui/backups/restoredialog.h"
#include "gui/dayviews/dayview.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/inventory/availabilitywindow.h"
#include "gui/inventory/inventorywindow.h"
#include "gui/language/language.h"
#include "gui/money/foliowindow.h"
#include "gui/money/hotelwindow.h"
#include "gui/money/rateswindow.h"
#include "gui/money/reportswindow.h"
#include "gui/stays/roomchartwindow.h"
#include "gui/stays/stayquestions.h"
#include "gui/stays/unitswindow.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace corvanna;
using namespace corvanna::test;

namespace {

constexpr int kLupdateWaitMs = 120000;
const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                             QStringLiteral("it")};

// The %1..%99 and %n markers of a text, sorted, each once.
QStringList markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// How many mnemonics (a single & before a character) a text has.
qsizetype mnemonics(QString text) {
    return text.remove(QStringLiteral("&&")).count(QLatin1Char('&'));
}

// What is wrong in a .ts file: entries unfinished, vanished or empty, translations whose %1/%n
// markers or mnemonics differ from their source's, plurals without their two forms.
QStringList translationFaults(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {path + QLatin1String(" cannot be read")};
    QXmlStreamReader xml(&file);
    QStringList faults;
    int messages = 0;
    QString source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("message")) {
            ++messages;
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            if (!type.isEmpty()) faults << type.toString() + QLatin1String(": ") + source;
            QStringList forms;
            if (numerus) {
                while (xml.readNextStartElement())
                    forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (forms.size() != 2) faults << QLatin1String("plural forms: ") + source;
            } else {
                forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            for (const QString& form : forms) {
                if (form.trimmed().isEmpty()) faults << QLatin1String("empty: ") + source;
                if (markers(form) != markers(source))
                    faults << QLatin1String("markers: ") + source + QLatin1String(" -> ") + form;
                if (mnemonics(form) != mnemonics(source))
                    faults << QLatin1String("mnemonic: ") + source + QLatin1String(" -> ") + form;
            }
        }
    }
    if (xml.hasError()) faults << path + QLatin1String(": ") + xml.errorString();
    if (messages == 0) faults << path + QLatin1String(": no entries");
    return faults;
}

// Every text about 40 % longer in accented letters, keeping the %1/%n markers and the
// mnemonics, so a window that cuts a longer translation shows it.
class PseudoTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        if (!source || !*source || qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0) return {};
        static const QString plain = QStringLiteral("AEIOUYaeiouycn");
        static const QString accented = QStringLiteral("ÅÉÎÖÛÝåéîöûýçñ");
        const QString text = QString::fromUtf8(source);
        QString out;
        int letters = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if ((c == QLatin1Char('%') || c == QLatin1Char('&')) && i + 1 < text.size()) {
                out += c;
                out += text[++i];
                continue;
            }
            const qsizetype at = plain.indexOf(c);
            out += at >= 0 ? accented[at] : c;
            if (c.isLetter()) ++letters;
        }
        for (int extra = (letters * 2 + 4) / 5, i = 0; i < extra; ++i)
            out += accented[i % accented.size()];
        return out;
    }
};

// A label's, button's or frame's caption as shown, without its mnemonic marks; empty for others.
QString shownText(const QWidget* w) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) text = box->title();
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The texts of a laid-out window that do not fit their place: label, button and frame.
QStringList cutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || shownText(w).isEmpty()) continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const bool fits =
            label && label->wordWrap()
                ? label->heightForWidth(w->width()) <= w->height()
                : w->sizeHint().width() <= w->width() && w->sizeHint().height() <= w->height();
        if (!fits) cut << w->objectName() + QLatin1Char('|') + shownText(w);
    }
    return cut;
}

// The room a designed control gives its caption: its width, less a radio button's indicator.
int captionRoom(const QWidget* w) {
    if (qobject_cast<const QRadioButton*>(w))
        return w->width() - w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
               w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    return w->width();
}

// The captions of a designed window wider than their controls.
QStringList overflowingCaptions(const QWidget* window) {
    QStringList over;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (shownText(w).isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        const int width = QFontMetrics(w->font()).horizontalAdvance(shownText(w));
        if (width > captionRoom(w))
            over << QStringLiteral("%1|%2|%3>%4")
                        .arg(w->objectName(), shownText(w))
                        .arg(width)
                        .arg(captionRoom(w));
    }
    return over;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void filesAreComplete_data();
    void filesAreComplete();
    void longerTextsFitTheWindows();
    void translationsFitTheDesign_data();
    void translationsFitTheDesign();
    void menusFollowAChange();
};

void TestLanguage::filesAreComplete_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

// Every entry translated, none left unfinished or vanished, in the file as it is and after
// lupdate read the code again (a text added to the code and not translated is unfinished);
// each translation keeps its source's %1/%n markers and mnemonic; a plural has two forms.
void TestLanguage::filesAreComplete() {
    QFETCH(QString, language);
    const QString name = QStringLiteral("corvanna_%1.ts").arg(language);
    QTemporaryDir temporary;
    const QString updated = temporary.filePath(name);
    QVERIFY(QFile::copy(QStringLiteral(CORVANNA_TRANSLATION_SOURCES "/") + name, updated));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(CORVANNA_SOURCE_ROOT));
    lupdate.start(QStringLiteral(CORVANNA_LUPDATE),
                  {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral("-I"), QStringLiteral("."),
                   QStringLiteral("base"), QStringLiteral("store"), QStringLiteral("list"),
                   QStringLiteral("editor"), QStringLiteral("support"), QStringLiteral("gui"),
                   QStringLiteral("app"), QStringLiteral("-ts"), updated});
    QVERIFY(lupdate.waitForFinished(kLupdateWaitMs));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList faults =
        translationFaults(QStringLiteral(CORVANNA_TRANSLATION_SOURCES "/") + name) +
        translationFaults(updated);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// Under texts 40 % longer every window beyond the designed ones lays its texts out uncut.
void TestLanguage::longerTextsFitTheWindows() {
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    WindowDesk desk;
    QVERIFY(desk.start());
    DayViewWindow dayView(desk.session, desk.form.get());
    InventoryWindow inventory(*desk.form);
    AvailabilityWindow chart(*desk.form);
    const QDateTime made(QDate::currentDate(), QTime(9, 30));
    RestoreDialog restore(
        {{made.date(), QStringLiteral("f"), QStringLiteral("9"), made, CopyKind::Daily}},
        desk.form.get(), made.date());
    UnitsWindow units(*desk.form);
    units.Form_Load();
    HotelWindow hotel(*desk.form);
    RatesWindow rates(*desk.form);
    FolioWindow folio(*desk.form, 0);
    auto* reports = new ReportsWindow(*desk.form);
    desk.form->show();
    desk.form->showRoomChart();
    auto* roomChart = desk.form->findChild<RoomChartWindow*>(QStringLiteral("RoomChart"));
    QVERIFY(roomChart);
    QStringList cut;
    // The stay's questions wait for the desk: read them once shown, then close them.
    const auto readQuestion = [&cut] {
        QTimer::singleShot(0, [&cut] {
            if (QWidget* question = QApplication::activeModalWidget()) {
                cut << cutTexts(question);
                question->close();
            }
        });
    };
    const QDate today = QDate::currentDate();
    readQuestion();
    askForUnit({QStringLiteral("Move"),
                QStringLiteral("Which unit?"),
                {{1, QStringLiteral("101"), false}, {2, QStringLiteral("102"), true}},
                true,
                today,
                today,
                today.addDays(2)},
               desk.form.get());
    readQuestion();
    askCancelReason(QStringLiteral("Ada Ames"), desk.form.get());
    for (QWidget* window :
         std::initializer_list<QWidget*>{&dayView, &inventory, &chart, &restore, &units, roomChart,
                                         &hotel, &rates, &folio, reports}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        cut << cutTexts(window);
    }
    // The find box beside the main window's menus is laid out, not designed.
    cut << cutTexts(desk.form->findChild<QWidget*>(QStringLiteral("findBox")));
    QCoreApplication::removeTranslator(&pseudo);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void TestLanguage::translationsFitTheDesign_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString& language : kLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

// The designed windows keep their places: each caption fits its control in every language.
void TestLanguage::translationsFitTheDesign() {
    QFETCH(QString, language);
    LanguageSwitch languages(translationsFolder(QStringLiteral(CORVANNA_PROGRAM_DIR)));
    QVERIFY(languages.apply(language));
    WindowDesk desk;
    QVERIFY(desk.start());
    QStringList over = overflowingCaptions(desk.form.get());
    const std::unique_ptr<Form2> editor = desk.edit(QString());
    for (const char* kind : {"Option1", "Option2", "Option3"}) {
        control<QRadioButton>(*editor, kind)->click();
        over << overflowingCaptions(editor.get());
    }
    over.removeDuplicates();
    QVERIFY2(over.isEmpty(), qPrintable(over.join(QLatin1Char('\n'))));
}

// A language chosen in the menu is kept in the settings and the main window's menus and
// captions speak it at once; English brings the designed texts back.
void TestLanguage::menusFollowAChange() {
    LanguageSwitch languages(translationsFolder(QStringLiteral(CORVANNA_PROGRAM_DIR)));
    WindowDesk desk;
    QVERIFY(desk.start());
    const auto choose = [&](const char* action) {
        control<QAction>(*desk.form, action)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    };
    choose("actionLanguage_de");
    QCOMPARE(SettingsStore().read(kLanguageKey, QString()), QStringLiteral("de"));
    QCOMPARE(control<QMenu>(*desk.form, "menuFile")->title(), QStringLiteral("&Datei"));
    QCOMPARE(control<QAction>(*desk.form, "actionQuit")->text(), QStringLiteral("&Beenden"));
    QCOMPARE(control<QAction>(*desk.form, "actionArrivals")->text(), QStringLiteral("A&nreisen"));
    QCOMPARE(control<QAction>(*desk.form, "actionCheckIn")->text(), QStringLiteral("E&inchecken"));
    QCOMPARE(control<QAction>(*desk.form, "actionUnits")->text(), QStringLiteral("&Einheiten…"));
    QCOMPARE(control<QAbstractButton>(*desk.form, "PushButton5")->text(),
             QStringLiteral("Alle zeigen"));
    QCOMPARE(control<QAbstractButton>(*desk.form, "PushButton5")->accessibleName(),
             QStringLiteral("Alle zeigen"));
    QCOMPARE(control<QWidget>(*desk.form, "dtpCheckIn")->accessibleName(),
             QStringLiteral("Anreisedatum"));
    QCOMPARE(desk.form->listModel()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Name des Gastes"));
    choose("actionLanguage_en");
    QCOMPARE(control<QMenu>(*desk.form, "menuFile")->title(), QStringLiteral("&File"));
    QCOMPARE(control<QAbstractButton>(*desk.form, "PushButton5")->text(),
             QStringLiteral("Show All"));
    QCOMPARE(desk.dialogs.texts().size(), 2);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
