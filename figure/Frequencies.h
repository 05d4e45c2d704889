#pragma once

namespace figure {

// The frequencies a figure may have: the whole numbers the lists and the command line
// offer, from 1 to 19.
struct Frequencies {
    static constexpr int lowest = 1;
    static constexpr int highest = 19;
    static constexpr int count = highest - lowest + 1;

    static constexpr bool contains(int frequency) { return frequency >= lowest && frequency <= highest; }
};

// A figure's two frequencies: a of the horizontal oscillation (list X), b of the
// vertical one (list Y).
struct FrequencyPair {
    int a = 0;
    int b = 0;

    friend constexpr bool operator==(FrequencyPair, FrequencyPair) = default;
};

} // namespace figure
