#include "ListBox.h"

#include "HighlightDelegate.h"
#include "QtConversions.h"
#include "RuntimeError.h"

#include <QAccessible>

namespace forms {

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The chosen item stays plain to see after the focus moves on, to a button say.
    setItemDelegate(new HighlightDelegate(this));
}

void ListBox::addItem(std::string_view text)
{
    QListWidget::addItem(qtText(text));
}

std::int16_t ListBox::listCount() const
{
    return std::int16_t(count());
}

std::int16_t ListBox::listIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? std::int16_t(-1) : std::int16_t(row(selected.first()));
}

void ListBox::setListIndex(std::int16_t index)
{
    if (index < 0 || index >= count())
        throw RuntimeError::invalidPropertyValue();
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

std::string ListBox::itemText(std::int16_t index) const
{
    if (index < 0 || index >= count())
        throw RuntimeError::invalidPropertyArrayIndex();
    return item(index)->text().toStdString();
}

void ListBox::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    // Qt reports the focus on the list alone, so a screen reader names the list but
    // not its value. The selected item is where the keyboard acts; it is reported
    // once Qt has reported the list.
    QMetaObject::invokeMethod(this, [this] {
        const int selected = listIndex();
        if (selected >= 0 && hasFocus() && QAccessible::isActive()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(selected);
            QAccessible::updateAccessibility(&focus);
        }
    }, Qt::QueuedConnection);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index,
                                                              const QEvent *event) const
{
    // A press outside the items, or a toggle or deselect on the selected one, would
    // leave nothing selected; anything that selects selects that item alone.
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (command & (QItemSelectionModel::Toggle | QItemSelectionModel::Deselect))
        return QItemSelectionModel::ClearAndSelect;
    return command;
}

} // namespace forms
