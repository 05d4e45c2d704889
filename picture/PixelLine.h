#pragma once

#include "LineCoverage.h"

#include <QColor>
#include <QPointF>

#include <vector>

class QImage;
class QPainter;

namespace picture {

// A round-capped, round-joined antialiased line through points, painted on pixels
// from its coverage (LineCoverage) as one image: the figure's curve on a screen or in
// an image, where stroking its many segments one by one would cost a frame's time.
class PixelLine {
public:
    // Paints the line if painter paints pixels unrotated, unsheared and unstretched;
    // otherwise paints nothing and says so, and a vector path is the way.
    static bool paint(QPainter &painter, const std::vector<QPointF> &points, const QColor &ink, double width);

private:
    // Paints window's pixels a strip of rows at a time, through strip.
    static void paintStrips(QPainter &painter, const LineCoverage &line, const LineCoverage::Pixels &window,
                            const LineCoverage::Shades &shades, QImage &strip);
};

} // namespace picture
