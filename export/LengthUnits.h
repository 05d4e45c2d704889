#pragma once

namespace figureexport {

// Printed sizes are given in millimetres; devices count their dots to the inch, and a
// PNG to the metre.
struct LengthUnits {
    static constexpr double millimetresPerInch = 25.4;
    static constexpr double millimetresPerMetre = 1000;
};

} // namespace figureexport
