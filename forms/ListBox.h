#pragma once

#include <QListWidget>

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// A single-selection list that, once an item is selected, always keeps one selected:
// Ctrl+click and Ctrl+Space, which would clear a Qt single-selection view, do not.
// Entering it, a screen reader hears the selected item as well as the list. The
// selected item shows in the highlight, focused or not.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void addItem(std::string_view text);
    std::int16_t listCount() const;
    // The selected item's index, or -1 before any is selected.
    std::int16_t listIndex() const;
    void setListIndex(std::int16_t index);
    std::string itemText(std::int16_t index) const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};

} // namespace forms
