#pragma once

#include "ControlDesign.h"
#include "Rgb.h"

#include <span>
#include <string_view>

namespace forms {

// A window's design data: its frame and the controls it is built with.
struct FormDesign {
    std::string_view caption;
    int clientWidth;  // twips
    int clientHeight; // twips
    std::span<const ControlDesign> controls;
};

} // namespace forms
