#include "WaveFile.h"

#include "ToneGenerator.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace sound {

namespace {

constexpr int channels = 2;
// Samples made and written at a time.
constexpr std::size_t blockFrames = 4096;

// A file in memory, as libsndfile's virtual input and output reads, writes and seeks
// in it: it writes the header, the samples, then goes back to the header's sizes.
struct MemoryFile {
    std::vector<char> bytes;
    sf_count_t position = 0;

    static MemoryFile &of(void *file) { return *static_cast<MemoryFile *>(file); }
    static sf_count_t length(void *file) { return sf_count_t(of(file).bytes.size()); }
    static sf_count_t seek(sf_count_t offset, int whence, void *file)
    {
        MemoryFile &memory = of(file);
        const sf_count_t from = whence == SEEK_CUR ? memory.position : whence == SEEK_END ? length(file) : 0;
        memory.position = std::max<sf_count_t>(0, from + offset);
        return memory.position;
    }
    static sf_count_t read(void *into, sf_count_t count, void *file)
    {
        MemoryFile &memory = of(file);
        const sf_count_t available = std::clamp<sf_count_t>(length(file) - memory.position, 0, count);
        std::memcpy(into, memory.bytes.data() + memory.position, std::size_t(available));
        memory.position += available;
        return available;
    }
    static sf_count_t write(const void *from, sf_count_t count, void *file)
    {
        MemoryFile &memory = of(file);
        const std::size_t end = std::size_t(memory.position + count);
        if (end > memory.bytes.size())
            memory.bytes.resize(end);
        std::memcpy(memory.bytes.data() + memory.position, from, std::size_t(count));
        memory.position += count;
        return count;
    }
    static sf_count_t tell(void *file) { return of(file).position; }
};

} // namespace

WaveFile::Encoded WaveFile::encode(const Tones &tones, double seconds)
{
    MemoryFile memory;
    SF_VIRTUAL_IO io{&MemoryFile::length, &MemoryFile::seek, &MemoryFile::read, &MemoryFile::write, &MemoryFile::tell};
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> file(sf_open_virtual(&io, SFM_WRITE, &info, &memory), &sf_close);
    if (!file)
        return {{}, sf_strerror(nullptr)};
    const auto frames = std::size_t(std::lround(seconds * sampleRate));
    // It fades out so as to fall silent at the last frame: the fade's steps, and the
    // frame of silence they end at.
    const auto fadeFrames = std::size_t(std::lround(ToneGenerator::fadeSeconds * sampleRate)) + 1;
    const std::size_t fadeFrom = frames > fadeFrames ? frames - fadeFrames : 0;
    ToneGenerator generator(tones, sampleRate);
    std::vector<std::int16_t> block(blockFrames * channels);
    for (std::size_t done = 0; done < frames;) {
        if (done == fadeFrom)
            generator.stop();
        const std::size_t next = std::min({frames, done + blockFrames, done < fadeFrom ? fadeFrom : frames});
        generator.fill(block.data(), next - done);
        if (sf_writef_short(file.get(), block.data(), sf_count_t(next - done)) != sf_count_t(next - done))
            return {{}, sf_strerror(file.get())};
        done = next;
    }
    // Closing writes the header's sizes.
    if (const int closed = sf_close(file.release()); closed != 0)
        return {{}, sf_error_number(closed)};
    return {std::move(memory.bytes), {}};
}

} // namespace sound
