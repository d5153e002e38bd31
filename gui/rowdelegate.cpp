#include "gui/rowdelegate.h"

#include <QApplication>
#include <QStyle>

namespace corvanna {

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
