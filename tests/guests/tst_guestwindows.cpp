// The guests' windows over a real working database (the file, or a database of the tests' server).
#include "base/cardmask.h"
#include "base/dates.h"
#include "base/settings.h"
#include "gui/frame/messagebox.h"
#include "gui/guests/guestcommands.h"
#include "gui/guests/guestswindow.h"
#include "gui/guests/privacywindow.h"
#include "store/guests.h"
#include "store/money.h"
#include "store/privacy.h"
#include "store/statements.h"
#include "store/stays.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QDate kToday = QDate::currentDate();

QString day(const QDate& date) {
    return QLocale().toString(date, shortDateFormat());
}

// A PDF's text on one line, its "fi" ligatures as two letters; empty when it cannot be read.
QString pdfText(const QString& pdf) {
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    if (!text.waitForFinished(30000)) return {};
    return QString::fromUtf8(text.readAllStandardOutput())
        .replace(QChar(0xFB01), QStringLiteral("fi"))
        .simplified();
}

// One desk started as the program starts, on the file or on a database of the tests' server.
struct Desk {
    TempPlaces temp;
    ScriptedDialogs dialogs;
    std::unique_ptr<ServerDatabase> server =
        onTestServer() ? std::make_unique<ServerDatabase>("guests" + QString::number(++made))
                       : nullptr;
    static inline int made = 0;
    Session session{dialogs, temp.places};
    Form1 form{session};
    bool ready = false;

    Desk() {
        if (server) session.server = server->url();
        ready = form.Form_Load();
        dialogs.clear();
    }
    Connection& connection() { return session.connection(); }
    qint64 addStay(const QString& name, const QString& phone, int from, int to) {
        GuestValues v = sampleGuest(name, kToday.addDays(from), kToday.addDays(to));
        v.phoneNumber = phone;
        connection().execute(statements::insert(v));
        return addedReservationId(connection(), name, v.checkIn, v.checkOut);
    }
    qint64 addProfile(const QString& name, const QString& phone) {
        Guest guest;
        guest.name = name;
        guest.phone = phone;
        return addGuest(connection(), guest);
    }
    QList<qint64> stayGuestIds(qint64 reservationId) {
        QList<qint64> ids;
        for (const Guest& g : readStayGuests(connection(), reservationId))
            ids << g.id;
        return ids;
    }
};

} // namespace

class TestGuestWindows : public QObject {
    Q_OBJECT
private slots:
    void matchAfterSave_data();
    void matchAfterSave();
    void findAndMergeByKeyboard();
    void registrationCardPdf_data();
    void registrationCardPdf();
    void eraseNamesWhatGoes_data();
    void eraseNamesWhatGoes();
    void privacyRulesSaved_data();
    void privacyRulesSaved();
    void closingAsksAboutTyping_data();
    void closingAsksAboutTyping();
    void exportWritesPdfAndJson();
    void privacyRulesRunAtStartOnceADay();
};

// The profile is offered after "Successfully Saved." and the list's refresh; Yes links it, Esc on
// the real box declines; with no match the reservation's own profile is made without a question.
void TestGuestWindows::matchAfterSave_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("reply"); // "yes", "esc", or "" when no question comes
    QTest::newRow("accepted") << "Ada Lovelace"
                              << "yes";
    QTest::newRow("declined with Esc") << "Ada Lovelace"
                                       << "esc";
    QTest::newRow("no match: made silently") << "Bo Byrne"
                                             << "";
}

void TestGuestWindows::matchAfterSave() {
    QFETCH(QString, profile);
    QFETCH(QString, reply);
    Desk desk;
    QVERIFY(desk.ready);
    const qint64 existing = desk.addProfile(profile, "555 0100");
    QStringList listedAtQuestion;
    desk.dialogs.onShow = [&](const Message& m) {
        if (m.buttons != Buttons::YesNo) return;
        listedAtQuestion = shownNames(*desk.form.listModel());
        if (reply != "esc") return;
        // The program's own box, closed with Esc.
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        desk.dialogs.answers.prepend(MessageBoxDialogs().show(m));
    };
    desk.dialogs.defaultAnswer = Answer::Yes;
    desk.session.mHotelID.clear();
    Form2 editor(desk.form);
    editor.Form_Load();
    fillValid(editor);
    editor.PushButton4_Click();

    const qint64 saved = addedReservationId(desk.connection(), "Ada Lovelace", kToday, kToday);
    QVERIFY(saved > 0);
    QStringList expected{"Successfully Saved."};
    if (!reply.isEmpty()) expected << "Link this reservation to the guest profile of Ada Lovelace?";
    QCOMPARE(desk.dialogs.texts(), expected);
    if (!reply.isEmpty()) QCOMPARE(listedAtQuestion, QStringList{"Ada Lovelace"});
    const QList<qint64> linked = desk.stayGuestIds(saved);
    const std::vector<Guest> all = readGuests(desk.connection());
    if (reply == "yes") {
        QCOMPARE(linked, QList<qint64>{existing});
    } else if (reply == "esc") {
        QCOMPARE(linked, QList<qint64>());
        QCOMPARE(all.size(), size_t(1));
    } else {
        QCOMPARE(linked.size(), 1);
        QVERIFY(linked.front() != existing);
        const Guest made = readGuest(desk.connection(), linked.front());
        QCOMPARE(made.name, QStringLiteral("Ada Lovelace"));
        QCOMPARE(made.phone, QStringLiteral("555 0100"));
    }
}

