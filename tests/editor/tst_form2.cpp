// The guest editor window driven as the desk uses it, over a real working database.
#include "base/twips.h"
#include "gui/editor/form2.h"
#include "gui/editor/guesteditor.h"
#include "gui/frame/design.h"
#include "gui/frame/form1.h"
#include "gui/frame/pointer.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <sqlite3.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QDate kToday = QDate::currentDate();
const QString kSave = "Form2.PushButton4_Click";
const QString kLoad = "Form2.Form_Load";

QString textOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    return {};
}

QStringList items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// Records the inserts and updates as the engine receives them.
int traceStatement(unsigned type, void* context, void* statement, void* text) {
    // A trigger's program is traced as "-- TRIGGER name" under the statement that fired it.
    if (text && qstrncmp(static_cast<const char*>(text), "--", 2) == 0) return 0;
    const QString sql = QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
    // The reservation's own statements; the guest profile that follows a save writes elsewhere.
    if (type == SQLITE_TRACE_STMT &&
        (sql.startsWith("insert into tblRooms") || sql.startsWith("update tblRooms")))
        static_cast<QStringList*>(context)->append(sql);
    return 0;
}

// The default locale for the windows made meanwhile.
struct DefaultLocale {
    QLocale before;
    explicit DefaultLocale(const char* name) { QLocale::setDefault(QLocale(name)); }
    ~DefaultLocale() { QLocale::setDefault(before); }
};

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void design_data();
    void design();
    void window();
    void tabOrder();
    void addMode_data();
    void addMode();
    void kindOptions_data();
    void kindOptions();
    void editMode_data();
    void editMode();
    void loadStopsAtUnreadableField_data();
    void loadStopsAtUnreadableField();
    void dateRules_data();
    void dateRules();
    void typedDateRuleWhenComplete_data();
    void typedDateRuleWhenComplete();
    void datesTypedAsShown_data();
    void datesTypedAsShown();
    void typingStopsAtFifty_data();
    void typingStopsAtFifty();
    void longStoredTextIsKeptWhole();
    void storedNulSavedBackExactly();
    void helpAndClosing_data();
    void helpAndClosing();
    void checksStopTheSave_data();
    void checksStopTheSave();
    void insertSendsTypedTextExactly();
    void updateRewritesTheRowAndRefillsTheList();
    void nothingWrittenKeepsEverythingTyped_data();
    void nothingWrittenKeepsEverythingTyped();
    void shownModallyAndAnewEachTime();
    void pointerFeedback();
    void unshownValuesAskBeforeSave_data();
    void unshownValuesAskBeforeSave();
    void deletedReservationSavedAsNew_data();
    void deletedReservationSavedAsNew();
    void singleLineBoxesJoinPastedLines_data();
    void singleLineBoxesJoinPastedLines();

private:
    std::unique_ptr<Form2> open(const QString& id = QString()) {
        m_session->mHotelID = id;
        auto editor = std::make_unique<Form2>(*m_main);
        editor->Form_Load();
        editor->show();
        editor->activateWindow();
        return editor;
    }
    QString db() const { return m_places->places.workingDatabase(); }
    int rows() const { return queryValue(db(), "select count(*) from tblRooms").toInt(); }
    QString column(const QString& name, const QString& id) const {
        return queryValue(db(), "select " + name + " from tblRooms where id=" + id);
    }
    QString addRow(const GuestValues& v) {
        execOn(db(), translateDates(statements::insert(v)));
        return queryValue(db(), "select max(id) from tblRooms");
    }
    void trace() {
        sqlite3_trace_v2(m_session->connection().handle(), SQLITE_TRACE_STMT, traceStatement,
                         &m_sent);
    }

    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_main;
    QStringList m_sent;
};

void TestForm2::init() {
    m_places = std::make_unique<TempPlaces>();
    // The program folder as shipped: with its skin, whose style reaches the editor too.
    const QString skin = QStringLiteral(CORVANNA_PROGRAM_DIR "/x/o.cjs");
    if (QFile::exists(skin)) {
        QDir().mkpath(m_places->places.programFolder + "/x");
        QFile::copy(skin, m_places->places.skinFile());
    }
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    m_main = std::make_unique<Form1>(*m_session);
    QVERIFY(m_main->Form_Load());
    m_dialogs->clear();
    m_sent.clear();
}

void TestForm2::cleanup() {
    m_main.reset();
    m_session.reset();
    m_places.reset();
}

