#pragma once

#include <QStyledItemDelegate>

namespace forms {

// Paints a selected item in the palette's highlight, as a classic list box does,
// whether or not its list has the focus. Styles otherwise fade it once the focus
// moves on (Windows' to a light grey), or, as the Windows Vista style does, draw it
// in a pale colour of their own.
class HighlightDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

} // namespace forms
