#pragma once

namespace figure {

// The phase difference between the two oscillations, in degrees: the figure is
// x = sin(a t + phase), y = sin(b t). The window's own figure has 90°, x = cos(a t).
struct Phase {
    static constexpr int lowestDegrees = 0;
    static constexpr int highestDegrees = 359;
    static constexpr double windowDegrees = 90;
    static constexpr double turnDegrees = 360;
};

} // namespace figure
