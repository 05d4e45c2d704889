#pragma once

#include <algorithm>
#include <utility>

namespace picture {

// One segment of a thick line, in pixels, with what each row it crosses asks of it,
// worked out once: the stretch of the row within the line's reach of the segment,
// and the stretch the segment covers whole. Every point within reach of a line lies
// in the band along one of its segments, reaching across it and past its ends by an
// overlap at each join (overlapAtJoin), so only those bands' pixels need measuring.
class LineSegment {
public:
    struct Point {
        double x;
        double y;
    };
    // A stretch of a row, first to last; empty where first > last.
    using Stretch = std::pair<double, double>;
    // Beyond any picture's pixels, yet well within an int: an empty stretch's ends.
    static constexpr double farAway = 1e9;

    // outer: the reach beyond which a point is untouched; inner: within which it is
    // covered whole (at most outer, and nothing is where it is not above zero).
    LineSegment(const Point &from, const Point &to, double startOverlap, double endOverlap, double outer, double inner);

    // How far past a join the band along a segment must reach to take in every point
    // within reach of the join: reach times the sine of half the turn there; where
    // the line stops (no point before or after) or a segment has no length, reach.
    static double overlapAtJoin(const Point *before, const Point &at, const Point *after, double reach);

    // The rows the band spans, top to bottom, in pixels.
    double top() const { return m_top; }
    double bottom() const { return m_bottom; }
    // The band's stretch and the whole stretch of the row at height y.
    std::pair<Stretch, Stretch> stretches(double y) const
    {
        return {stretch(m_outer, m_outerReach, y), stretch(m_inner, m_innerReach, y)};
    }
    // Most segments lean, with a line wider than a pixel, and their rows are the
    // most: for them, the same without asking which kind each row.
    bool leans() const { return m_tilt == Tilt::Leaning && m_innerReach > 0; }
    std::pair<Stretch, Stretch> leaningStretches(double y) const { return {leaning(m_outer, y), leaning(m_inner, y)}; }
    // The squared distance from (x, y) to the segment's nearest point.
    double squaredDistance(double x, double y) const
    {
        const double offsetX = x - m_from.x;
        const double offsetY = y - m_from.y;
        const double along = std::clamp((offsetX * m_dx + offsetY * m_dy) * m_inverseLengthSquared, 0.0, 1.0);
        const double awayX = offsetX - along * m_dx;
        const double awayY = offsetY - along * m_dy;
        return awayX * awayX + awayY * awayY;
    }

private:
    // Where a row crosses a straight line, by the row's height.
    struct Crossing {
        double at0;
        double perY;
        double at(double y) const { return at0 + perY * y; }
    };
    // The two lines across the segment at its ends (reaching past them by the overlaps
    // for the outer band), and the two along it at the reach's distance.
    struct Edges {
        std::pair<Crossing, Crossing> ends;
        std::pair<Crossing, Crossing> sides;
        // The projection's range along the segment, and the cross product's either side.
        double firstAlong;
        double lastAlong;
        double side;
    };
    enum class Tilt { Leaning, Level, Upright, Point };
    static constexpr Stretch empty{farAway, -farAway};

    Edges edgesFor(double startOverlap, double endOverlap, double reach) const;
    Stretch leaning(const Edges &edges, double y) const
    {
        return {std::max(edges.ends.first.at(y), edges.sides.first.at(y)),
                std::min(edges.ends.second.at(y), edges.sides.second.at(y))};
    }
    Stretch stretch(const Edges &edges, double reach, double y) const;
    static std::pair<Crossing, Crossing> leftFirst(const Crossing &one, const Crossing &other);

    Point m_from;
    double m_dx;
    double m_dy;
    double m_lengthSquared;
    double m_length;
    // A segment of no length is a disc: every point's nearest is its start.
    double m_inverseLengthSquared;
    double m_outerReach;
    double m_innerReach;
    Tilt m_tilt;
    Edges m_outer;
    Edges m_inner;
    double m_top;
    double m_bottom;
};

} // namespace picture
