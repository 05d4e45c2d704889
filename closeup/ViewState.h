#pragma once

#include "Frequencies.h"

#include <QObject>

namespace closeup {

// What the close-up shows, held once: whether there is a figure, its a, b and phase
// difference, whether the phase drifts and how fast, and whether the oscillations
// run. The view's values, its picture, its words and its drift follow it and change
// it, and ask no widget for any of these; whatever else comes to follow the figure finds
// here everything it depends on. A change to the same value tells nobody.
class ViewState : public QObject {
    Q_OBJECT

public:
    // Who moved the figure: a screen reader hears what the user did, not each step
    // of the drift nor a draw in the window, which speaks for itself.
    enum class Mover { Window, User, Drift };
    Q_ENUM(Mover)

    explicit ViewState(QObject *parent = nullptr);

    bool hasFigure() const { return m_hasFigure; }
    figure::FrequencyPair frequencies() const { return m_frequencies; }
    double phaseDegrees() const { return m_phaseDegrees; }
    // Whether the user set the phase last, rather than a draw or the drift.
    bool phaseChosen() const { return m_phaseChosen; }
    bool drifting() const { return m_drifting; }
    int turnSeconds() const { return m_turnSeconds; }
    bool showsOscillations() const { return m_showsOscillations; }

    void showFigure(figure::FrequencyPair frequencies, double phaseDegrees, Mover mover);
    // Without a figure nothing moves either.
    void showNoFigure();
    void setFrequencies(figure::FrequencyPair frequencies, Mover mover);
    void setPhaseDegrees(double degrees, Mover mover);
    // Stopped, the figure stands at the whole degree its value shows.
    void setDrifting(bool on);
    void setTurnSeconds(int seconds);
    void setShowingOscillations(bool on);

signals:
    // The figure came or went, or its a, b or phase changed.
    void figureChanged(closeup::ViewState::Mover mover);
    void driftingChanged(bool on);
    void turnSecondsChanged(int seconds);
    void oscillationsChanged(bool on);

private:
    // phaseChosen: whether the phase counts as the user's, should it change.
    void change(bool hasFigure, figure::FrequencyPair frequencies, double phaseDegrees, Mover mover, bool phaseChosen);

    bool m_hasFigure = false;
    figure::FrequencyPair m_frequencies;
    double m_phaseDegrees;
    bool m_phaseChosen = false;
    bool m_drifting = false;
    int m_turnSeconds;
    bool m_showsOscillations = false;
};

} // namespace closeup