void TestForm2::design_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    auto row = [](const char* name, const char* parent, int l, int t, int w, int h,
                  const char* text) {
        QTest::newRow(name) << parent << twipsRect(l, t, w, h) << QString::fromUtf8(text);
    };
    row("PushButton1", "Form2", 120, 120, 7800, 405, "Help");
    row("Frame3", "Form2", 120, 570, 7800, 825, "Guest Name");
    row("Text1", "Frame3", 240, 300, 7320, 345, "");
    row("Frame4", "Form2", 120, 1470, 7800, 1725, "Room Details");
    row("Label2", "Frame4", 240, 345, 1170, 225, "No. of Rooms:");
    row("Text2", "Frame4", 1560, 300, 2130, 345, "1");
    row("Label3", "Frame4", 240, 795, 990, 225, "Room Type:");
    row("Combo1", "Frame4", 1560, 750, 2130, 345, "");
    row("Label6", "Frame4", 240, 1245, 1215, 225, "Check In Date:");
    row("dtpCheckIn", "Frame4", 1560, 1200, 2130, 345, "");
    row("Label4", "Frame4", 3840, 345, 1320, 225, "No. Of Persons:");
    row("Text4", "Frame4", 5400, 300, 2130, 345, "1");
    row("Label5", "Frame4", 3840, 795, 1455, 225, "Service Included:");
    row("Text5", "Frame4", 5400, 750, 2130, 345, "Breakfast, Lunch, Dinner, Security");
    row("Label7", "Frame4", 3840, 1245, 1365, 225, "Check Out Date:");
    row("dtpCheckOut", "Frame4", 5400, 1200, 2130, 345, "");
    row("Frame1", "Form2", 120, 3270, 7800, 3285, "Other Information");
    row("Label8", "Frame1", 240, 345, 1455, 225, "Credit Card Type:");
    row("Combo2", "Frame1", 1830, 300, 5730, 345, "");
    row("Label9", "Frame1", 240, 795, 1440, 225, "Credit Card Num:");
    row("Text3", "Frame1", 1830, 750, 5730, 345, "");
    row("Label12", "Frame1", 240, 1245, 1005, 225, "Expiry Date:");
    row("dtpExpiry", "Frame1", 1830, 1200, 5730, 345, "");
    row("Label10", "Frame1", 240, 1695, 1305, 225, "Phone Number:");
    row("Text6", "Frame1", 1830, 1650, 5730, 345, "");
    row("Label11", "Frame1", 240, 2145, 765, 225, "Address:");
    row("Text7", "Frame1", 1830, 2100, 5730, 1005, "");
    row("PushButton4", "Form2", 120, 6660, 3840, 405, "Save");
    row("PushButton5", "Form2", 4080, 6660, 3840, 405, "Cancel");
    row("Frame2", "Form2", 120, 7260, 6720, 780, "Type");
    row("Option1", "Frame2", 315, 315, 1140, 240, "Rooms");
    row("Option2", "Frame2", 1665, 315, 1140, 240, " Wings");
    row("Option3", "Frame2", 2880, 315, 1635, 240, "Meeting Hall");
}

void TestForm2::design() {
    Form2 editor(*m_main);
    editor.show();
    const auto* w = editor.findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(w);
    QTEST(w->parentWidget()->objectName(), "parent");
    QTEST(textOf(w), "text");
    QFETCH(QRect, rect);
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        // A label keeps its design place and may widen to show its whole caption, but never
        // reaches into the control beside it.
        QCOMPARE(w->pos(), rect.topLeft());
        QCOMPARE(w->height(), rect.height());
        QVERIFY(w->width() >= rect.width());
        QVERIFY2(w->width() >= label->sizeHint().width(), "caption cut off");
        for (const QWidget* other :
             w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != w && other->x() > w->x() &&
                other->geometry().intersects(QRect(0, w->y(), 100000, w->height())))
                QVERIFY2(w->geometry().right() < other->x(), qPrintable(other->objectName()));
    } else {
        QCOMPARE(w->geometry(), rect);
    }
    const bool pushButton = qobject_cast<const QPushButton*>(w);
    QCOMPARE(w->font().family(), "Arial");
    QCOMPARE(w->font().pointSizeF(), pushButton ? 11.25 : 9.0);
    QVERIFY(w->font().bold());
}

void TestForm2::window() {
    auto editor = open();
    QCOMPARE(editor->windowTitle(), "Add New Guest");
    QCOMPARE(editor->minimumSize(), QSize(536, 478));
    QCOMPARE(editor->maximumSize(), QSize(536, 478));
    QVERIFY(editor->isModal());
    QVERIFY(control<QGroupBox>(*editor, "Frame2")->geometry().top() >=
            editor->height()); // the kinds lie out of view
    for (QPushButton* b : {control<QPushButton>(*editor, "PushButton1"),
                           control<QPushButton>(*editor, "PushButton4"),
                           control<QPushButton>(*editor, "PushButton5")})
        QVERIFY2(!b->isDefault() && !b->autoDefault(), "Enter in a box must press nothing");
    QVERIFY(!control<QComboBox>(*editor, "Combo1")->isEditable() &&
            control<QComboBox>(*editor, "Combo2")->isEditable());
    QCOMPARE(control<QDateEdit>(*editor, "dtpExpiry")->minimumDate(), QDate(1601, 1, 1));
}

void TestForm2::tabOrder() {
    auto editor = open();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    const QStringList expected{"Combo2",      "Text3",       "Text6",       "Text7",
                               "PushButton4", "PushButton5", "dtpExpiry",   "Text1",
                               "dtpCheckIn",  "Combo1",      "Text2",       "dtpCheckOut",
                               "Text5",       "Text4",       "PushButton1", "Combo2"};
    QStringList order;
    for (int i = 0; i < 40 && order.size() < expected.size(); ++i) {
        QWidget* w = QApplication::focusWidget();
        while (w && !expected.contains(w->objectName()))
            w = w->parentWidget();
        QVERIFY(w);
        if (order.isEmpty() || order.last() != w->objectName()) // Tab walks a date's parts first
            order << w->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, expected);
}

void TestForm2::addMode_data() {
    QTest::addColumn<bool>("cursorFile");
    QTest::newRow("no hand cursor file") << false;
    QTest::newRow("shipped hand cursor file") << true;
}

