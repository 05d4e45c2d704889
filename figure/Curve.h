#pragma once

#include "Frequencies.h"
#include "Phase.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace figure {

// The Lissajous figure as a teacher writes it: two perpendicular oscillations
// x(t) = sin(a t + phase) and y(t) = sin(b t), in units from -1 to 1, y upward as on
// an oscilloscope. One home for the formula, whether it is drawn as a line, run along
// point by point or drawn as its two waves. (The program's 2001 dots keep a formula
// of their own: see Lissajous.)
class Curve {
public:
    struct Point {
        double x;
        double y;
    };

    // For whole frequencies a and b, t runs over one turn, 0 to 2π, before the curve
    // repeats. Where a and b share a factor it repeats sooner and a turn traces it more
    // than once; the figure is whole either way.
    static constexpr double period = 2 * std::numbers::pi;

    // The phase in degrees, as the view and the command line give it.
    explicit Curve(FrequencyPair frequencies, double phaseDegrees = Phase::windowDegrees)
        : m_a(frequencies.a)
        , m_b(frequencies.b)
        , m_phase(Phase::radians(phaseDegrees))
    {
    }

    // The two oscillations, t in radians.
    double x(double t) const { return std::sin(m_a * t + m_phase); }
    double y(double t) const { return std::sin(m_b * t); }
    Point at(double t) const { return {x(t), y(t)}; }

    // The curve over a period as `segments` straight pieces (at least one):
    // segments + 1 points at evenly spaced t, the last at the period's end, where the
    // first is again.
    std::vector<Point> sampled(int segments) const;

private:
    double m_a;
    double m_b;
    double m_phase;
};

} // namespace figure
