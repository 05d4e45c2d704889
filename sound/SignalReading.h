#pragma once

#include "ChannelReading.h"
#include "Frequencies.h"

#include <optional>
#include <span>

namespace sound {

// Two real signals, left horizontal and right vertical, read as a student reads
// their figure: each channel's frequency, and the ratio b : a as the nearest fraction
// whose terms are frequencies a figure may have, 1 to 19, if one is within a
// hundredth; and then how far the pair is from that fraction, as the mismatch in
// hertz that makes the figure turn once in 1/Δf seconds.
struct SignalReading {
    // The most a ratio may differ from its fraction, as a share of it.
    static constexpr double fractionTolerance = 0.01;

    ChannelReading x;
    ChannelReading y;
    // a for x and b for y, in lowest terms.
    std::optional<figure::FrequencyPair> fraction;
    double mismatchHertz = 0;

    // Interleaved left and right samples, -1 to 1, rate frames a second.
    static SignalReading of(std::span<const float> interleaved, int rate);
    // The nearest fraction b : a to y : x, the smaller terms where two are as near.
    static std::optional<figure::FrequencyPair> nearestFraction(double xHertz, double yHertz);
    bool clipped() const { return x.clipped || y.clipped; }
};

} // namespace sound