void TestForm2::addMode() {
    QFETCH(bool, cursorFile);
    const QString shipped = QStringLiteral(CORVANNA_PROGRAM_DIR "/HAND-M.CUR");
    if (cursorFile && !QFile::copy(shipped, m_places->places.handPointerFile()))
        QSKIP("this build ships no hand cursor file");
    auto editor = open();
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
    QVERIFY(control<QRadioButton>(*editor, "Option1")->isChecked());
    QCOMPARE(control<QLabel>(*editor, "Label2")->text() +
                 control<QLabel>(*editor, "Label3")->text(),
             "No. Of Rooms:Room Type:");
    QCOMPARE(items(control<QComboBox>(*editor, "Combo1")),
             (QStringList{"Single", "Double", "Deluxe", "Suite", "Superior", "Other"}));
    QCOMPARE(control<QComboBox>(*editor, "Combo1")->currentIndex(), -1);
    QCOMPARE(items(control<QComboBox>(*editor, "Combo2")),
             (QStringList{"VISA", "MASTERCARD", "AMERICAN EXPRESS"}));
    QCOMPARE(control<QComboBox>(*editor, "Combo2")->currentText(), "");
    for (QDateEdit* d :
         {control<QDateEdit>(*editor, "dtpCheckIn"), control<QDateEdit>(*editor, "dtpCheckOut"),
          control<QDateEdit>(*editor, "dtpExpiry")})
        QCOMPARE(d->date(), kToday);
    QCOMPARE(editor->pointer()->hasMouseIcon(), cursorFile);
}

void TestForm2::kindOptions_data() {
    QTest::addColumn<QString>("captions");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("Option2") << "No. Of Wings:Wing Type:"
                             << QStringList{"Royal", "Honeymoon", "Family Type"};
    QTest::newRow("Option3") << "No. Of Halls:Hall Type:"
                             << QStringList{"Main Hall", "East Hall", "West Hall",
                                            "Green Leaf Hall"};
}

void TestForm2::kindOptions() {
    auto editor = open();
    control<QComboBox>(*editor, "Combo1")->setCurrentIndex(2);
    editor->findChild<QRadioButton*>(QTest::currentDataTag())->click();
    QTEST(control<QLabel>(*editor, "Label2")->text() + control<QLabel>(*editor, "Label3")->text(),
          "captions");
    QTEST(items(control<QComboBox>(*editor, "Combo1")), "types");
    QCOMPARE(control<QComboBox>(*editor, "Combo1")->currentText(),
             ""); // another kind empties the chosen type
}

void TestForm2::editMode_data() {
    QTest::addColumn<QString>("accommodation");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("option"); // selected after the load
    QTest::addColumn<QDate>("checkIn");
    QTest::addColumn<QDate>("checkOut");
    QTest::newRow("wing") << "Wing"
                          << "Honeymoon"
                          << "Option2" << QDate(2021, 8, 31) << QDate(2021, 9, 2);
    QTest::newRow("hall") << "Meeting Hall"
                          << "Green Leaf Hall"
                          << "Option3" << kToday << kToday.addDays(9);
    // Years that a two-digit text would move to another century.
    QTest::newRow("room") << "Room"
                          << "Superior"
                          << "Option1" << QDate(1929, 6, 1) << QDate(2049, 6, 1);
    QTest::newRow("unknown kind word") << "Suite"
                                       << "Other"
                                       << "Option1" << kToday << kToday;
    QTest::newRow("kind in other case") << "wing"
                                        << "Deluxe"
                                        << "Option1" << kToday << kToday;
    QTest::newRow("no kind, no type") << ""
                                      << ""
                                      << "Option1" << kToday << kToday;
}

void TestForm2::editMode() {
    QFETCH(QString, type);
    QFETCH(QDate, checkIn);
    QFETCH(QDate, checkOut);
    GuestValues v = sampleGuest("  O'Hara  ", checkIn, checkOut);
    QFETCH(QString, accommodation);
    v.accommodation = accommodation;
    v.type = type;
    v.noOfRooms = "3";
    v.serviceIncluded = "";
    v.creditCardType = "Diner's Club";
    v.address = "Flat 2\nQuay's End";
    auto editor = open(addRow(v));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
    QFETCH(QString, option);
    QVERIFY(editor->findChild<QRadioButton*>(option)->isChecked());
    QCOMPARE(items(control<QComboBox>(*editor, "Combo1")).size(), option == "Option1"   ? 6
                                                                  : option == "Option2" ? 3
                                                                                        : 4);
    const QStringList shown{control<QLineEdit>(*editor, "Text1")->text(),
                            control<QLineEdit>(*editor, "Text2")->text(),
                            control<QComboBox>(*editor, "Combo1")->currentText(),
                            control<QComboBox>(*editor, "Combo2")->currentText(),
                            control<QLineEdit>(*editor, "Text3")->text(),
                            control<QLineEdit>(*editor, "Text4")->text(),
                            control<QLineEdit>(*editor, "Text5")->text(),
                            control<QLineEdit>(*editor, "Text6")->text(),
                            control<QPlainTextEdit>(*editor, "Text7")->toPlainText()};
    QCOMPARE(shown, (QStringList{"  O'Hara  ", "3", type, "Diner's Club", v.creditCardNo, "2", "",
                                 v.phoneNumber, "Flat 2\nQuay's End"}));
    QCOMPARE(control<QDateEdit>(*editor, "dtpCheckIn")->date(), checkIn);
    QCOMPARE(control<QDateEdit>(*editor, "dtpCheckOut")->date(), checkOut);
    QCOMPARE(control<QDateEdit>(*editor, "dtpExpiry")->date(), kToday);
}

