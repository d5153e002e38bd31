// The desk's day on the real windows: find, the day views, export and print, the names that
// assistive technology reads, and a day worked from the keyboard alone.
#include "base/layout.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/output/listoutput.h"
#include "list/reservationmodel.h"
#include "store/literals.h"
#include "tests/common/testsupport.h"
#include "tests/reliability/editordriver.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace corvanna;
using namespace corvanna::test;

class TestDeskWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void findFiltersAndEscapeGivesTheListBack();
    void listingCommandsClearTheFind_data();
    void listingCommandsClearTheFind();
    void dayViewCountsInItsTitle();
    void exportWritesTheListAsShown();
    void printToPdf();
    void accessibleNames();
    void listRowsReadFromTheName();
    void keyboardOnlyDay();

private:
    template <class T = QWidget> T* control(const char* name) const {
        return m_form->findChild<T*>(QString::fromLatin1(name));
    }
    QTreeView* list() const { return control<QTreeView>("ListView1"); }
    void addRow(const QString& name, const QDate& in, const QDate& out);
    QStringList listedNames() const;
    static QString accessibleName(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    }
    // The control that has the keyboard: in a modal window, that window's.
    static QWidget* focused() {
        QWidget* modal = QApplication::activeModalWidget();
        return modal && modal->focusWidget() ? modal->focusWidget() : QApplication::focusWidget();
    }
    static void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focused(), Qt::Key(k), m);
    }
    static void type(const QString& text) { QTest::keyClicks(focused(), text); }
    // Tab until `target` has the keyboard (a date picker takes a Tab per part of its date).
    static bool tabTo(QWidget* target) {
        for (int i = 0; i < 60 && focused() != target; ++i)
            key(Qt::Key_Tab);
        return focused() == target;
    }

    static void fillByKeyboard(Form2& editor);

    QTemporaryDir m_out;
    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_form;
};

void TestDeskWindow::init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellworth")).clear();
    m_places = std::make_unique<TempPlaces>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    m_session->databaseComponentsPresent = [] { return true; };
    m_form = std::make_unique<Form1>(*m_session);
    QVERIFY(m_form->Form_Load());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_dialogs->clear();
}

void TestDeskWindow::cleanup() {
    m_form.reset();
    m_session.reset();
}

void TestDeskWindow::addRow(const QString& name, const QDate& in, const QDate& out) {
    GuestValues v = sampleGuest(name, in, out);
    execOn(m_places->places.workingDatabase(), translateDates(statements::insert(v)));
}

QStringList TestDeskWindow::listedNames() const {
    QStringList names;
    const QAbstractItemModel* m = list()->model();
    for (int r = 0; r < m->rowCount(); ++r)
        names << m->index(r, ReservationModel::GuestName).data().toString();
    return names;
}

void TestDeskWindow::findFiltersAndEscapeGivesTheListBack() {
    const QDate d(2031, 5, 1);
    for (const char* name : {"Åberg", "Berg", "Lund", "Ödman"})
        addRow(QString::fromUtf8(name), d, d);
    m_form->findChild<QAction*>(QStringLiteral("actionShowAll"))->trigger();
    // The engine's order: a letter beyond ASCII after the ASCII ones.
    const QStringList all{"Berg", "Lund", "Åberg", "Ödman"};
    QCOMPARE(listedNames(), all);
    const auto selectedName = [&] {
        return list()->model()->index(list()->currentIndex().row(), 1).data().toString();
    };
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(selectedName(), QStringLiteral("Åberg"));
    key(Qt::Key_F, Qt::ControlModifier);
    auto* find = control<QLineEdit>("findEdit");
    QCOMPARE(QApplication::focusWidget(), find);
    QTest::keyClicks(find, QStringLiteral("berg"));
    QCOMPARE(listedNames(), (QStringList{"Berg", "Åberg"}));
    QCOMPARE(selectedName(), QStringLiteral("Åberg"));
    QTest::keyClick(find, Qt::Key_Escape);
    QCOMPARE(find->text(), QString());
    QCOMPARE(listedNames(), all);
    QCOMPARE(selectedName(), QStringLiteral("Åberg"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list()));
}

