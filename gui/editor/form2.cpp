#include "gui/editor/form2.h"

#include "base/failure.h"
#include "base/places.h"
#include "base/product.h"
#include "base/report.h"
#include "base/twips.h"
#include "editor/availability.h"
#include "gui/frame/design.h"
#include "gui/frame/form1.h"
#include "gui/frame/pointer.h"
#include "gui/frame/session.h"
#include "gui/frame/skin.h"
#include "gui/language/language.h"
#include "gui/stays/staycommands.h"
#include "store/connection.h"
#include "store/money.h"
#include "store/rowlock.h"
#include "store/statements.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <memory>

namespace corvanna {

namespace {

const QString kFormLoad = QStringLiteral("Form2.Form_Load");
const QString kHelp = QStringLiteral("Form2.PushButton1_Click");
const QString kSave = QStringLiteral("Form2.PushButton4_Click");
const QString kCancel = QStringLiteral("Form2.PushButton5_Click");

const QDate kDesignDate{2010, 10, 18};

// The check that the texts can go to a database server runs with the availability question,
// after the field tests and before the statement.
constexpr int kServerTextLine = kAvailabilityLine;

// Each control gets the design font itself: under the main window's skin a font set on the
// window does not reach its controls.
template <class W> W* place(W* widget, const char* name, const QRect& rect) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    widget->setFont(designFont(9));
    return widget;
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, const QRect& rect) {
    auto* box = place(new QGroupBox(parent), name, rect);
    followLanguage(box, "corvanna::Form2", caption);
    paintWhite(box);
    return box;
}

// A caption wider than its design width (the font's metrics differ a little from the design's)
// takes the free room up to the next control on its row rather than losing its last letters.
void fitLabel(QLabel* l) {
    const QRect design = l->property("designRect").toRect();
    int limit = l->parentWidget()->width();
    for (const QObject* o : l->parentWidget()->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && w != l && w->x() > design.x() && w->geometry().top() < design.bottom() &&
            w->geometry().bottom() > design.top())
            limit = std::min(limit, w->x() - 2);
    }
    const int wanted = std::max(design.width(), l->sizeHint().width());
    l->resize(std::min(wanted, std::max(design.width(), limit - design.x())), design.height());
}

QLabel* label(QWidget* parent, const char* name, const char* caption, const QRect& rect) {
    auto* l = place(new QLabel(parent), name, rect);
    followLanguage(l, "corvanna::Form2", caption);
    l->setProperty("designRect", rect);
    paintWhite(l);
    return l;
}

QLineEdit* textBox(QWidget* parent, const char* name, const char* text, const QRect& rect) {
    auto* box = place(new QLineEdit(QCoreApplication::translate("corvanna::Form2", text), parent),
                      name, rect);
    box->setMaxLength(kGuestTextLimit);
    keepOnOneLine(box);
    box->setCursorPosition(0); // a long text shows from its start
    return box;
}

QDateEdit* datePicker(QWidget* parent, const char* name, const QRect& rect) {
    auto* picker = place(new QDateEdit(kDesignDate, parent), name, rect);
    setUpDatePicker(picker);
    return picker;
}

QRadioButton* option(QWidget* parent, const char* name, GuestKind kind, const QRect& rect) {
    auto* o =
        place(new QRadioButton(kindText(kindDetails(kind).optionCaption), parent), name, rect);
    paintWhite(o);
    // Out of view below the window: a key press must not change the kind unseen.
    o->setFocusPolicy(Qt::NoFocus);
    return o;
}

} // namespace

Form2::Form2(Form1& mainWindow)
    : QDialog(&mainWindow)
    , mHotelID(mainWindow.session().mHotelID)
    , m_mainWindow(mainWindow)
    , m_session(mainWindow.session()) {
    buildDesign();
}

Form2::~Form2() = default;

