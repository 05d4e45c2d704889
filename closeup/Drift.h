#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QScreen;

namespace closeup {

// The phase advancing on its own, as on an oscilloscope whose generator is slightly
// off the exact ratio: one turn in a time the teacher chooses, a step at each frame
// of the screen it is shown on. Its timer runs only while it drifts.
class Drift : public QObject {
    Q_OBJECT

public:
    static constexpr int fastestTurnSeconds = 2;
    static constexpr int slowestTurnSeconds = 60;
    static constexpr int defaultTurnSeconds = 10;

    explicit Drift(QObject *parent = nullptr);

    bool isRunning() const { return m_frames.isActive(); }
    void start(const QScreen *screen);
    void stop();
    void setTurnSeconds(int seconds) { m_turnSeconds = seconds; }

signals:
    // The phase moved on by that many degrees since the last frame.
    void advanced(double degrees);

private:
    void frame();

    QTimer m_frames;
    QElapsedTimer m_sinceLastFrame;
    int m_turnSeconds = defaultTurnSeconds;
};

} // namespace closeup
