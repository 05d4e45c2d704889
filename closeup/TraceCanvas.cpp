#include "TraceCanvas.h"

#include "FigurePainter.h"
#include "FigurePalette.h"
#include "FigureSquare.h"
#include "InputControls.h"

#include <QPainter>

#include <algorithm>

namespace closeup {

namespace {

// The trace fades in this many steps, each a piece of its points drawn at once.
constexpr int fadeSteps = 8;
constexpr double faintest = 0.15;
constexpr double edge = 1;

} // namespace

TraceCanvas::TraceCanvas(const InputControls &input, QWidget *parent)
    : QWidget(parent)
    , m_input(input)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&input, &InputControls::arrived, this, [this] {
        if (!m_frozen)
            update();
    });
}

void TraceCanvas::setFrozen(bool frozen)
{
    m_kept = frozen ? trace() : std::vector<QPointF>();
    m_frozen = frozen;
    update();
}

void TraceCanvas::hold(std::vector<QPointF> points)
{
    m_kept = std::move(points);
    m_frozen = true;
    update();
}

std::vector<QPointF> TraceCanvas::trace() const
{
    const std::span<const float> samples = m_input.latest(qsizetype(m_input.rate()) * persistenceMilliseconds / 1000);
    const double gain = m_input.gain();
    std::vector<QPointF> points;
    points.reserve(samples.size() / 2);
    for (std::size_t n = 0; n + 1 < samples.size(); n += 2)
        points.emplace_back(std::clamp(samples[n] * gain, -edge, edge), std::clamp(samples[n + 1] * gain, -edge, edge));
    return points;
}

void TraceCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), picture::FigurePalette::paper);
    const picture::FigureSquare square(picture::FigurePainter::squareIn(rect()));
    const double lineWidth = picture::FigurePainter::lineWidthFor(square.rect().width());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(picture::FigurePalette::frame, std::max(1.0, lineWidth / 3)));
    painter.drawRect(square.rect());
    const std::vector<QPointF> points = m_frozen ? m_kept : trace();
    if (points.size() < 2)
        return;
    std::vector<QPointF> mapped(points.size());
    std::transform(points.begin(), points.end(), mapped.begin(), [&](QPointF p) { return square.toSurface(p); });
    // Oldest faintest: each step of the persistence a shade darker, the newest full.
    const std::size_t step = std::max<std::size_t>(1, mapped.size() / fadeSteps);
    for (std::size_t from = 0; from + 1 < mapped.size(); from += step) {
        const std::size_t count = std::min(step + 1, mapped.size() - from);
        QColor ink = picture::FigurePalette::curve;
        ink.setAlphaF(float(faintest + (1 - faintest) * double(from + count) / double(mapped.size())));
        painter.setPen(QPen(ink, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(mapped.data() + from, int(count));
    }
}

} // namespace closeup