// The window and its controls in the design's order and places, then the keyboard order, the
// names assistive technology reads, the handlers and the pointers.
void Form2::buildDesign() {
    setUpWindow();
    buildGuestName();
    buildRoomDetails();
    buildOtherInformation();
    buildButtonsAndKinds();
    orderAndName();
    connectHandlers();
    watchPointers();
    centreOnScreen(this);
}

void Form2::setUpWindow() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Add New Guest"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(designFont(9));
    paintWhite(this);
    setFixedSize(twipsToPixels(8040), twipsToPixels(7170));
}

void Form2::buildGuestName() {

    PushButton1 = designButton(this, "PushButton1", QT_TRANSLATE_NOOP("Design", "Help"),
                               twipsRect(120, 120, 7800, 405));

    Frame3 = frame(this, "Frame3", QT_TR_NOOP("Guest Name"), twipsRect(120, 570, 7800, 825));
    Text1 = textBox(Frame3, "Text1", "", twipsRect(240, 300, 7320, 345));
}

void Form2::buildRoomDetails() {

    Frame4 = frame(this, "Frame4", QT_TR_NOOP("Room Details"), twipsRect(120, 1470, 7800, 1725));
    Label2 = label(Frame4, "Label2", QT_TR_NOOP("No. of Rooms:"), twipsRect(240, 345, 1170, 225));
    Text2 = textBox(Frame4, "Text2", "1", twipsRect(1560, 300, 2130, 345));
    Label3 = label(Frame4, "Label3", QT_TR_NOOP("Room Type:"), twipsRect(240, 795, 990, 225));
    Combo1 = place(new QComboBox(Frame4), "Combo1", twipsRect(1560, 750, 2130, 345));
    Label6 = label(Frame4, "Label6", QT_TR_NOOP("Check In Date:"), twipsRect(240, 1245, 1215, 225));
    dtpCheckIn = datePicker(Frame4, "dtpCheckIn", twipsRect(1560, 1200, 2130, 345));
    Label4 =
        label(Frame4, "Label4", QT_TR_NOOP("No. Of Persons:"), twipsRect(3840, 345, 1320, 225));
    Text4 = textBox(Frame4, "Text4", "1", twipsRect(5400, 300, 2130, 345));
    Label5 =
        label(Frame4, "Label5", QT_TR_NOOP("Service Included:"), twipsRect(3840, 795, 1455, 225));
    Text5 = textBox(Frame4, "Text5", QT_TR_NOOP("Breakfast, Lunch, Dinner, Security"),
                    twipsRect(5400, 750, 2130, 345));
    Label7 =
        label(Frame4, "Label7", QT_TR_NOOP("Check Out Date:"), twipsRect(3840, 1245, 1365, 225));
    dtpCheckOut = datePicker(Frame4, "dtpCheckOut", twipsRect(5400, 1200, 2130, 345));
}

void Form2::buildOtherInformation() {

    Frame1 =
        frame(this, "Frame1", QT_TR_NOOP("Other Information"), twipsRect(120, 3270, 7800, 3285));
    Label8 =
        label(Frame1, "Label8", QT_TR_NOOP("Credit Card Type:"), twipsRect(240, 345, 1455, 225));
    Combo2 = place(new QComboBox(Frame1), "Combo2", twipsRect(1830, 300, 5730, 345));
    Combo2->setEditable(true);
    Combo2->lineEdit()->setFont(designFont(9));
    // A drop-down with typing: Enter adds nothing to the list and nothing completes the typing.
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setCompleter(nullptr);
    keepOnOneLine(Combo2->lineEdit());
    Combo2->addItems(
        {QStringLiteral("VISA"), QStringLiteral("MASTERCARD"), QStringLiteral("AMERICAN EXPRESS")});
    Combo2->setCurrentIndex(-1);
    Combo2->clearEditText();
    Label9 =
        label(Frame1, "Label9", QT_TR_NOOP("Credit Card Num:"), twipsRect(240, 795, 1440, 225));
    Text3 = textBox(Frame1, "Text3", "", twipsRect(1830, 750, 5730, 345));
    Label12 = label(Frame1, "Label12", QT_TR_NOOP("Expiry Date:"), twipsRect(240, 1245, 1005, 225));
    dtpExpiry = datePicker(Frame1, "dtpExpiry", twipsRect(1830, 1200, 5730, 345));
    Label10 =
        label(Frame1, "Label10", QT_TR_NOOP("Phone Number:"), twipsRect(240, 1695, 1305, 225));
    Text6 = textBox(Frame1, "Text6", "", twipsRect(1830, 1650, 5730, 345));
    Label11 = label(Frame1, "Label11", QT_TR_NOOP("Address:"), twipsRect(240, 2145, 765, 225));
    Text7 = place(new QPlainTextEdit(Frame1), "Text7", twipsRect(1830, 2100, 5730, 1005));
    Text7->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text7->setTabChangesFocus(true);
    limitTyping(Text7);
}

