#include "LineSegment.h"

#include <algorithm>
#include <cmath>

namespace picture {

namespace {

// A little more than reckoned, against rounding.
constexpr double roundingSpare = 1e-6;

} // namespace

LineSegment::LineSegment(const Point &from, const Point &to, double startOverlap, double endOverlap, double outer,
                         double inner)
    : m_from(from)
    , m_dx(to.x - from.x)
    , m_dy(to.y - from.y)
    , m_lengthSquared(m_dx * m_dx + m_dy * m_dy)
    , m_length(std::sqrt(m_lengthSquared))
    , m_inverseLengthSquared(m_lengthSquared > 0 ? 1 / m_lengthSquared : 0)
    , m_outerReach(outer)
    , m_innerReach(inner)
    , m_tilt(m_lengthSquared == 0 ? Tilt::Point
             : m_dx != 0 && m_dy != 0 ? Tilt::Leaning
             : m_dx != 0              ? Tilt::Level
                                      : Tilt::Upright)
    , m_outer(edgesFor(startOverlap, endOverlap, outer))
    , m_inner(edgesFor(0, 0, inner))
{
    // The band's corners give its rows.
    const double alongX = m_length > 0 ? m_dx / m_length : 0;
    const double alongY = m_length > 0 ? m_dy / m_length : 0;
    const double startY = from.y - startOverlap * alongY;
    const double endY = to.y + endOverlap * alongY;
    const double acrossY = m_length > 0 ? outer * std::abs(alongX) : outer;
    m_top = std::min(startY, endY) - acrossY;
    m_bottom = std::max(startY, endY) + acrossY;
}

double LineSegment::overlapAtJoin(const Point *before, const Point &at, const Point *after, double reach)
{
    if (!before || !after)
        return reach;
    const double inX = at.x - before->x, inY = at.y - before->y;
    const double outX = after->x - at.x, outY = after->y - at.y;
    const double lengths = std::sqrt((inX * inX + inY * inY) * (outX * outX + outY * outY));
    if (lengths == 0)
        return reach;
    const double cosine = std::clamp((inX * outX + inY * outY) / lengths, -1.0, 1.0);
    return reach * std::sqrt((1 - cosine) / 2) + roundingSpare;
}

LineSegment::Edges LineSegment::edgesFor(double startOverlap, double endOverlap, double reach) const
{
    // Along the segment a point's projection is x dx + y dy, from its start's at one
    // end to that plus the length squared at the other; across it, x dy - y dx is
    // the start's cross product give or take the reach times the length.
    const double atFrom = m_from.x * m_dx + m_from.y * m_dy;
    const double cross = m_from.x * m_dy - m_from.y * m_dx;
    Edges edges{};
    edges.firstAlong = atFrom - startOverlap * m_length;
    edges.lastAlong = atFrom + m_lengthSquared + endOverlap * m_length;
    edges.side = reach * m_length;
    // Each pair is parallel, so the one left of the other on one row is on all.
    if (m_dx != 0)
        edges.ends = leftFirst({edges.firstAlong / m_dx, -m_dy / m_dx}, {edges.lastAlong / m_dx, -m_dy / m_dx});
    if (m_dy != 0)
        edges.sides = leftFirst({(cross - edges.side) / m_dy, m_dx / m_dy}, {(cross + edges.side) / m_dy, m_dx / m_dy});
    return edges;
}

LineSegment::Stretch LineSegment::stretch(const Edges &edges, double reach, double y) const
{
    const double offsetY = y - m_from.y;
    switch (m_tilt) {
    case Tilt::Point: {
        const double squared = reach * reach - offsetY * offsetY;
        if (reach <= 0 || squared < 0)
            return empty;
        return {m_from.x - std::sqrt(squared), m_from.x + std::sqrt(squared)};
    }
    case Tilt::Level:
        if (edges.side <= 0 || std::abs(offsetY * m_dx) > edges.side)
            return empty;
        return {edges.ends.first.at(y), edges.ends.second.at(y)};
    case Tilt::Upright: {
        const double along = (m_from.y + offsetY) * m_dy;
        if (edges.side <= 0 || along < edges.firstAlong || along > edges.lastAlong)
            return empty;
        return {edges.sides.first.at(y), edges.sides.second.at(y)};
    }
    case Tilt::Leaning:
        break;
    }
    if (edges.side <= 0)
        return empty;
    return leaning(edges, y);
}

std::pair<LineSegment::Crossing, LineSegment::Crossing> LineSegment::leftFirst(const Crossing &one,
                                                                              const Crossing &other)
{
    return one.at0 <= other.at0 ? std::pair(one, other) : std::pair(other, one);
}

} // namespace picture
