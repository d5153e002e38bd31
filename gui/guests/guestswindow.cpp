#include "gui/guests/guestswindow.h"

#include "base/dates.h"
#include "base/dialogs.h"
#include "base/report.h"
#include "gui/frame/session.h"
#include "gui/guests/guestcommands.h"
#include "gui/money/amounts.h"
#include "gui/money/moneyaccess.h"
#include "gui/stays/staycommands.h"
#include "list/findindex.h"
#include "store/money.h"

#include <QAbstractTableModel>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace corvanna {

namespace {

constexpr int kIdRole = Qt::UserRole;
// A date picker at its earliest date shows nothing: the profile has no such date.
const QDate kNoDate(1800, 1, 1);
const QDate kLatestDate(9999, 12, 31);
constexpr int kWindowWidth = 900;
constexpr int kWindowHeight = 560;

QDateEdit* optionalDate(QWidget* parent, const char* name) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(shortDateFormat());
    edit->setDateRange(kNoDate, kLatestDate);
    edit->setSpecialValueText(QStringLiteral(" "));
    edit->setDate(kNoDate);
    return edit;
}

QDate dateOf(const QDateEdit* edit) {
    return edit->date() == kNoDate ? QDate() : edit->date();
}

QString dateText(const QDate& date) {
    return date.isValid() ? QLocale().toString(date, shortDateFormat()) : QString();
}

// The texts the desk finds a profile by, folded as the list's find folds them.
std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

// The profiles the find shows, by their place in the window's profiles: a keystroke replaces a
// list of numbers, never a widget per profile (a long history holds hundreds of thousands).
class GuestListModel final : public QAbstractTableModel {
public:
    GuestListModel(const std::vector<Guest>& guests, QObject* parent)
        : QAbstractTableModel(parent)
        , m_guests(guests) {}

    void show(std::vector<quint32> rows) {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    // The row of a profile in what is shown; -1 when it is not shown.
    int rowOf(qint64 id) const {
        for (size_t r = 0; r < m_rows.size(); ++r)
            if (m_guests[m_rows[r]].id == id) return int(r);
        return -1;
    }
    void changed(qint64 id) {
        const int row = rowOf(id);
        if (row >= 0) emit dataChanged(index(row, 0), index(row, kColumns - 1));
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || size_t(index.row()) >= m_rows.size()) return {};
        const Guest& guest = m_guests[m_rows[size_t(index.row())]];
        if (role == kIdRole) return guest.id;
        if (role != Qt::DisplayRole) return {};
        switch (index.column()) {
        case 0:
            return guest.name;
        case 1:
            return guest.phone;
        default:
            return guest.email;
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        switch (section) {
        case 0:
            return GuestsWindow::tr("Name");
        case 1:
            return GuestsWindow::tr("Phone");
        default:
            return GuestsWindow::tr("E-mail");
        }
    }

private:
    static constexpr int kColumns = 3;
    const std::vector<Guest>& m_guests;
    std::vector<quint32> m_rows;
};

GuestsWindow::~GuestsWindow() = default;

GuestsWindow::GuestsWindow(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session) {
    setObjectName(QStringLiteral("Guests"));
    setWindowTitle(tr("Guests"));

    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("guestFind"));
    m_find->setAccessibleName(tr("Find"));
    m_find->setPlaceholderText(tr("Name, phone, e-mail, address"));
    m_find->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(tr("F&ind:"), this);
    findLabel->setBuddy(m_find);

