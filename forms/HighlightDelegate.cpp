#include "HighlightDelegate.h"

#include <QPainter>

namespace forms {

void HighlightDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    if (!(option.state & QStyle::State_Selected)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The style draws the item as unselected, in the highlight's own text colour, on
    // the highlight filled here: the active one, as a view's colour group turns
    // inactive whenever it lacks the focus.
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled;
    painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    QStyleOptionViewItem item = option;
    item.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver);
    item.palette.setBrush(QPalette::Text, option.palette.brush(group, QPalette::HighlightedText));
    QStyledItemDelegate::paint(painter, item, index);
}

} // namespace forms
