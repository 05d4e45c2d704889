// A full render of the close-up view at 1920 x 1080 for (19, 18), against the naive
// way: one antialiased drawPolyline of the same points with the same pen into an
// image of the same size. Also the repaint of an unchanged view, from its kept picture,
// and one frame of the drift at full HD and at 4K: the view's own drift steps the phase
// and what changed is painted into the backing store, as the event loop would next.
#include "CloseUpView.h"
#include "Drift.h"
#include "FigureCanvas.h"
#include "FigurePainter.h"
#include "Phase.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QSize fullHd(1920, 1080);
const QSize ultraHd(3840, 2160);
// The drift's frames on a screen of the usual rate.
constexpr double framesPerSecond = 60;

void closeUpRender(benchmark::State &state)
{
    const picture::FigurePainter figure({19, 18});
    QImage image(fullHd, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        figure.paint(painter, QRectF(QPointF(0, 0), fullHd), false);
    }
}

// The same curve, square and pen as the close-up draws, stroked as one polyline.
void naivePolyline(benchmark::State &state)
{
    const int a = 19, b = 18;
    const int segments = std::max(256, 48 * (a + b));
    const double side = std::min(fullHd.width(), fullHd.height()) * 0.88;
    const QPointF centre(fullHd.width() / 2.0, fullHd.height() / 2.0);
    std::vector<QPointF> curve;
    for (int i = 0; i <= segments; ++i) {
        const double t = 2 * std::numbers::pi * i / segments;
        curve.push_back(centre + QPointF(std::cos(a * t), std::sin(b * t)) * (side / 2));
    }
    const QPen pen(QColor(16, 32, 112), std::max(2.0, side / 110), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QImage image(fullHd, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(pen);
        painter.drawPolyline(curve.data(), int(curve.size()));
    }
}

// An open view at full-HD size, repainted with nothing changed.
void unchangedViewRepaint(benchmark::State &state)
{
    closeup::CloseUpView view;
    view.showFigure({19, 18});
    view.resize(fullHd);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        state.SkipWithError("the view was not shown");
    for (auto _ : state) {
        view.repaint();
    }
}

// Counts the paints of the view's picture, so that a frame which painted nothing fails.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The view of (19, 18) at the given size, its drift started with Space as a user
// starts it; each frame is the step the drift makes at 60 Hz, then the repaint.
void driftFrame(benchmark::State &state, QSize size)
{
    closeup::CloseUpView view;
    view.showFigure({19, 18});
    view.resize(size);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view) || view.size() != size) {
        state.SkipWithError("the view was not shown at its size");
        return;
    }
    QTest::keyClick(&view, Qt::Key_Space);
    closeup::Drift *drift = nullptr;
    for (closeup::Drift *candidate : view.findChildren<closeup::Drift *>())
        if (candidate->isRunning())
            drift = candidate;
    auto *canvas = view.findChild<closeup::FigureCanvas *>();
    if (!drift || !canvas) {
        state.SkipWithError("the drift did not start");
        return;
    }
    // Its timer stays unserved: only posted events are delivered below.
    const double step = figure::Phase::turnDegrees / framesPerSecond / view.state().turnSeconds();
    PaintCounter counter;
    canvas->installEventFilter(&counter);
    QCoreApplication::sendPostedEvents();
    for (auto _ : state) {
        const int before = counter.paints;
        emit drift->advanced(step);
        QCoreApplication::sendPostedEvents();
        if (counter.paints == before) {
            state.SkipWithError("the frame painted no picture");
            break;
        }
    }
}

} // namespace

BENCHMARK(closeUpRender)->Name("closeup/render/19:18")->Unit(benchmark::kMillisecond);
BENCHMARK(naivePolyline)->Name("closeup/polyline/19:18")->Unit(benchmark::kMillisecond);
BENCHMARK(unchangedViewRepaint)->Name("closeup/repaint/19:18")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(driftFrame, 1080p, fullHd)->Name("closeup/frame/1080p")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(driftFrame, 2160p, ultraHd)->Name("closeup/frame/2160p")->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
