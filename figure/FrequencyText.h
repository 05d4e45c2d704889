#pragma once

#include "Frequencies.h"

#include <optional>
#include <string_view>

namespace figure {

// The numeric value of a frequency list item. The items are plain decimal integers;
// any other text is a type mismatch instead of quietly reading as 0.
double frequencyFromText(std::string_view text);

// The frequencies as whole numbers, where both are ones a figure may have
// (Frequencies): only such a figure closes, so only its touches can be counted.
std::optional<FrequencyPair> wholeFrequencies(double a, double b);

} // namespace figure
