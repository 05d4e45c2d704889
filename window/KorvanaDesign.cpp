#include "KorvanaDesign.h"

#include "KorvanaTexts.h"
#include "korvana.xpm"

#include <array>
#include <string_view>

namespace {

using enum forms::ControlKind;

constexpr forms::Rgb lightBlue{192, 192, 255};
constexpr forms::Rgb lightOrange{255, 192, 128};
constexpr forms::Rgb lightGreen{128, 255, 128};
constexpr forms::Rgb red{255, 0, 0};

constexpr std::array<std::string_view, 19> frequencies = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
    "11", "12", "13", "14", "15", "16", "17", "18", "19",
};

// In tab order; lengths in twips. The aphorism's box is hidden: it would cover the help.
// The last column is what a screen reader calls a control that its text does not name.
const std::array<forms::ControlDesign, 10> controls = {{
    // kind          name        index  left   top  width height  text       items        background   visible  spoken name
    {TextBox,       "Text1",    0,      120, 3840,  6735, 2415, helpText,  {},          {},          true,    "Помощ"},
    {TextBox,       "Text1",    1,      600, 4680,  6735, 1815, aphorism,  {},          {},          false,   "Афоризъм"},
    {Label,         "Label1",   0,     1320,    0,  4575,  375, "Korvana", {},          lightOrange},
    {PictureBox,    "Picture1", {},     120,  480,  3200, 3200, {},        {},          {},          true,    "Фигура на Лисажу"},
    {ListBox,       "List1",    0,     4080, 1080,   855, 1485, {},        frequencies, {},          true,    "X"},
    {Label,         "Label1",   1,     4080,  720,   855,  375, "X",       {},          lightOrange},
    {ListBox,       "List1",    1,     6000, 1080,   855, 1485, {},        frequencies, {},          true,    "Y"},
    {Label,         "Label1",   2,     6000,  720,   855,  375, "Y",       {},          lightOrange},
    {CommandButton, "Command1", 0,     4080, 2760,  1335,  495, "Изведи",  {},          lightGreen},
    {CommandButton, "Command1", 1,     5520, 3240,  1335,  495, "Изчисти", {},          red},
}};

const forms::FormDesign design = {
    .caption = "https://korvana.example Korvana - измерване на честота",
    .spokenName = "Korvana - измерване на честота",
    .clientWidth = 6990,
    .clientHeight = 6360,
    .backColor = lightBlue,
    .font = {.family = "Times New Roman", .pointSize = 12, .weight = 400},
    .icon = korvana_xpm,
    .controls = controls,
};

} // namespace

const forms::FormDesign &korvanaDesign()
{
    return design;
}
