#pragma once

#include "LineCoverage.h"

#include <QColor>
#include <QPointF>
#include <QRgb>

#include <array>
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

    // The ink at each share of a pixel, premultiplied.
    using Shades = std::array<QRgb, LineCoverage::fullShare + 1>;

private:
    // Paints window's pixels a strip at a time, through shares and strip.
    static void paintStrips(QPainter &painter, const LineCoverage &line, const LineCoverage::Pixels &window,
                            const Shades &shades, std::uint8_t *shares, QImage &strip);
};

} // namespace picture
