#pragma once

#include "Tones.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QAudioSink;

namespace sound {

class ToneStream;

// Plays the tones on a sound output through Qt Multimedia: the one chosen, or the
// system's default, followed when it changes. A change of the tones is heard as soon
// as the sound card's short buffer has played. When it can play no more (no output,
// an output that goes, a sound server that refuses) it stops and says why.
class TonePlayer : public QObject {
    Q_OBJECT

public:
    // What is asked of the sound server's buffer, which takes some nine tenths of it:
    // short, for a change to be heard at once, long enough for a busy window's frame or
    // two. Qt writes to PulseAudio in whole 20 ms periods and starts playing only once
    // it has pre-buffered, so a buffer under some 45 ms would never start.
    static constexpr int bufferMilliseconds = 80;

    explicit TonePlayer(QObject *parent = nullptr);
    ~TonePlayer() override;

    // The outputs there are now, the system's default first.
    QList<QAudioDevice> outputs() const;
    // An empty id plays on the system's default, and follows it.
    void play(const Tones &tones, const QByteArray &outputId = {});
    void follow(const Tones &tones);
    // Fades out, then lets the output go.
    void stop();
    bool isPlaying() const { return m_playing; }

signals:
    void outputsChanged();
    // It stopped on its own; why, in words.
    void failed(const QString &reason);
    // The fade after a stop has played: the output is let go.
    void silent();

private:
    // The output to use, or an invalid device when there is none.
    QAudioDevice chosenOutput() const;
    void start();
    void release();
    void fail(const QString &reason);
    void followOutputs();
    void followSink();
    void watch();

    QMediaDevices m_devices;
    Tones m_tones;
    QByteArray m_outputId;
    QAudioDevice m_output;
    QPointer<QAudioSink> m_sink;
    QPointer<ToneStream> m_stream;
    bool m_playing = false;
    // Lets the output go once a fade out has played.
    QTimer m_release;
    // While it plays: Qt 6.4 tells neither of an output that goes nor of a stream the
    // server ends, so the outputs are looked at and the stream's reading is watched.
    QTimer m_watch;
    QList<QByteArray> m_outputIds;
    qint64 m_framesWatched = 0;
    int m_idleWatches = 0;
};

} // namespace sound
