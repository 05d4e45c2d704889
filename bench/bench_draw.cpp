// The cost of a draw next to its floor, the 2001 pairs of sines: DrawFigure and
// ClearPlot through the window's own buttons, each with the synchronous repaint of
// the plot area into the window's backing store, on Qt's offscreen platform.
#include "Application.h"
#include "CommandButton.h"
#include "Korvana.h"
#include "ListBox.h"
#include "Lissajous.h"
#include "PictureBox.h"

#include <benchmark/benchmark.h>

#include <QTest>

namespace {

void points(benchmark::State &state)
{
    for (auto _ : state) {
        figure::Lissajous::forEachPoint(19, 7, [](figure::PlotPoint point) { benchmark::DoNotOptimize(point); });
    }
}

// The window, started as the program starts it, showing (19, 7) when drawn.
class Window : public QObject {
public:
    Window()
    {
        m_korvana.control<forms::PictureBox>("Picture1").installEventFilter(this);
        m_korvana.start();
        if (!QTest::qWaitForWindowExposed(&m_korvana))
            qFatal("the window was not shown");
        m_korvana.control<forms::ListBox>("List1", 0).setListIndex(18);
        m_korvana.control<forms::ListBox>("List1", 1).setListIndex(6);
    }

    // Presses the button, then paints what changed into the backing store at once,
    // as the event loop would next.
    void press(std::int16_t button, benchmark::State &state)
    {
        m_painted = false;
        m_korvana.control<forms::CommandButton>("Command1", button).click();
        QCoreApplication::sendPostedEvents();
        // A draw always changes the picture; a clear of a blank area changes nothing.
        if (button == 0 && !m_painted)
            state.SkipWithError("the plot area was not repainted");
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_painted |= event->type() == QEvent::Paint;
        return false;
    }

private:
    bool m_painted = false;
    Korvana m_korvana;
};

void drawFigure(benchmark::State &state)
{
    Window window;
    for (auto _ : state)
        window.press(0, state);
}

void clearPlot(benchmark::State &state)
{
    Window window;
    for (auto _ : state)
        window.press(1, state);
}

} // namespace

BENCHMARK(points)->Name("points/19:7")->Unit(benchmark::kMicrosecond);
BENCHMARK(drawFigure)->Name("DrawFigure/19:7")->Unit(benchmark::kMicrosecond);
BENCHMARK(clearPlot)->Name("ClearPlot")->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto application = forms::createApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
