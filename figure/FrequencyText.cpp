#include "FrequencyText.h"

#include "FigureError.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace figure {

double frequencyFromText(std::string_view text)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.empty() || !std::ranges::all_of(text, isDigit))
        throw FigureError(FigureError::Kind::TypeMismatch);

    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // A digit string too long for a double has no value either.
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        throw FigureError(FigureError::Kind::TypeMismatch);
    return value;
}

std::optional<FrequencyPair> wholeFrequencies(double a, double b)
{
    if (!Frequencies::contains(a) || !Frequencies::contains(b))
        return std::nullopt;
    return FrequencyPair{int(a), int(b)};
}

} // namespace figure
