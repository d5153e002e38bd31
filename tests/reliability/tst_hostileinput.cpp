// Hostile text typed into the guest editor is stored and shown back exactly as typed and never
// becomes part of a statement; counts that are no whole number never reach the database.
#include "base/cardmask.h"
#include "editor/guestcheck.h"
#include "editordriver.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTreeView>
#include <sqlite3.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

// The editor's free-text boxes, with the column each is stored in and the list column showing it.
struct TextField {
    const char* box;
    const char* column;
    int listColumn;
};
constexpr TextField kTextFields[] = {
    {"Text1", "GuestName", ReservationModel::GuestName},
    {"Combo2", "CreditCardType", ReservationModel::CreditCardType},
    {"Text3", "CreditCardNo", ReservationModel::CreditCardNo},
    {"Text5", "ServiceIncluded", ReservationModel::ServiceIncluded},
    {"Text6", "PhoneNumber", ReservationModel::PhoneNumber},
    {"Text7", "Address", ReservationModel::Address},
};

QString boxText(const Form2& editor, const char* name) {
    const QWidget* w = editor.findChild<QWidget*>(QLatin1String(name));
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    return QStringLiteral("<no box %1>").arg(QLatin1String(name));
}

// What typing leaves in a box: what a keyboard can give, cut to the box's limit.
QString typedInto(const Form2& editor, const char* name, const QString& typed) {
    QString kept;
    const bool multiLine = qobject_cast<const QPlainTextEdit*>(
                               editor.findChild<QWidget*>(QLatin1String(name))) != nullptr;
    for (const QChar c : typed)
        if (c.isPrint() || c.isSurrogate() || c.category() == QChar::Other_Format ||
            (multiLine && c == QLatin1Char('\n')))
            kept += c;
    if (auto* e = editor.findChild<QLineEdit*>(QLatin1String(name)))
        kept = kept.left(e->maxLength());
    return kept;
}

QString schemaOf(const QString& database) {
    return queryValue(database, "select group_concat(type || name || sql, '|') from "
                                "(select * from sqlite_master order by name)");
}

QString rowOf(const QString& database, const QString& id) {
    return queryValue(database,
                      "select quote(GuestName) || quote(Accommodation) || "
                      "quote(NoOfRooms) || quote(Type) || quote(ServiceIncluded) || "
                      "quote(NoOfPersons) || quote(CheckInDate) || quote(CheckOutDate) || "
                      "quote(CreditCardType) || quote(CreditCardNo) || "
                      "quote(PhoneNumber) || quote(Address) from tblRooms where id=" +
                          id);
}

// Counts the statements that reach the engine on a connection.
int countStatement(unsigned type, void* context, void*, void*) {
    if (type == SQLITE_TRACE_STMT) ++*static_cast<int*>(context);
    return 0;
}

QString fiftyOf(const QString& unit) {
    QString s;
    while (s.size() < 60)
        s += unit;
    return s;
}

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hostileTextIsStoredExactly_data();
    void hostileTextIsStoredExactly();
    void malformedCountsAreRefused_data();
    void malformedCountsAreRefused();

private:
    std::unique_ptr<TempPlaces> m_temp;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_main;
    QString m_bystanderId;
    QString m_bystander;
    QString db() const { return m_temp->places.workingDatabase(); }
};

void TestHostileInput::init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString()).clear();
    m_temp = std::make_unique<TempPlaces>();
    createWorkingDatabase(m_temp->places);
    // A reservation that was there before: no save may touch it.
    execOn(db(),
           "insert into tblRooms (GuestName, Accommodation, NoOfRooms, Type, ServiceIncluded, "
           "NoOfPersons, CheckInDate, CheckOutDate, CreditCardType, CreditCardNo, "
           "PhoneNumber, Address) values ('Bystander O''Neil', 'Room', 1, 'Single', '', 2, "
           "'2020-02-29', '2020-03-01', 'VISA', '4111', '555', '2 Quay Street')");
    m_bystanderId = queryValue(db(), "select max(id) from tblRooms");
    m_bystander = rowOf(db(), m_bystanderId);
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_temp->places);
    m_main = std::make_unique<Form1>(*m_session);
    QVERIFY(m_main->Form_Load());
    m_main->show();
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
}

void TestHostileInput::cleanup() {
    m_main.reset();
    m_session.reset();
    m_dialogs.reset();
    m_temp.reset();
}

