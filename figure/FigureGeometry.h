#pragma once

namespace figure {

// Where the figure lies in plot units: a square 1000 units on a side, origin top left,
// y downward, with the curve centred in it and swinging a quarter of the side either
// way, so that a quarter stays free all round.
struct FigureGeometry {
    static constexpr double plotSide = 1000;
    static constexpr double centre = plotSide / 2;
    static constexpr double amplitude = plotSide / 4;

    // From plot units to the figure's own coordinates, -1 to 1 on both axes.
    static constexpr double unitFromPlot(double plot) { return (plot - centre) / amplitude; }
};

} // namespace figure