    m_model = new GuestListModel(m_guests, this);
    m_list = new QTreeView(this);
    m_list->setModel(m_model);
    m_list->setObjectName(QStringLiteral("guestList"));
    m_list->setAccessibleName(tr("Guest profiles"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);

    const auto line = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    m_name = line("guestName");
    m_phone = line("guestPhone");
    m_email = line("guestEmail");
    m_address = line("guestAddress");
    m_nationality = line("guestNationality");
    m_birthDate = optionalDate(this, "guestBirthDate");
    m_docType = line("guestDocType");
    m_docNumber = line("guestDocNumber");
    m_docCountry = line("guestDocCountry");
    m_docExpiry = optionalDate(this, "guestDocExpiry");
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("guestNote"));
    m_note->setTabChangesFocus(true);
    auto* fields = new QFormLayout;
    const std::pair<const char*, QWidget*> rows[] = {{QT_TR_NOOP("&Name:"), m_name},
                                                     {QT_TR_NOOP("&Phone:"), m_phone},
                                                     {QT_TR_NOOP("E-m&ail:"), m_email},
                                                     {QT_TR_NOOP("A&ddress:"), m_address},
                                                     {QT_TR_NOOP("Nationa&lity:"), m_nationality},
                                                     {QT_TR_NOOP("Date of &birth:"), m_birthDate},
                                                     {QT_TR_NOOP("Document &type:"), m_docType},
                                                     {QT_TR_NOOP("Document n&umber:"), m_docNumber},
                                                     {QT_TR_NOOP("Issued b&y:"), m_docCountry},
                                                     {QT_TR_NOOP("&Valid until:"), m_docExpiry},
                                                     {QT_TR_NOOP("N&ote:"), m_note}};
    for (const auto& [label, widget] : rows) {
        auto* text = new QLabel(tr(label), this);
        text->setBuddy(widget);
        widget->setAccessibleName(tr(label).remove(QLatin1Char('&')).chopped(1));
        fields->addRow(text, widget);
    }
    m_note->setMaximumHeight(m_note->fontMetrics().lineSpacing() * 3);

    m_stays = new QTreeWidget(this);
    m_stays->setObjectName(QStringLiteral("guestStays"));
    m_stays->setAccessibleName(tr("Stays"));
    m_stays->setHeaderLabels({tr("Check-in"), tr("Check-out"), tr("Nights"), tr("Status"),
                              tr("Role"), tr("Type"), tr("Spent")});
    m_stays->setRootIsDecorated(false);

