#include "Drift.h"

#include "Phase.h"
#include "ViewState.h"

#include <QScreen>

#include <algorithm>
#include <cmath>

namespace closeup {

namespace {

// Where a screen does not say its refresh rate.
constexpr double usualFramesPerSecond = 60;
constexpr double millisecondsPerSecond = 1000;
constexpr double nanosecondsPerSecond = 1e9;
constexpr double nanosecondsPerMillisecond = 1e6;

} // namespace

Drift::Drift(const ViewState &state, QObject *parent)
    : QObject(parent)
    , m_state(state)
{
    m_frames.setTimerType(Qt::PreciseTimer);
    m_frames.setSingleShot(true);
    connect(&m_frames, &QTimer::timeout, this, &Drift::frame);
}

void Drift::start(const QScreen *screen)
{
    const double rate = screen && screen->refreshRate() > 0 ? screen->refreshRate() : usualFramesPerSecond;
    m_frameMilliseconds = millisecondsPerSecond / rate;
    m_framesShown = 0;
    m_lastFrameNanoseconds = 0;
    m_running = true;
    m_sinceStart.start();
    waitForNextFrame();
}

void Drift::stop()
{
    m_running = false;
    m_frames.stop();
}

void Drift::frame()
{
    // By the time that passed, not by the frames counted: a late frame catches up.
    const qint64 now = m_sinceStart.nsecsElapsed();
    const double seconds = double(now - m_lastFrameNanoseconds) / nanosecondsPerSecond;
    m_lastFrameNanoseconds = now;
    emit advanced(figure::Phase::turnDegrees * seconds / m_state.turnSeconds());
    if (m_running)
        waitForNextFrame();
}

void Drift::waitForNextFrame()
{
    const double elapsed = double(m_sinceStart.nsecsElapsed()) / nanosecondsPerMillisecond;
    // Fallen behind by more than a frame (a busy machine), the count starts again from
    // now rather than hurrying frames out to make up for it.
    const qint64 dueNow = qint64(elapsed / m_frameMilliseconds);
    m_framesShown = std::max(m_framesShown + 1, dueNow);
    const double wait = double(m_framesShown) * m_frameMilliseconds - elapsed;
    m_frames.start(int(std::max(0.0, std::round(wait))));
}

} // namespace closeup
