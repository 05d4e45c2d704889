#pragma once

#include "FormDesign.h"

// The design data of the Korvana window.
const forms::FormDesign &korvanaDesign();
