#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace forms {
class Announcer;
}

namespace picture {
class FigurePainter;
}

namespace closeup {

class Drift;
class FigureCanvas;
class FigureControls;

// A window of its own with the figure drawn last, large: the curve as a line, its
// touch points and what they tell, for a projector or a closer look. It has its own
// a, b and phase difference, which every draw in the window sets (the phase to 90°). F11 switches
// full screen; Esc leaves full screen, then closes the view. What it offers for the
// figure (its actions and the dots box) is off while there is none, saying why.
class CloseUpView : public QWidget {
    Q_OBJECT

public:
    explicit CloseUpView(QWidget *parent = nullptr);

    void showFigure(const picture::FigurePainter &figure);
    void showNoFigure();

    void setFullScreen(bool on);

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
    // The figure of the view's own values, a, b and φ, as the user set them.
    void followControls();
    void setDrifting(bool on);
    // Space's way to the drift box, which does nothing while the box is off.
    void toggleDrift();
    void stopMoving();
    void showCaption(const picture::FigurePainter &figure);
    void setShowingOscillations(bool on);
    void runPoint(double degrees);
    void drift(double degrees);
    void display(const picture::FigurePainter &figure);
    void offerFigureActions(bool enabled);

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
    QRect m_normalGeometry;
};

} // namespace closeup
