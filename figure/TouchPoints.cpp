#include "TouchPoints.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>

namespace figure {

namespace {

// Positions and velocities within this of each other are the same; the computed
// ones differ from the exact values by a few units in the last place.
constexpr double tolerance = 1e-9;

// The smallest distance between two of the positions, infinite for fewer than two.
double closestOf(std::vector<double> positions)
{
    std::sort(positions.begin(), positions.end());
    double closest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < positions.size(); ++i)
        closest = std::min(closest, positions[i] - positions[i - 1]);
    return closest;
}

// Adds the touch unless the curve has touched the same point before: an open
// figure, or one whose frequencies share a factor, passes its points more than once.
void addTouch(std::vector<TouchPoints::Touch> &touches, TouchPoints::Touch touch)
{
    for (const TouchPoints::Touch &earlier : touches) {
        if (std::abs(earlier.x - touch.x) < tolerance && std::abs(earlier.y - touch.y) < tolerance)
            return;
    }
    touches.push_back(touch);
}

} // namespace

TouchPoints::TouchPoints(int a, int b, double phaseDegrees)
{
    using std::numbers::pi;
    const double phase = Phase::radians(phaseDegrees);
    // Over one period, 0 <= t < 2 pi, the curve reaches the top edge where
    // sin(b t) = 1, at t = (pi / 2 + 2 pi k) / b, and the right edge where
    // sin(a t + phase) = 1, at t = (pi / 2 - phase + 2 pi m) / a. There one velocity
    // component is zero already; where the other is zero too, the curve turns back.
    // Solved here rather than read off Curve: the one angle gives both the place and
    // whether the curve turns back there.
    for (int k = 0; k < b; ++k) {
        const double angle = a * (0.5 * pi + 2 * pi * k) / b + phase;
        addTouch(m_top, {std::sin(angle), 1, std::abs(std::cos(angle)) < tolerance});
    }
    for (int m = 0; m < a; ++m) {
        const double angle = b * (0.5 * pi - phase + 2 * pi * m) / a;
        addTouch(m_side, {1, std::sin(angle), std::abs(std::cos(angle)) < tolerance});
    }
}

int TouchPoints::halves(const std::vector<Touch> &touches)
{
    int count = 0;
    for (const Touch &touch : touches)
        count += touch.freeEnd ? 1 : 2;
    return count;
}

double TouchPoints::closestApart() const
{
    // Along the top edge the touches differ in x, along the side edge in y.
    std::vector<double> tops;
    for (const Touch &touch : m_top)
        tops.push_back(touch.x);
    std::vector<double> sides;
    for (const Touch &touch : m_side)
        sides.push_back(touch.y);
    return std::min(closestOf(tops), closestOf(sides));
}

FrequencyPair TouchPoints::reading() const
{
    const int top = topHalves();
    const int side = sideHalves();
    const int common = std::gcd(top, side);
    return {side / common, top / common};
}

std::string TouchPoints::countText(int halves)
{
    const std::string whole = halves >= 2 || halves == 0 ? std::to_string(halves / 2) : std::string();
    return halves % 2 ? whole + "½" : whole;
}

} // namespace figure
