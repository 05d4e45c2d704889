#pragma once

#include "Tones.h"

#include <optional>
#include <string>
#include <vector>

namespace sound {

// A figure's tones as a WAV file: 48 kHz, 16-bit stereo PCM, left x(t) and right
// y(t), faded in and out as the view's sound is, exactly the length asked. The bytes
// are made in memory (through libsndfile's virtual input and output), so that a
// file is written whole or not at all by whoever writes it.
class WaveFile {
public:
    static constexpr int sampleRate = 48000;
    static constexpr double shortestSeconds = 0.1;
    static constexpr double longestSeconds = 600;
    static constexpr double usualSeconds = 5;

    // The whole file's bytes, or why libsndfile would not make them.
    struct Encoded {
        std::vector<char> bytes;
        std::string failure;
    };
    static Encoded encode(const Tones &tones, double seconds);
};

} // namespace sound
