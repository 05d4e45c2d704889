#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sound {

// A stretch of a stereo recording (WAV, FLAC, Ogg: whatever libsndfile reads), as
// samples from -1 to 1, left and right interleaved. The recording is only read. What
// is wrong with it is found from its header, before its samples are read, except a
// file that breaks on the way.
class RecordingFile {
public:
    // Where the bytes come from: a file the caller has opened for reading, so that
    // its name is the caller's business (Windows takes UTF-16 names, libsndfile not).
    class Source {
    public:
        virtual ~Source() = default;
        virtual std::int64_t size() = 0;
        // The position after the move, or -1.
        virtual std::int64_t seek(std::int64_t position) = 0;
        virtual std::int64_t tell() = 0;
        // The bytes read, 0 at the end, or -1.
        virtual std::int64_t read(void *into, std::int64_t count) = 0;
    };

    enum class Problem {
        None,
        NotARecording,
        NotStereo,
        TooShort,
        // Its header was sound but its samples could not all be read.
        Broken,
    };

    struct Span {
        Problem problem = Problem::None;
        // What libsndfile said, where it said something.
        std::string detail;
        int channels = 0;
        int rate = 0;
        // The whole recording's length.
        double seconds = 0;
        std::vector<float> samples;
    };

    static Span read(Source &source, double fromSeconds, double spanSeconds);
};

} // namespace sound
