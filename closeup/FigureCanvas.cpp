#include "FigureCanvas.h"

#include "FigurePalette.h"
#include "OscillationsPainter.h"
#include "PictureBands.h"
#include "ViewState.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

namespace closeup {

namespace {

// Below this the figure's marks would run together.
constexpr int smallestSide = 200;

// The format a pixmap has on this screen: the picture kept in it is copied to the
// screen as it is, converting nothing.
QImage::Format screenFormat()
{
    return QPixmap(1, 1).toImage().format();
}

} // namespace

FigureCanvas::FigureCanvas(const ViewState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(smallestSide, smallestSide);
    connect(&m_state, &ViewState::figureChanged, this, &FigureCanvas::followState);
    followState();
}

void FigureCanvas::followState()
{
    // One figure following another at the same size, as the drift makes them, changes
    // nothing of the picture outside their boxes: only those are painted again.
    const bool figureFollows = m_figure && m_state.hasFigure() && !m_running && !m_picture.isNull();
    const QRectF left = figureFollows ? m_figure->paintedIn(rect()) : QRectF();
    if (m_state.hasFigure())
        m_figure.emplace(m_state.frequencies(), m_state.phaseDegrees());
    else
        m_figure.reset();
    if (figureFollows) {
        m_stale |= left | m_figure->paintedIn(rect());
        update(m_stale.toAlignedRect());
        return;
    }
    m_picture = {};
    update();
}

void FigureCanvas::setShowDots(bool show)
{
    m_showDots = show;
    m_picture = {};
    update();
}

void FigureCanvas::setRunningPoint(std::optional<double> t)
{
    // While the point runs within a sweep of the waves, only it moves: the picture
    // kept under it stays, and only where the point leaves and enters is painted again.
    const auto sameSweep = [&] {
        const OscillationsPainter oscillations(*m_figure, rect());
        return oscillations.sweep(*m_running) == oscillations.sweep(*t);
    };
    if (m_figure && m_running && t && sameSweep()) {
        const OscillationsPainter oscillations(*m_figure, rect());
        const QRegion moved = oscillations.pointRegion(*m_running) + oscillations.pointRegion(*t);
        m_running = t;
        update(moved);
        return;
    }
    m_running = t;
    m_picture = {};
    update();
}

void FigureCanvas::resizeEvent(QResizeEvent *)
{
    m_picture = {};
}

void FigureCanvas::paintFigure(QPainter &painter) const
{
    if (m_figure && m_running)
        OscillationsPainter(*m_figure, rect()).paintStill(painter, m_showDots, *m_running);
    else if (m_figure)
        m_figure->paint(painter, rect(), m_showDots);
    else
        painter.fillRect(rect(), picture::FigurePalette::paper);
}

void FigureCanvas::paintEvent(QPaintEvent *event)
{
    // A picture kept from another pixel ratio (the view moved to a screen of another
    // scale) would show blurred or at the wrong size: it is painted again.
    if (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF()) {
        m_picture = QImage(size() * devicePixelRatioF(), screenFormat());
        if (m_picture.isNull()) {
            // No memory to keep the picture in: paint straight onto the screen.
            QPainter painter(this);
            paintFigure(painter);
            paintRunningPoint(painter);
            return;
        }
        m_picture.setDevicePixelRatio(devicePixelRatioF());
        m_stale = rect();
    }
    if (!m_stale.isEmpty()) {
        PictureBands::paint(m_picture, m_stale, [this](QPainter &painter) { paintFigure(painter); });
        m_stale = {};
    }
    QPainter painter(this);
    painter.drawImage(QRectF(event->rect()), m_picture, QRectF(event->rect().topLeft() * devicePixelRatioF(),
                                                       event->rect().size() * devicePixelRatioF()));
    paintRunningPoint(painter);
}

void FigureCanvas::paintRunningPoint(QPainter &painter) const
{
    if (m_figure && m_running)
        OscillationsPainter(*m_figure, rect()).paintPoint(painter, *m_running);
}

} // namespace closeup
