#include "CommandButton.h"

namespace forms {

CommandButton::CommandButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    // Enter presses the focused button, as Space does.
    setAutoDefault(true);
}

} // namespace forms
