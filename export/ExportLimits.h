#pragma once

namespace figureexport {

// The sides, in pixels, a picture of the figure may be exported at: from a thumbnail
// to as large as a poster printer takes, 1200 unless the user chooses another.
struct ExportLimits {
    static constexpr int smallestSide = 16;
    static constexpr int largestSide = 8192;
    static constexpr int defaultSide = 1200;
};

} // namespace figureexport
