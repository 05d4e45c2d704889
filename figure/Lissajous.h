#pragma once

#include "PlotPoint.h"

#include <cstdint>

namespace figure {

// The curve x = centre + amplitude sin(a t + pi/2), y = centre + amplitude sin(b t)
// in plot units (FigureGeometry), sampled at whole radians t = 0 ... 2000: 2001 dots
// spread densely over the figure. The line drawn through it is Curve's, with the exact π.
class Lissajous {
public:
    static constexpr std::int16_t firstT = 0;
    static constexpr std::int16_t lastT = 2000;
    static constexpr int dotCount = lastT - firstT + 1;

    // The point at t, computed in double precision in a fixed order and rounded to
    // single precision, so that every platform sets the same dots. A non-finite
    // intermediate result raises an overflow.
    static PlotPoint point(double a, double b, std::int16_t t);

    // Hands the points to setPoint in increasing t, each one before the next is computed.
    template <class SetPoint>
    static void forEachPoint(double a, double b, SetPoint &&setPoint)
    {
        for (std::int16_t t = firstT; t <= lastT; ++t)
            setPoint(point(a, b, t));
    }
};

} // namespace figure
