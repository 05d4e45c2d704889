#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>

namespace picture {

// The square a figure is inscribed in, on some surface, and the one way between the
// figure's own coordinates (-1 to 1 on both axes, y upward as in its formula and on
// an oscilloscope) and the surface's (y downward). Every painter of the figure, its
// marks and its oscillations goes through it, so they all stand the same way up.
class FigureSquare {
public:
    explicit FigureSquare(const QRectF &square)
        : m_square(square)
        , m_toSurface(QTransform::fromTranslate(square.center().x(), square.center().y())
                          .scale(square.width() / 2, -square.height() / 2))
    {
    }

    const QRectF &rect() const { return m_square; }
    QPointF toSurface(QPointF unit) const { return m_toSurface.map(unit); }
    double xToSurface(double x) const { return toSurface({x, 0}).x(); }
    double yToSurface(double y) const { return toSurface({0, y}).y(); }
    QPointF fromSurface(QPointF point) const { return m_toSurface.inverted().map(point); }

private:
    QRectF m_square;
    QTransform m_toSurface;
};

} // namespace picture
