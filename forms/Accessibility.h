#pragma once

class QWidget;

namespace forms {

// Gives screen readers the right roles for this layer's own controls: a form is a
// window, a picture box a graphic. Qt's widgets report their own.
void installAccessibleRoles();

// Makes a widget of a window's own a graphic to a screen reader, as a picture box is:
// an image whose name and description say what it shows.
void makeGraphic(QWidget &widget);

} // namespace forms
