#pragma once

#include "Curve.h"
#include "FigurePainter.h"

#include <QRectF>

class QPainter;
class QRegion;

namespace closeup {

// The figure with the two oscillations that make it: beneath the square x(t) as a
// wave with time running down, beside it y(t) with time running right, labelled; a
// point runs along the curve and its projections along the waves, joined to it by
// thin lines. So students see two perpendicular oscillations compose the figure. The
// square stays the main element, the waves sized to it.
//
// Both waves show the same stretch of time, a sweep: a whole period of the figure
// where the waves have room to show it readably, else as much as keeps every swing
// of either wave a readable width, and then sweep after sweep as the point runs on.
// The figure, the waves and their labels stand still while the point runs within a
// sweep: they are painted once (paintStill), and at each step only the point
// (paintPoint), over the region it leaves and enters (pointRegion).
class OscillationsPainter {
public:
    OscillationsPainter(const picture::FigurePainter &figure, const QRectF &area);

    // Paints onto paper filling the area, the waves over the sweep that holds time t.
    void paintStill(QPainter &painter, bool withDots, double t) const;
    // Which sweep time t falls in: while it stays the same, the still picture does.
    int sweep(double t) const;
    // The point at time t (radians), its projections and the lines joining them.
    void paintPoint(QPainter &painter, double t) const;
    // What paintPoint covers at time t.
    QRegion pointRegion(double t) const;

    // Where the figure's square lies, and the waves' bands, time running along their
    // longer side.
    const QRectF &square() const { return m_square; }
    const QRectF &xWave() const { return m_xWave; }
    const QRectF &yWave() const { return m_yWave; }

private:
    // The layout, in the order the constructor finds it.
    double waveGap() const;
    double yWaveLengthFor(double side) const;
    QRectF squareFor(double side, double yLength) const;
    double sweepTimeFitting() const;

    QPointF onCurve(double t) const;
    // Where along a wave's time the point at t stands, 0 to 1 over its sweep.
    double alongSweep(double t) const;
    QPointF onXWave(double t) const;
    QPointF onYWave(double t) const;
    void paintWaves(QPainter &painter, double t) const;
    void paintLabels(QPainter &painter) const;

    const picture::FigurePainter &m_figure;
    figure::Curve m_curve;
    QRectF m_area;
    QRectF m_square;
    QRectF m_xWave;
    QRectF m_yWave;
    double m_lineWidth;
    // The time a sweep shows, in radians.
    double m_sweepTime;
};

} // namespace closeup
