#include "gui/frame/rowdelegate.h"

#include "list/reservationmodel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QStyle>
#include <QTreeView>

namespace corvanna {

namespace {

// The text of a reservation that no longer comes (cancelled, no-show).
const QColor kEndedStayText{0x8f, 0x98, 0xa3};

// Marks a tree view whose rows read from the second column on.
const char* const kReadsFromSecondColumn = "corvannaReadsFromSecondColumn";

// The reading order: reading column k shows the model's column k + 1, and the first model
// column (the id) reads last. Children keep the places Qt's own tree gives them (a header row,
// then row after row, by the model's columns), so that the view's focus and selection events
// name the right cell.
int modelColumnOf(int readingColumn, int columns) {
    return (readingColumn + 1) % columns;
}
int readingColumnOf(int modelColumn, int columns) {
    return (modelColumn + columns - 1) % columns;
}

// One cell, or with row -1 one header section, of a list, by its place: a refill shows other rows
// in the same places.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(QTreeView* view, int row, int column)
        : m_view(view)
        , m_row(row)
        , m_column(column) {}

    bool isValid() const override {
        const QAbstractItemModel* model = m_view ? m_view->model() : nullptr;
        return model && m_column < model->columnCount() && m_row < model->rowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        const QAbstractItemModel* model = m_view->model();
        if (m_row < 0)
            return t == QAccessible::Name ? model->headerData(m_column, Qt::Horizontal).toString()
                                          : QString();
        const QModelIndex index = modelIndex();
        switch (t) {
        case QAccessible::Name: {
            QString reading = model->data(index, Qt::AccessibleTextRole).toString();
            if (reading.isEmpty()) reading = model->data(index, Qt::DisplayRole).toString();
            // A greyed row says why on the guest's name, the first cell it reads.
            const auto* rows = qobject_cast<const ListRowDelegate*>(m_view->itemDelegate());
            const QString status = rows && m_column == ReservationModel::GuestName
                                       ? rows->greyedStatus(index)
                                       : QString();
            return status.isEmpty() ? reading : ListRowDelegate::tr("%1, %2").arg(reading, status);
        }
        case QAccessible::Description:
            return model->data(index, Qt::AccessibleDescriptionRole).toString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        if (m_row < 0) {
            const QHeaderView* header = m_view->header();
            if (header->isHidden()) return {};
            return QRect(header->viewport()->mapToGlobal(
                             QPoint(header->sectionViewportPosition(m_column), 0)),
                         QSize(header->sectionSize(m_column), header->height()));
        }
        const QRect r = m_view->visualRect(modelIndex());
        return r.isNull() ? QRect() : r.translated(m_view->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override {
        return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State st;
        if (!isValid()) return st;
        const QRect shown(m_view->viewport()->mapToGlobal(QPoint(0, 0)),
                          m_view->viewport()->size());
        if (!shown.intersects(rect())) st.invisible = true;
        if (m_row < 0) return st;
        st.selectable = true;
        st.focusable = true;
        st.selected = isSelected();
        const QItemSelectionModel* selection = m_view->selectionModel();
        st.focused = selection && selection->currentIndex() == modelIndex();
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface && m_row >= 0
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        const QItemSelectionModel* selection = m_view ? m_view->selectionModel() : nullptr;
        return selection && selection->isRowSelected(m_row, QModelIndex());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* table = parent();
        QAccessibleInterface* header = table ? table->child(m_column) : nullptr;
        return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override {
        return isValid() ? readingColumnOf(m_column, m_view->model()->columnCount()) : -1;
    }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    int row() const { return m_row; }
    int column() const { return m_column; }

private:
    QModelIndex modelIndex() const { return m_view->model()->index(m_row, m_column); }

    QPointer<QTreeView> m_view;
    int m_row;
    int m_column; // the model's
};

// The list as assistive technology reads it: a table of the model's rows whose columns read in
// the reading order.
class ListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ListAccessible(QTreeView* view)
        : QAccessibleWidget(view, QAccessible::Table) {}

    // QAccessibleInterface
    int childCount() const override { return columnCount() * (rowCount() + 1); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || index >= childCount()) return nullptr;
        if (const auto known = m_cells.constFind(index); known != m_cells.constEnd())
            return QAccessible::accessibleInterface(known.value());
        auto* cell = new CellAccessible(view(), index / columns - 1, index % columns);
        m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CellAccessible*>(child);
        if (!cell || child->parent() != this) return -1;
        return (cell->row() + 1) * columnCount() + cell->column();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? cellOf(index) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = view()->currentIndex();
        return current.isValid() ? cellOf(current) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const int columns = columnCount();
        if (row < 0 || row >= rowCount() || column < 0 || column >= columns) return nullptr;
        return child((row + 1) * columns + modelColumnOf(column, columns));
    }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (const int row : selectedRows())
            for (int column = 0; column < columnCount(); ++column)
                cells << cellAt(row, column);
        return cells;
    }
    QString columnDescription(int column) const override {
        const int columns = columnCount();
        if (column < 0 || column >= columns) return {};
        return view()
            ->model()
            ->headerData(modelColumnOf(column, columns), Qt::Horizontal)
            .toString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override {
        return view()->model() ? view()->model()->columnCount() : 0;
    }
    int rowCount() const override { return view()->model() ? view()->model()->rowCount() : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        if (const QItemSelectionModel* selection = view()->selectionModel())
            for (const QModelIndex& index : selection->selectedRows())
                rows << index.row();
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override {
        const QItemSelectionModel* selection = view()->selectionModel();
        return selection && selection->isRowSelected(row, QModelIndex());
    }
    bool selectRow(int row) override {
        QItemSelectionModel* selection = view()->selectionModel();
        if (!selection || row < 0 || row >= rowCount()) return false;
        selection->setCurrentIndex(view()->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; } // one row stays selected
    bool unselectColumn(int) override { return false; }
    // Cells stand for places, so only the places that are gone are let go.
    void modelChange(QAccessibleTableModelChangeEvent*) override {
        const int count = childCount();
        for (auto cell = m_cells.begin(); cell != m_cells.end();) {
            if (cell.key() < count) {
                ++cell;
                continue;
            }
            QAccessible::deleteAccessibleInterface(cell.value());
            cell = m_cells.erase(cell);
        }
    }

protected:
    ~ListAccessible() override {
        for (const QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

private:
    QTreeView* view() const { return static_cast<QTreeView*>(widget()); }
    QAccessibleInterface* cellOf(const QModelIndex& index) const {
        return child((index.row() + 1) * columnCount() + index.column());
    }

    mutable QHash<int, QAccessible::Id> m_cells;
};

QAccessibleInterface* listAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QTreeView") || !object ||
        !object->property(kReadsFromSecondColumn).toBool())
        return nullptr;
    return new ListAccessible(static_cast<QTreeView*>(object));
}

} // namespace

ListRowDelegate::ListRowDelegate(QAbstractItemView* list)
    : QStyledItemDelegate(list) {
    auto* tree = qobject_cast<QTreeView*>(list);
    if (!tree) return;
    static const bool installed = [] {
        QAccessible::installFactory(listAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    tree->setProperty(kReadsFromSecondColumn, true);
    // Accessibility events while the view was built may have made it the plain interface.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(tree);
    if (made && !dynamic_cast<ListAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void ListRowDelegate::setGreyedRows(std::map<qint64, QString> statusById) {
    m_greyed = std::move(statusById);
    if (auto* view = qobject_cast<QAbstractItemView*>(parent())) view->viewport()->update();
}

QString ListRowDelegate::greyedStatus(const QModelIndex& index) const {
    if (m_greyed.empty() || !index.isValid()) return {};
    const auto* model = dynamic_cast<const ReservationModel*>(index.model());
    if (!model) return {};
    const auto found = m_greyed.find(model->idAt(index.row()));
    return found == m_greyed.end() ? QString() : found->second;
}

void ListRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    if (greyedStatus(index).isEmpty()) return QStyledItemDelegate::paint(painter, option, index);
    // The text's colour is set on the option itself: a style sheet's colour for the list would
    // otherwise win over the disabled state.
    QStyleOptionViewItem greyed(option);
    initStyleOption(&greyed, index);
    greyed.state &= ~QStyle::State_Enabled;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        greyed.palette.setColor(group, QPalette::Text, kEndedStayText);
    const QWidget* widget = option.widget;
    (widget ? widget->style() : QApplication::style())
        ->drawControl(QStyle::CE_ItemViewItem, &greyed, painter, widget);
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    if (m_height < 0 || option.font != m_font) {
        // One line of text as the style draws it, measured once for the font.
        QStyleOptionViewItem line(option);
        line.features |= QStyleOptionViewItem::HasDisplay;
        line.text = QStringLiteral("Xg");
        const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        m_height = style->sizeFromContents(QStyle::CT_ItemViewItem, &line, QSize(), option.widget)
                       .height();
        m_font = option.font;
    }
    // The width still follows the text, for a column sized to its contents.
    const int margin = 2 * (option.widget ? option.widget->style() : QApplication::style())
                               ->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, option.widget) +
                       2;
    const QString text = index.data(Qt::DisplayRole).toString();
    return {option.fontMetrics.horizontalAdvance(text) + 2 * margin, m_height};
}

} // namespace corvanna
