#pragma once

#include "Frequencies.h"

#include <QWidget>

class QSpinBox;

namespace closeup {

// The close-up's own frequencies a and b and phase difference φ, each a spin box that
// the keyboard and a screen reader reach: Tab to it, the arrows change it by a step,
// Page Up and Page Down by ten.
class FigureControls : public QWidget {
    Q_OBJECT

public:
    explicit FigureControls(QWidget *parent = nullptr);

    figure::FrequencyPair frequencies() const;
    double phaseDegrees() const;
    // Shows the values without telling of a change.
    void setValues(figure::FrequencyPair frequencies, double phaseDegrees);
    // Whether the phase shown is one the user chose, rather than one set with the
    // values (by a draw, or the drift at each step).
    bool phaseChosen() const { return m_phaseChosen; }

signals:
    // The user changed a value.
    void changed();

private:
    QSpinBox *m_a;
    QSpinBox *m_b;
    QSpinBox *m_phase;
    bool m_phaseChosen = false;
};

} // namespace closeup
