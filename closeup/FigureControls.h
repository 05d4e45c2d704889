#pragma once

#include <QWidget>

class QSpinBox;

namespace closeup {

class ViewState;

// The close-up's own frequencies a and b and phase difference φ, each a spin box that
// the keyboard and a screen reader reach: Tab to it, the arrows change it by a step,
// Page Up and Page Down by ten. They show the view's state, the phase to the whole
// degree, and change it as the user changes them.
class FigureControls : public QWidget {
    Q_OBJECT

public:
    FigureControls(ViewState &state, QWidget *parent = nullptr);

private:
    void showState();

    ViewState &m_state;
    QSpinBox *m_a;
    QSpinBox *m_b;
    QSpinBox *m_phase;
};

} // namespace closeup