void Form2::buildButtonsAndKinds() {

    PushButton4 = designButton(this, "PushButton4", QT_TRANSLATE_NOOP("Design", "Save"),
                               twipsRect(120, 6660, 3840, 405));
    PushButton5 = designButton(this, "PushButton5", QT_TRANSLATE_NOOP("Design", "Cancel"),
                               twipsRect(4080, 6660, 3840, 405));

    // Below the client area, so the kind of a new reservation is Rooms.
    Frame2 = frame(this, "Frame2", QT_TR_NOOP("Type"), twipsRect(120, 7260, 6720, 780));
    Option1 = option(Frame2, "Option1", GuestKind::Rooms, twipsRect(315, 315, 1140, 240));
    Option2 = option(Frame2, "Option2", GuestKind::Wings, twipsRect(1665, 315, 1140, 240));
    Option3 = option(Frame2, "Option3", GuestKind::MeetingHall, twipsRect(2880, 315, 1635, 240));
    Option1->setChecked(true);
}

void Form2::orderAndName() {

    // The keyboard order of the design; the out-of-view options take no focus.
    const QList<QWidget*> order{Combo2,      Text3,       Text6, Text7,      PushButton4,
                                PushButton5, dtpExpiry,   Text1, dtpCheckIn, Combo1,
                                Text2,       dtpCheckOut, Text5, Text4,      PushButton1};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    Combo2->setFocus();
    for (QLabel* l : findChildren<QLabel*>())
        fitLabel(l);
    // Every field is named after its label, the guest name after its frame.
    Text1->setAccessibleName(accessibleCaption(Frame3->title()));
    const std::pair<QLabel*, QWidget*> labelled[] = {
        {Label2, Text2},      {Label3, Combo1},      {Label6, dtpCheckIn}, {Label4, Text4},
        {Label5, Text5},      {Label7, dtpCheckOut}, {Label8, Combo2},     {Label9, Text3},
        {Label12, dtpExpiry}, {Label10, Text6},      {Label11, Text7}};
    for (const auto& [l, field] : labelled)
        nameAfterLabel(l, field);
    nameByCaptions(this);
}

void Form2::connectHandlers() {
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option3_Click();
    });
    // The date rule runs on a typed date once it is complete, not on each key's part of it; a
    // date set otherwise (the calendar, a step, the load) has it at once.
    connect(dtpCheckIn, &QDateEdit::dateChanged, this, [this] {
        if (!dateTyping(dtpCheckIn)->typing()) dtpCheckIn_Change();
    });
    connect(dtpCheckOut, &QDateEdit::dateChanged, this, [this] {
        if (!dateTyping(dtpCheckOut)->typing()) dtpCheckOut_Change();
    });
    connect(dateTyping(dtpCheckIn), &DateTyping::completed, this, [this] { dtpCheckIn_Change(); });
    connect(dateTyping(dtpCheckOut), &DateTyping::completed, this,
            [this] { dtpCheckOut_Change(); });
    connect(dtpCheckIn->calendarWidget(), &QCalendarWidget::clicked, this,
            [this] { dtpCheckIn_Click(); });
    connect(dtpCheckOut->calendarWidget(), &QCalendarWidget::clicked, this,
            [this] { dtpCheckOut_Click(); });
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton4, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(PushButton5, &QPushButton::clicked, this, [this] { PushButton5_Click(); });
}

