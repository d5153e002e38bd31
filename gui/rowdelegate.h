#pragma once

#include <QFont>
#include <QStyledItemDelegate>

namespace corvanna {

// Draws the list's cells as the standard delegate does, but takes the row height from the font
// alone: every row is one line, so a fill need not lay out the first row's thirteen texts to find
// the height of all rows.
class ListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    mutable QFont m_font;
    mutable int m_height = -1;
};

} // namespace corvanna
