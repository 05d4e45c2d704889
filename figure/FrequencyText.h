#pragma once

#include <string_view>

namespace figure {

// The numeric value of a frequency list item. The items are plain decimal integers;
// any other text is a type mismatch instead of quietly reading as 0.
double frequencyFromText(std::string_view text);

} // namespace figure