// Show All, Search By Date and Load Sample list what they say: a find left in the box goes first.
void TestDeskWindow::listingCommandsClearTheFind_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("rows");
    QTest::newRow("Show All") << "PushButton5" << 3;
    QTest::newRow("Search By Date") << "PushButton4" << 2;
    QTest::newRow("Load Sample") << "PushButton6" << 6;
}

void TestDeskWindow::listingCommandsClearTheFind() {
    QFETCH(QString, button);
    QFETCH(int, rows);
    const QDate today = QDate::currentDate();
    addRow(QStringLiteral("Ames"), today, today);
    addRow(QStringLiteral("Berg"), today, today);
    addRow(QStringLiteral("Cole"), today, today.addDays(1));
    control<QPushButton>("PushButton5")->click();
    auto* find = control<QLineEdit>("findEdit");
    find->setText(QStringLiteral("ames"));
    QCOMPARE(listedNames(), QStringList{"Ames"});
    control<QPushButton>(button.toLatin1().constData())->click();
    QCOMPARE(find->text(), QString());
    QCOMPARE(listedNames().size(), rows);
    QCOMPARE(list()->currentIndex().row(), 0);
}

void TestDeskWindow::dayViewCountsInItsTitle() {
    const QDate today = QDate::currentDate();
    addRow(QStringLiteral("Ames"), today.addDays(-1), today.addDays(1));
    addRow(QStringLiteral("Berg"), today, today.addDays(2));
    addRow(QStringLiteral("Cole"), today.addDays(-3), today);
    key(Qt::Key_2, Qt::ControlModifier);
    auto* day = m_form->findChild<QWidget*>(QStringLiteral("DayView"));
    QVERIFY(day && day->isVisible());
    QVERIFY2(day->windowTitle().startsWith(QStringLiteral("In the House ")),
             qPrintable(day->windowTitle()));
    QVERIFY2(day->windowTitle().endsWith(QStringLiteral(" - 2 reservations")),
             qPrintable(day->windowTitle()));
    auto* view = day->findChild<QComboBox*>(QStringLiteral("dayViewChoice"));
    view->setCurrentIndex(2); // Departures
    QVERIFY2(day->windowTitle().endsWith(QStringLiteral(" - 1 reservation")),
             qPrintable(day->windowTitle()));
    day->findChild<QDateEdit*>(QStringLiteral("dayViewDate"))->setDate(today.addDays(2));
    QVERIFY(day->findChild<QTreeView*>()->model()->index(0, 1).data() == QStringLiteral("Berg"));
}

