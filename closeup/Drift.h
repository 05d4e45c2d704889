#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QScreen;

namespace closeup {

class ViewState;

// The phase advancing on its own, as on an oscilloscope whose generator is slightly
// off the exact ratio: one turn in a time the teacher chooses, a step at each frame
// of the screen it is shown on, at the speed the view's state holds. Its timer runs
// only while it drifts.
class Drift : public QObject {
    Q_OBJECT

public:
    static constexpr int fastestTurnSeconds = 2;
    static constexpr int slowestTurnSeconds = 60;
    static constexpr int defaultTurnSeconds = 10;

    explicit Drift(const ViewState &state, QObject *parent = nullptr);

    bool isRunning() const { return m_running; }
    void start(const QScreen *screen);
    void stop();

signals:
    // The phase moved on by that many degrees since the last frame.
    void advanced(double degrees);

private:
    void frame();
    void waitForNextFrame();

    QTimer m_frames;
    // Frames are due at whole multiples of the screen's frame time from the start, so
    // that a frame time of 16⅔ ms gives 60 frames a second, not 59 of 17 ms.
    QElapsedTimer m_sinceStart;
    double m_frameMilliseconds = 0;
    qint64 m_framesShown = 0;
    qint64 m_lastFrameNanoseconds = 0;
    bool m_running = false;
    const ViewState &m_state;
};

} // namespace closeup