// Typing finds both spellings (accents folded), Down reaches the list, Shift+Down takes the
// second, Alt+M merges into the profile the desk is on and its stays gather there.
void TestGuestWindows::findAndMergeByKeyboard() {
    Desk desk;
    QVERIFY(desk.ready);
    const qint64 a = desk.addProfile("Åsa Berg", "111");
    const qint64 b = desk.addProfile("Asa Berg", "222");
    desk.addProfile("Bo Byrne", "333");
    const qint64 first = desk.addStay("Åsa Berg", "111", 1, 3);
    const qint64 second = desk.addStay("Asa Berg", "222", 5, 6);
    setStayGuests(desk.connection(), first, a, {});
    setStayGuests(desk.connection(), second, b, {});

    GuestsWindow window(desk.session);
    window.refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* find = control<QLineEdit>(window, "guestFind");
    auto* list = control<QTreeView>(window, "guestList");
    QVERIFY(find->hasFocus());
    QTest::keyClicks(find, "asa b");
    QStringList shown;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        shown << list->model()->index(i, 0).data().toString();
    QCOMPARE(shown.size(), 2);
    QTest::keyClick(find, Qt::Key_Down);
    QVERIFY(list->hasFocus());
    QVERIFY(!control<QPushButton>(window, "guestMerge")->isEnabled());
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(control<QPushButton>(window, "guestMerge")->isEnabled());
    const qint64 keep = list->currentIndex().data(Qt::UserRole).toLongLong();
    const qint64 gone = keep == a ? b : a;
    const QString keepName = list->currentIndex().data().toString();
    const QString goneName = keep == a ? "Asa Berg" : "Åsa Berg";
    desk.dialogs.answers = {Answer::Yes};
    QTest::keyClick(list, Qt::Key_M, Qt::AltModifier);
    // A button's mnemonic clicks it as a click is shown: once the event loop has run.
    QTRY_VERIFY(!desk.dialogs.shown.isEmpty());

    QCOMPARE(
        desk.dialogs.texts(),
        QStringList{QString("Merge the profile of %1 (no. %2) into the profile of %3 (no. "
                            "%4)? Every stay of no. %2 moves to no. %4, and no. %2 is removed.")
                        .arg(goneName)
                        .arg(gone)
                        .arg(keepName)
                        .arg(keep)});
    QCOMPARE(readGuests(desk.connection()).size(), size_t(2));
    QCOMPARE(readGuestStays(desk.connection(), keep).size(), size_t(2));
    QCOMPARE(desk.stayGuestIds(first), QList<qint64>{keep});
    QCOMPARE(desk.stayGuestIds(second), QList<qint64>{keep});

    // What the guest spent, stay by stay (newest first): the charge of the first stay only.
    TaxRate standard;
    standard.name = QStringLiteral("Standard");
    standard.basisPoints = 1900;
    addCharge(desk.connection(), first, QStringLiteral("Minibar"), 2, 1250,
              addTaxRate(desk.connection(), standard), QStringLiteral("desk"));
    window.refresh(keep);
    auto* stays = control<QTreeWidget>(window, "guestStays");
    QCOMPARE(stays->topLevelItemCount(), 2);
    QVERIFY2(stays->topLevelItem(0)->text(6).contains(QStringLiteral("0.00")),
             qPrintable(stays->topLevelItem(0)->text(6)));
    QVERIFY2(stays->topLevelItem(1)->text(6).contains(QStringLiteral("25.00")),
             qPrintable(stays->topLevelItem(1)->text(6)));
}

// The card of a stay with two guests, printed to PDF and read back: the house, every guest with
// their document, the unit, the dates, the signature line.
void TestGuestWindows::registrationCardPdf_data() {
    QTest::addColumn<QString>("hotel");
    QTest::newRow("program's title") << "";
    QTest::newRow("hotel's name") << "Hotel Seeblick";
}