// The hand over the push buttons, the default pointer over the window and its frames.
void Form2::watchPointers() {
    m_pointer = new PointerFeedback(this);
    for (QGroupBox* f : {Frame1, Frame2, Frame3, Frame4})
        m_pointer->watch(f, kPointerDefault);
    for (QPushButton* b : {PushButton1, PushButton4, PushButton5})
        m_pointer->watch(b, kPointerHand);
}

void Form2::Form_Load() {
    Procedure proc(m_session.dialogs, kFormLoad);
    const QString handFile = m_session.places.handPointerFile();

    proc.step(100, [&] { ApplyClassicColours(this); });
    proc.step(102, [&] { setWindowIcon(applicationIcon()); });
    if (proc.test(106, [&] { return PathExists(handFile); }))
        proc.step(108, [&] { m_pointer->setMouseIcon(loadCursorFile(handFile)); });
    proc.step(110, [&] { dtpCheckIn->setDate(QDate::currentDate()); });
    proc.step(112, [&] { dtpCheckOut->setDate(QDate::currentDate()); });
    proc.step(114, [&] { Option1_Click(); });
    if (proc.test(116, [&] { return !mHotelID.isEmpty(); }))
        proc.step(118, [&] { LoadGuestRecord(); });
    proc.step(120, [&] { dtpExpiry->setDate(QDate::currentDate()); });
}

void Form2::LoadGuestRecord() {
    // Only a whole number may reach the statement (Save refuses any other key too).
    const QString& id = checkedId(mHotelID);
    // Until the row is read, Save must not replace it unasked.
    m_unshownValues = true;
    // Read before the row itself: a change in between shows up as a change at Save, never the
    // other way round.
    m_readRow = readRowVersion(m_session.connection(), id);
    ResultSet rs;
    rs.open(statements::selectById(id), m_session.connection());
    m_unshownValues = false;
    // Each control on its own: a value that cannot be shown leaves only its control as it was,
    // and the first such failure passes to the caller once every other control is filled.
    std::optional<Failure> first;
    const auto load = [&](const std::function<void()>& fill) {
        try {
            fill();
        } catch (const Failure& failure) {
            m_unshownValues = true;
            if (!first) first = failure;
        }
    };
    if (!rs.eof()) {
        load([&] { setStoredText(Text1, rs.text("GuestName")); });
        load([&] {
            if (const std::optional<GuestKind> kind = kindOfWord(rs.text("Accommodation"))) {
                QRadioButton* options[] = {Option1, Option2, Option3};
                options[int(*kind)]->setChecked(true);
            }
        });
        load([&] { setStoredText(Text2, rs.text("NoOfRooms")); });
        load([&] {
            const QString type = rs.text("Type");
            if (type.isEmpty()) {
                Combo1->setCurrentIndex(-1);
            } else {
                // The list offers only the kind's types.
                const int index = Combo1->findText(type, Qt::MatchExactly | Qt::MatchCaseSensitive);
                if (index < 0) throw Failure(kInvalidPropertyValue);
                Combo1->setCurrentIndex(index);
            }
        });
        load([&] { setStoredText(Combo2->lineEdit(), rs.text("CreditCardType"), false); });
        load([&] { setStoredText(Text3, rs.text("CreditCardNo")); });
        load([&] { setStoredText(Text4, rs.text("NoOfPersons")); });
        load([&] { setStoredText(Text5, rs.text("ServiceIncluded")); });
        // Dates go to the pickers as dates: no text form can shift them to another century.
        load([&] { dtpCheckIn->setDate(storedDate(rs.text("CheckInDate"))); });
        load([&] { dtpCheckOut->setDate(storedDate(rs.text("CheckOutDate"))); });
        load([&] { setStoredText(Text6, rs.text("PhoneNumber")); });
        load([&] { setStoredText(Text7, rs.text("Address")); });
    }
    if (rs.state() != 0) rs.close();
    if (first) throw *first;
}

