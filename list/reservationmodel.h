#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvanna {

class FindIndex;
class RowCursor;

// The reservation list: one row per reservation, thirteen columns. Rows hold typed values (whole
// numbers, dates as day numbers, texts as UTF-8 in a shared arena) and cells are formatted only
// when the view asks, so a fill of a million rows costs little more than reading them.
class ReservationModel : public QAbstractTableModel {
    Q_OBJECT
    struct Store;

public:
    enum Column {
        Id,
        GuestName,
        Accommodation,
        NoOfRooms,
        Type,
        ServiceIncluded,
        NoOfPersons,
        CheckInDate,
        CheckOutDate,
        CreditCardType,
        CreditCardNo,
        PhoneNumber,
        Address,
        ColumnCount
    };
    enum SortOrder { Ascending = 0, Descending = 1 };

    explicit ReservationModel(QObject* parent = nullptr);
    ~ReservationModel() override;

    static QString headerCaption(int column); // "ID", "Guest Name", "Accomodation", ...
    static const char* fieldName(int column); // "id", "GuestName", ...

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A fill: beginFill() clears every row; append() adds the cursor's current row; endFill()
    // applies the sort state and shows the rows.
    void beginFill();
    void append(const RowCursor& cursor);
    void endFill();
    // A fill in two parts: showFirstRows() shows the rows appended so far (in the list's order,
    // the sort and find applied) and keeps the rows appended after it apart. beginRefill()
    // begins a fill that keeps the rows shown as they are. Either way endFill() then puts every
    // row of the fill in the place of the shown ones in one layout change: the selection and
    // every other persistent index follow their reservation, by id.
    void showFirstRows();
    void beginRefill();
    // Ends a fill begun by either, the rows shown staying as they are.
    void dropPending();

    // The rows of a fill read apart from the model, on another thread: filled there as append()
    // fills the model, touching nothing of it, and taken whole by endFill(FillRows).
    class FillRows {
    public:
        FillRows(FillRows&& other) noexcept;
        FillRows& operator=(FillRows&& other) noexcept;
        ~FillRows();
        void append(const RowCursor& cursor);
        size_t count() const;
        // Puts the names in the list's own order once every row is in, so that the model does
        // not have to when it takes them.
        void orderNames();

    private:
        friend class ReservationModel;
        FillRows(bool guestNameOrder, const QLocale& locale);
        std::unique_ptr<Store> m_store;
        bool m_guestNameOrder = false;
        QLocale m_locale;
    };
    // Empty rows to be read apart for a fill of this model.
    FillRows fillRows() const;
    // Ends a fill in parts with these rows in place of any appended since showFirstRows() or
    // beginRefill(); as endFill() otherwise.
    void endFill(FillRows rows);
    // True from beginFill() or beginRefill() to endFill().
    bool filling() const { return m_filling || m_pending != nullptr; }

    // Cells as the list shows them, rows in the list's order. Card numbers are masked unless
    // shown in full; the sort orders them as shown: masked, by their last four digits (the stored
    // number breaks ties), in full, by the stored number. For assistive technology
    // (Qt::AccessibleTextRole) a masked card number reads "card ending 0005".
    QString cellText(int row, int column) const;
    // The same with dates in ISO form (yyyy-mm-dd), as a file for other programs writes them.
    QString isoCellText(int row, int column) const;
    qint64 idAt(int row) const;
    // The row (in the list's order) that shows the reservation with this id, or -1.
    int rowOfId(qint64 id) const;
    // The row (in the list's order) of the first row the last fill added, or -1.
    int firstAddedRow() const;

    // The list's sort state: Sorted, SortKey (0 to 12), SortOrder. The fill never changes it.
    bool sorted() const { return m_sorted; }
    int sortKey() const { return m_sortKey; }
    int sortOrder() const { return m_sortOrder; }
    void setSortState(bool sorted, int key, int order);
    // A click on the header whose Index (position + 1) is given.
    void columnClick(int index);

    void setCardNumbersInFull(bool full);
    bool cardNumbersInFull() const { return m_cardNumbersInFull; }

    // The locale that formats dates and orders texts; the user's by default.
    void setLocale(const QLocale& locale);
    // On: every fill comes ordered by guest name, and the list shows the names in the locale's
    // collation, as a guest-name sort does (the engine's own order folds only ASCII letters);
    // names the collation finds equal follow their ids, so that both engines give one order.
    void setGuestNameOrder(bool on);
    // The next fill puts these reservations (ids in ascending order) after the others, the
    // list's order within each group, as a fill's "StayGroup" column 1 would; the fill after it
    // groups nothing again.
    void groupNextFill(std::vector<qint64> secondGroup);

    // Find: only the rows whose id, guest name, phone number, address or card's last four digits
    // hold every word of the text, ignoring case and accents, in the list's order; an empty text
    // shows every row. The find stays over later fills and sorts until it is changed. Rows that
    // stay shown keep their selection.
    void setFindText(const QString& text);
    const QString& findText() const { return m_findText; }
    // Rows of the last fill, shown or not.
    int filledRowCount() const;

private:
    struct Row;
    const Row& rowAt(int viewRow) const;
    // The fill position of a shown row.
    quint32 fillPositionOf(int viewRow) const;
    // Runs a change of the shown rows as one layout change; persistent indexes follow their
    // reservations (or end, for rows no longer shown).
    void
    relayout(const std::function<void()>& change,
             QAbstractItemModel::LayoutChangeHint hint = QAbstractItemModel::NoLayoutChangeHint);
    // The shown rows again after a fill, a sort or a new find text.
    void applyFind();
    void applySort();
    void rankTexts(int column);
    static void rankTexts(Store& s, int column, bool guestNameOrder, const QLocale& locale);
    static void rankDistinct(Store& s, int column, const std::vector<std::string_view>& distinct,
                             const QLocale& locale);
    void orderNames();
    static void orderNames(Store& s, bool guestNameOrder, const QLocale& locale);

    // The rows replace the shown ones at the fill's end.
    void takePending();
    static void appendTo(Store& store, const RowCursor& cursor, bool guestNameOrder);

    std::unique_ptr<Store> m_store;
    // The rows of a fill under way while other rows are shown.
    std::unique_ptr<Store> m_pending;
    bool m_filling = false;
    bool m_cardNumbersInFull = false;
    bool m_guestNameOrder = false;
    std::vector<qint64> m_nextSecondGroup; // taken by the next fill
    bool m_sorted = false;
    int m_sortKey = 0;
    int m_sortOrder = Ascending;
    QLocale m_locale;
    QString m_dateFormat;

    // Find: the text, its folded words, the index of the last fill (built at the first find),
    // the fill positions that match (ascending) and the shown list rows.
    QString m_findText;
    std::vector<std::string> m_findWords;
    std::vector<std::string> m_matchedWords; // the words m_matched answers
    std::unique_ptr<FindIndex> m_findIndex;
    std::vector<quint32> m_matched;
    std::vector<quint32> m_shown;
    bool m_finding = false;
};

} // namespace corvanna
