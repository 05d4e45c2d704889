#pragma once

#include "FigurePainter.h"

class QPainter;
class QRectF;

namespace closeup {

// The figure with the two oscillations that make it: a point runs along the curve;
// beneath the square x(t) is drawn as a wave, time running down, beside it y(t), time
// running right, and on each the point's projection moves with it, joined to the
// point by a thin line. So students see two perpendicular oscillations compose the
// figure.
class OscillationsPainter {
public:
    explicit OscillationsPainter(const FigurePainter &figure);

    // Paints onto paper filling area, the point at time t (radians).
    void paint(QPainter &painter, const QRectF &area, bool withDots, double t) const;

private:
    const FigurePainter &m_figure;
};

} // namespace closeup
