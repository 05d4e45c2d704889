#include "OscillationsPainter.h"

#include "FigurePalette.h"
#include "Phase.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace closeup {

namespace {

// The figure takes this share of the area's shorter side, top left; the waves the
// rest, beneath and beside it.
constexpr double figureShare = 0.72;
// One period of t shows on each wave, drawn through this many points.
constexpr double periodsShown = 1;
constexpr int wavePoints = 600;
// The running point and its projections, in line widths.
constexpr double pointRadius = 6;
constexpr double projectionRadius = 4;

} // namespace

OscillationsPainter::OscillationsPainter(const FigurePainter &figure)
    : m_figure(figure)
{
}

void OscillationsPainter::paint(QPainter &painter, const QRectF &area, bool withDots, double t) const
{
    painter.fillRect(area, FigurePalette::paper);
    const double side = std::min(area.width(), area.height()) * figureShare;
    const QRectF figureArea(area.topLeft(), QSizeF(side, side));
    m_figure.paint(painter, figureArea, withDots);

    // The waves line up with the curve's own extent.
    const QRectF square = FigurePainter::squareIn(figureArea);
    const double half = square.width() / 2;
    const auto [a, b] = m_figure.frequencies();
    const double phase = figure::Phase::radians(m_figure.phaseDegrees());
    const auto xAt = [&](double time) { return square.center().x() + half * std::sin(a * time + phase); };
    const auto yAt = [&](double time) { return square.center().y() + half * std::sin(b * time); };
    // Time runs down beneath the square and right beside it, from the point's now.
    const double downRoom = area.bottom() - figureArea.bottom();
    const double rightRoom = area.right() - figureArea.right();
    const double span = 2 * std::numbers::pi * periodsShown;
    QPainterPath xWave;
    QPainterPath yWave;
    for (int i = 0; i <= wavePoints; ++i) {
        const double share = double(i) / wavePoints;
        const double time = t + share * span;
        const QPointF onX(xAt(time), figureArea.bottom() + share * downRoom);
        const QPointF onY(figureArea.right() + share * rightRoom, yAt(time));
        i == 0 ? xWave.moveTo(onX) : xWave.lineTo(onX);
        i == 0 ? yWave.moveTo(onY) : yWave.lineTo(onY);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double line = std::max(1.5, square.width() / 220);
    painter.setPen(QPen(FigurePalette::curve, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(xWave);
    painter.drawPath(yWave);

    const QPointF point(xAt(t), yAt(t));
    const QPointF onX(point.x(), figureArea.bottom());
    const QPointF onY(figureArea.right(), point.y());
    painter.setPen(QPen(FigurePalette::frame, std::max(1.0, line / 2), Qt::DashLine));
    painter.drawLine(point, onX);
    painter.drawLine(point, onY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FigurePalette::runningPoint);
    painter.drawEllipse(point, pointRadius * line, pointRadius * line);
    painter.drawEllipse(onX, projectionRadius * line, projectionRadius * line);
    painter.drawEllipse(onY, projectionRadius * line, projectionRadius * line);
    painter.restore();
}

} // namespace closeup
