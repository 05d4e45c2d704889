#include "ViewState.h"

#include "Drift.h"
#include "Phase.h"

namespace closeup {

ViewState::ViewState(QObject *parent)
    : QObject(parent)
    , m_frequencies{figure::Frequencies::lowest, figure::Frequencies::lowest}
    , m_phaseDegrees(figure::Phase::lowestDegrees)
    , m_turnSeconds(Drift::defaultTurnSeconds)
{
}

void ViewState::change(bool hasFigure, figure::FrequencyPair frequencies, double phaseDegrees, Mover mover,
                       bool phaseChosen)
{
    if (hasFigure == m_hasFigure && frequencies == m_frequencies && phaseDegrees == m_phaseDegrees)
        return;
    if (phaseDegrees != m_phaseDegrees)
        m_phaseChosen = phaseChosen;
    m_hasFigure = hasFigure;
    m_frequencies = frequencies;
    m_phaseDegrees = phaseDegrees;
    emit figureChanged(mover);
}

void ViewState::showFigure(figure::FrequencyPair frequencies, double phaseDegrees, Mover mover)
{
    change(true, frequencies, phaseDegrees, mover, mover == Mover::User);
}

void ViewState::showNoFigure()
{
    // The figure goes first, so that a drift stopped with it is nothing to tell of.
    change(false, m_frequencies, m_phaseDegrees, Mover::Window, m_phaseChosen);
    setDrifting(false);
    setShowingOscillations(false);
}

void ViewState::setFrequencies(figure::FrequencyPair frequencies, Mover mover)
{
    // Another a or b during a drift stands the figure at the whole degree its value
    // shows, which it counts and says its touches at; the phase is no more chosen for it.
    change(m_hasFigure, frequencies, figure::Phase::wholeDegrees(m_phaseDegrees), mover, m_phaseChosen);
}

void ViewState::setPhaseDegrees(double degrees, Mover mover)
{
    change(m_hasFigure, m_frequencies, degrees, mover, mover == Mover::User);
}

void ViewState::setDrifting(bool on)
{
    if (on == m_drifting)
        return;
    m_drifting = on;
    if (!on)
        setPhaseDegrees(figure::Phase::wholeDegrees(m_phaseDegrees), Mover::Drift);
    emit driftingChanged(on);
}

void ViewState::setTurnSeconds(int seconds)
{
    if (seconds == m_turnSeconds)
        return;
    m_turnSeconds = seconds;
    emit turnSecondsChanged(seconds);
}

void ViewState::setShowingOscillations(bool on)
{
    if (on == m_showsOscillations)
        return;
    m_showsOscillations = on;
    emit oscillationsChanged(on);
}

} // namespace closeup
