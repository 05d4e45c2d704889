#include "SignalInput.h"

#include "AudioDevices.h"
#include "InputTexts.h"

#include <QAudioSource>

#include <algorithm>
#include <cstring>
#include <limits>

namespace sound {

namespace {

using namespace audiodevices;

constexpr double fullScale = -double(std::numeric_limits<qint16>::min());
// The sound card's buffer: short, for the trace to follow the signal at once.
constexpr int bufferMilliseconds = 40;
constexpr qint64 microsecondsPerMillisecond = 1000;

} // namespace

SignalInput::SignalInput(QObject *parent)
    : QObject(parent)
{
    connect(&m_devices, &QMediaDevices::audioInputsChanged, this, &SignalInput::inputsChanged);
    m_watch.setInterval(watchMilliseconds);
    connect(&m_watch, &QTimer::timeout, this, &SignalInput::watch);
}

SignalInput::~SignalInput()
{
    release();
}

QList<QAudioDevice> SignalInput::inputs()
{
    return defaultFirst(QMediaDevices::audioInputs(), QMediaDevices::defaultAudioInput());
}

QAudioDevice SignalInput::chosenInput() const
{
    return chosen(QMediaDevices::audioInputs(), QMediaDevices::defaultAudioInput(), m_inputId);
}

void SignalInput::start(const QByteArray &inputId)
{
    release();
    m_inputId = inputId;
    m_running = true;
    m_kept.clear();
    m_partFrame.clear();
    m_input = chosenInput();
    if (m_input.isNull())
        return fail(noInput);
    const std::optional<QAudioFormat> format = stereoFormat(m_input);
    if (!format)
        return fail(inputFormatRefused.arg(m_input.description()));
    m_format = *format;
    m_source = new QAudioSource(m_input, m_format, this);
    m_source->setBufferSize(m_format.bytesForDuration(bufferMilliseconds * microsecondsPerMillisecond));
    connect(m_source, &QAudioSource::stateChanged, this, &SignalInput::followSource);
    m_stream = m_source->start();
    if (m_stream)
        connect(m_stream, &QIODevice::readyRead, this, &SignalInput::take);
    m_inputIds = idsOf(inputs());
    m_framesArrived = m_framesWatched = 0;
    m_idleWatches = 0;
    m_watch.start();
    followSource();
}

void SignalInput::stop()
{
    m_running = false;
    release();
}

void SignalInput::release()
{
    m_watch.stop();
    // A source left alone below keeps its stream: it reads into nothing of ours.
    if (m_stream)
        m_stream->disconnect(this);
    m_stream = nullptr;
    if (!m_source)
        return;
    m_source->disconnect(this);
    m_source->stop();
    // As with a sink, Qt 6.4 may crash destroying a source whose sound server has
    // gone: such a source is left alone rather than the program.
    if (m_source->error() == QAudio::NoError)
        delete m_source;
    else
        m_source->setParent(nullptr);
    m_source.clear();
}

void SignalInput::fail(const QString &reason)
{
    release();
    m_running = false;
    emit failed(reason);
}

std::span<const float> SignalInput::latest(qsizetype frames) const
{
    const std::size_t count = std::min(m_kept.size(), std::size_t(frames) * channels);
    return std::span<const float>(m_kept).last(count);
}

void SignalInput::take()
{
    if (!m_stream)
        return;
    // Whole frames only: a frame split between two reads keeps its channels in order.
    const QByteArray bytes = m_partFrame + m_stream->readAll();
    const qsizetype frameBytes = channels * qsizetype(sizeof(qint16));
    const qsizetype samples = bytes.size() / frameBytes * channels;
    m_partFrame = bytes.mid(samples * qsizetype(sizeof(qint16)));
    if (samples == 0)
        return;
    const std::size_t kept = std::size_t(m_format.sampleRate()) * channels * keptMilliseconds / 1000;
    const std::size_t from = m_kept.size();
    m_kept.resize(from + std::size_t(samples));
    for (qsizetype i = 0; i < samples; ++i) {
        qint16 sample;
        std::memcpy(&sample, bytes.constData() + i * qsizetype(sizeof sample), sizeof sample);
        m_kept[from + std::size_t(i)] = float(sample / fullScale);
    }
    if (m_kept.size() > kept)
        m_kept.erase(m_kept.begin(), m_kept.end() - std::ptrdiff_t(kept));
    m_framesArrived += samples / channels;
    emit arrived();
}

void SignalInput::followSource()
{
    if (!m_source || m_source->error() == QAudio::NoError)
        return;
    const QString reason = (m_source->error() == QAudio::OpenError ? inputRefused : inputFailed).arg(m_input.description());
    // Not from inside the source: it is let go once it has returned.
    QTimer::singleShot(0, this, [this, reason] {
        if (m_running)
            fail(reason);
    });
}

void SignalInput::watch()
{
    const QList<QByteArray> ids = idsOf(inputs());
    if (ids != m_inputIds) {
        m_inputIds = ids;
        emit inputsChanged();
        const QAudioDevice now = chosenInput();
        if (now.isNull())
            return fail(m_inputId.isEmpty() ? noInput : inputGone.arg(m_input.description()));
        if (now.id() != m_input.id())
            return start(m_inputId);
    }
    m_idleWatches = m_framesArrived == m_framesWatched ? m_idleWatches + 1 : 0;
    m_framesWatched = m_framesArrived;
    if (m_idleWatches >= idleWatchesToFail)
        fail(inputFailed.arg(m_input.description()));
}

} // namespace sound
