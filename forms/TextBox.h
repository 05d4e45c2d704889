#pragma once

#include <QPlainTextEdit>

#include <string_view>

namespace forms {

// A read-only text box whose text can still be selected and copied. A new line
// starts at each CR LF pair; long lines wrap, and a vertical scroll bar appears
// when the text is longer than the box.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    void setText(std::string_view text);
};

} // namespace forms
