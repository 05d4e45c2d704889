#include "LineCoverage.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace picture {

namespace {

// Antialiasing spreads an edge over one pixel, half a pixel either side of it.
constexpr double halfPixel = 0.5;
// Steps of the squared distance in the share's table: fine enough that a step moves
// the edge by about a thousandth of a pixel, far below one level of a share.
constexpr int shareSteps = 4096;
// A little more than reckoned, against rounding.
constexpr double roundingSpare = 1e-6;

// Beyond any picture's pixels, yet well within an int.
constexpr double farAway = 1e9;

// A stretch of a row, from first to last; empty where first > last.
using Stretch = std::pair<double, double>;

// Where a row crosses a straight line, by the row's height.
struct Crossing {
    double at0;
    double perY;
    double at(double y) const { return at0 + perY * y; }
};

// How far past a join the band along a segment must reach to meet every point
// within reach of the join: reach times the sine of half the turn there. Where the
// line stops, or a segment has no length, the whole reach.
double joinOverlap(const LineCoverage::Point *before, const LineCoverage::Point &at, const LineCoverage::Point *after,
                   double reach)
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

// One segment of the line, with what every row it crosses asks of it, worked out
// once. Every point within the outer reach of the line lies in the band along some
// segment (within the reach across it and past its ends by the overlap at the
// joins), so only those bands' pixels are measured, each against its own segment,
// round ends included; the nearest segment gives the pixel its share.
struct Segment {
    Segment(const LineCoverage::Point &from, const LineCoverage::Point &to, double startOverlap, double endOverlap,
            double outer, double inner)
        : from(from)
        , dx(to.x - from.x)
        , dy(to.y - from.y)
        , lengthSquared(dx * dx + dy * dy)
        // A segment of no length is a disc: every pixel's nearest point is its start.
        , inverseLengthSquared(lengthSquared > 0 ? 1 / lengthSquared : 0)
        , outer(outer)
    {
        const double length = std::sqrt(lengthSquared);
        across = lengthSquared == 0 ? Tilt::Point : dx != 0 && dy != 0 ? Tilt::Slanted : dx != 0 ? Tilt::Level : Tilt::Upright;
        // Along the segment a point's projection is x dx + y dy, from from's at one end
        // to that plus the length squared at the other; across it, x dy - y dx is
        // from's cross product give or take the reach times the length.
        const double atFrom = from.x * dx + from.y * dy;
        const double cross = from.x * dy - from.y * dx;
        limits[0] = {atFrom - startOverlap * length, atFrom + lengthSquared + endOverlap * length, outer * length};
        limits[1] = {atFrom, atFrom + lengthSquared, inner * length};
        // Each pair is parallel, so the one left of the other on one row is on all.
        for (int which : {0, 1}) {
            const Limits &limit = limits[which];
            if (dx != 0)
                ends[which] = leftFirst({limit.first / dx, -dy / dx}, {limit.last / dx, -dy / dx});
            if (dy != 0)
                sides[which] = leftFirst({(cross - limit.side) / dy, dx / dy}, {(cross + limit.side) / dy, dx / dy});
        }
        // The band's corners give its rows.
        const double alongX = length > 0 ? dx / length : 0, alongY = length > 0 ? dy / length : 0;
        const double startY = from.y - startOverlap * alongY, endY = to.y + endOverlap * alongY;
        const double acrossY = length > 0 ? outer * std::abs(alongX) : outer;
        top = std::min(startY, endY) - acrossY;
        bottom = std::max(startY, endY) + acrossY;
    }

    // The stretch of the row at height y within the outer band (which 0) or where the
    // segment covers pixels whole (1).
    Stretch stretch(int which, double y) const
    {
        const double offsetY = y - from.y;
        const Limits &limit = limits[which];
        switch (across) {
        case Tilt::Point: {
            Stretch disc{farAway, -farAway};
            const double radius = which == 0 ? outer : outer - 1;
            const double squared = radius * radius - offsetY * offsetY;
            if (radius > 0 && squared >= 0)
                disc = {from.x - std::sqrt(squared), from.x + std::sqrt(squared)};
            return disc;
        }
        case Tilt::Level:
            if (std::abs(offsetY * dx) > limit.side)
                return {farAway, -farAway};
            return {ends[which].first.at(y), ends[which].second.at(y)};
        case Tilt::Upright: {
            const double along = from.y * dy + offsetY * dy;
            if (along < limit.first || along > limit.last)
                return {farAway, -farAway};
            return {sides[which].first.at(y), sides[which].second.at(y)};
        }
        case Tilt::Slanted:
            break;
        }
        return {std::max(ends[which].first.at(y), sides[which].first.at(y)),
                std::min(ends[which].second.at(y), sides[which].second.at(y))};
    }

