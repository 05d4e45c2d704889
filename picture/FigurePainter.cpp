#include "FigurePainter.h"

#include "Curve.h"
#include "FigureGeometry.h"
#include "FigurePalette.h"
#include "FigureSquare.h"
#include "FigureWords.h"
#include "Lissajous.h"
#include "PixelLine.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

namespace picture {

namespace {

// A tick is never thinner than a pixel.
constexpr double finestTick = 1;
// How far beyond a shape's edge antialiasing tints the pixels, at most.
constexpr double antialiasingReach = 1;

} // namespace

// Where the figure's square lies in an area, and how thick its lines are there.
struct FigurePainter::Layout {
    // The square takes this share of the area's shorter side; the rest is room round
    // it for the marks that stand on its edges.
    static constexpr double squareShare = 0.88;
    // The line thickens with the picture, to read from the back of a room.
    static constexpr double linesAcrossSquare = 110;
    static constexpr double thinnestLine = 2;
    // The frame and the program's dots: a third of the line, at least a pixel.
    static constexpr double fineShare = 1.0 / 3;
    static constexpr double finest = 1;
    // A touch's tick: a twentieth of the side long, standing off the edge by the
    // line's width, so that it never touches the frame.
    static constexpr double tickShare = 0.05;

    explicit Layout(const QRectF &area)
        : square(squareIn(area))
        , toSquare(square)
    {
        const double side = square.width();
        lineWidth = lineWidthFor(side);
        fineWidth = std::max(finest, lineWidth * fineShare);
        tickLength = side * tickShare;
        tickGap = lineWidth;
    }