void TestForm2::loadStopsAtUnreadableField_data() {
    QTest::addColumn<QString>("values"); // name, kind, type, check-out, phone
    QTest::addColumn<QString>("report"); // empty: none
    QTest::addColumn<QString>("phone");  // what Text6 shows afterwards
    QTest::newRow("null phone") << "'A','Room','Single','2022-03-06',NULL"
                                << ""
                                << "";
    // Only the control of the unreadable value keeps its initial value.
    QTest::newRow("null check-out")
        << "'A','Room','Single',NULL,'555'" << reportFor("Type mismatch", kLoad, 118) << "555";
    QTest::newRow("type not in the kind's list")
        << "'A','Wing','Suite','2022-03-06','555'"
        << reportFor("Invalid property value", kLoad, 118) << "555";
    QTest::newRow("no such id") << ""
                                << ""
                                << "";
}

void TestForm2::loadStopsAtUnreadableField() {
    QFETCH(QString, values);
    QString id = "999";
    if (!values.isEmpty()) {
        execOn(db(), "insert into tblRooms (GuestName,Accommodation,Type,CheckOutDate,PhoneNumber,"
                     "CheckInDate,NoOfPersons) values (" +
                         values + ",'2022-03-05',4)");
        id = queryValue(db(), "select max(id) from tblRooms");
    }
    auto editor = open(id);
    QFETCH(QString, report);
    QCOMPARE(m_dialogs->texts(), report.isEmpty() ? QStringList() : QStringList{report});
    QCOMPARE(control<QLineEdit>(*editor, "Text1")->text(), values.isEmpty() ? "" : "A");
    QTEST(control<QLineEdit>(*editor, "Text6")->text(), "phone");
    QCOMPARE(control<QLineEdit>(*editor, "Text4")->text(), values.isEmpty() ? "1" : "4");
    QCOMPARE(control<QDateEdit>(*editor, "dtpCheckIn")->date(),
             values.isEmpty() ? kToday : QDate(2022, 3, 5));
    QCOMPARE(control<QDateEdit>(*editor, "dtpCheckOut")->date(),
             values.contains("NULL,'555'") ? kToday
             : values.isEmpty()            ? kToday
                                           : QDate(2022, 3, 6));
    QCOMPARE(control<QDateEdit>(*editor, "dtpExpiry")->date(),
             kToday); // the step after the load still runs
}

void TestForm2::dateRules_data() {
    QTest::addColumn<bool>("checkIn"); // which picker the user sets
    QTest::addColumn<int>("set");      // days from today
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("check-in after check-out") << true << 4 << 4 << 4;
    QTest::newRow("check-in earlier") << true << -3 << -3 << 0;
    QTest::newRow("check-out before check-in") << false << -2 << -2 << -2;
    QTest::newRow("check-out later") << false << 6 << 0 << 6;
    QTest::newRow("equal dates") << true << 0 << 0 << 0;
}

void TestForm2::dateRules() {
    QFETCH(bool, checkIn);
    QFETCH(int, set);
    auto editor = open();
    (checkIn ? control<QDateEdit>(*editor, "dtpCheckIn")
             : control<QDateEdit>(*editor, "dtpCheckOut"))
        ->setDate(kToday.addDays(set));
    QTEST(int(kToday.daysTo(control<QDateEdit>(*editor, "dtpCheckIn")->date())), "in");
    QTEST(int(kToday.daysTo(control<QDateEdit>(*editor, "dtpCheckOut")->date())), "out");
}

void TestForm2::typedDateRuleWhenComplete_data() {
    QTest::addColumn<QString>("typed"); // into Check Out Date; both dates read 6/15/2030 before
    QTest::addColumn<QString>("end");   // what completes it
    QTest::addColumn<QDate>("checkIn");
    QTest::addColumn<QDate>("checkOut");
    QTest::newRow("later, focus leaves") << "12102031"
                                         << "focus" << QDate(2030, 6, 15) << QDate(2031, 12, 10);
    QTest::newRow("earlier, Enter") << "3/1/2030"
                                    << "enter" << QDate(2030, 3, 1) << QDate(2030, 3, 1);
    QTest::newRow("earlier, Save at once") << "3/1/2030"
                                           << "save" << QDate(2030, 3, 1) << QDate(2030, 3, 1);
    QTest::newRow("a step applies at once") << ""
                                            << "down" << QDate(2030, 5, 15) << QDate(2030, 5, 15);
}

void TestForm2::typedDateRuleWhenComplete() {
    DefaultLocale us("en_US");
    auto editor = open();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    fillValid(*editor);
    auto* in = control<QDateEdit>(*editor, "dtpCheckIn");
    auto* out = control<QDateEdit>(*editor, "dtpCheckOut");
    in->setDate({2030, 6, 15});
    out->setDate({2030, 6, 15});
    control<QDateEdit>(*editor, "dtpExpiry")->setDate({2035, 1, 1});
    out->setFocus(Qt::TabFocusReason);
    QFETCH(QString, typed);
    for (const QChar c : typed) {
        QTest::keyClick(out, c.toLatin1());
        QCOMPARE(in->date(), QDate(2030, 6, 15)); // a key's part of a date moves nothing
    }
    QFETCH(QString, end);
    if (end == "focus")
        control<QLineEdit>(*editor, "Text5")->setFocus();
    else if (end == "save")
        control<QPushButton>(*editor, "PushButton4")->click();
    else
        QTest::keyClick(out, end == "enter" ? Qt::Key_Return : Qt::Key_Down);
    QTEST(in->date(), "checkIn");
    QTEST(out->date(), "checkOut");
    if (end == "save")
        QCOMPARE(queryValue(db(), "select CheckInDate || ' ' || CheckOutDate from tblRooms"),
                 "2030-03-01 2030-03-01");
}