    m_save = new QPushButton(tr("&Save Guest"), this);
    m_save->setObjectName(QStringLiteral("guestSave"));
    m_merge = new QPushButton(tr("&Merge…"), this);
    m_merge->setObjectName(QStringLiteral("guestMerge"));
    m_export = new QPushButton(tr("E&xport…"), this);
    m_export->setObjectName(QStringLiteral("guestExport"));
    m_erase = new QPushButton(tr("&Erase…"), this);
    m_erase->setObjectName(QStringLiteral("guestErase"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("guestClose"));
    for (QPushButton* b : {m_save, m_merge, m_export, m_erase, close})
        b->setAutoDefault(false);

    connect(m_find, &QLineEdit::textChanged, this, [this] { Find_Change(); });
    // Down from the find box goes to the profiles it found.
    auto* down = new QShortcut(QKeySequence(Qt::Key_Down), m_find);
    down->setContext(Qt::WidgetShortcut);
    connect(down, &QShortcut::activated, this, [this] { m_list->setFocus(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        showSelected();
        enableCommands();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showSelected(); });
    connect(m_save, &QPushButton::clicked, this, [this] { Save_Click(); });
    connect(m_merge, &QPushButton::clicked, this, [this] { Merge_Click(); });
    connect(m_export, &QPushButton::clicked, this, [this] { Export_Click(); });
    connect(m_erase, &QPushButton::clicked, this, [this] { Erase_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(m_find);
    auto* left = new QVBoxLayout;
    left->addLayout(findRow);
    left->addWidget(m_list);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addWidget(m_save, 0, Qt::AlignRight);
    right->addWidget(m_stays);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_merge);
    buttons->addWidget(m_export);
    buttons->addWidget(m_erase);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    setTabOrder(m_find, m_list);
    resize(kWindowWidth, kWindowHeight);
    m_find->setFocus();
    enableCommands();
}

void GuestsWindow::refresh(qint64 select) {
    if (select == 0) select = currentId();
    Procedure proc(m_session.dialogs, QStringLiteral("Guests.refresh"));
    m_model->show({});
    proc.step(100, [&] { m_guests = readGuests(m_session.connection()); });
    indexProfiles();
    showFound(select);
}

void GuestsWindow::indexProfiles() {
    m_index = std::make_unique<FindIndex>(QLocale());
    for (const Guest& g : m_guests)
        m_index->addRow(g.id, utf8(g.name), utf8(g.phone),
                        utf8(g.address + QLatin1Char(' ') + g.email), {});
}

void GuestsWindow::Find_Change() {
    showFound(currentId());
}

void GuestsWindow::showFound(qint64 select) {
    std::vector<quint32> found;
    if (m_index) found = m_index->match(findWords(m_find->text(), QLocale()));
    {
        const QSignalBlocker blocker(m_list->selectionModel());
        m_model->show(std::move(found));
    }
    // The profile chosen stays chosen while it is found; otherwise the first one found is.
    int row = m_model->rowOf(select);
    if (row < 0 && m_model->rowCount() > 0) row = 0;
    if (row >= 0)
        m_list->selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    showSelected();
    enableCommands();
}

std::vector<qint64> GuestsWindow::selectedIds() const {
    std::vector<qint64> ids;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        ids.push_back(index.data(kIdRole).toLongLong());
    return ids;
}

qint64 GuestsWindow::currentId() const {
    const QModelIndex current = m_list->selectionModel()->currentIndex();
    return current.isValid() && m_list->selectionModel()->isRowSelected(current.row())
               ? current.data(kIdRole).toLongLong()
               : 0;
}

void GuestsWindow::enableCommands() {
    const size_t selected = selectedIds().size();
    const Guest* shown = nullptr;
    for (const Guest& g : m_guests)
        if (g.id == m_shownId) shown = &g;
    const bool editable = selected == 1 && shown && !shown->erased;
    m_save->setEnabled(editable);
    m_merge->setEnabled(selected == 2);
    m_export->setEnabled(selected == 1);
    m_erase->setEnabled(editable);
}

void GuestsWindow::showSelected() {
    keepTyping();
    const qint64 id = selectedIds().size() == 1 ? selectedIds().front() : 0;
    m_shownId = id;
    Guest guest;
    for (const Guest& g : m_guests)
        if (g.id == id) guest = g;
    m_name->setText(guest.name);
    m_phone->setText(guest.phone);
    m_email->setText(guest.email);
    m_address->setText(guest.address);
    m_nationality->setText(guest.nationality);
    m_birthDate->setDate(guest.birthDate.isValid() ? guest.birthDate : kNoDate);
    m_docType->setText(guest.docType);
    m_docNumber->setText(guest.docNumber);
    m_docCountry->setText(guest.docCountry);
    m_docExpiry->setDate(guest.docExpiry.isValid() ? guest.docExpiry : kNoDate);
    m_note->setPlainText(guest.note);
    m_shown = typed();
    m_shownEditable = id != 0 && !guest.erased;
    m_stays->clear();
    if (id == 0) return;
    std::vector<GuestStay> stays;
    // What the guest spent on each stay: its nights and charges, voided ones left out.
    std::vector<QString> spent;
    Procedure(m_session.dialogs, QStringLiteral("Guests.showSelected")).step(100, [&] {
        Connection& connection = m_session.connection();
        stays = readGuestStays(connection, id);
        if (!hasMoneyTables(connection)) return;
        const QString currency = MoneyAccess::currency(connection);
        for (const GuestStay& stay : stays)
            spent.push_back(
                formatMoney(readFolio(connection, stay.reservationId).chargesCents, currency));
    });
    for (size_t i = 0; i < stays.size(); ++i) {
        const GuestStay& stay = stays[i];
        new QTreeWidgetItem(m_stays,
                            {dateText(stay.checkIn), dateText(stay.checkOut),
                             QLocale().toString(stay.nights), statusText(stay.status),
                             stay.role == QLatin1String("booker") ? tr("Booker") : tr("Guest"),
                             tr("%1, %2").arg(stay.kind, stay.type),
                             i < spent.size() ? spent[i] : QString()});
    }
}

Guest GuestsWindow::typed() const {
    Guest guest;
    guest.id = m_shownId;
    guest.name = m_name->text().trimmed();
    guest.phone = m_phone->text().trimmed();
    guest.email = m_email->text().trimmed();
    guest.address = m_address->text().trimmed();
    guest.nationality = m_nationality->text().trimmed();
    guest.birthDate = dateOf(m_birthDate);
    guest.docType = m_docType->text().trimmed();
    guest.docNumber = m_docNumber->text().trimmed();
    guest.docCountry = m_docCountry->text().trimmed();
    guest.docExpiry = dateOf(m_docExpiry);
    guest.note = m_note->toPlainText().trimmed();
    return guest;
}

void GuestsWindow::Save_Click() {
    if (m_shownId == 0) return;
    Procedure proc(m_session.dialogs, QStringLiteral("Guests.Save_Click"));
    const Guest guest = typed();
    if (guest.name.isEmpty()) {
        proc.step(100, [&] { m_session.dialogs.notify(tr("Please enter the guest's name.")); });
        m_name->setFocus();
        return;
    }
    if (proc.step(102, [&] { updateGuest(m_session.connection(), guest); })) {
        m_shownId = 0; // saved: nothing left to ask about
        refresh(guest.id);
    }
}

void GuestsWindow::keepTyping() {
    if (!m_shownEditable || m_shownId == 0) return;
    const Guest guest = typed();
    if (guest == m_shown) return;
    m_shownEditable = false; // asked once
    Procedure proc(m_session.dialogs, QStringLiteral("Guests.keepTyping"));
    bool save = false;
    proc.step(100, [&] {
        save =
            m_session.dialogs.ask(tr("Save the changes to the profile of %1?").arg(m_shown.name));
    });
    if (!save) return;
    if (guest.name.isEmpty()) {
        proc.step(102, [&] {
            m_session.dialogs.notify(
                tr("The changes were not saved, because the guest's name was empty."));
        });
        return;
    }
    if (!proc.step(104, [&] { updateGuest(m_session.connection(), guest); })) return;
    for (Guest& g : m_guests)
        if (g.id == guest.id) g = guest;
    indexProfiles();
    m_model->changed(guest.id);
}

void GuestsWindow::done(int result) {
    keepTyping();
    QDialog::done(result);
}

void GuestsWindow::Merge_Click() {
    const std::vector<qint64> ids = selectedIds();
    if (ids.size() != 2) return;
    // The profile the desk is on stays; the other one goes into it.
    const qint64 keep = currentId() == ids[1] ? ids[1] : ids[0];
    const qint64 gone = keep == ids[0] ? ids[1] : ids[0];
    const auto nameOf = [this](qint64 id) {
        for (const Guest& g : m_guests)
            if (g.id == id) return g.name;
        return QString();
    };
    Procedure proc(m_session.dialogs, QStringLiteral("Guests.Merge_Click"));
    bool merge = false;
    proc.step(100, [&] {
        merge = m_session.dialogs.askDefaultNo(
            tr("Merge the profile of %1 (no. %2) into the profile of %3 (no. %4)? Every stay of "
               "no. %2 moves to no. %4, and no. %2 is removed.")
                .arg(nameOf(gone))
                .arg(gone)
                .arg(nameOf(keep))
                .arg(keep));
    });
    if (merge && proc.step(102, [&] { mergeGuests(m_session.connection(), keep, gone); })) {
        m_shownId = 0;
        refresh(keep);
    }
}

void GuestsWindow::Export_Click() {
    const std::vector<qint64> ids = selectedIds();
    if (ids.size() == 1) GuestCommands::exportGuest(m_session, this, ids.front());
}

void GuestsWindow::Erase_Click() {
    if (m_shownId == 0) return;
    const qint64 id = m_shownId;
    Procedure proc(m_session.dialogs, QStringLiteral("Guests.Erase_Click"));
    ErasurePreview preview;
    if (!proc.step(100, [&] { preview = previewErasure(m_session.connection(), id); })) return;
    const QString question =
        tr("Erase everything held about %1? This cannot be undone.").arg(preview.name) +
        QStringLiteral("\n\n") +
        tr("The profile's name, phone, e-mail, address, birth date, document and note go.") +
        QLatin1Char('\n') +
        (preview.stays == 1
             ? tr("1 stay keeps its dates but loses the guest's name, address and phone.")
             : tr("%n stays keep their dates but lose the guest's name, address and phone.",
                  nullptr, preview.stays)) +
        QLatin1Char('\n') +
        (preview.cardNumbers == 1 ? tr("1 card number goes.")
                                  : tr("%n card numbers go.", nullptr, preview.cardNumbers));
    bool erase = false;
    proc.step(102, [&] { erase = m_session.dialogs.askDefaultNo(question); });
    if (erase &&
        proc.step(104, [&] { eraseGuest(m_session.connection(), id, StayCommands::deskName()); })) {
        m_shownId = 0;
        refresh(id);
    }
}

} // namespace corvanna
