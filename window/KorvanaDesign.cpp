#include "KorvanaDesign.h"

#include "Frequencies.h"
#include "KorvanaIdentity.h"
#include "KorvanaTexts.h"
#include "PictureTexts.h"
#include "korvana.xpm"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

using enum forms::ControlKind;

constexpr forms::Rgb lightBlue{192, 192, 255};
constexpr forms::Rgb lightOrange{255, 192, 128};
constexpr forms::Rgb lightGreen{128, 255, 128};
constexpr forms::Rgb red{255, 0, 0};

using figure::Frequencies;

// The lists' items: every frequency a figure may have, in decimal.
constexpr int longestFrequency = 3; // two digits and the terminating zero
static_assert(Frequencies::highest < 100);
constexpr auto frequencyDigits = [] {
    std::array<std::array<char, longestFrequency>, Frequencies::count> texts{};
    for (int i = 0; i < Frequencies::count; ++i) {
        const int frequency = Frequencies::lowest + i;
        auto *digit = texts[i].data();
        if (frequency >= 10)
            *digit++ = char('0' + frequency / 10);
        *digit = char('0' + frequency % 10);
    }
    return texts;
}();
constexpr auto frequencies = [] {
    std::array<std::string_view, Frequencies::count> items{};
    for (int i = 0; i < Frequencies::count; ++i)
        items[i] = std::string_view(frequencyDigits[i].data());
    return items;
}();

// The caption names the homepage first, then the window.
constexpr auto caption = [] {
    constexpr std::string_view homepage = korvanaHomepage;
    constexpr std::string_view name = windowName;
    std::array<char, homepage.size() + 1 + name.size()> text{};
    auto end = std::copy(homepage.begin(), homepage.end(), text.begin());
    *end++ = ' ';
    std::copy(name.begin(), name.end(), end);
    return text;
}();

// In tab order; lengths in twips. The aphorism's box is hidden: it would cover the help.
// The last column is what a screen reader calls a control that its text does not name.
const std::array<forms::ControlDesign, 10> controls = {{
    // kind          name        index  left   top  width height  text       items        background   visible  spoken name
    {TextBox,       "Text1",    0,      120, 3840,  6735, 2415, helpText,  {},          {},          true,    "Помощ"},
    {TextBox,       "Text1",    1,      600, 4680,  6735, 1815, aphorism,  {},          {},          false,   "Афоризъм"},
    {Label,         "Label1",   0,     1320,    0,  4575,  375, "Korvana", {},          lightOrange},
    {PictureBox,    "Picture1", {},     120,  480,  3200, 3200, {},        {},          {},          true,    picture::figureNameUtf8},
    {ListBox,       "List1",    0,     4080, 1080,   855, 1485, {},        frequencies, {},          true,    "X"},
    {Label,         "Label1",   1,     4080,  720,   855,  375, "X",       {},          lightOrange},
    {ListBox,       "List1",    1,     6000, 1080,   855, 1485, {},        frequencies, {},          true,    "Y"},
    {Label,         "Label1",   2,     6000,  720,   855,  375, "Y",       {},          lightOrange},
    {CommandButton, "Command1", 0,     4080, 2760,  1335,  495, "Изведи",  {},          lightGreen},
    {CommandButton, "Command1", 1,     5520, 3240,  1335,  495, "Изчисти", {},          red},
}};

const forms::FormDesign design = {
    .caption = std::string_view(caption.data(), caption.size()),
    .spokenName = windowName,
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
