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
    const double hysteresis = hysteresisShare * (double(*highest) - double(*lowest)) / 2;
    // Crossings of the middle, rising and falling, each placed between its two samples;
    // a crossing counts once the wave has been beyond the hysteresis on the other side.
    struct Crossings {
        std::optional<double> first;
        double last = 0;
        int periods = -1;
        bool armed = false;
    };
    Crossings rising;
    Crossings falling;
    for (std::size_t n = 1; n < samples.size(); ++n) {
        const double before = samples[n - 1] - middle;
        const double now = samples[n] - middle;
        rising.armed = rising.armed || before < -hysteresis;
        falling.armed = falling.armed || before > hysteresis;
        Crossings *crossed = before < 0 && now >= 0 ? &rising : before >= 0 && now < 0 ? &falling : nullptr;
        if (!crossed || !crossed->armed)
            continue;
        crossed->armed = false;
        crossed->last = double(n - 1) + before / (before - now);
        crossed->first = crossed->first.value_or(crossed->last);
        ++crossed->periods;
    }
    // Whichever edge spans more whole periods: a wave of only two periods in the
    // stretch may begin just past a rising edge and end just before one.
    const Crossings &longer = rising.last - rising.first.value_or(rising.last)
                                      >= falling.last - falling.first.value_or(falling.last)
                                  ? rising
                                  : falling;
    if (longer.periods > 0)
        reading.hertz = double(longer.periods) * rate / (longer.last - *longer.first);
    return reading;
}

} // namespace sound
