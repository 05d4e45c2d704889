#include "SignalReading.h"

#include <cmath>
#include <numeric>
#include <vector>

namespace sound {

SignalReading SignalReading::of(std::span<const float> interleaved, int rate)
{
    const std::size_t frames = interleaved.size() / 2;
    std::vector<float> left(frames);
    std::vector<float> right(frames);
    for (std::size_t n = 0; n < frames; ++n) {
        left[n] = interleaved[2 * n];
        right[n] = interleaved[2 * n + 1];
    }
    SignalReading reading{.x = ChannelReading::of(left, rate), .y = ChannelReading::of(right, rate)};
    if (!reading.x.hertz || !reading.y.hertz)
        return reading;
    reading.fraction = nearestFraction(*reading.x.hertz, *reading.y.hertz);
    if (reading.fraction)
        reading.mismatchHertz = std::abs(*reading.x.hertz - reading.fraction->a * *reading.y.hertz / reading.fraction->b);
    return reading;
}

std::optional<figure::FrequencyPair> SignalReading::nearestFraction(double xHertz, double yHertz)
{
    const double ratio = yHertz / xHertz;
    std::optional<figure::FrequencyPair> nearest;
    double nearestOff = fractionTolerance;
    for (int a = figure::Frequencies::lowest; a <= figure::Frequencies::highest; ++a)
        for (int b = figure::Frequencies::lowest; b <= figure::Frequencies::highest; ++b) {
            const double off = std::abs(double(b) / a / ratio - 1);
            if (std::gcd(a, b) == 1 && (off < nearestOff || (!nearest && off == nearestOff))) {
                nearest = figure::FrequencyPair{a, b};
                nearestOff = off;
            }
        }
    return nearest;
}

} // namespace sound
