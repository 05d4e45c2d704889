#pragma once

#include "ControlDesign.h"
#include "Rgb.h"

#include <span>
#include <string_view>

namespace forms {

struct FontDesign {
    std::string_view family;
    int pointSize;
    int weight; // 100 to 900; 400 is regular
};

// A window's design data: its frame, its look, and the controls it is built with.
struct FormDesign {
    std::string_view caption;
    // What a screen reader calls the window, where the caption reads badly aloud.
    std::string_view spokenName;
    int clientWidth;  // twips
    int clientHeight; // twips
    Rgb backColor;
    // Every control shows its text in the window's font.
    FontDesign font;
    // An XPM picture, kept as reviewable text.
    const char *const *icon;
    std::span<const ControlDesign> controls;
};

} // namespace forms
