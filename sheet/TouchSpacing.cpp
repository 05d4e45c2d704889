#include "TouchSpacing.h"

#include "FigurePainter.h"

#include <algorithm>
#include <limits>

namespace sheet {

namespace {

// The closest two of the positions, infinitely far apart for fewer than two.
double closestOf(std::vector<double> positions)
{
    std::sort(positions.begin(), positions.end());
    double closest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < positions.size(); ++i)
        closest = std::min(closest, positions[i] - positions[i - 1]);
    return closest;
}

} // namespace

double TouchSpacing::smallestSquare(const figure::TouchPoints &touches)
{
    // Along the top edge the touches differ in x, along the side edge in y.
    std::vector<double> top;
    for (const figure::TouchPoints::Touch &touch : touches.top())
        top.push_back(touch.x);
    std::vector<double> side;
    for (const figure::TouchPoints::Touch &touch : touches.side())
        side.push_back(touch.y);
    const double closest = std::min(closestOf(top), closestOf(side));
    return 2 * finestMillimetres / closest;
}

double TouchSpacing::smallestArea(const figure::TouchPoints &touches)
{
    const double squareShare = closeup::FigurePainter::squareIn(QRectF(0, 0, 1, 1)).width();
    return smallestSquare(touches) / squareShare;
}

} // namespace sheet