void TestHostileInput::hostileTextIsStoredExactly_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pasted"); // control characters come in through the clipboard

    const QStringList typed{
        "'",
        "''",
        "'''",
        "O'Brien",
        "'); drop table tblRooms; --",
        "x','Room',1,'a','b',1,#01/01/2000#,#01/02/2000#,'c','d','e','f'); --",
        "1'; delete from tblRooms where '1'='1",
        "' or '1'='1",
        "'; update tblRooms set GuestName='taken' where 1=1; --",
        "' || (select group_concat(sql) from sqlite_master) || '",
        "'||char(39)||'",
        "#01/02/2024#",
        "'#12/31/1999#'",
        "#13/45/2024#",
        "##",
        "# ' #01/02/2024# ' #",
        "#01/02/2024",
        "[GuestName]",
        "]); drop table tblRooms; --",
        "[[]]]",
        "\\",
        "\\'",
        "C:\\Users\\guest\\",
        "\\x27\\u0027\\0",
        QString::fromUtf8("\u2019"),
        QString::fromUtf8("\u2018quoted\u2019"),
        QString::fromUtf8("O\u02BCBrien"),
        QString::fromUtf8("\uFF07); drop table tblRooms; --"),
        QString::fromUtf8("\u201Cdouble\u201D"),
        "\"double quotes\"",
        "`backtick`",
        "; --",
        "/* comment */",
        "--",
        "%_*?",
        "NULL",
        "null",
        "%1 %2 %n %s",
        "$1 :name @p ?1 ?",
        "<script>alert(1)</script>",
        QString::fromUtf8("\u202Eevil\u202C"),
        QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD \u05E2\u05DC\u05D9\u05DB\u05DD"),
        QString::fromUtf8(
            "\u0645\u0631\u062D\u0628\u0627 '\u0628\u0627\u0644\u0639\u0627\u0644\u0645'"),
        QString::fromUtf8("Zo\u00EB \u00C5ngstr\u00F6m \u00D8rsted"),
        QString::fromUtf8("\U0001F3E8 Hotel \U0001F6CE"),
        QString::fromUtf8("zero\u200Bwidth\uFEFF"),
        QString::fromUtf8("e\u0301\u0327"),
        "  padded  ",
        fiftyOf("'"),
        fiftyOf("A"),
        fiftyOf("'); drop table tblRooms; --"),
        "two\nlines",
    };
    for (const QString& t : typed)
        QTest::newRow(qPrintable(t.left(30))) << t << false;
    QTest::newRow("tab pasted") << "tab\there" << true;
    QTest::newRow("bell pasted") << "bell\x07" << true;
    QTest::newRow("escape pasted") << "\x1b[31mred" << true;
    QTest::newRow("delete pasted") << "del\x7f" << true;
    QTest::newRow("line breaks pasted") << "one\r\ntwo" << true;
}

void TestHostileInput::hostileTextIsStoredExactly() {
    QFETCH(QString, text);
    QFETCH(bool, pasted);
    const QString schema = schemaOf(db());
    const int before = queryValue(db(), "select count(*) from tblRooms").toInt();

    QHash<QString, QString> typed; // box -> its text at Save
    const bool shown = withEditor(
        [&] { m_main->PushButton1_Click(); },
        [&](Form2& editor) {
            chooseValidChoices(editor);
            for (const TextField& f : kTextFields) {
                QWidget* box = editor.findChild<QWidget*>(QLatin1String(f.box));
                clearBox(box);
                if (pasted) {
                    pasteInto(box, text);
                    QVERIFY2(!boxText(editor, f.box).isEmpty(), f.box);
                } else {
                    typeInto(box, text);
                    const QString expected = typedInto(editor, f.box, text);
                    const QString got = boxText(editor, f.box);
                    // A multi-line box may cut typing at the same limit as the others.
                    QVERIFY2(got == expected || got == expected.left(kGuestTextLimit),
                             qPrintable(QStringLiteral("%1 holds \"%2\"").arg(f.box, got)));
                }
                typed.insert(QLatin1String(f.box), boxText(editor, f.box));
            }
            control<QPushButton>(editor, "PushButton4")->click();
            QVERIFY2(!editor.isVisible(), qPrintable(m_dialogs->texts().join('\n')));
        });
    QVERIFY(shown);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});

    // Exactly one row more, the table as it was, the other reservation untouched.
    QCOMPARE(queryValue(db(), "select count(*) from tblRooms").toInt(), before + 1);
    QCOMPARE(schemaOf(db()), schema);
    QCOMPARE(rowOf(db(), m_bystanderId), m_bystander);
    const QString id = queryValue(db(), "select max(id) from tblRooms");
    for (const TextField& f : kTextFields)
        QCOMPARE(queryValue(db(), QStringLiteral("select %1 from tblRooms where id=%2")
                                      .arg(QLatin1String(f.column), id)),
                 typed.value(QLatin1String(f.box)));

    // Shown back in the list (the stay is today, inside the list's range) ...
    int row = -1;
    for (int r = 0; r < m_main->listModel()->rowCount(); ++r)
        if (m_main->listModel()->idAt(r) == id.toLongLong()) row = r;
    QVERIFY2(row >= 0, "the saved reservation is not listed");
    for (const TextField& f : kTextFields) {
        const QString stored = typed.value(QLatin1String(f.box));
        QCOMPARE(m_main->listModel()->cellText(row, f.listColumn),
                 f.listColumn == ReservationModel::CreditCardNo ? maskedCardNumber(stored)
                                                                : stored);
    }

    // ... and in the editor opened on it.
    control<QTreeView>(*m_main, "ListView1")
        ->selectionModel()
        ->setCurrentIndex(m_main->listModel()->index(row, 0),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_dialogs->clear();
    QHash<QString, QString> reopened;
    QVERIFY(withEditor([&] { m_main->PushButton3_Click(); },
                       [&](Form2& editor) {
                           for (const TextField& f : kTextFields)
                               reopened.insert(QLatin1String(f.box), boxText(editor, f.box));
                       }));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
    QCOMPARE(reopened, typed);
}

