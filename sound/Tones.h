#pragma once

#include "Frequencies.h"

namespace sound {

// The two oscillations of a figure as sound: the left channel x(t) =
// sin(2π a f0 t + φ), the right y(t) = sin(2π b f0 t), the figure's own formula with
// its time measured in turns of the base tone f0. On an oscilloscope in XY mode,
// left to X and right to Y, they draw the figure.
struct Tones {
    // The base tone a teacher may choose, in hertz, and the one it starts at.
    static constexpr int lowestBase = 20;
    static constexpr int highestBase = 1000;
    static constexpr int usualBase = 220;

    figure::FrequencyPair frequencies;
    double phaseDegrees = 0;
    double baseHertz = usualBase;

    double leftHertz() const { return frequencies.a * baseHertz; }
    double rightHertz() const { return frequencies.b * baseHertz; }
    static constexpr bool containsBase(double hertz) { return hertz >= lowestBase && hertz <= highestBase; }

    friend bool operator==(const Tones &, const Tones &) = default;
};

} // namespace sound
