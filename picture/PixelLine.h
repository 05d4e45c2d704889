#pragma once

#include <QColor>
#include <QPointF>

#include <vector>

class QPainter;

namespace picture {

// A round-capped, round-joined antialiased line through points, painted on pixels
// from its coverage (LineCoverage), a strip of rows at a time: the figure's curve on
// a screen or in an image, where stroking its many segments one by one would cost a
// frame's time.
class PixelLine {
public:
    // Paints the line if painter paints pixels, at most scaled alike both ways, and
    // memory for a strip is to be had. Otherwise it paints nothing and says so, and
    // a vector path is the way.
    static bool paint(QPainter &painter, const std::vector<QPointF> &points, const QColor &ink, double width);
};

} // namespace picture