void TestGuestWindows::registrationCardPdf() {
    QFETCH(QString, hotel);
    SettingsStore().write(kHotelNameKey, hotel);
    Desk desk;
    QVERIFY(desk.ready);
    const qint64 stay = desk.addStay("Ada Lovelace", "555 0100", 2, 5);
    Guest ada;
    ada.name = "Ada Lovelace";
    ada.nationality = "British";
    ada.birthDate = QDate(1990, 12, 10);
    ada.docType = "Passport";
    ada.docNumber = "P1234567";
    ada.docCountry = "GB";
    ada.docExpiry = QDate(2031, 5, 1);
    Guest charles = ada;
    charles.name = "Charles Babbage";
    charles.docType = "Identity card";
    charles.docNumber = "ID998877";
    ada.id = addGuest(desk.connection(), ada);
    charles.id = addGuest(desk.connection(), charles);
    setStayGuests(desk.connection(), stay, ada.id, {charles.id});
    Unit unit;
    unit.name = "Room 204";
    unit.kind = "Room";
    unit.type = "Double";
    QVERIFY(!assignUnit(desk.connection(), stay, addUnit(desk.connection(), unit)));

    desk.form.PushButton5_Click();
    auto* list = control<QTreeView>(desk.form, "ListView1");
    list->selectionModel()->setCurrentIndex(
        list->model()->index(desk.form.listModel()->rowOfId(stay), 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QString pdf = desk.temp.path("card.pdf");
    desk.session.printDialog = [&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    desk.form.findChild<QAction*>("actionRegistrationCard")->trigger();
    QCOMPARE(desk.dialogs.texts(), QStringList());
    const QString out = pdfText(pdf);
    QVERIFY2(!out.isEmpty(), "pdftotext (poppler-utils) is needed");
    const QString expiry = day(QDate(2031, 5, 1));
    for (const QString& line :
         {hotel.isEmpty() ? applicationTitle() : hotel,
          QString("Registration card, reservation %1").arg(stay),
          "Arrival: " + day(kToday.addDays(2)), "Departure: " + day(kToday.addDays(5)),
          QString("3 nights"), QString("Unit: Room 204"),
          QString("Guest 1 of 2: Ada Lovelace (booker)"),
          "Document: Passport P1234567, issued by GB, valid until " + expiry,
          QString("Guest 2 of 2: Charles Babbage"),
          "Document: Identity card ID998877, issued by GB, valid until " + expiry,
          "Date of birth: " + day(QDate(1990, 12, 10)), QString("Signature of the guest")})
        QVERIFY2(out.contains(line), qPrintable(line + " not in: " + out));
    SettingsStore().write(kHotelNameKey, QString());
}

// The question names the guest and counts the stays and card numbers that go; No keeps all.
void TestGuestWindows::eraseNamesWhatGoes_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps the profile") << false;
    QTest::newRow("Yes erases it") << true;
}

void TestGuestWindows::eraseNamesWhatGoes() {
    QFETCH(bool, yes);
    Desk desk;
    QVERIFY(desk.ready);
    const qint64 guest = desk.addProfile("Ada Lovelace", "555 0100");
    for (int from : {1, 10})
        setStayGuests(desk.connection(), desk.addStay("Ada Lovelace", "555 0100", from, from + 2),
                      guest, {});
    GuestsWindow window(desk.session);
    window.refresh(guest);
    desk.dialogs.answers = {yes ? Answer::Yes : Answer::No};
    control<QPushButton>(window, "guestErase")->click();
    QCOMPARE(desk.dialogs.texts(),
             QStringList{"Erase everything held about Ada Lovelace? This cannot be undone.\n\n"
                         "The profile's name, phone, e-mail, address, birth date, document and "
                         "note go.\n2 stays keep their dates but lose the guest's name, address "
                         "and phone.\n2 card numbers go."});
    QCOMPARE(desk.dialogs.shown.front().defaultButton, Answer::No);
    const Guest after = readGuest(desk.connection(), guest);
    QCOMPARE(after.erased, yes);
    QCOMPARE(after.phone, yes ? QString() : QStringLiteral("555 0100"));
}

// The rules as ticked and typed are the rules read back; the log shows what was done.
void TestGuestWindows::privacyRulesSaved_data() {
    QTest::addColumn<bool>("cards");
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("guests");
    QTest::addColumn<int>("years");
    QTest::newRow("cards only") << true << 45 << false << 3;
    QTest::newRow("both") << true << 7 << true << 5;
}

void TestGuestWindows::privacyRulesSaved() {
    QFETCH(bool, cards);
    QFETCH(int, days);
    QFETCH(bool, guests);
    QFETCH(int, years);
    Desk desk;
    QVERIFY(desk.ready);
    logPrivacy(desk.connection(), "export", 1, "desk@front");
    PrivacyWindow window(desk.session);
    QVERIFY(window.load());
    auto* log = control<QTreeWidget>(window, "privacyLog");
    QCOMPARE(log->topLevelItemCount(), 1);
    QCOMPARE(log->topLevelItem(0)->text(1), QStringLiteral("desk@front"));
    QCOMPARE(log->topLevelItem(0)->text(2), QStringLiteral("Guest exported"));
    control<QCheckBox>(window, "privacyCardsOn")->setChecked(cards);
    control<QSpinBox>(window, "privacyCardDays")->setValue(days);
    control<QCheckBox>(window, "privacyGuestsOn")->setChecked(guests);
    control<QSpinBox>(window, "privacyGuestYears")->setValue(years);
    window.Save_Click();
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(readPrivacyRules(desk.connection()), (PrivacyRules{cards, days, guests, years}));
}

// Changes typed and not saved are asked about when the window closes.
void TestGuestWindows::closingAsksAboutTyping_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes saves them") << true;
    QTest::newRow("No leaves the profile") << false;
}

void TestGuestWindows::closingAsksAboutTyping() {
    QFETCH(bool, yes);
    Desk desk;
    QVERIFY(desk.ready);
    const qint64 guest = desk.addProfile("Ada Lovelace", "555 0100");
    GuestsWindow window(desk.session);
    window.refresh(guest);
    control<QLineEdit>(window, "guestPhone")->setText("555 0199");
    desk.dialogs.answers = {yes ? Answer::Yes : Answer::No};
    window.reject();
    QCOMPARE(desk.dialogs.texts(), QStringList{"Save the changes to the profile of Ada Lovelace?"});
    QCOMPARE(readGuest(desk.connection(), guest).phone, QString(yes ? "555 0199" : "555 0100"));
}

// Export: a PDF to read and the JSON beside it, both the desk's alone, and a line in the log.
void TestGuestWindows::exportWritesPdfAndJson() {
    Desk desk;
    QVERIFY(desk.ready);
    const qint64 guest = desk.addProfile("Ada Lovelace", "555 0100");
    setStayGuests(desk.connection(), desk.addStay("Ada Lovelace", "555 0100", 1, 3), guest, {});
    const QString chosen = desk.temp.path("ada.pdf");
    desk.session.saveFileName = [&](QWidget*, const QString&) { return chosen; };
    GuestsWindow window(desk.session);
    window.refresh(guest);
    control<QPushButton>(window, "guestExport")->click();
    const QString json = desk.temp.path("ada.json");
    QCOMPARE(desk.dialogs.texts(), QStringList{QString("The guest's data was written to %1 and %2.")
                                                   .arg(QDir::toNativeSeparators(chosen),
                                                        QDir::toNativeSeparators(json))});
    const auto privateFile =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    for (const QString& path : {chosen, json})
        QCOMPARE(QFile(path).permissions(), privateFile);
    QFile file(json);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(file.readAll()).contains("Ada Lovelace"));
    const QString out = pdfText(chosen);
    QVERIFY2(!out.isEmpty(), "pdftotext (poppler-utils) is needed");
    for (const QString& line :
         {QString("Guest profile of Ada Lovelace"), QString("Phone: 555 0100"), QString("1 stay")})
        QVERIFY2(out.contains(line), qPrintable(line + " not in: " + out));
    const std::vector<PrivacyLogLine> log = readPrivacyLog(desk.connection());
    QCOMPARE(log.size(), size_t(1));
    QCOMPARE(log.front().what, QStringLiteral("export"));
}

// A start runs the rules the desk turned on; the same day they do not run again.
void TestGuestWindows::privacyRulesRunAtStartOnceADay() {
    Desk desk;
    QVERIFY(desk.ready);
    writePrivacyRules(desk.connection(), PrivacyRules{true, 30, false, 3});
    const qint64 old = desk.addStay("Ada Lovelace", "555 0100", -50, -40);
    const auto card = [&](qint64 id) {
        ResultSet row;
        row.open(statements::selectById(QString::number(id)), desk.connection());
        return row.text("CreditCardNo");
    };
    const QString stored = card(old);
    Form1 again(desk.session);
    QVERIFY(again.Form_Load());
    QCOMPARE(desk.dialogs.texts(), QStringList{"The privacy rules erased 1 card number."});
    QCOMPARE(card(old), maskedCardNumber(stored));
    const qint64 later = desk.addStay("Bo Byrne", "555 0101", -50, -40);
    again.runPrivacyRules();
    QCOMPARE(desk.dialogs.texts().size(), 1);
    QCOMPARE(card(later), stored);
}

QTEST_MAIN(TestGuestWindows)
#include "tst_guestwindows.moc"
