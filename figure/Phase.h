#pragma once

#include <cmath>
#include <numbers>

namespace figure {

// The phase difference between the two oscillations, in degrees: the figure is
// x = sin(a t + phase), y = sin(b t). The window's own figure has 90°, x = cos(a t).
struct Phase {
    static constexpr int lowestDegrees = 0;
    static constexpr int highestDegrees = 359;
    static constexpr double windowDegrees = 90;
    static constexpr double turnDegrees = 360;

    static constexpr double radians(double degrees) { return degrees * std::numbers::pi / (turnDegrees / 2); }
    // The whole degree a phase is shown as, 0 to 359.
    static int wholeDegrees(double degrees)
    {
        const int turn = int(turnDegrees);
        return (int(std::lround(degrees)) % turn + turn) % turn;
    }
    // Whether it is the window's own figure's phase, as shown.
    static bool isWindow(double degrees) { return wholeDegrees(degrees) == int(windowDegrees); }
};

} // namespace figure
