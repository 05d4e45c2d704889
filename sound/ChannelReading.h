#pragma once

#include <optional>
#include <span>

namespace sound {

// One channel of a real signal as an oscilloscope's counter reads it: its frequency,
// counted as whole periods between rising crossings of its middle with some
// hysteresis, over the time they took; how loud it is; whether it clips. A counter,
// not a spectrum, because it is what a student trusts on a real oscilloscope, it
// reads the fundamental of any periodic wave (a square wave, a tuning fork's rich
// tone) and not its strongest harmonic, and a sine's crossing, where it is steepest,
// is found to a small part of a sample, which gives hertz to far better than one in
// a tenth of a second.
struct ChannelReading {
    // Below this peak, about -50 dBFS, a channel carries no signal, only the hiss of
    // an open input.
    static constexpr double silentPeak = 0.003;
    // At or beyond this share of full scale a sample is taken as clipped.
    static constexpr double clippedPeak = 0.999;
    // A crossing counts only after the wave has gone this share of its swing below
    // the middle, so that noise on a slow edge is not counted as periods.
    static constexpr double hysteresisShare = 0.25;

    // The largest sample, as a share of full scale.
    double peak = 0;
    bool clipped = false;
    // Nothing where the channel is silent or holds less than one whole period.
    std::optional<double> hertz;

    // samples are one channel's, -1 to 1, rate a second.
    static ChannelReading of(std::span<const float> samples, int rate);
    bool silent() const { return peak < silentPeak; }
};

} // namespace sound