void TestForm2::datesTypedAsShown_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed"); // from 11/18/2026: 30 days, no 29 February that year
    QTest::addColumn<QDate>("date");
    QTest::newRow("M/d/yyyy 12/31/2028") << "en_US"
                                         << "12/31/2028" << QDate(2028, 12, 31);
    QTest::newRow("M/d/yyyy 2/29/2028") << "en_US"
                                        << "2/29/2028" << QDate(2028, 2, 29);
    QTest::newRow("M/d/yyyy 1/5/2027") << "en_US"
                                       << "1/5/2027" << QDate(2027, 1, 5);
    QTest::newRow("dd.MM.yyyy 31.12.2028") << "de_DE"
                                           << "31.12.2028" << QDate(2028, 12, 31);
    QTest::newRow("dd.MM.yyyy 29.02.2028") << "de_DE"
                                           << "29.02.2028" << QDate(2028, 2, 29);
    QTest::newRow("dd.MM.yyyy 1.5.2027") << "de_DE"
                                         << "1.5.2027" << QDate(2027, 5, 1);
    QTest::newRow("dd.MM.yyyy the day alone") << "de_DE"
                                              << "05" << QDate(2026, 11, 5);
    QTest::newRow("yyyy. MM. dd. 2028. 2. 29.") << "hu_HU"
                                                << "2028. 2. 29." << QDate(2028, 2, 29);
}

// Every picker of the program is set up alike; a bare one is typed into as the desk types.
void TestForm2::datesTypedAsShown() {
    QFETCH(QString, locale);
    DefaultLocale shown(qPrintable(locale));
    QWidget window;
    auto* picker = new QDateEdit(QDate(2026, 11, 18), &window);
    auto* next = new QLineEdit(&window);
    next->move(0, 40);
    setUpDatePicker(picker);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    picker->setFocus(Qt::TabFocusReason);
    QFETCH(QString, typed);
    QTest::keyClicks(picker, typed);
    next->setFocus();
    QTEST(picker->date(), "date");
}

void TestForm2::typingStopsAtFifty_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("paste");
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}) {
        QTest::addRow("%s typed", box) << box << false;
        QTest::addRow("%s pasted", box) << box << true;
    }
}

void TestForm2::typingStopsAtFifty() {
    QFETCH(QString, box);
    QFETCH(bool, paste);
    auto editor = open();
    QWidget* w = editor->findChild<QWidget*>(box);
    auto* line = qobject_cast<QLineEdit*>(w);
    if (line) line->clear();
    const QString sixty = QString("0123456789").repeated(6);
    if (paste) {
        QApplication::clipboard()->setText(sixty);
        line ? line->paste() : qobject_cast<QPlainTextEdit*>(w)->paste();
    } else {
        QTest::keyClicks(w, sixty);
    }
    QCOMPARE(textOf(w), sixty.left(50));
    QTest::keyClick(w, Qt::Key_Backspace); // deleting makes room again
    QTest::keyClicks(w, "xyz");
    QCOMPARE(textOf(w), sixty.left(49) + "x");
}

void TestForm2::longStoredTextIsKeptWhole() {
    // Written by another tool: longer than a user may type, and not cut short by a save.
    GuestValues v = sampleGuest(QString("Name-").repeated(12), kToday, kToday);
    v.address = QString("Line\n").repeated(12);
    const QString id = addRow(v);
    auto editor = open(id);
    QTest::keyClicks(control<QPlainTextEdit>(*editor, "Text7"), "more");
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
    QCOMPARE(column("GuestName", id), v.guestName);
    QCOMPARE(column("Address", id), v.address);
}

void TestForm2::storedNulSavedBackExactly() {
    // Written by another program: NUL characters in the texts.
    GuestValues v = sampleGuest(QString("AAA") + QChar(0) + "BBB", kToday, kToday);
    v.address = QString("Quay") + QChar(0);
    v.phoneNumber = QChar(0) + QString("555");
    const QString id = addRow(v);
    auto editor = open(id);
    control<QLineEdit>(*editor, "Text2")->setText("2");
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
    QCOMPARE(column("GuestName || '|' || PhoneNumber || '|' || Address || '|' || NoOfRooms", id),
             v.guestName + "|" + v.phoneNumber + "|" + v.address + "|2");
}

void TestForm2::helpAndClosing_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("help") << 0;
    QTest::newRow("cancel") << 1;
    QTest::newRow("escape") << 2;
    QTest::newRow("close box") << 3;
}

void TestForm2::helpAndClosing() {
    QFETCH(int, how);
    addRow(sampleGuest("Listed", kToday, kToday));
    auto editor = open();
    fillValid(*editor);
    switch (how) {
    case 0:
        control<QPushButton>(*editor, "PushButton1")->click();
        break;
    case 1:
        control<QPushButton>(*editor, "PushButton5")->click();
        break;
    case 2:
        QTest::keyClick(control<QLineEdit>(*editor, "Text1"), Qt::Key_Escape);
        break;
    default:
        editor->close();
    }
    QCOMPARE(editor->isVisible(), how == 0);
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    if (how == 0) {
        QCOMPARE(m_dialogs->texts(),
                 QStringList{"If you need fields added to this form, please email me at " +
                             kSupportEmail});
        const Message& m = m_dialogs->shown.first();
        QCOMPARE(std::tuple(m.title, m.buttons, m.icon),
                 std::tuple(applicationTitle(), Buttons::Ok, Icon::None));
    } else {
        QVERIFY(m_dialogs->shown.isEmpty());
    }
    QCOMPARE(rows(), 1);
    QCOMPARE(m_main->listModel()->rowCount(), 0); // the list is not refilled
}

