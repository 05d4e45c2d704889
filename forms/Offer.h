#pragma once

#include <QString>

class QAction;
class QWidget;

namespace forms {

// Turns on or off what a window offers. Off, it says why: in its tooltip, its status
// tip or, for a control, also to a screen reader as its description.
void offer(QAction &action, bool on, const QString &whyNot);
// On, a control's tooltip says what it does, where given.
void offer(QWidget &control, bool on, const QString &whyNot, const QString &whatItDoes = {});

// Gives the widget a context menu of its actions (by mouse, the Menu key or
// Shift+F10) in which the tooltip of the one pointed at shows: why it is off.
void offerActionsMenu(QWidget &widget);

} // namespace forms
