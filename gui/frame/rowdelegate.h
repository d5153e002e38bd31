#pragma once

#include <QFont>
#include <QString>
#include <QStyledItemDelegate>
#include <map>

class QAbstractItemView;

namespace corvanna {

// Draws the list's cells as the standard delegate does, but takes the row height from the font
// alone: every row is one line, so a fill need not lay out the first row's thirteen texts to find
// the height of all rows.
//
// It also gives its list (a tree view of reservations) the reading order of assistive
// technology: a row reads from the guest's name on, the id (the first column, practically
// hidden) last, and each cell as the model gives it for reading (Qt::AccessibleTextRole).
//
// Rows of reservations that no longer come (cancelled, no-show) are drawn greyed, and their
// guest's name reads with the status; the rows, their order and their texts stay the model's.
class ListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ListRowDelegate(QAbstractItemView* list);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The greyed reservations by id, each with the status it reads with.
    void setGreyedRows(std::map<qint64, QString> statusById);
    // The status a row reads with; empty for a row drawn as usual.
    QString greyedStatus(const QModelIndex& index) const;

private:
    std::map<qint64, QString> m_greyed;
    mutable QFont m_font;
    mutable int m_height = -1;
};

} // namespace corvanna
