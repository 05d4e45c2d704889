#pragma once

#include "TouchPoints.h"

namespace sheet {

// How large a figure must be printed for a student to count its touches: on a square
// of side s, touches Δ apart in the figure's units (-1 to 1) stand s / 2 · Δ apart.
class TouchSpacing {
public:
    // Neighbouring touches on an edge stand at least this far apart on paper.
    static constexpr double finestMillimetres = 1;

    // The side of the smallest square, in millimetres, that keeps them so; 0 where no
    // edge has two touches.
    static double smallestSquare(const figure::TouchPoints &touches);
    // The side of the smallest area the figure's painter puts that square in.
    static double smallestArea(const figure::TouchPoints &touches);
};

} // namespace sheet
