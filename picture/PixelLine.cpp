#include "PixelLine.h"

#include "LineCoverage.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

namespace picture {

namespace {

// Rows painted at a time: a large picture needs no second picture's memory.
constexpr int mostStripRows = 256;

// The ink at each share of a pixel, premultiplied, as a painter lays it over paper.
LineCoverage::Shades shadesOf(const QColor &ink)
{
    LineCoverage::Shades shades;
    for (int share = 0; share <= LineCoverage::fullShare; ++share)
        shades[share] = qPremultiply(qRgba(ink.red(), ink.green(), ink.blue(), ink.alpha() * share / LineCoverage::fullShare));
    return shades;
}

LineCoverage::Pixels intersected(const LineCoverage::Pixels &pixels, const QRect &rect)
{
    const QRect common = QRect(pixels.left, pixels.top, pixels.width, pixels.height) & rect;
    return {common.left(), common.top(), common.width(), common.height()};
}

} // namespace

bool PixelLine::paint(QPainter &painter, const std::vector<QPointF> &points, const QColor &ink, double width)
{
    const QTransform toPixels = painter.deviceTransform();
    const bool evenScale = toPixels.type() <= QTransform::TxScale && toPixels.m11() == toPixels.m22() && toPixels.m11() > 0;
    if (painter.paintEngine()->type() != QPaintEngine::Raster || !evenScale)
        return false;
    // Short of memory for its few buffers it paints nothing, and the path is the way.
    try {
        std::vector<LineCoverage::Point> onPixels;
        onPixels.reserve(points.size());
        for (const QPointF &point : points) {
            const QPointF mapped = toPixels.map(point);
            onPixels.push_back({mapped.x(), mapped.y()});
        }
        const LineCoverage line(std::move(onPixels), width * toPixels.m11());
        LineCoverage::Pixels window = line.reach();
        // A band of a picture painted in bands needs only its own rows.
        if (painter.hasClipping())
            window = intersected(window, toPixels.mapRect(painter.clipBoundingRect()).toAlignedRect());
        if (window.width <= 0 || window.height <= 0)
            return true;
        QImage strip(window.width, std::min(window.height, mostStripRows), QImage::Format_ARGB32_Premultiplied);
        if (strip.isNull())
            return false;
        paintStrips(painter, line, window, shadesOf(ink), strip);
    } catch (const std::bad_alloc &) {
        return false;
    }
    return true;
}

void PixelLine::paintStrips(QPainter &painter, const LineCoverage &line, const LineCoverage::Pixels &window,
                            const LineCoverage::Shades &shades, QImage &strip)
{
    painter.save();
    // Pixel for pixel: the painter's own scale for a screen of a higher pixel ratio
    // is all that is left once the world's transform is reset.
    painter.resetTransform();
    const double ratio = painter.deviceTransform().m11();
    strip.setDevicePixelRatio(ratio);
    // A strip's rows follow one another without a gap: 32-bit pixels keep each row
    // aligned as an image's rows must be.
    auto *pixels = reinterpret_cast<std::uint32_t *>(strip.bits());
    for (int top = window.top; top < window.top + window.height; top += strip.height()) {
        const int rows = std::min(strip.height(), window.top + window.height - top);
        line.cover({window.left, top, window.width, rows}, pixels, shades);
        painter.drawImage(QPointF(window.left / ratio, top / ratio), strip, QRect(0, 0, window.width, rows));
    }
    painter.restore();
}

} // namespace picture
