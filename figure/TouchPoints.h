#pragma once

#include "Frequencies.h"
#include "Phase.h"

#include <string>
#include <vector>

namespace figure {

// Where the figure x = sin(a t + phase), y = sin(b t) (Curve) touches the square it is inscribed in,
// on the top edge (y = 1: y runs upward, as in the formula and on an oscilloscope) and
// on the right edge (x = 1). This is what a student counts on an oscilloscope: b : a is the number of
// touches on the top edge to the number on a side edge, a free end counting half.
class TouchPoints {
public:
    struct Touch {
        double x;
        double y;
        // Where the curve stops and turns back (both velocity components zero): the
        // free end of an open figure, always in a corner, which counts half.
        bool freeEnd;
    };

    // For whole frequencies a, b of at least 1 and a phase in degrees.
    TouchPoints(int a, int b, double phaseDegrees = Phase::windowDegrees);

    const std::vector<Touch> &top() const { return m_top; }
    const std::vector<Touch> &side() const { return m_side; }
    // The counts in halves, so that a free end is exact: 3 is one and a half.
    int topHalves() const { return halves(m_top); }
    int sideHalves() const { return halves(m_side); }
    // What a student reads off: the counts' ratio in lowest terms, top : side = b : a.
    FrequencyPair reading() const;
    // The distance between the closest two neighbouring touches on either edge, in the
    // figure's units: how large the figure must be drawn for each to be told apart.
    // Infinite where neither edge has two.
    double closestApart() const;

    // A count in halves as a student writes it: "1", "½", "1½".
    static std::string countText(int halves);

private:
    static int halves(const std::vector<Touch> &touches);

    std::vector<Touch> m_top;
    std::vector<Touch> m_side;
};

} // namespace figure
