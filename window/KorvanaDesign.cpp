#include "KorvanaDesign.h"

#include <array>
#include <string_view>

namespace {

using enum forms::ControlKind;

constexpr std::array<std::string_view, 19> frequencies = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
    "11", "12", "13", "14", "15", "16", "17", "18", "19",
};

// In tab order; lengths in twips.
const std::array<forms::ControlDesign, 10> controls = {{
    // kind          name        index  left   top  width height  text
    {TextBox,       "Text1",    0,      120, 3840,  6735, 2415, ""},
    {TextBox,       "Text1",    1,      600, 4680,  6735, 1815, "", {}, {}, false},
    {Label,         "Label1",   0,     1320,    0,  4575,  375, "Korvana"},
    {PictureBox,    "Picture1", {},     120,  480,  3200, 3200},
    {ListBox,       "List1",    0,     4080, 1080,   855, 1485, "", frequencies},
    {Label,         "Label1",   1,     4080,  720,   855,  375, "X"},
    {ListBox,       "List1",    1,     6000, 1080,   855, 1485, "", frequencies},
    {Label,         "Label1",   2,     6000,  720,   855,  375, "Y"},
    {CommandButton, "Command1", 0,     4080, 2760,  1335,  495, "Изведи"},
    {CommandButton, "Command1", 1,     5520, 3240,  1335,  495, "Изчисти"},
}};

const forms::FormDesign design = {
    .caption = "Korvana - измерване на честота",
    .clientWidth = 6990,
    .clientHeight = 6360,
    .controls = controls,
};

} // namespace

const forms::FormDesign &korvanaDesign()
{
    return design;
}