void TestForm2::checksStopTheSave_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>(
        "text"); // what the box holds at Save; for the expiry, days from today
    QTest::addColumn<QString>("message");
    auto row = [](const char* tag, const char* option, const char* box, const char* text,
                  const char* message) { QTest::newRow(tag) << option << box << text << message; };
    // Each kind of box once; the core's own test has every message.
    row("guest name", "Option1", "Text1", "   ", "You forgot to input Guest Name.");
    row("hall type", "Option3", "Combo1", "", "You forgot to enter Meeting Hall Type.");
    row("card type", "Option1", "Combo2", " ", "You forgot to enter Credit Card Type.");
    row("address", "Option1", "Text7", " ", "You forgot to enter Address.");
    row("wing count", "Option2", "Text2", "1, [GuestName]=(select 'x')",
        "Number of Wing must be a whole number.");
    row("persons count", "Option1", "Text4", "2 --", "Number Of Persons must be a whole number.");
    row("card expired", "Option1", "", "-1", "Credit card is expired.");
    row("card ends first", "Option1", "", "0",
        "Credit card expiry date is less than the check out date.");
}

void TestForm2::checksStopTheSave() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    auto editor = open();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    QFETCH(QString, option);
    editor->findChild<QRadioButton*>(option)->click();
    fillValid(*editor);
    control<QDateEdit>(*editor, "dtpCheckOut")->setDate(kToday.addDays(1));
    QWidget* w = box.isEmpty() ? nullptr : editor->findChild<QWidget*>(box);
    if (!w)
        control<QDateEdit>(*editor, "dtpExpiry")->setDate(kToday.addDays(text.toInt()));
    else if (auto* line = qobject_cast<QLineEdit*>(w))
        line->setText(text);
    else if (auto* address = qobject_cast<QPlainTextEdit*>(w))
        address->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(w); combo->isEditable())
        combo->setEditText(text);
    else
        combo->setCurrentIndex(-1);
    QWidget* focusBefore = QApplication::focusWidget();
    control<QPushButton>(*editor, "PushButton4")->click();
    QTEST(m_dialogs->texts().join('|'), "message");
    QCOMPARE(m_dialogs->shown.first().icon, Icon::None);
    QWidget* focus = QApplication::focusWidget();
    if (w)
        QVERIFY2(focus == w || focus->parentWidget() == w, qPrintable(focus->objectName()));
    else
        QCOMPARE(focus, focusBefore);
    QVERIFY(editor->isVisible());
    QCOMPARE(rows(), 0);
    if (w) QCOMPARE(textOf(w), text);
}

void TestForm2::insertSendsTypedTextExactly() {
    auto editor = open();
    trace();
    control<QRadioButton>(*editor, "Option3")->click();
    control<QLineEdit>(*editor, "Text1")->setText(" O'Brien ");
    control<QLineEdit>(*editor, "Text2")->setText(" 2 ");
    control<QComboBox>(*editor, "Combo1")->setCurrentIndex(3);
    control<QComboBox>(*editor, "Combo2")->setEditText("Diner's");
    control<QLineEdit>(*editor, "Text3")->setText("'0000' 1234");
    control<QLineEdit>(*editor, "Text4")->setText("40");
    control<QLineEdit>(*editor, "Text5")->setText("Tea 'n' cake ");
    control<QLineEdit>(*editor, "Text6")->setText("O'Phone");
    control<QPlainTextEdit>(*editor, "Text7")->setPlainText("1 Quay's End\n  St Ives");
    control<QDateEdit>(*editor, "dtpCheckIn")->setDate(QDate(2022, 3, 5));
    control<QDateEdit>(*editor, "dtpCheckOut")->setDate(QDate(2022, 3, 7));
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(m_sent,
             QStringList{translateDates(
                 "insert into tblRooms ([GuestName],[Accommodation],[NoOfRooms],[Type],"
                 "[ServiceIncluded],[NoOfPersons],[CheckInDate],[CheckOutDate],[CreditCardType],"
                 "[CreditCardNo],[PhoneNumber],[Address]) values (' O''Brien ','Meeting Hall',2,"
                 "'Green Leaf Hall','Tea ''n'' cake ',40,#03/05/2022#,#03/07/2022#,'Diner''s',"
                 "'''0000'' 1234','O''Phone','1 Quay''s End\n  St Ives')")});
    const QString id = queryValue(db(), "select max(id) from tblRooms");
    QStringList stored;
    for (const char* c : {"GuestName", "Accommodation", "NoOfRooms", "Type", "ServiceIncluded",
                          "NoOfPersons", "CheckInDate", "CheckOutDate", "CreditCardType",
                          "CreditCardNo", "PhoneNumber", "Address"})
        stored << column(c, id);
    QCOMPARE(stored, (QStringList{" O'Brien ", "Meeting Hall", "2", "Green Leaf Hall",
                                  "Tea 'n' cake ", "40", "2022-03-05", "2022-03-07", "Diner's",
                                  "'0000' 1234", "O'Phone", "1 Quay's End\n  St Ives"}));
    QCOMPARE(m_main->listModel()->rowCount(),
             0); // stored outside the main window's range: not listed
}

