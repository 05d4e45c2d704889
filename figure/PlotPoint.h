#pragma once

namespace figure {

// A point in plot units (see FigureGeometry).
struct PlotPoint {
    float x = 0;
    float y = 0;

    friend constexpr bool operator==(PlotPoint, PlotPoint) = default;
};

} // namespace figure