void TestDeskWindow::exportWritesTheListAsShown() {
    const QDate d(2031, 5, 1);
    addRow(QStringLiteral("Ames, Al"), d, d);
    addRow(QStringLiteral("Berg"), d, d);
    m_form->findChild<QAction*>(QStringLiteral("actionShowAll"))->trigger();
    control<QLineEdit>("findEdit")->setText(QStringLiteral("ames"));
    const QString path = m_out.filePath(QStringLiteral("shown.csv"));
    QString suggested;
    m_session->saveFileName = [&](QWidget*, const QString& name) {
        suggested = name;
        return path;
    };
    key(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(m_dialogs->texts(), QStringList());
    QVERIFY2(suggested.endsWith(QStringLiteral("All reservations, find 'ames'.csv")),
             qPrintable(suggested));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 3); // header, one row, the empty rest after the last CR LF
    QVERIFY(lines[1].contains(",\"Ames, Al\",Room,"));
    QVERIFY(lines[1].contains(",2031-05-01,2031-05-01,"));

    // A failed write is reported through the error report and leaves nothing.
    const QString bad = m_out.filePath(QStringLiteral("no/such/folder.csv"));
    m_session->saveFileName = [&](QWidget*, const QString&) { return bad; };
    key(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(m_dialogs->shown.size(), 1);
    QVERIFY(m_dialogs->shown[0].text.contains(
        QStringLiteral("in Corvanna2021/08/31.Form1.Export_Click at line 102")));
    QVERIFY(!QFile::exists(bad));

    // A list of dates proposes them as yyyy-mm-dd, whatever the desk's date form.
    control<QLineEdit>("findEdit")->clear();
    control<QDateEdit>("dtpCheckIn")->setDate(d);
    control<QDateEdit>("dtpCheckOut")->setDate(QDate(2031, 12, 31));
    m_form->findChild<QAction*>(QStringLiteral("actionSearchByDate"))->trigger();
    m_session->saveFileName = [&](QWidget*, const QString& name) {
        suggested = name;
        return QString();
    };
    key(Qt::Key_E, Qt::ControlModifier);
    QVERIFY2(suggested.endsWith(QStringLiteral("/Reservations 2031-05-01 to 2031-12-31.csv")),
             qPrintable(suggested));
}

void TestDeskWindow::printToPdf() {
    const QDate d(2031, 5, 1);
    for (int i = 0; i < 60; ++i)
        addRow(QStringLiteral("Guest %1").arg(i, 2, 10, QLatin1Char('0')), d, d.addDays(i % 5));
    // Two names alike in their first 40 characters, and an address of many words.
    for (const char* last : {"Brandtner", "Zellweger"}) {
        GuestValues v = sampleGuest(QStringLiteral("Maximilian Alexander Ferdinand Konstantin ") +
                                        QLatin1String(last),
                                    d, d);
        v.address = QStringLiteral("Flat 4, Harbour Front Court, 1200 Long Avenue, Pellworth "
                                   "Island, North Frisia, Germany");
        execOn(m_places->places.workingDatabase(), translateDates(statements::insert(v)));
    }
    m_form->findChild<QAction*>(QStringLiteral("actionShowAll"))->trigger();
    const QString pdf = m_out.filePath(QStringLiteral("list.pdf"));
    bool landscape = false;
    QString docName;
    m_session->printDialog = [&](QWidget*, QPrinter& printer) {
        landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        docName = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    // A desk whose short date has a two-digit year.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    key(Qt::Key_P, Qt::ControlModifier);
    QLocale::setDefault(saved);
    QCOMPARE(m_dialogs->texts(), QStringList());
    QVERIFY(landscape);
    QCOMPARE(docName, QStringLiteral("All reservations"));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(text.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(out.contains(QStringLiteral("All reservations")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Corvanna, printed ") +
                          QDate::currentDate().toString(QStringLiteral("M/d/yyyy"))),
             qPrintable(out));
    // Every row once; the pages numbered.
    for (int i = 0; i < 60; ++i)
        QCOMPARE(out.count(QStringLiteral("Guest %1").arg(i, 2, 10, QLatin1Char('0'))), 1);
    const qsizetype pages = out.count(QLatin1Char('\f'));
    QVERIFY(pages >= 2);
    QVERIFY(out.contains(QStringLiteral("Page 1 of %1").arg(pages)));
    QVERIFY(out.contains(QStringLiteral("Page %1 of %1").arg(pages)));
    // Long texts wrap within their column: nothing is cut off.
    for (const QString word : {"Brandtner", "Zellweger", "Frisia,"})
        QVERIFY2(out.count(word) == (word == "Frisia," ? 2 : 1), qPrintable(out));
    QVERIFY2(!out.contains(QChar(0x2026)), qPrintable(out));
    // Every column, the ID first.
    for (const QString caption : {"ID", "Guest Name", "Accomodation", "Type", "Services", "Persons",
                                  "Card", "Phone", "Address"})
        QVERIFY2(out.contains(caption), qPrintable(caption + '\n' + out));
    QVERIFY2(out.contains(QRegularExpression(QStringLiteral("(^|\n) *1 +Guest 00 +Room +1 +Single "
                                                            "+Breakfast +2 +1 May 2031"))),
             qPrintable(out));

    // A page too narrow for every column still has the guest, the stay and the phone.
    m_session->printDialog = [&](QWidget*, QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A5));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    key(Qt::Key_P, Qt::ControlModifier);
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString narrow = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(narrow.contains(QRegularExpression(QStringLiteral(
                 "(^|\\n) *1 +Guest 00 +Room +(1 +)?Single +(Breakfast +)?(2 +)?1 May 2031 +1 "
                 "May 2031 +(VISA +)?555 0100\\s"))),
             qPrintable(narrow));
    QVERIFY2(!narrow.contains(QStringLiteral("1111")), qPrintable(narrow));

    // The picture of a printed page for the documentation, when asked for.
    const QString docs = qEnvironmentVariable("CORVANNA_DOCS_DIR");
    if (!docs.isEmpty()) {
        QImage page(1400, 990, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        paintShownList(
            painter, page.rect().adjusted(40, 40, -40, -40),
            {list(), m_form->findChild<ReservationModel*>(), QStringLiteral("All reservations")},
            [] { return false; });
        painter.end();
        QVERIFY(page.save(docs + QStringLiteral("/printed-list.png")));
    }
}

void TestDeskWindow::accessibleNames() {
    const std::pair<const char*, const char*> form1[] = {
        {"PushButton1", "Add New"},       {"PushButton2", "Delete Selected"},
        {"PushButton3", "Edit Selected"}, {"PushButton4", "Search By Date"},
        {"PushButton5", "Show All"},      {"PushButton6", "Load Sample/Example Data"},
        {"dtpCheckIn", "Check In Date"},  {"dtpCheckOut", "Check Out Date"},
        {"ListView1", "Reservations"},    {"findEdit", "Find"}};
    for (const auto& [name, expected] : form1)
        QVERIFY2(accessibleName(control(name)) == QString::fromLatin1(expected),
                 qPrintable(QStringLiteral("%1: %2 / %3")
                                .arg(QString::fromLatin1(name), accessibleName(control(name)),
                                     control(name)->accessibleName())));

    Form2 editor(*m_form);
    const std::pair<const char*, const char*> form2[] = {{"Text1", "Guest Name"},
                                                         {"Text2", "No. of Rooms"},
                                                         {"Combo1", "Room Type"},
                                                         {"Text4", "No. Of Persons"},
                                                         {"Text5", "Service Included"},
                                                         {"dtpCheckIn", "Check In Date"},
                                                         {"dtpCheckOut", "Check Out Date"},
                                                         {"Combo2", "Credit Card Type"},
                                                         {"Text3", "Credit Card Num"},
                                                         {"dtpExpiry", "Expiry Date"},
                                                         {"Text6", "Phone Number"},
                                                         {"Text7", "Address"},
                                                         {"PushButton4", "Save"},
                                                         {"PushButton5", "Cancel"},
                                                         {"PushButton1", "Help"}};
    for (const auto& [name, expected] : form2)
        QCOMPARE(accessibleName(editor.findChild<QWidget*>(QString::fromLatin1(name))),
                 QString::fromLatin1(expected));
    // Every label of the editor is the buddy of its field.
    for (QLabel* label : editor.findChildren<QLabel*>())
        QVERIFY2(label->buddy(), qPrintable(label->objectName()));
}

// A screen reader reads a row from the guest's name on (the practically hidden id last) and a
// masked card number by its last four digits; the list shows its columns as before.
void TestDeskWindow::listRowsReadFromTheName() {
    GuestValues v = sampleGuest(QStringLiteral("Ada Lovelace"), {2031, 5, 1}, {2031, 5, 2});
    v.creditCardNo = QStringLiteral("3782 822463 10005");
    execOn(m_places->places.workingDatabase(), translateDates(statements::insert(v)));
    m_form->findChild<QAction*>(QStringLiteral("actionShowAll"))->trigger();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list());
    QVERIFY(table && table->tableInterface());
    QAccessibleTableInterface* cells = table->tableInterface();
    QStringList read, columns;
    for (int c = 0; c < cells->columnCount(); ++c) {
        read << cells->cellAt(0, c)->text(QAccessible::Name);
        columns << cells->columnDescription(c);
    }
    QCOMPARE(columns.size(), 13);
    QCOMPARE(columns.first(), QStringLiteral("Guest Name"));
    QCOMPARE(read.first(), QStringLiteral("Ada Lovelace"));
    QCOMPARE(read.at(columns.indexOf(QStringLiteral("Card Number"))),
             QStringLiteral("card ending 0005"));
    QCOMPARE(columns.last(), QStringLiteral("ID"));
    QCOMPARE(read.last(), QStringLiteral("1"));
    // The view's current cell is a cell of the selected row.
    QAccessibleInterface* focused = table->focusChild();
    QVERIFY(focused && focused->tableCellInterface());
    QCOMPARE(focused->tableCellInterface()->rowIndex(), 0);
    QCOMPARE(list()->model()->index(0, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(list()->header()->visualIndex(0), 0);
}

// The editor, from its first field, by Tab and typing alone; Space on Save.
void TestDeskWindow::fillByKeyboard(Form2& editor) {
    editor.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    type(QStringLiteral("VISA"));
    key(Qt::Key_Tab);
    type(QStringLiteral("4111 1111 1111 1111"));
    key(Qt::Key_Tab);
    type(QStringLiteral("5550100"));
    key(Qt::Key_Tab);
    type(QStringLiteral("1 Quay"));
    auto* expiry = editor.findChild<QDateEdit*>(QStringLiteral("dtpExpiry"));
    QVERIFY(tabTo(expiry));
    for (int i = 0; i < 3 && expiry->currentSection() != QDateTimeEdit::YearSection; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(expiry->currentSection(), QDateTimeEdit::YearSection);
    key(Qt::Key_Up); // a year on
    QVERIFY(tabTo(editor.findChild<QWidget*>(QStringLiteral("Text1"))));
    type(QStringLiteral("Kim Keyboard"));
    QVERIFY(tabTo(editor.findChild<QWidget*>(QStringLiteral("Combo1"))));
    key(Qt::Key_Down); // the first room type
    QVERIFY(tabTo(editor.findChild<QWidget*>(QStringLiteral("PushButton4"))));
    key(Qt::Key_Space); // Save
}

void TestDeskWindow::keyboardOnlyDay() {
    // Add: Ctrl+N, the editor filled and saved from the keyboard.
    bool saved = false;
    list()->setFocus();
    QVERIFY(withEditor([] { key(Qt::Key_N, Qt::ControlModifier); },
                       [&](Form2& editor) {
                           fillByKeyboard(editor);
                           saved = !editor.isVisible();
                       }));
    QVERIFY(saved);
    QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
    m_dialogs->clear();
    QCOMPARE(listedNames(), QStringList{"Kim Keyboard"});
    // The main window has the keyboard again (the offscreen platform does not hand it back).
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

    // Find: Ctrl+F, typing, Down to the rows found.
    addRow(QStringLiteral("Lee Other"), QDate::currentDate(), QDate::currentDate());
    key(Qt::Key_F5);
    QCOMPARE(listedNames().size(), 2);
    key(Qt::Key_F, Qt::ControlModifier);
    type(QStringLiteral("kim"));
    QCOMPARE(listedNames(), QStringList{"Kim Keyboard"});
    key(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list()));

    // Delete: the Delete key asks first; Yes deletes.
    key(Qt::Key_Delete);
    QCOMPARE(m_dialogs->texts(), QStringList{"Are you sure you want to delete Kim Keyboard?"});
    QCOMPARE(queryValue(m_places->places.workingDatabase(),
                        QStringLiteral("select group_concat(GuestName) from tblRooms")),
             QStringLiteral("Lee Other"));
}

QTEST_MAIN(TestDeskWindow)
#include "tst_deskwindow.moc"