void Form2::showKind(GuestKind kind) {
    const KindDetails& details = kindDetails(kind);
    Label2->setText(kindText(details.countCaption));
    Label3->setText(kindText(details.typeCaption));
    fitLabel(Label2);
    fitLabel(Label3);
    nameAfterLabel(Label2, Text2);
    nameAfterLabel(Label3, Combo1);
    Combo1->clear();
    Combo1->addItems(details.types);
    Combo1->setCurrentIndex(-1);
}

void Form2::Option1_Click() {
    showKind(GuestKind::Rooms);
}
void Form2::Option2_Click() {
    showKind(GuestKind::Wings);
}
void Form2::Option3_Click() {
    showKind(GuestKind::MeetingHall);
}

// Check-in never lies after check-out: moving one date past the other brings the other along.
void Form2::dtpCheckIn_Change() {
    if (dtpCheckIn->date() > dtpCheckOut->date()) dtpCheckOut->setDate(dtpCheckIn->date());
}

void Form2::dtpCheckIn_Click() {
    dtpCheckIn_Change();
}

void Form2::dtpCheckOut_Change() {
    if (dtpCheckOut->date() < dtpCheckIn->date()) dtpCheckIn->setDate(dtpCheckOut->date());
}

void Form2::dtpCheckOut_Click() {
    dtpCheckOut_Change();
}

void Form2::PushButton1_Click() {
    Procedure proc(m_session.dialogs, kHelp);
    proc.step(100, [&] {
        m_session.dialogs.notify(
            tr("If you need fields added to this form, please email me at %1").arg(kSupportEmail));
    });
}

