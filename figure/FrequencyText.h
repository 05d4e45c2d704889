#pragma once

#include <optional>
#include <string_view>

namespace figure {

// The numeric value of a frequency list item. The items are plain decimal integers;
// any other text is a type mismatch instead of quietly reading as 0.
double frequencyFromText(std::string_view text);

// The frequency as a whole number, where it is one from 1 to 100: only such a
// figure closes, so only its touches can be counted.
std::optional<int> wholeFrequency(double value);

} // namespace figure
