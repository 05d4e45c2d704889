#pragma once

class QAction;
class QString;
class QWidget;

namespace forms {

// Turns on or off what a window offers. Off, it says why: in its tooltip, its status
// tip or, for a control, also to a screen reader as its description.
void offer(QAction &action, bool on, const QString &whyNot);
void offer(QWidget &control, bool on, const QString &whyNot);

// Gives the widget a context menu of its actions (by mouse, the Menu key or
// Shift+F10) in which the tooltip of the one pointed at shows: why it is off.
void offerActionsMenu(QWidget &widget);

} // namespace forms
