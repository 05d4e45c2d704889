#pragma once

#include "ToneGenerator.h"

#include <QIODevice>

namespace sound {

// The tones as an endless stream of 16-bit stereo frames, for a sound card that
// pulls what it plays: each read makes as many whole frames as fit.
class ToneStream : public QIODevice {
    Q_OBJECT

public:
    ToneStream(const Tones &tones, int sampleRate, QObject *parent = nullptr);

    void follow(const Tones &tones) { m_generator.follow(tones); }
    void fadeOut() { m_generator.stop(); }

    // How many frames the sound card has taken so far: while it plays, more and more.
    qint64 framesTaken() const { return m_framesTaken; }

    bool isSequential() const override { return true; }
    // There is always more to play.
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    ToneGenerator m_generator;
    qint64 m_framesTaken = 0;
};

} // namespace sound