void Form2::PushButton4_Click() {
    // A date typed just before is complete now: the date rule applies before the checks.
    for (QDateEdit* picker : {dtpCheckIn, dtpCheckOut, dtpExpiry})
        dateTyping(picker)->finish();
    Procedure proc(m_session.dialogs, kSave);
    Dialogs& dialogs = m_session.dialogs;

    QString kind;
    if (proc.test(100, [&] { return Option1->isChecked(); }))
        proc.step(102, [&] { kind = kindDetails(GuestKind::Rooms).word; });
    else if (proc.test(104, [&] { return Option2->isChecked(); }))
        proc.step(106, [&] { kind = kindDetails(GuestKind::Wings).word; });
    else if (proc.test(108, [&] { return Option3->isChecked(); }))
        proc.step(110, [&] { kind = kindDetails(GuestKind::MeetingHall).word; });

    // The first failed check stops the save; the editor stays open with everything as typed.
    const GuestEntry typed = entry(kind);
    for (const GuestCheck& check : saveChecks(kind, QDate::currentDate())) {
        if (proc.test(check.testLine, [&] { return check.fails(typed); })) {
            proc.step(check.messageLine, [&] { dialogs.notify(check.message); });
            if (check.focus != GuestField::None)
                proc.step(check.focusLine, [&] { fieldWidget(check.focus)->setFocus(); });
            return;
        }
    }
    if (QWidget* box = boxWithNul()) {
        proc.step(kServerTextLine, [&] {
            dialogs.notify(tr("The field \"%1\" holds a NUL character, which the database server "
                              "cannot store. Retype the field, then save again.")
                               .arg(box->accessibleName()));
        });
        proc.step(kServerTextLine, [&] { box->setFocus(); });
        return;
    }
    if (!confirmAvailability(proc, kind)) return;

    const bool editing = proc.test(168, [&] { return !mHotelID.isEmpty(); });
    // Values the load could not show would be replaced by what the controls hold instead.
    if (editing && m_unshownValues) {
        bool replace = false;
        proc.step(169, [&] {
            replace = dialogs.askDefaultNo(
                tr("Some stored values of this reservation could not be shown, and saving will "
                   "replace them. Save anyway?"));
        });
        if (!replace) return;
    }
    // The stay's new nights are priced in the save's own transaction.
    const auto insert = [&] {
        Connection& connection = m_session.connection();
        saveAndPrice(connection, 0, StayCommands::deskName(), [&] {
            return connection.execute(statements::insert(guestValues(entry(kind))));
        });
    };
    int changed = -1;
    const bool written = editing
                             ? proc.step(170, [&] { changed = saveEdit(guestValues(entry(kind))); })
                             : proc.step(172, insert);
    // A statement that failed has been reported: nothing was stored, so keep what was typed.
    if (!written || changed == kNotSaved) return;
    if (editing && changed == 0) {
        proc.step(170, [&] {
            dialogs.notify(tr("This reservation no longer exists, so nothing was saved."));
        });
        // The list shows the row is gone; what was typed can still become a reservation.
        proc.step(171, [&] { m_mainWindow.listRooms(); });
        bool asNew = false;
        proc.step(171, [&] {
            asNew = dialogs.askDefaultNo(tr("Save what you typed as a new reservation?"));
        });
        if (!asNew || !proc.step(172, insert)) return;
    }
    proc.step(174, [&] { dialogs.notify(tr("Successfully Saved.")); });
    proc.step(176, [&] { m_mainWindow.listRooms(); });
    proc.step(178, [&] { accept(); });
    m_mainWindow.backUpAfterSave();
}

bool Form2::confirmAvailability(Procedure& proc, const QString& kindWord) {
    // A key that is not a whole number is reported by the update itself.
    if (!m_session.dbConnection || (!mHotelID.isEmpty() && !isWholeNumberId(mHotelID))) return true;
    const qint64 edited = mHotelID.isEmpty() ? 0 : mHotelID.toLongLong();
    const std::optional<Overbooking> overbooking =
        overbookingOnSave(*m_session.dbConnection, entry(kindWord), edited);
    if (!overbooking) return true;
    Answer answer = Answer::No;
    proc.step(kAvailabilityLine, [&] {
        answer = m_session.dialogs.show(
            {overbookingQuestion(*overbooking), {}, Buttons::YesNo, Icon::Warning, Answer::No});
    });
    return answer == Answer::Yes;
}

QWidget* Form2::boxWithNul() const {
    // The file keeps a NUL (the statement joins it in as char(0)); a server's text cannot.
    if (!m_session.dbConnection || m_session.dbConnection->state() == 0 ||
        m_session.dbConnection->has(Capability::TextWithNul))
        return nullptr;
    const std::pair<QWidget*, QString> boxes[] = {
        {Text1, Text1->text()}, {Text5, Text5->text()}, {Combo2, Combo2->currentText()},
        {Text3, Text3->text()}, {Text6, Text6->text()}, {Text7, Text7->toPlainText()}};
    for (const auto& [box, text] : boxes)
        if (text.contains(QChar(0))) return box;
    return nullptr;
}

