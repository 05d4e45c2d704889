#pragma once

#include <QWidget>

#include <vector>

namespace closeup {

class InputControls;

// The input drawn as an oscilloscope in XY mode draws two signals: left across, right
// upward, full scale at the square's edges (beyond, the trace stops at the edge), the
// last few tens of milliseconds fading as a phosphor screen's trace does. Frozen, it
// keeps the trace it shows, for counting its touches.
class TraceCanvas : public QWidget {
    Q_OBJECT

public:
    // How long a moment of the signal stays on the screen, fading.
    static constexpr int persistenceMilliseconds = 40;

    TraceCanvas(const InputControls &input, QWidget *parent = nullptr);

    void setFrozen(bool frozen);
    // Points from elsewhere, a recording's, held as a frozen trace.
    void hold(std::vector<QPointF> points);
    bool isFrozen() const { return m_frozen; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The trace's points in the figure's units, oldest first.
    std::vector<QPointF> trace() const;

    const InputControls &m_input;
    bool m_frozen = false;
    std::vector<QPointF> m_kept;
};

} // namespace closeup
