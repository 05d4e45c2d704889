#pragma once

namespace forms {

// Gives screen readers the right roles for this layer's own controls: a form is a
// window, a picture box a graphic. Qt's widgets report their own.
void installAccessibleRoles();

} // namespace forms
