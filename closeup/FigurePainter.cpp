#include "FigurePainter.h"

#include "CloseUpTexts.h"
#include "Lissajous.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QFontMetricsF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace closeup {

namespace {

const QColor paper = Qt::white;
const QColor frameColour(128, 128, 128);
const QColor curveColour(16, 32, 112);
const QColor touchColour(220, 0, 0);
const QColor dotColour(255, 140, 0);
const QColor captionColour = Qt::black;

// Enough points that no bend shows as a corner at full-screen size: about 48 for
// every turn of either coordinate.
int segmentsFor(int a, int b)
{
    return std::max(256, 48 * (a + b));
}

// The square of the figure inside area, with room round it for the marks.
QRectF figureSquare(const QRectF &area)
{
    const double side = std::min(area.width(), area.height()) * 0.88;
    QRectF square(0, 0, side, side);
    square.moveCenter(area.center());
    return square;
}

} // namespace

FigurePainter::FigurePainter(int a, int b)
    : m_a(a)
    , m_b(b)
    , m_touches(a, b)
{
    const int segments = segmentsFor(a, b);
    m_curve.reserve(std::size_t(segments) + 1);
    for (int i = 0; i <= segments; ++i) {
        const double t = 2 * std::numbers::pi * i / segments;
        m_curve.emplace_back(std::cos(a * t), std::sin(b * t));
    }
    // The program's own dots, from plot units (250 to 750) to the same coordinates.
    m_dots.reserve(2001);
    figure::Lissajous::forEachPoint(a, b, [this](figure::PlotPoint point) {
        m_dots.emplace_back((point.x - 500.0) / 250, (point.y - 500.0) / 250);
    });
}

void FigurePainter::paint(QPainter &painter, const QRectF &area, bool withDots) const
{
    painter.save();
    painter.fillRect(area, paper);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF square = figureSquare(area);
    const double half = square.width() / 2;
    // The line thickens with the picture, so that it reads from the back of a room.
    const double lineWidth = std::max(2.0, square.width() / 110);
    const QTransform toSquare = QTransform::fromTranslate(square.center().x(), square.center().y())
                                    .scale(half, half);

    painter.setPen(QPen(frameColour, std::max(1.0, lineWidth / 3)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square);

    std::vector<QPointF> mapped(m_curve.size());
    std::transform(m_curve.begin(), m_curve.end(), mapped.begin(), [&](const QPointF &p) { return toSquare.map(p); });
    painter.setPen(QPen(curveColour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
        // On pixels, segment by segment, with round caps, which join as smoothly as
        // one line: Qt strokes a long self-crossing polyline, or many lines in one
        // call, as one huge path, about three times slower than short strokes.
        for (std::size_t i = 1; i < mapped.size(); ++i)
            painter.drawLine(mapped[i - 1], mapped[i]);
    } else {
        // In a vector file, one path that a drawing program can take as one curve.
        QPainterPath curve(mapped.front());
        for (std::size_t i = 1; i < mapped.size(); ++i)
            curve.lineTo(mapped[i]);
        painter.drawPath(curve);
    }

    if (withDots) {
        const double radius = std::max(1.0, lineWidth / 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(dotColour);
        for (const QPointF &dot : m_dots)
            painter.drawEllipse(toSquare.map(dot), radius, radius);
    }

    // A touch is a filled disc; a free end, which counts half, is a ring half filled,
    // the line showing through the other half. Many touches crowd an edge, so their
    // discs shrink, but never below the line.
    const double markRadius = std::clamp(square.width() / (6.0 * std::max(m_a, m_b)), lineWidth * 1.1, lineWidth * 2.2);
    painter.setPen(QPen(touchColour, std::max(1.5, lineWidth / 2)));
    for (const auto *edge : {&m_touches.top(), &m_touches.side()}) {
        for (const figure::TouchPoints::Touch &touch : *edge) {
            const QPointF centre = toSquare.map(QPointF(touch.x, touch.y));
            const QRectF disc(centre.x() - markRadius, centre.y() - markRadius, 2 * markRadius, 2 * markRadius);
            painter.setBrush(touch.freeEnd ? QBrush(Qt::NoBrush) : QBrush(touchColour));
            painter.drawEllipse(disc);
            if (touch.freeEnd) {
                painter.setBrush(touchColour);
                painter.drawPie(disc, 90 * 16, 180 * 16);
            }
        }
    }
    painter.restore();
}

void FigurePainter::paintWithCaption(QPainter &painter, const QRectF &area, bool withDots) const
{
    // The caption takes the bottom eighth, in two lines of text sized to it.
    const double captionHeight = area.height() / 8;
    const QRectF figureArea(area.left(), area.top(), area.width(), area.height() - captionHeight);
    const QRectF captionArea(area.left(), figureArea.bottom(), area.width(), captionHeight);
    paint(painter, figureArea, withDots);

    painter.save();
    painter.fillRect(captionArea, paper);
    const QString lines[] = {frequenciesLine(m_a, m_b), countsLine(m_touches)};
    // As large as two lines fit, and each line within the width.
    QFont font = painter.font();
    font.setPixelSize(std::max(6, int(captionHeight / 3.2)));
    const double widest = std::max(QFontMetricsF(font).horizontalAdvance(lines[0]),
                                   QFontMetricsF(font).horizontalAdvance(lines[1]));
    if (widest > captionArea.width() * 0.94)
        font.setPixelSize(std::max(6, int(font.pixelSize() * captionArea.width() * 0.94 / widest)));
    painter.setFont(font);
    painter.setPen(captionColour);
    painter.drawText(captionArea, Qt::AlignHCenter | Qt::AlignTop, lines[0] + QLatin1Char('\n') + lines[1]);
    painter.restore();
}

QList<QRgb> FigurePainter::palette()
{
    QList<QRgb> colours;
    constexpr int steps = 50;
    for (const QColor &ink : {curveColour, touchColour, dotColour, frameColour, captionColour}) {
        for (int step = 0; step <= steps; ++step) {
            const auto blend = [&](int inkValue) { return 255 + (inkValue - 255) * step / steps; };
            colours << qRgb(blend(ink.red()), blend(ink.green()), blend(ink.blue()));
        }
    }
    return colours;
}

} // namespace closeup
