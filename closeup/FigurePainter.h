#pragma once

#include "TouchPoints.h"

#include <QList>
#include <QPointF>
#include <QRgb>
#include <QRectF>

#include <vector>

class QPainter;

namespace closeup {

// Draws the Lissajous figure for whole frequencies a and b as a teacher shows it:
// the curve x = cos(a t), y = sin(b t) as one smooth line over a full period, the
// square it is inscribed in, its touch points on the top and right edges (free
// ends half filled, since they count half) and, if asked, the program's 2001 dots.
// One routine for every surface: a window, an image, a vector file, a printer.
class FigurePainter {
public:
    FigurePainter(int a, int b);

    int a() const { return m_a; }
    int b() const { return m_b; }
    const figure::TouchPoints &touches() const { return m_touches; }

    // Paints onto a white background filling area, the figure's square centred in it.
    void paint(QPainter &painter, const QRectF &area, bool withDots) const;
    // The figure with its caption beneath, the frequencies and the touch counts, as
    // the view shows them: the picture for a worksheet, a slide or a printed page.
    void paintWithCaption(QPainter &painter, const QRectF &area, bool withDots) const;

    // Every colour a painted figure has: each ink blended with the white paper in
    // steps. A picture of it keeps its look with this palette of fewer than 256.
    static QList<QRgb> palette();

private:
    int m_a;
    int m_b;
    figure::TouchPoints m_touches;
    // In the figure's own coordinates, -1 to 1 on both axes, y downward.
    std::vector<QPointF> m_curve;
    std::vector<QPointF> m_dots;
};

} // namespace closeup
