#include "Drift.h"

#include "Phase.h"
#include "ViewState.h"

#include <QScreen>

#include <cmath>

namespace closeup {

namespace {

// Where a screen does not say its refresh rate.
constexpr double usualFramesPerSecond = 60;
constexpr double millisecondsPerSecond = 1000;

} // namespace

Drift::Drift(const ViewState &state, QObject *parent)
    : QObject(parent)
    , m_state(state)
{
    m_frames.setTimerType(Qt::PreciseTimer);
    connect(&m_frames, &QTimer::timeout, this, &Drift::frame);
}

void Drift::start(const QScreen *screen)
{
    const double rate = screen && screen->refreshRate() > 0 ? screen->refreshRate() : usualFramesPerSecond;
    m_frames.start(int(std::lround(millisecondsPerSecond / rate)));
    m_sinceLastFrame.start();
}

void Drift::stop()
{
    m_frames.stop();
}

void Drift::frame()
{
    // By the time that passed, not by the frames counted: a late frame catches up.
    const double seconds = double(m_sinceLastFrame.restart()) / millisecondsPerSecond;
    emit advanced(figure::Phase::turnDegrees * seconds / m_state.turnSeconds());
}

} // namespace closeup
