#pragma once

#include "Rgb.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace forms {

enum class ControlKind { TextBox, Label, PictureBox, ListBox, CommandButton };

// One row of a window's design data. Lengths are in twips from the client area's
// top-left corner; rows stand in tab order.
struct ControlDesign {
    ControlKind kind;
    std::string_view name;
    // Set for a member of a control array, which shares its name with the others.
    std::optional<std::int16_t> index;
    int left;
    int top;
    int width;
    int height;
    // A caption or a text box's text.
    std::string_view text = {};
    std::span<const std::string_view> items = {};
    // Unset: the platform's own colour for that kind of control.
    std::optional<Rgb> backColor = {};
    bool visible = true;
    // What a screen reader calls the control where its text does not name it.
    std::string_view accessibleName = {};
};

} // namespace forms