    // The squared distance of the point nearest to (x, y).
    double squaredDistance(double x, double y) const
    {
        const double offsetX = x - from.x;
        const double offsetY = y - from.y;
        const double along = std::clamp((offsetX * dx + offsetY * dy) * inverseLengthSquared, 0.0, 1.0);
        const double awayX = offsetX - along * dx;
        const double awayY = offsetY - along * dy;
        return awayX * awayX + awayY * awayY;
    }

    static std::pair<Crossing, Crossing> leftFirst(const Crossing &one, const Crossing &other)
    {
        return one.at0 <= other.at0 ? std::pair(one, other) : std::pair(other, one);
    }

    enum class Tilt { Slanted, Level, Upright, Point };
    // The projection's range along the segment, and the cross product's either side.
    struct Limits {
        double first;
        double last;
        double side;
    };

    LineCoverage::Point from;
    double dx;
    double dy;
    double lengthSquared;
    double inverseLengthSquared;
    double outer;
    Tilt across;
    Limits limits[2]{};
    std::pair<Crossing, Crossing> ends[2]{};
    std::pair<Crossing, Crossing> sides[2]{};
    double top;
    double bottom;
};

// The whole number at or below x, for x within farAway, by truncating x lifted above
// zero: quicker than the library's floor, and exact but within a few millionths of a
// pixel of a whole number, where a pixel's share is the same either way.
inline int floorOf(double x)
{
    constexpr int lift = 1 << 30;
    return int(x + lift) - lift;
}

inline int ceilingOf(double x)
{
    return -floorOf(-x);
}

// The columns of the pixels whose centres lie within stretch, from first to last. A
// segment all but level or upright may put a row's stretch very far away.
inline std::pair<int, int> columnsOf(const Stretch &stretch, int first, int last)
{
    return {std::max(first, ceilingOf(std::clamp(stretch.first - halfPixel, -farAway, farAway))),
            std::min(last, floorOf(std::clamp(stretch.second - halfPixel, -farAway, farAway)))};
}

// The rows of a window that a segment crosses, each given its share of the segment:
// stretches(y) gives the stretch of the row at height y within the segment's band,
// and the stretch within it that the segment covers whole.
struct Rows {
    const LineCoverage::Pixels &window;
    std::uint32_t *pixels;
    const LineCoverage::Shades &shades;
    const Segment &segment;
    const std::uint8_t *shareBySquare;
    double stepsPerSquare;

    template<typename Stretches>
    void cover(const Stretches &stretches) const
    {
        const int firstRow = std::max(window.top, ceilingOf(segment.top - halfPixel));
        const int lastRow = std::min(window.top + window.height - 1, floorOf(segment.bottom - halfPixel));
        const int firstColumn = window.left;
        const int lastColumn = window.left + window.width - 1;
        for (int row = firstRow; row <= lastRow; ++row) {
            const double y = row + halfPixel;
            std::uint32_t *line = pixels + std::size_t(row - window.top) * window.width - window.left;
            const auto shade = [&](int first, int last) {
                for (int column = first; column <= last; ++column) {
                    const double steps = segment.squaredDistance(column + halfPixel, y) * stepsPerSquare;
                    const std::uint32_t pixel = shades[shareBySquare[std::size_t(std::min(steps, double(shareSteps)))]];
                    line[column] = std::max(line[column], pixel);
                }
            };
            const auto [band, whole] = stretches(y);
            const auto [first, last] = columnsOf(band, firstColumn, lastColumn);
            const auto [firstWhole, lastWhole] = columnsOf(whole, first, last);
            if (firstWhole > lastWhole) {
                shade(first, last);
                continue;
            }
            shade(first, firstWhole - 1);
            std::fill(line + firstWhole, line + lastWhole + 1, shades[LineCoverage::fullShare]);
            shade(lastWhole + 1, last);
        }
    }
};

} // namespace

