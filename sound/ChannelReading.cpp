#include "ChannelReading.h"

#include <algorithm>
#include <cmath>

namespace sound {

ChannelReading ChannelReading::of(std::span<const float> samples, int rate)
{
    ChannelReading reading;
    if (samples.empty())
        return reading;
    const auto [lowest, highest] = std::minmax_element(samples.begin(), samples.end());
    reading.peak = std::max(std::abs(double(*lowest)), std::abs(double(*highest)));
    reading.clipped = reading.peak >= clippedPeak;
    if (reading.silent())
        return reading;
    const double middle = (double(*lowest) + double(*highest)) / 2;
    const double armedBelow = middle - hysteresisShare * (double(*highest) - double(*lowest)) / 2;
    // Rising crossings of the middle, each placed between its two samples.
    bool armed = false;
    std::optional<double> first;
    double last = 0;
    int periods = -1;
    for (std::size_t n = 1; n < samples.size(); ++n) {
        const double before = samples[n - 1];
        const double now = samples[n];
        armed = armed || before < armedBelow;
        if (!armed || before >= middle || now < middle)
            continue;
        armed = false;
        last = double(n - 1) + (middle - before) / (now - before);
        first = first.value_or(last);
        ++periods;
    }
    if (periods > 0)
        reading.hertz = periods * rate / (last - *first);
    return reading;
}

} // namespace sound