void TestForm2::updateRewritesTheRowAndRefillsTheList() {
    GuestValues v = sampleGuest("Before", kToday, kToday);
    v.accommodation = "Wing";
    v.type = "Royal";
    const QString id = addRow(v);
    auto editor = open(id);
    trace();
    control<QLineEdit>(*editor, "Text1")->setText("After O'Neil");
    control<QComboBox>(*editor, "Combo1")->setCurrentIndex(2);
    control<QLineEdit>(*editor, "Text2")->setText("007");
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
    const QString today = dateLiteral(kToday);
    QCOMPARE(
        m_sent,
        QStringList{translateDates(
            "update tblRooms set [GuestName]='After O''Neil',[Accommodation]='Wing',[NoOfRooms]=7,"
            "[Type]='Family Type',[ServiceIncluded]='Breakfast',[NoOfPersons]=2,[CheckInDate]=" +
            today + ",[CheckOutDate]=" + today +
            ",[CreditCardType]='VISA',[CreditCardNo]="
            "'4111 1111 1111 1111',[PhoneNumber]='555 0100',[Address]='1 Harbour Road' where id=" +
            id)});
    QCOMPARE(rows(), 1);
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(m_main->listModel()->rowCount(), 1);
    QCOMPARE(m_main->listModel()->cellText(0, ReservationModel::GuestName), "After O'Neil");
    QCOMPARE(m_session->mHotelID, id); // kept after the close
}

void TestForm2::nothingWrittenKeepsEverythingTyped_data() {
    QTest::addColumn<QString>("key"); // mHotelID; "#" stands for the stored row's id
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message"); // the boxes shown, separated by "|"
    const QString refused =
        "create trigger refuse before %1 on tblRooms begin select raise(abort, 'refused'); end";
    QTest::newRow("insert refused")
        << "" << refused.arg("insert") << reportFor("refused", kSave, 172);
    QTest::newRow("update refused")
        << "#" << refused.arg("update") << reportFor("refused", kSave, 170);
    // An engine that quotes the card number in its words: the report keeps the words, not the
    // digits.
    const QString quoting = "create trigger quote before %1 on tblRooms "
                            "begin select json_extract('{}', new.CreditCardNo); end";
    QTest::newRow("insert fails quoting the card")
        << "" << quoting.arg("insert") << reportFor("JSON path error near '•••• ••••'", kSave, 172);
    QTest::newRow("update fails quoting the card")
        << "#" << quoting.arg("update")
        << reportFor("JSON path error near '•••• ••••'", kSave, 170);
    QTest::newRow("reservation deleted meanwhile, not saved as new")
        << "#"
        << "delete from tblRooms"
        << "This reservation no longer exists, so nothing was saved.|"
           "Save what you typed as a new reservation?";
    QTest::newRow("key not a whole number")
        << "# or 1=1"
        << "" << reportFor("The reservation key \"# or 1=1\" is not a whole number", kSave, 170);
}

void TestForm2::nothingWrittenKeepsEverythingTyped() {
    QFETCH(QString, key);
    QFETCH(QString, fault);
    QFETCH(QString, message);
    const QString id = addRow(sampleGuest("Stored", kToday, kToday));
    key.replace('#', id);
    message.replace('#', id);
    auto editor = open(key);
    m_dialogs->clear(); // a key that is no whole number is refused at the load too
    trace();
    fillValid(*editor);
    control<QPlainTextEdit>(*editor, "Text7")->setPlainText("Typed\naddress");
    if (!fault.isEmpty()) execOn(db(), fault);
    m_dialogs->defaultAnswer = Answer::No;
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(m_dialogs->texts(), message.split('|'));
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->result(), 0);
    QCOMPARE(control<QLineEdit>(*editor, "Text1")->text() + "|" +
                 control<QPlainTextEdit>(*editor, "Text7")->toPlainText(),
             "Ada Lovelace|Typed\naddress");
    QCOMPARE(queryValue(db(), "select group_concat(GuestName) from tblRooms"),
             fault.startsWith("delete") ? "" : "Stored");
    QCOMPARE(m_main->listModel()->rowCount(), 0);
    if (key.contains(' ')) QVERIFY(m_sent.isEmpty());
}

void TestForm2::shownModallyAndAnewEachTime() {
    QStringList seen;
    auto act = [&](bool save) {
        QTimer::singleShot(0, this, [&, save] {
            auto* editor = qobject_cast<Form2*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            seen << control<QLineEdit>(*editor, "Text1")->text();
            fillValid(*editor);
            (save ? control<QPushButton>(*editor, "PushButton4")
                  : control<QPushButton>(*editor, "PushButton5"))
                ->click();
        });
        showGuestEditor(*m_main);
    };
    m_session->mHotelID.clear();
    act(true);
    act(false);
    QCOMPARE(seen, (QStringList{"", ""})); // each showing starts from the design values
    QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
    QCOMPARE(rows(), 1);
    QCOMPARE(m_main->listModel()->rowCount(), 1); // listRooms ran: the stay is today's
    QCOMPARE(m_main->findChildren<Form2*>().size(), 0);
}

