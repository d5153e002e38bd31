#pragma once

#include <QFont>
#include <QStyledItemDelegate>

class QAbstractItemView;

namespace corvanna {

// Draws the list's cells as the standard delegate does, but takes the row height from the font
// alone: every row is one line, so a fill need not lay out the first row's thirteen texts to find
// the height of all rows.
//
// It also gives its list (a tree view of reservations) the reading order of assistive
// technology: a row reads from the guest's name on, the id (the first column, practically
// hidden) last, and each cell as the model gives it for reading (Qt::AccessibleTextRole).
class ListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ListRowDelegate(QAbstractItemView* list);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    mutable QFont m_font;
    mutable int m_height = -1;
};

} // namespace corvanna