LineCoverage::LineCoverage(std::vector<Point> points, double width)
    : m_points(std::move(points))
    , m_outer(width / 2 + halfPixel)
    , m_shareBySquare(shareSteps + 1)
    , m_squaredStep(m_outer * m_outer / shareSteps)
{
    for (int step = 0; step <= shareSteps; ++step) {
        const double share = std::clamp(m_outer - std::sqrt(step * m_squaredStep), 0.0, 1.0);
        m_shareBySquare[step] = std::uint8_t(share * fullShare + halfPixel);
    }
}

LineCoverage::Pixels LineCoverage::reach() const
{
    if (m_points.empty())
        return {0, 0, 0, 0};
    const auto [minX, maxX] = std::minmax_element(m_points.begin(), m_points.end(),
                                                  [](const Point &p, const Point &q) { return p.x < q.x; });
    const auto [minY, maxY] = std::minmax_element(m_points.begin(), m_points.end(),
                                                  [](const Point &p, const Point &q) { return p.y < q.y; });
    const int left = int(std::floor(minX->x - m_outer));
    const int top = int(std::floor(minY->y - m_outer));
    return {left, top, int(std::ceil(maxX->x + m_outer)) - left, int(std::ceil(maxY->y + m_outer)) - top};
}

void LineCoverage::cover(const Pixels &window, std::uint32_t *pixels, const Shades &shades) const
{
    if (window.width <= 0 || window.height <= 0)
        return;
    std::fill_n(pixels, std::size_t(window.width) * window.height, shades[0]);
    const std::size_t count = m_points.size();
    if (count == 1)
        addSegment(m_points.front(), m_points.front(), 0, 0, window, pixels, shades);
    for (std::size_t i = 1; i < count; ++i) {
        const Point *beforeStart = i >= 2 ? &m_points[i - 2] : nullptr;
        const Point *afterEnd = i + 1 < count ? &m_points[i + 1] : nullptr;
        addSegment(m_points[i - 1], m_points[i], joinOverlap(beforeStart, m_points[i - 1], &m_points[i], m_outer),
                   joinOverlap(&m_points[i - 1], m_points[i], afterEnd, m_outer), window, pixels, shades);
    }
}

void LineCoverage::addSegment(const Point &from, const Point &to, double startOverlap, double endOverlap,
                              const Pixels &window, std::uint32_t *pixels, const Shades &shades) const
{
    if (std::max(from.x, to.x) + m_outer < window.left || std::min(from.x, to.x) - m_outer > window.left + window.width
        || std::max(from.y, to.y) + m_outer < window.top || std::min(from.y, to.y) - m_outer > window.top + window.height)
        return;
    // Pixels whose centres lie within inner of the segment are covered whole.
    const double inner = m_outer - 1;
    const Segment segment(from, to, startOverlap, endOverlap, m_outer, inner);
    const Rows rows{window, pixels, shades, segment, m_shareBySquare.data(), 1 / m_squaredStep};
    if (inner <= 0) {
        rows.cover([&](double y) { return std::pair(segment.stretch(0, y), Stretch{farAway, -farAway}); });
        return;
    }
    if (segment.across != Segment::Tilt::Slanted) {
        rows.cover([&](double y) { return std::pair(segment.stretch(0, y), segment.stretch(1, y)); });
        return;
    }
    // Most segments lean, and their rows are the most: the four limits straight away.
    const auto [outerEnds, innerEnds] = std::pair(segment.ends[0], segment.ends[1]);
    const auto [outerSides, innerSides] = std::pair(segment.sides[0], segment.sides[1]);
    rows.cover([&](double y) {
        return std::pair(Stretch{std::max(outerEnds.first.at(y), outerSides.first.at(y)),
                                 std::min(outerEnds.second.at(y), outerSides.second.at(y))},
                         Stretch{std::max(innerEnds.first.at(y), innerSides.first.at(y)),
                                 std::min(innerEnds.second.at(y), innerSides.second.at(y))});
    });
}

} // namespace picture
