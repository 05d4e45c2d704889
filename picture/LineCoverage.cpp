#include "LineCoverage.h"

#include "LineSegment.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace picture {

namespace {

// Antialiasing spreads an edge over one pixel, half a pixel either side of it.
constexpr double halfPixel = 0.5;
constexpr double onePixel = 1;
// Steps of the squared distance in the share's table: a step moves an edge by the
// line's reach over 8192, a thousandth of a pixel for a line 16 pixels wide and a
// five-hundredth at 4K, far below one level of a share.
constexpr int shareSteps = 4096;
constexpr double farAway = LineSegment::farAway;

// The whole number at or below x, for x within farAway, by truncating x lifted above
// zero: quicker than the library's floor, and exact but within a few ten-millionths
// of a pixel of a whole number, where a pixel's share is the same either way.
inline int floorOf(double x)
{
    constexpr int lift = 1 << 30;
    return int(std::clamp(x, -farAway, farAway) + lift) - lift;
}

inline int ceilingOf(double x)
{
    return -floorOf(-x);
}

// The pixels whose centres lie within stretch, as indices from the centre at
// firstCentre, narrowed to first to last. A segment all but level or upright may put
// a row's stretch very far away.
inline std::pair<int, int> columnsOf(const LineSegment::Stretch &stretch, double firstCentre, int first, int last)
{
    return {std::max(first, ceilingOf(stretch.first - firstCentre)), std::min(last, floorOf(stretch.second - firstCentre))};
}

// A window's pixels, shaded a segment at a time, row by row.
struct Rows {
    const LineCoverage::Pixels &window;
    std::uint32_t *pixels;
    const LineCoverage::Shades &shades;
    const std::uint8_t *shareBySquare;
    double stepsPerSquare;

    // stretchesOf(y): the segment's two stretches of the row at height y.
    template<typename Stretches>
    void shade(const LineSegment &segment, const Stretches &stretchesOf) const
    {
        const int firstRow = std::max(window.top, ceilingOf(segment.top() - halfPixel));
        const int lastRow = std::min(window.top + window.height - 1, floorOf(segment.bottom() - halfPixel));
        for (int row = firstRow; row <= lastRow; ++row) {
            const double y = row + halfPixel;
            std::uint32_t *line = pixels + std::size_t(row - window.top) * window.width;
            // Columns counted from the window's left edge, where the line's pixels start.
            const double leftEdge = window.left + halfPixel;
            const auto measure = [&](int first, int last) {
                for (int index = first; index <= last; ++index) {
                    const double steps = segment.squaredDistance(leftEdge + index, y) * stepsPerSquare;
                    const std::uint32_t pixel = shades[shareBySquare[std::size_t(std::min(steps, double(shareSteps)))]];
                    line[index] = std::max(line[index], pixel);
                }
            };
            const std::pair<LineSegment::Stretch, LineSegment::Stretch> stretches = stretchesOf(y);
            const std::pair<int, int> band = columnsOf(stretches.first, leftEdge, 0, window.width - 1);
            const std::pair<int, int> whole = columnsOf(stretches.second, leftEdge, band.first, band.second);
            if (whole.first > whole.second) {
                measure(band.first, band.second);
                continue;
            }
            measure(band.first, whole.first - 1);
            std::fill(line + whole.first, line + whole.second + 1, shades[LineCoverage::fullShare]);
            measure(whole.second + 1, band.second);
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
    const int left = floorOf(minX->x - m_outer);
    const int top = floorOf(minY->y - m_outer);
    return {left, top, ceilingOf(maxX->x + m_outer) - left, ceilingOf(maxY->y + m_outer) - top};
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
        addSegment(m_points[i - 1], m_points[i], LineSegment::overlapAtJoin(beforeStart, m_points[i - 1], &m_points[i], m_outer),
                   LineSegment::overlapAtJoin(&m_points[i - 1], m_points[i], afterEnd, m_outer), window, pixels, shades);
    }
}

void LineCoverage::addSegment(const Point &from, const Point &to, double startOverlap, double endOverlap,
                              const Pixels &window, std::uint32_t *pixels, const Shades &shades) const
{
    if (std::max(from.x, to.x) + m_outer < window.left || std::min(from.x, to.x) - m_outer > window.left + window.width
        || std::max(from.y, to.y) + m_outer < window.top || std::min(from.y, to.y) - m_outer > window.top + window.height)
        return;
    // Pixels whose centres lie within inner of the segment are covered whole.
    const LineSegment segment(from, to, startOverlap, endOverlap, m_outer, m_outer - onePixel);
    const Rows rows{window, pixels, shades, m_shareBySquare.data(), 1 / m_squaredStep};
    if (segment.leans())
        rows.shade(segment, [&segment](double y) { return segment.leaningStretches(y); });
    else
        rows.shade(segment, [&segment](double y) { return segment.stretches(y); });
}

} // namespace picture