void TestHostileInput::malformedCountsAreRefused_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("stored"); // empty: refused

    const QStringList malformed{
        "1 or 1=1",
        "1e999",
        "-1",
        "-0",
        "+1",
        QString::fromUtf8("\u0663"),
        QString::fromUtf8("\u0661\u0662"),
        QString::fromUtf8("\uFF11"),
        QString::fromUtf8("\u00BD"),
        QString::fromUtf8("\u2167"),
        "",
        " ",
        "    ",
        QString::fromUtf8("1\u00A0"),
        "1.5",
        "1,5",
        "1e3",
        "0x10",
        "1)",
        "(1)",
        "1; drop table tblRooms",
        "1 --",
        "1/*",
        "1'",
        "'1'",
        "NULL",
        "1 2",
        "#01/02/2024#",
        "[1]",
    };
    for (const char* box : {"Text2", "Text4"}) {
        for (const QString& count : malformed)
            QTest::addRow("%s \"%s\"", box, qPrintable(count)) << box << count << QString();
        // What a whole number looks like, for contrast.
        QTest::addRow("%s \" 12 \"", box) << box << " 12 "
                                          << "12";
        QTest::addRow("%s \"007\"", box) << box << "007"
                                         << "7";
        QTest::addRow("%s \"999999999\"", box) << box << "999999999"
                                               << "999999999";
        QTest::addRow("%s \"2147483648\"", box) << box << "2147483648"
                                                << "2147483648";
        QTest::addRow("%s \"0000000001\"", box) << box << "0000000001"
                                                << "1";
        QTest::addRow("%s \"9223372036854775807\"", box) << box << "9223372036854775807"
                                                         << "9223372036854775807";
        // Refused with a message of its own (see below).
        QTest::addRow("%s \"9223372036854775808\"", box)
            << box << "9223372036854775808" << QString();
    }
}

void TestHostileInput::malformedCountsAreRefused() {
    QFETCH(QString, box);
    QFETCH(QString, count);
    QFETCH(QString, stored);
    const int before = queryValue(db(), "select count(*) from tblRooms").toInt();
    int sent = -1;
    const bool rooms = box == QLatin1String("Text2");
    const bool shown = withEditor(
        [&] { m_main->PushButton1_Click(); },
        [&](Form2& editor) {
            chooseValidChoices(editor);
            for (const TextField& f : kTextFields)
                typeInto(editor.findChild<QWidget*>(QLatin1String(f.box)), QStringLiteral("Valid"));
            QLineEdit* counted =
                rooms ? control<QLineEdit>(editor, "Text2") : control<QLineEdit>(editor, "Text4");
            clearBox(counted);
            typeInto(counted, count);
            QCOMPARE(counted->text(), count);
            // Nothing at all may reach the engine while Save refuses.
            sent = 0;
            sqlite3_trace_v2(m_session->connection().handle(), SQLITE_TRACE_STMT, countStatement,
                             &sent);
            control<QPushButton>(editor, "PushButton4")->click();
            sqlite3_trace_v2(m_session->connection().handle(), 0, nullptr, nullptr);
            if (stored.isEmpty()) {
                QVERIFY(editor.isVisible());
                QCOMPARE(counted->text(), count); // kept for correcting
                QCOMPARE(editor.focusWidget(), static_cast<QWidget*>(counted));
            }
        });
    QVERIFY(shown);
    if (QTest::currentTestFailed()) return;

    if (stored.isEmpty()) {
        const QString what =
            rooms ? QStringLiteral("Number of Room") : QStringLiteral("Number Of Persons");
        const QString message = isBlank(count) ? (rooms ? "You forgot to enter Number of Room."
                                                        : "You forgot to enter Number Of Persons.")
                                : wholeNumberDigits(count)
                                    ? what + " cannot be more than 9223372036854775807."
                                    : what + " must be a whole number.";
        QCOMPARE(m_dialogs->texts(), QStringList{message});
        QCOMPARE(sent, 0);
        QCOMPARE(queryValue(db(), "select count(*) from tblRooms").toInt(), before);
    } else {
        QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
        QCOMPARE(queryValue(db(), "select count(*) from tblRooms").toInt(), before + 1);
        QCOMPARE(queryValue(db(), QStringLiteral("select %1 from tblRooms where id=(select max(id) "
                                                 "from tblRooms)")
                                      .arg(rooms ? "NoOfRooms" : "NoOfPersons")),
                 stored);
    }
    QCOMPARE(rowOf(db(), m_bystanderId), m_bystander);
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
