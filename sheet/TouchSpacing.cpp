#include "TouchSpacing.h"

#include "FigurePainter.h"

namespace sheet {

double TouchSpacing::smallestSquare(const figure::TouchPoints &touches)
{
    return 2 * finestMillimetres / touches.closestApart();
}

double TouchSpacing::smallestArea(const figure::TouchPoints &touches)
{
    const double squareShare = picture::FigurePainter::squareIn(QRectF(0, 0, 1, 1)).width();
    return smallestSquare(touches) / squareShare;
}

} // namespace sheet
