#pragma once

namespace figure {

// A point in plot units: 0 to 1000 on both axes, origin top left, y downward.
struct PlotPoint {
    float x = 0;
    float y = 0;

    friend constexpr bool operator==(PlotPoint, PlotPoint) = default;
};

} // namespace figure
