#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <span>
#include <vector>

class QAudioSource;
class QIODevice;

namespace sound {

// Two real signals from a sound card's stereo input, through Qt Multimedia: the input
// chosen, or the system's default. It keeps the last second of what arrived, left and
// right interleaved, from -1 to 1, for a trace and a reading to take from. When it
// can take no more (no input, an input that goes, a sound server that refuses) it
// stops and says why.
class SignalInput : public QObject {
    Q_OBJECT

public:
    static constexpr int keptMilliseconds = 1000;

    explicit SignalInput(QObject *parent = nullptr);
    ~SignalInput() override;

    // The inputs there are now, the system's default first.
    static QList<QAudioDevice> inputs();
    // An empty id takes the system's default.
    void start(const QByteArray &inputId = {});
    void stop();
    bool isRunning() const { return m_running; }
    int rate() const { return m_format.sampleRate(); }
    // The last frames that arrived, at most as many as asked; fewer at first.
    std::span<const float> latest(qsizetype frames) const;

signals:
    void inputsChanged();
    // New frames have arrived.
    void arrived();
    // It stopped on its own; why, in words.
    void failed(const QString &reason);

private:
    QAudioDevice chosenInput() const;
    void release();
    void fail(const QString &reason);
    void take();
    void followSource();
    void watch();

    QMediaDevices m_devices;
    QByteArray m_inputId;
    QAudioDevice m_input;
    QAudioFormat m_format;
    QPointer<QAudioSource> m_source;
    QIODevice *m_stream = nullptr;
    bool m_running = false;
    std::vector<float> m_kept;
    QByteArray m_partFrame;
    // Qt 6.4 tells of neither an input that goes nor a stream the server ends: the
    // inputs are looked at, and whether frames still arrive.
    QTimer m_watch;
    QList<QByteArray> m_inputIds;
    qint64 m_framesArrived = 0;
    qint64 m_framesWatched = 0;
    int m_idleWatches = 0;
};

} // namespace sound
