#pragma once

namespace figure {

// Where the figure lies in plot units: a square 1000 units on a side, origin top left,
// y downward, with the curve centred in it and swinging a quarter of the side either
// way, so that a quarter stays free all round.
struct FigureGeometry {
    static constexpr double plotSide = 1000;
    static constexpr double centre = plotSide / 2;
    static constexpr double amplitude = plotSide / 4;

    // From plot units to the figure's own coordinates, -1 to 1 on both axes, y upward
    // as in the formula: the plot's y runs down the screen.
    static constexpr double unitXFromPlot(double plotX) { return (plotX - centre) / amplitude; }
    static constexpr double unitYFromPlot(double plotY) { return (centre - plotY) / amplitude; }
};

} // namespace figure
