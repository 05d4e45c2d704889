#include "OscillationsPainter.h"

#include "CloseUpTexts.h"
#include "FigurePalette.h"
#include "FigureSquare.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <limits>

namespace closeup {

namespace {

// The square's side as a share of the area's height, and at most of its width: more
// than half the view's height, the main element still.
constexpr double squareShareOfHeight = 0.77;
constexpr double squareShareOfWidth = 0.45;
// Room above the square and right of it for the touch marks, as the figure alone has
// it, in sides of the square.
constexpr double marksRoom = 0.07;
// The wave beside the square runs half as long again as the square's side, or what
// room there is; the one beneath takes what the height leaves.
constexpr double yWaveLength = 1.5;
// Room left of the square for x(t)'s label, in the labels' letter height.
constexpr double labelRoomInLetters = 3.2;
// The labels' letters, in sides of the square.
constexpr double letterShare = 1.0 / 18;
// The waves are drawn through this many points over a sweep.
constexpr int wavePoints = 600;
// A swing of either wave, one period of its oscillation, is never narrower than this
// many line widths along its time.
constexpr double leastSwingInLines = 12;
// The running point and its projections, in line widths.
constexpr double pointRadius = 2.5;
constexpr double projectionRadius = 1.8;
// A wave stands off the square by this many line widths.
constexpr double waveGapInLines = 3;
// Where both waves have room for all their swings, they show the figure's whole period.
constexpr double wholePeriod = 1;
// The lines joining the point to its projections: in the frame's ink, a third of the
// curve's width, never below a pixel.
constexpr double curveLinesPerJoin = 3;
constexpr double finestJoin = 1;
// What the point's antialiasing tints beyond its edge, in pixels.
constexpr double antialiasingReach = 1;
// The labels' letters never below a pixel; x(t)'s label may take two lines, and
// y(t)'s stands half a line under its band.
constexpr int smallestLetterPixels = 1;
constexpr double xLabelLines = 2;
constexpr double labelGapInLines = 0.5;
// A sweep's wave stops this share of it short of its end, which belongs to the next.
constexpr double shortOfEnd = 1e-9;
// The size of an area measured for the share of it the figure painter's square takes.
constexpr double probeSide = 1000;

// The figure painter's area whose square (picture::FigurePainter::squareIn) has this side.
double figureAreaFor(double side)
{
    const QRectF probe(0, 0, probeSide, probeSide);
    return side * probe.width() / picture::FigurePainter::squareIn(probe).width();
}

// A wave over a sweep from start, through the points onWave gives for its times.
template <class OnWave>
QPainterPath waveThrough(double start, double sweepTime, OnWave onWave)
{
    QPainterPath wave(onWave(start));
    for (int i = 1; i <= wavePoints; ++i)
        wave.lineTo(onWave(start + std::min(double(i) / wavePoints, 1 - shortOfEnd) * sweepTime));
    return wave;
}

double squareSideIn(const QRectF &area)
{
    return std::min(area.height() * squareShareOfHeight, area.width() * squareShareOfWidth);
}

double marksRoomFor(double side)
{
    return side * marksRoom;
}

double labelRoomFor(double side)
{
    const double letter = side * letterShare;
    return labelRoomInLetters * letter;
}

} // namespace

OscillationsPainter::OscillationsPainter(const picture::FigurePainter &figure, const QRectF &area)
    : m_figure(figure)
    , m_curve(figure.frequencies(), figure.phaseDegrees())
    , m_area(area)
{
    const double side = squareSideIn(area);
    // As thick as the figure's own line.
    m_lineWidth = picture::FigurePainter::lineWidthFor(side);
    const double yLength = yWaveLengthFor(side);
    m_square = squareFor(side, yLength);
    m_xWave = QRectF(m_square.left(), m_square.bottom() + waveGap(), side,
                     std::max(0.0, area.bottom() - m_square.bottom() - waveGap() - m_lineWidth));
    m_yWave = QRectF(m_square.right() + marksRoomFor(side) + waveGap(), m_square.top(), yLength, side);
    m_sweepTime = sweepTimeFitting();
}

double OscillationsPainter::waveGap() const
{
    return waveGapInLines * m_lineWidth;
}

double OscillationsPainter::yWaveLengthFor(double side) const
{
    // Each wave leaves a line's width to the area's edge, where its ends stand.
    const double room = m_area.width() - labelRoomFor(side) - side - marksRoomFor(side) - waveGap() - m_lineWidth;
    return std::clamp(room, 0.0, side * yWaveLength);
}

QRectF OscillationsPainter::squareFor(double side, double yLength) const
{
    // The whole row, x(t)'s label, the square, its marks and y(t), centred across the
    // area, at its top.
    const double labelRoom = labelRoomFor(side);
    const double rowWidth = labelRoom + side + marksRoomFor(side) + waveGap() + yLength;
    const double left = m_area.left() + std::max(0.0, (m_area.width() - rowWidth) / 2) + labelRoom;
    return {left, m_area.top() + marksRoomFor(side), side, side};
}

double OscillationsPainter::sweepTimeFitting() const
{
    // A whole period of the figure where both bands have room for all their swings, a
    // and b of them; else the share that leaves each swing readable, and never none.
    const auto [a, b] = m_figure.frequencies();
    const double leastSwing = leastSwingInLines * m_lineWidth;
    const double share = std::min({wholePeriod, m_xWave.height() / (a * leastSwing), m_yWave.width() / (b * leastSwing)});
    return figure::Curve::period * std::max(share, std::numeric_limits<double>::min());
}

int OscillationsPainter::sweep(double t) const
{
    return int(std::floor(t / m_sweepTime));
}

double OscillationsPainter::alongSweep(double t) const
{
    return t / m_sweepTime - sweep(t);
}

QPointF OscillationsPainter::onCurve(double t) const
{
    const figure::Curve::Point point = m_curve.at(t);
    return picture::FigureSquare(m_square).toSurface({point.x, point.y});
}

QPointF OscillationsPainter::onXWave(double t) const
{
    // Time runs down, a sweep over the band's height.
    return {onCurve(t).x(), m_xWave.top() + alongSweep(t) * m_xWave.height()};
}

QPointF OscillationsPainter::onYWave(double t) const
{
    // Time runs right, a sweep over the band's width.
    return {m_yWave.left() + alongSweep(t) * m_yWave.width(), onCurve(t).y()};
}

void OscillationsPainter::paintStill(QPainter &painter, bool withDots, double t) const
{
    painter.fillRect(m_area, picture::FigurePalette::paper);
    // The figure painter centres its square in an area with room round it for marks.
    QRectF figureArea(0, 0, figureAreaFor(m_square.width()), figureAreaFor(m_square.width()));
    figureArea.moveCenter(m_square.center());
    m_figure.paint(painter, figureArea, withDots);
    painter.fillRect(QRectF(m_area.left(), m_xWave.top(), m_area.width(), m_area.bottom() - m_xWave.top()),
                     picture::FigurePalette::paper);
    paintWaves(painter, t);
    paintLabels(painter);
}

void OscillationsPainter::paintWaves(QPainter &painter, double t) const
{
    if (m_xWave.height() <= 0 || m_yWave.width() <= 0)
        return;
    const double start = sweep(t) * m_sweepTime;
    // Clipped to one band of a picture painted in bands, the painter is spared a wave
    // wholly outside the clip: a wave's ink stays within its band and the line's width.
    const auto reaches = [&](const QRectF &wave) {
        return !painter.hasClipping()
               || painter.clipBoundingRect().intersects(wave.adjusted(-m_lineWidth, -m_lineWidth, m_lineWidth, m_lineWidth));
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(picture::FigurePalette::curve, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (reaches(m_xWave))
        painter.drawPath(waveThrough(start, m_sweepTime, [this](double time) { return onXWave(time); }));
    if (reaches(m_yWave))
        painter.drawPath(waveThrough(start, m_sweepTime, [this](double time) { return onYWave(time); }));
    painter.restore();
}

void OscillationsPainter::paintLabels(QPainter &painter) const
{
    // Each wave's name and the way its time runs: x(t) left of its band's top, time
    // downward; y(t) under its band's start, time to the right.
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(std::max(smallestLetterPixels, int(m_square.width() * letterShare)));
    painter.setFont(font);
    painter.setPen(picture::FigurePalette::caption);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const double gap = line * labelGapInLines;
    const QRectF xLabel(m_area.left(), m_xWave.top(), m_xWave.left() - m_area.left() - gap, xLabelLines * line);
    painter.drawText(xLabel, Qt::AlignRight | Qt::AlignTop, xWaveLabel);
    const QRectF yLabel(m_yWave.left(), m_yWave.bottom() + gap, m_yWave.width(), line);
    painter.drawText(yLabel, Qt::AlignLeft | Qt::AlignTop, yWaveLabel);
    painter.restore();
}

void OscillationsPainter::paintPoint(QPainter &painter, double t) const
{
    const QPointF point = onCurve(t);
    const QPointF onX = onXWave(t);
    const QPointF onY = onYWave(t);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(picture::FigurePalette::frame, std::max(finestJoin, m_lineWidth / curveLinesPerJoin), Qt::DashLine));
    painter.drawLine(point, onX);
    painter.drawLine(point, onY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(picture::FigurePalette::runningPoint);
    painter.drawEllipse(point, pointRadius * m_lineWidth, pointRadius * m_lineWidth);
    painter.drawEllipse(onX, projectionRadius * m_lineWidth, projectionRadius * m_lineWidth);
    painter.drawEllipse(onY, projectionRadius * m_lineWidth, projectionRadius * m_lineWidth);
    painter.restore();
}

QRegion OscillationsPainter::pointRegion(double t) const
{
    // The lines' boxes, widened by the point's radius and its antialiasing.
    const double reach = pointRadius * m_lineWidth + antialiasingReach;
    const QPointF point = onCurve(t);
    QRegion region;
    for (const QPointF &end : {onXWave(t), onYWave(t)})
        region += QRectF(point, end).normalized().adjusted(-reach, -reach, reach, reach).toAlignedRect();
    return region;
}

} // namespace closeup
