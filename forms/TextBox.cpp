#include "TextBox.h"

#include "QtConversions.h"

namespace forms {

TextBox::TextBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab moves on to the next control rather than staying in the text.
    setTabChangesFocus(true);
}

void TextBox::setText(std::string_view text)
{
    // Qt would take both CR and LF for line ends; a CR LF pair is one.
    QString lines = qtText(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(lines);
}

} // namespace forms
