#pragma once

#include "RuntimeError.h"

class QWidget;

namespace forms {

// Tells the user of a run-time error in a modal message box, with its number and
// description, and returns when the box is closed.
void showRuntimeError(QWidget *parent, const RuntimeError &error);

} // namespace forms
