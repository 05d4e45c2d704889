#include "RecordingFile.h"

#include <sndfile.h>

#include <cmath>
#include <memory>

namespace sound {

namespace {

using Source = RecordingFile::Source;

Source &of(void *source)
{
    return *static_cast<Source *>(source);
}

sf_count_t length(void *source)
{
    return of(source).size();
}

sf_count_t seek(sf_count_t offset, int whence, void *source)
{
    const sf_count_t from = whence == SEEK_CUR ? of(source).tell() : whence == SEEK_END ? length(source) : 0;
    return of(source).seek(from + offset);
}

sf_count_t readBytes(void *into, sf_count_t count, void *source)
{
    return of(source).read(into, count);
}

// The recording is never written.
sf_count_t writeNothing(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t tell(void *source)
{
    return of(source).tell();
}

constexpr int stereo = 2;

} // namespace

RecordingFile::Span RecordingFile::read(Source &source, double fromSeconds, double spanSeconds)
{
    Span span;
    SF_VIRTUAL_IO io{&length, &seek, &readBytes, &writeNothing, &tell};
    SF_INFO info{};
    std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> file(sf_open_virtual(&io, SFM_READ, &info, &source), &sf_close);
    if (!file || info.samplerate <= 0) {
        span.problem = Problem::NotARecording;
        span.detail = sf_strerror(file.get());
        return span;
    }
    span.channels = info.channels;
    span.rate = info.samplerate;
    span.seconds = double(info.frames) / info.samplerate;
    if (info.channels != stereo) {
        span.problem = Problem::NotStereo;
        return span;
    }
    const auto first = sf_count_t(std::llround(fromSeconds * info.samplerate));
    const auto count = sf_count_t(std::llround(spanSeconds * info.samplerate));
    if (first + count > info.frames) {
        span.problem = Problem::TooShort;
        return span;
    }
    span.samples.resize(std::size_t(count) * stereo);
    if (sf_seek(file.get(), first, SEEK_SET) != first
        || sf_readf_float(file.get(), span.samples.data(), count) != count || sf_error(file.get()) != SF_ERR_NO_ERROR) {
        span.problem = Problem::Broken;
        span.detail = sf_strerror(file.get());
        span.samples.clear();
    }
    return span;
}

} // namespace sound
