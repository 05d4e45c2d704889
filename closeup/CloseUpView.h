#pragma once

#include "FigurePainter.h"
#include "Frequencies.h"
#include "ViewState.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace forms {
class Announcer;
}

namespace figure {
class TouchPoints;
}


namespace closeup {

class Drift;
class FigureCanvas;
class FigureControls;
class InputControls;
class SoundControls;
class TraceCanvas;

// A window of its own with the figure drawn last, large: the curve as a line, its
// touch points and what they tell, for a projector or a closer look. It has its own
// a, b and phase difference, which every draw in the window sets (the phase to 90°),
// held with the rest of what it shows in its state. F11 switches full screen; Esc
// leaves full screen, then closes the view. What it offers for the figure (its
// actions and the dots box) is off while there is none, saying why.
class CloseUpView : public QWidget {
    Q_OBJECT

public:
    // An action given this property, true, needs no figure (opening a recording): it
    // stays on while there is none.
    static constexpr auto needsNoFigure = "korvanaNeedsNoFigure";

    explicit CloseUpView(QWidget *parent = nullptr);

    // The window's figure, at the window's phase.
    void showFigure(figure::FrequencyPair frequencies);
    void showNoFigure();

    void setFullScreen(bool on);
    // A recording's stretch held in the figure's place, with its words, until the
    // figure changes or the input is switched.
    void showRecording(const picture::FigurePainter::Signal &recording);

    const ViewState &state() const { return *m_state; }
    // The figure shown, if any, and whether the program's dots are laid over it.
    const picture::FigurePainter *figure() const;
    bool showsDots() const;
    // The phase a worksheet made from the view starts with: the one the user chose
    // here, or else the window's own, never where the drift happened to stand.
    double worksheetPhaseDegrees() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void actionEvent(QActionEvent *event) override;

private:
    void setUpCaption();
    void layOut();
    void setUpMotion();
    // The caption at each change of the figure; the rest once it stands.
    void followFigure(ViewState::Mover mover);
    void followDrift(bool on);
    void followOscillations(bool on);
    // Space's way to the drift, which does nothing while there is no figure.
    void toggleDrift();
    void runPoint(double degrees);
    void drift(double degrees);
    // What a screen reader finds in the standing figure, and hears at once if aloud.
    void describe(const figure::TouchPoints &touches, bool aloud);
    void offerFigureActions(bool enabled);
    // The caption's line for the sound while it plays, with the drift as a mismatch.
    QString soundCaption() const;
    // The figure's lines, with its touches worked out once by whoever asks.
    void showCaption(const figure::TouchPoints &touches);
    // The input's trace in the figure's place, and what is read from it in the caption's.
    void followInput(bool on);
    void showInputReading();

    ViewState *m_state;
    FigureCanvas *m_canvas;
    QLabel *m_counts;
    // The reading, b : a, large and bold, to be read from the back of a room.
    QLabel *m_reading;
    FigureControls *m_controls;
    QCheckBox *m_drifting;
    QLabel *m_turnLabel;
    QSpinBox *m_turnSeconds;
    Drift *m_drift;
    QCheckBox *m_oscillations;
    // The running point's time, in radians, moved on at the drift's speed.
    Drift *m_run;
    double m_pointTime = 0;
    forms::Announcer *m_announcer;
    QCheckBox *m_showDots;
    SoundControls *m_sound;
    InputControls *m_input;
    TraceCanvas *m_trace;
    bool m_showsRecording = false;
    // The input's fraction a screen reader was last told of.
    std::optional<figure::FrequencyPair> m_spokenFraction;
    QRect m_normalGeometry;
};

} // namespace closeup