    QRectF square;
    double lineWidth;
    double fineWidth;
    double tickLength;
    double tickGap;
    // From the figure's own coordinates to the area's.
    FigureSquare toSquare;
};

FigurePainter::FigurePainter(figure::FrequencyPair frequencies, double phaseDegrees)
    : m_frequencies(frequencies)
    , m_phaseDegrees(phaseDegrees)
    , m_touches(frequencies.a, frequencies.b, phaseDegrees)
{
    // Enough points that no bend shows as a corner at full-screen size: about 48 for
    // every turn of either coordinate.
    constexpr int segmentsPerTurn = 48;
    constexpr int fewestSegments = 256;
    const auto [a, b] = frequencies;
    const int segments = std::max(fewestSegments, segmentsPerTurn * (a + b));
    const std::vector<figure::Curve::Point> curve = figure::Curve(frequencies, phaseDegrees).sampled(segments);
    m_curve.reserve(curve.size());
    for (const figure::Curve::Point &point : curve)
        m_curve.emplace_back(point.x, point.y);
    if (!isWindowFigure())
        return;
    m_dots.reserve(figure::Lissajous::dotCount);
    figure::Lissajous::forEachPoint(a, b, [this](figure::PlotPoint point) {
        m_dots.emplace_back(figure::FigureGeometry::unitXFromPlot(point.x), figure::FigureGeometry::unitYFromPlot(point.y));
    });
}

FigurePainter::FigurePainter(Signal signal)
    : m_frequencies{1, 1}
    , m_phaseDegrees(0)
    , m_touches(1, 1, 0)
    , m_touchesMarked(false)
{
    constexpr double edge = 1;
    m_curve.reserve(signal.points.size());
    for (const QPointF &point : signal.points)
        m_curve.emplace_back(std::clamp(point.x(), -edge, edge), std::clamp(point.y(), -edge, edge));
    signal.points.clear();
    m_signalWords = std::move(signal);
}

QString FigurePainter::title() const
{
    return m_signalWords ? m_signalWords->title : figureTitle(m_frequencies, m_phaseDegrees, m_touches);
}

QString FigurePainter::description() const
{
    return m_signalWords ? m_signalWords->description : viewDescription(m_frequencies, m_phaseDegrees, m_touches);
}

QRectF FigurePainter::squareIn(const QRectF &area)
{
    const double side = std::min(area.width(), area.height()) * Layout::squareShare;
    QRectF square(0, 0, side, side);
    square.moveCenter(area.center());
    return square;
}

double FigurePainter::lineWidthFor(double side)
{
    return std::max(Layout::thinnestLine, side / Layout::linesAcrossSquare);
}

void FigurePainter::paint(QPainter &painter, const QRectF &area, bool withDots) const
{
    const Layout layout(area);
    painter.save();
    painter.fillRect(area, FigurePalette::paper);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFrame(painter, layout);
    paintCurve(painter, layout);
    if (withDots)
        paintDots(painter, layout);
    if (m_touchesMarked)
        paintTouches(painter, layout);
    painter.restore();
}

double FigurePainter::frameWidth(const Layout &layout) const
{
    return std::max(layout.fineWidth, m_finestFrame);
}

void FigurePainter::paintFrame(QPainter &painter, const Layout &layout) const
{
    painter.setPen(QPen(m_inks.frame, frameWidth(layout)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.square);
}

void FigurePainter::paintCurve(QPainter &painter, const Layout &layout) const
{
    if (m_curve.empty())
        return;
    std::vector<QPointF> mapped(m_curve.size());
    std::transform(m_curve.begin(), m_curve.end(), mapped.begin(),
                   [&](const QPointF &p) { return layout.toSquare.toSurface(p); });
    // On pixels, from the line's coverage: a moving figure's every frame strokes it.
    if (PixelLine::paint(painter, mapped, m_inks.curve, layout.lineWidth))
        return;
    // In a vector file, one path that a drawing program can take as one curve; so
    // too on pixels turned or short of memory, where it is slower.
    painter.setPen(QPen(m_inks.curve, layout.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath curve(mapped.front());
    for (std::size_t i = 1; i < mapped.size(); ++i)
        curve.lineTo(mapped[i]);
    painter.drawPath(curve);
}

void FigurePainter::paintDots(QPainter &painter, const Layout &layout) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_inks.dot);
    for (const QPointF &dot : m_dots)
        painter.drawEllipse(layout.toSquare.toSurface(dot), layout.fineWidth, layout.fineWidth);
}

void FigurePainter::paintTouches(QPainter &painter, const Layout &layout) const
{
    // Each touch is a tick just outside the square, across the edge from it: above
    // the top, right of the right edge. There neighbouring ticks cover neither the
    // curve nor each other, even where touches crowd into a corner; each stays a
    // mark of its own to count. A free end, which counts half, has half a tick.
    std::vector<double> tops;
    std::vector<double> sides;
    for (const figure::TouchPoints::Touch &touch : m_touches.top())
        tops.push_back(layout.toSquare.xToSurface(touch.x));
    for (const figure::TouchPoints::Touch &touch : m_touches.side())
        sides.push_back(layout.toSquare.yToSurface(touch.y));
    const double closest = m_touches.closestApart() * layout.square.width() / 2;
    // As wide as the line, but leaving the closest two ticks on an edge four clear
    // pixels between them (five, less a pixel that the edges' antialiasing tints),
    // which read as two marks from the back of a room. Where that
    // would make them thinner than a clear tick, in a small picture, they keep that
    // width while a pixel and a half stays between them, and are never below a pixel.
    constexpr double clearance = 5;
    constexpr double leastClearance = 1.5;
    constexpr double clearTick = 2;
    const double crowded = std::min(clearTick, closest - leastClearance);
    const double width = std::clamp(std::max(closest - clearance, crowded), finestTick, layout.lineWidth);
    painter.setPen(QPen(m_inks.touch, width, Qt::SolidLine, Qt::FlatCap));
    const QRectF &square = layout.square;
    const auto length = [&](const figure::TouchPoints::Touch &touch) {
        return touch.freeEnd ? layout.tickLength / 2 : layout.tickLength;
    };
    for (std::size_t i = 0; i < tops.size(); ++i) {
        const double from = square.top() - layout.tickGap;
        painter.drawLine(QPointF(tops[i], from), QPointF(tops[i], from - length(m_touches.top()[i])));
    }
    for (std::size_t i = 0; i < sides.size(); ++i) {
        const double from = square.right() + layout.tickGap;
        painter.drawLine(QPointF(from, sides[i]), QPointF(from + length(m_touches.side()[i]), sides[i]));
    }
}

namespace {

// The caption takes the bottom eighth of a picture with its caption.
constexpr double captionShare = 1.0 / 8;
// Two lines of text sized to the caption's height, each within all but the margins
// of its width, and never below a readable size.
constexpr double captionLineHeights = 3.2;
constexpr double captionWidthShare = 0.94;
constexpr int smallestCaptionPixels = 6;
constexpr int captionAlignment = Qt::AlignHCenter | Qt::AlignTop;

} // namespace

QRectF FigurePainter::figureAreaOf(const QRectF &area)
{
    return {area.left(), area.top(), area.width(), area.height() * (1 - captionShare)};
}

QRectF FigurePainter::captionAreaOf(const QRectF &area)
{
    const QRectF figure = figureAreaOf(area);
    return {area.left(), figure.bottom(), area.width(), area.bottom() - figure.bottom()};
}

void FigurePainter::paintWithCaption(QPainter &painter, const QRectF &area, bool withDots) const
{
    paint(painter, figureAreaOf(area), withDots);
    paintCaption(painter, captionAreaOf(area));
}

QRectF FigurePainter::drawnIn(const Layout &layout) const
{
    const double halfLine = layout.lineWidth / 2;
    QRectF drawn = layout.square.adjusted(-halfLine, -halfLine, halfLine, halfLine);
    // The marks stand above the top edge and right of the right one.
    if (m_touchesMarked) {
        const double marks = layout.tickGap + layout.tickLength;
        drawn.adjust(0, -marks, marks, 0);
    }
    return drawn;
}

QRectF FigurePainter::paintedIn(const QRectF &area) const
{
    const Layout layout(area);
    // The frame's pen may be wider than the line; and antialiasing tints a pixel more.
    const double beyond = std::max(0.0, frameWidth(layout) - layout.lineWidth) / 2 + antialiasingReach;
    return drawnIn(layout).adjusted(-beyond, -beyond, beyond, beyond);
}

QRectF FigurePainter::drawnWithCaption(const QPainter &painter, const QRectF &area) const
{
    const QRectF drawn = drawnIn(Layout(figureAreaOf(area)));
    const QRectF caption = captionAreaOf(area);
    const QFontMetricsF metrics(captionFont(painter, caption), painter.device());
    return drawn | metrics.boundingRect(caption, captionAlignment, captionText());
}

QString FigurePainter::captionText() const
{
    if (m_signalWords)
        return m_signalWords->caption;
    return frequenciesLine(m_frequencies, m_phaseDegrees) + QLatin1Char('\n') + countsLine(m_touches);
}

QFont FigurePainter::captionFont(const QPainter &painter, const QRectF &area) const
{
    QFont font = painter.font();
    font.setPixelSize(std::max(smallestCaptionPixels, int(area.height() / captionLineHeights)));
    const QFontMetricsF metrics(font, painter.device());
    double widest = 0;
    for (const QString &line : captionText().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const double room = area.width() * captionWidthShare;
    if (widest > room)
        font.setPixelSize(std::max(smallestCaptionPixels, int(font.pixelSize() * room / widest)));
    return font;
}

void FigurePainter::paintCaption(QPainter &painter, const QRectF &area) const
{
    painter.save();
    painter.fillRect(area, FigurePalette::paper);
    painter.setFont(captionFont(painter, area));
    painter.setPen(FigurePalette::caption);
    painter.drawText(area, captionAlignment, captionText());
    painter.restore();
}

} // namespace picture
