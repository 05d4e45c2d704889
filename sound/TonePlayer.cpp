#include "TonePlayer.h"

#include "AudioDevices.h"
#include "PlayerTexts.h"
#include "ToneGenerator.h"
#include "ToneStream.h"

#include <QAudioSink>

#include <optional>

namespace sound {

namespace {

using namespace audiodevices;

constexpr int fadeMilliseconds = int(ToneGenerator::fadeSeconds * 1000);
constexpr qint64 microsecondsPerMillisecond = 1000;

} // namespace

TonePlayer::TonePlayer(QObject *parent)
    : QObject(parent)
{
    m_release.setSingleShot(true);
    // The fade, and what waited before it in the buffer.
    m_release.setInterval(bufferMilliseconds + 2 * fadeMilliseconds);
    connect(&m_release, &QTimer::timeout, this, [this] {
        release();
        emit silent();
    });
    connect(&m_devices, &QMediaDevices::audioOutputsChanged, this, &TonePlayer::followOutputs);
    m_watch.setInterval(watchMilliseconds);
    connect(&m_watch, &QTimer::timeout, this, &TonePlayer::watch);
}

TonePlayer::~TonePlayer()
{
    release();
}

QList<QAudioDevice> TonePlayer::outputs() const
{
    return defaultFirst(QMediaDevices::audioOutputs(), QMediaDevices::defaultAudioOutput());
}

QAudioDevice TonePlayer::chosenOutput() const
{
    return chosen(QMediaDevices::audioOutputs(), QMediaDevices::defaultAudioOutput(), m_outputId);
}

void TonePlayer::play(const Tones &tones, const QByteArray &outputId)
{
    m_tones = tones;
    m_outputId = outputId;
    m_playing = true;
    start();
}

void TonePlayer::start()
{
    release();
    m_output = chosenOutput();
    if (m_output.isNull())
        return fail(noOutput);
    const std::optional<QAudioFormat> format = stereoFormat(m_output);
    if (!format)
        return fail(formatRefused.arg(m_output.description()));
    m_sink = new QAudioSink(m_output, *format, this);
    m_sink->setBufferSize(format->bytesForDuration(bufferMilliseconds * microsecondsPerMillisecond));
    connect(m_sink, &QAudioSink::stateChanged, this, &TonePlayer::followSink);
    m_stream = new ToneStream(m_tones, format->sampleRate(), this);
    m_sink->start(m_stream);
    m_outputIds = idsOf(outputs());
    m_framesWatched = 0;
    m_idleWatches = 0;
    m_watch.start();
    followSink();
}

void TonePlayer::follow(const Tones &tones)
{
    m_tones = tones;
    if (m_playing && m_stream)
        m_stream->follow(tones);
}

void TonePlayer::stop()
{
    if (!m_playing)
        return;
    m_playing = false;
    if (!m_stream)
        return;
    m_stream->fadeOut();
    m_release.start();
}

void TonePlayer::release()
{
    m_release.stop();
    m_watch.stop();
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        // Qt 6.4 crashes destroying a sink whose sound server has gone: such a sink is
        // left alone, a small loss once per failure, rather than the program.
        if (m_sink->error() == QAudio::NoError)
            delete m_sink;
        else
            m_sink->setParent(nullptr);
    }
    delete m_stream;
}

void TonePlayer::fail(const QString &reason)
{
    release();
    m_playing = false;
    emit failed(reason);
}

void TonePlayer::followSink()
{
    if (!m_sink || m_sink->error() == QAudio::NoError)
        return;
    const QString reason = (m_sink->error() == QAudio::OpenError ? outputRefused : outputFailed).arg(m_output.description());
    // Not from inside the sink, which tells of its state from its own start: it is let
    // go once it has returned.
    QTimer::singleShot(0, this, [this, reason] {
        if (m_playing)
            fail(reason);
    });
}

void TonePlayer::watch()
{
    const QList<QByteArray> ids = idsOf(outputs());
    if (ids != m_outputIds) {
        m_outputIds = ids;
        return followOutputs();
    }
    if (!m_playing || !m_stream)
        return;
    const qint64 taken = m_stream->framesTaken();
    m_idleWatches = taken == m_framesWatched ? m_idleWatches + 1 : 0;
    m_framesWatched = taken;
    if (m_idleWatches >= idleWatchesToFail)
        fail(outputFailed.arg(m_output.description()));
}

void TonePlayer::followOutputs()
{
    emit outputsChanged();
    if (!m_playing)
        return;
    const QAudioDevice now = chosenOutput();
    if (now.isNull())
        return fail(m_outputId.isEmpty() ? noOutput : outputGone.arg(m_output.description()));
    // The system's default moved to another output: the sound goes with it.
    if (now.id() != m_output.id())
        start();
}

} // namespace sound