int Form2::saveEdit(const GuestValues& values) {
    Connection& connection = m_session.connection();
    const QString& id = checkedId(mHotelID);
    const QString desk = StayCommands::deskName();
    const auto update = [&] { return connection.execute(statements::update(values, id)); };
    if (!m_readRow) return saveAndPrice(connection, id.toLongLong(), desk, update);
    // The row stays locked from this check to the update, so no save slips in between.
    std::optional<RowVersion> now;
    QString changes;
    {
        RowLock lock(connection, id);
        now = lock.row();
        changes = now ? changedFields(*m_readRow, *now) : QString();
        if (now && (now->version == m_readRow->version || changes.isEmpty())) {
            const int changed = update();
            if (changed > 0) priceStay(connection, id.toLongLong(), desk);
            lock.commit();
            return changed;
        }
    }
    // On the file a deleted row takes the way of an update that found no row.
    if (!now && !connection.has(Capability::SharedDatabase)) return 0;
    const QString question =
        now ? tr("Another desk changed this reservation after you opened it: %1.\n\n"
                 "Save your entries over its changes?")
                  .arg(changes)
            : tr("Another desk deleted this reservation after you opened it.\n\n"
                 "Save your entries as a new reservation?");
    if (m_session.dialogs.show({question, {}, Buttons::YesNo, Icon::Question, Answer::No}) !=
        Answer::Yes)
        return kNotSaved;
    if (!now)
        return saveAndPrice(connection, 0, desk,
                            [&] { return connection.execute(statements::insert(values)); });
    return saveAndPrice(connection, id.toLongLong(), desk, update);
}

void Form2::PushButton5_Click() {
    Procedure proc(m_session.dialogs, kCancel);
    proc.step(100, [&] { done(QDialog::Rejected); });
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // Esc presses Cancel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        PushButton5_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

int Form2::MousePointer() const {
    return m_pointer->shape();
}

GuestEntry Form2::entry(const QString& kindWord) const {
    GuestEntry e;
    e.kindWord = kindWord;
    e.guestName = Text1->text();
    e.count = Text2->text();
    e.type = Combo1->currentText();
    e.creditCardType = Combo2->currentText();
    e.creditCardNo = Text3->text();
    e.persons = Text4->text();
    e.serviceIncluded = Text5->text();
    e.phoneNumber = Text6->text();
    e.address = Text7->toPlainText();
    e.checkIn = dtpCheckIn->date();
    e.checkOut = dtpCheckOut->date();
    e.expiry = dtpExpiry->date();
    return e;
}

QWidget* Form2::fieldWidget(GuestField field) const {
    switch (field) {
    case GuestField::Text1:
        return Text1;
    case GuestField::Text2:
        return Text2;
    case GuestField::Combo1:
        return Combo1;
    case GuestField::Combo2:
        return Combo2;
    case GuestField::Text3:
        return Text3;
    case GuestField::Text4:
        return Text4;
    case GuestField::Text6:
        return Text6;
    case GuestField::Text7:
        return Text7;
    case GuestField::None:
        break;
    }
    return nullptr;
}

// The limit stops typing only: a longer stored value is shown whole, and saved back whole, line
// breaks and all.
void Form2::setStoredText(QLineEdit* box, const QString& text, bool limited) {
    if (limited) box->setMaxLength(std::max<int>(kGuestTextLimit, int(text.size())));
    setTextAsStored(box, text);
    box->setCursorPosition(0);
}

void Form2::setStoredText(QPlainTextEdit* box, const QString& text) {
    m_settingText = true;
    box->setPlainText(text);
    m_settingText = false;
}

// A multi-line box has no length limit of its own: whatever typing, pasting or dropping adds
// beyond the limit is taken off the end of what was just inserted (where the cursor stands), in
// the same undo step. A longer stored text stays whole but cannot grow.
void Form2::limitTyping(QPlainTextEdit* box) {
    auto before = std::make_shared<int>(0); // the length after the last change
    connect(box, &QPlainTextEdit::textChanged, this, [this, box, before] {
        const int length = int(box->toPlainText().size());
        const int cut = std::min(length - kGuestTextLimit, length - *before);
        if (m_settingText || cut <= 0) {
            *before = length;
            return;
        }
        QTextCursor cursor = box->textCursor();
        const int end = cursor.position();
        cursor.joinPreviousEditBlock();
        cursor.setPosition(std::max(0, end - cut));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.endEditBlock();
    });
}

} // namespace corvanna
