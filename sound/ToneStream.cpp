#include "ToneStream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace sound {

namespace {

constexpr qint64 frameBytes = 2 * sizeof(std::int16_t);
// What a reader that asks how much there is may take at once: a second at 48 kHz.
constexpr qint64 offeredBytes = 48000 * frameBytes;

} // namespace

ToneStream::ToneStream(const Tones &tones, int sampleRate, QObject *parent)
    : QIODevice(parent)
    , m_generator(tones, sampleRate)
{
    // Unbuffered: what is read is made then, so a change is heard at once.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 ToneStream::bytesAvailable() const
{
    return offeredBytes + QIODevice::bytesAvailable();
}

qint64 ToneStream::readData(char *data, qint64 maxSize)
{
    const auto frames = std::size_t(maxSize / frameBytes);
    // The reader's buffer need not be aligned for 16-bit samples.
    std::int16_t chunk[2 * 256];
    for (std::size_t done = 0; done < frames;) {
        const std::size_t now = std::min<std::size_t>(frames - done, std::size(chunk) / 2);
        m_generator.fill(chunk, now);
        std::memcpy(data + done * frameBytes, chunk, now * frameBytes);
        done += now;
    }
    m_framesTaken += qint64(frames);
    return qint64(frames) * frameBytes;
}

qint64 ToneStream::writeData(const char *, qint64)
{
    return -1;
}

} // namespace sound
