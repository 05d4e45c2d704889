#include "PixelLine.h"

#include "LineCoverage.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <optional>

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

// Paints window's pixels of line a strip of rows at a time, through strip.
void paintStrips(QPainter &painter, const LineCoverage &line, const LineCoverage::Pixels &window,
                 const LineCoverage::Shades &shades, QImage &strip)
{
    // Pixel for pixel: whatever takes the painter's units to the device's pixels
    // (the world's transform, a screen's pixel ratio, a widget's place in its
    // window) is undone for the strips.
    const QTransform toPixels = painter.deviceTransform();
    painter.save();
    painter.setWorldTransform(toPixels.inverted() * painter.worldTransform());
    // A strip's rows follow one another without a gap: 32-bit pixels keep each row
    // aligned as an image's rows must be.
    auto *pixels = reinterpret_cast<std::uint32_t *>(strip.bits());
    for (int top = window.top; top < window.top + window.height; top += strip.height()) {
        const int rows = std::min(strip.height(), window.top + window.height - top);
        line.cover({window.left, top, window.width, rows}, pixels, shades);
        painter.drawImage(QPoint(window.left, top), strip, QRect(0, 0, window.width, rows));
    }
    painter.restore();
}

} // namespace

bool PixelLine::paint(QPainter &painter, const std::vector<QPointF> &points, const QColor &ink, double width)
{
    const QTransform toPixels = painter.deviceTransform();
    const bool evenScale = toPixels.type() <= QTransform::TxScale && toPixels.m11() == toPixels.m22() && toPixels.m11() > 0;
    if (painter.paintEngine()->type() != QPaintEngine::Raster || !evenScale)
        return false;
    // Everything it needs is had before the first strip is painted: short of memory,
    // it paints nothing, and the path is the way.
    std::optional<LineCoverage> line;
    LineCoverage::Pixels window{};
    QImage strip;
    try {
        std::vector<LineCoverage::Point> onPixels;
        onPixels.reserve(points.size());
        for (const QPointF &point : points) {
            const QPointF mapped = toPixels.map(point);
            if (!std::isfinite(mapped.x()) || !std::isfinite(mapped.y()))
                return false;
            onPixels.push_back({mapped.x(), mapped.y()});
        }
        line.emplace(std::move(onPixels), width * toPixels.m11());
        window = line->reach();
        // A band of a picture painted in bands needs only its own rows.
        if (painter.hasClipping())
            window = intersected(window, toPixels.mapRect(painter.clipBoundingRect()).toAlignedRect());
        if (window.width <= 0 || window.height <= 0)
            return true;
        strip = QImage(window.width, std::min(window.height, mostStripRows), QImage::Format_ARGB32_Premultiplied);
    } catch (const std::bad_alloc &) {
        return false;
    }
    if (strip.isNull())
        return false;
    paintStrips(painter, *line, window, shadesOf(ink), strip);
    return true;
}

} // namespace picture