void TestForm2::pointerFeedback() {
    auto editor = open();
    auto move = [&](QWidget* w, QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &event);
        return editor->MousePointer();
    };
    QCOMPARE(move(control<QPushButton>(*editor, "PushButton4"), {5, 5}), 99);
    QCOMPARE(move(control<QPushButton>(*editor, "PushButton1"), {5, 5}), 99);
    QCOMPARE(move(control<QGroupBox>(*editor, "Frame1"),
                  {4, control<QGroupBox>(*editor, "Frame1")->height() - 4}),
             0);
    QCOMPARE(move(control<QPushButton>(*editor, "PushButton5"), {5, 5}), 99);
    QCOMPARE(move(editor.get(), {2, editor->height() - 2}), 0);
    editor->pointer()->setShape(kPointerHourglass);
    QCOMPARE(move(control<QPushButton>(*editor, "PushButton5"), {5, 5}), 11);
    QCOMPARE(move(control<QGroupBox>(*editor, "Frame4"), {4, 4}), 11);
}

void TestForm2::unshownValuesAskBeforeSave_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("No keeps the editor and the row") << false;
    QTest::newRow("Yes replaces the row") << true;
}

void TestForm2::unshownValuesAskBeforeSave() {
    QFETCH(bool, replace);
    execOn(db(), "insert into tblRooms (GuestName,Accommodation,Type,NoOfRooms,NoOfPersons,"
                 "CheckInDate,CheckOutDate,CreditCardType,CreditCardNo,PhoneNumber,Address) "
                 "values ('Odd','Room','Single',1,2,'2022-03-05',NULL,'VISA','4111','555','Quay')");
    const QString id = queryValue(db(), "select max(id) from tblRooms");
    auto editor = open(id);
    QCOMPARE(m_dialogs->texts(), QStringList{reportFor("Type mismatch", kLoad, 118)});
    QCOMPARE(editor->findChild<QLineEdit*>("Text6")->text(), "555");
    editor->findChild<QDateEdit*>("dtpExpiry")->setDate(kToday.addYears(1));
    m_dialogs->clear();
    m_dialogs->answers = {replace ? Answer::Yes : Answer::No};
    editor->findChild<QPushButton*>("PushButton4")->click();

    const QString question = "Some stored values of this reservation could not be shown, and "
                             "saving will replace them. Save anyway?";
    QStringList expected{question};
    if (replace) expected << "Successfully Saved.";
    QCOMPARE(m_dialogs->texts(), expected);
    QCOMPARE(m_dialogs->shown[0].buttons, Buttons::YesNo);
    QCOMPARE(m_dialogs->shown[0].defaultButton, Answer::No);
    QCOMPARE(editor->isVisible(), !replace);
    QCOMPARE(column("CheckOutDate", id), replace ? kToday.toString(Qt::ISODate) : QString());
}

void TestForm2::deletedReservationSavedAsNew_data() {
    QTest::addColumn<bool>("asNew");
    QTest::newRow("Yes inserts it") << true;
    QTest::newRow("No keeps the editor") << false;
}

// After "no longer exists" the list is refilled and what was typed may become a reservation.
void TestForm2::deletedReservationSavedAsNew() {
    QFETCH(bool, asNew);
    const QString id = addRow(sampleGuest("Stored", kToday, kToday));
    auto editor = open(id);
    fillValid(*editor);
    execOn(db(), "delete from tblRooms");
    addRow(sampleGuest("Other", kToday, kToday));
    m_dialogs->clear();
    m_dialogs->answers = {asNew ? Answer::Yes : Answer::No};
    editor->findChild<QPushButton*>("PushButton4")->click();

    QStringList expected{"This reservation no longer exists, so nothing was saved.",
                         "Save what you typed as a new reservation?"};
    if (asNew) expected << "Successfully Saved.";
    QCOMPARE(m_dialogs->texts(), expected);
    QCOMPARE(m_dialogs->shown[1].defaultButton, Answer::No);
    QCOMPARE(editor->isVisible(), !asNew);
    QCOMPARE(queryValue(db(), "select group_concat(GuestName, '|') from (select GuestName from "
                              "tblRooms order by id)"),
             asNew ? "Other|Ada Lovelace" : "Other");
    QCOMPARE(m_main->listModel()->rowCount(), asNew ? 2 : 1); // refilled either way
}

void TestForm2::singleLineBoxesJoinPastedLines_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("guest name") << "Text1";
    QTest::newRow("phone") << "Text6";
    QTest::newRow("card type") << "Combo2";
}

void TestForm2::singleLineBoxesJoinPastedLines() {
    QFETCH(QString, box);
    GuestValues stored = sampleGuest("Two\nlines", kToday, kToday);
    stored.phoneNumber = "555\r\n0100";
    stored.creditCardType = "VI\nSA";
    auto editor = open(addRow(stored));
    QWidget* w = editor->findChild<QWidget*>(box);
    auto* line = qobject_cast<QLineEdit*>(w) ? qobject_cast<QLineEdit*>(w)
                                             : qobject_cast<QComboBox*>(w)->lineEdit();
    // A stored value is shown as it is.
    QCOMPARE(line->text(), box == "Text1"   ? stored.guestName
                           : box == "Text6" ? stored.phoneNumber
                                            : stored.creditCardType);
    line->clear();
    QApplication::clipboard()->setText("a\r\nb\nc\rd\r\n\r\ne");
    line->paste();
    QCOMPARE(line->text(), "a b c d  e");
    QCOMPARE(line->cursorPosition(), 10);
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
