#include "Curve.h"

namespace figure {

std::vector<Curve::Point> Curve::sampled(int segments) const
{
    std::vector<Point> points;
    points.reserve(std::size_t(segments) + 1);
    for (int i = 0; i <= segments; ++i)
        points.push_back(at(period * i / segments));
    return points;
}

} // namespace figure
