#include "Lissajous.h"

#include "FigureError.h"
#include "FigureGeometry.h"

#include <cmath>

namespace figure {

namespace {

// Not std::numbers::pi: the dots are the designed program's own, bit for bit, and this π places them.
constexpr double pi = 3.1415926;
constexpr double amplitude = FigureGeometry::amplitude;
constexpr double centre = FigureGeometry::centre;

// Tested on each result rather than through the floating-point status flags,
// which the optimiser is free to reorder or drop.
double checked(double value)
{
    if (!std::isfinite(value))
        throw FigureError(FigureError::Kind::Overflow);
    return value;
}

} // namespace

PlotPoint Lissajous::point(double a, double b, std::int16_t t)
{
    const double time = t;
    constexpr double phase = pi / 2;
    const double x = checked(std::sin(checked(a * time + phase)) * amplitude + centre);
    const double y = checked(std::sin(checked(b * time)) * amplitude + centre);
    return {static_cast<float>(x), static_cast<float>(y)};
}

} // namespace figure
