#pragma once

namespace figure {

// The frequencies a figure may have: the whole numbers the lists and the command line
// offer, from 1 to 19.
struct Frequencies {
    static constexpr int lowest = 1;
    static constexpr int highest = 19;
    static constexpr int count = highest - lowest + 1;

    // Whether a figure may have the frequency: a whole number in range. Asked of a
    // double, so that a value read as one is judged before it is made an int.
    static constexpr bool contains(double frequency)
    {
        return frequency >= lowest && frequency <= highest && frequency == double(int(frequency));
    }
};

// A figure's two frequencies: a of the horizontal oscillation (list X), b of the
// vertical one (list Y).
struct FrequencyPair {
    int a = 0;
    int b = 0;

    friend constexpr bool operator==(FrequencyPair, FrequencyPair) = default;
};

} // namespace figure
