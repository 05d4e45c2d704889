#pragma once

#include "LineSegment.h"

#include <array>
#include <cstdint>
#include <vector>

namespace picture {

// A line through points, drawn as a pen with round caps and joins draws it, as the
// share of each pixel it covers: the union of one round-ended stroke per segment.
// A pixel's share comes from its centre's distance to the line, over one pixel's
// width of antialiasing, so that a pixel the line crosses twice is never inked twice.
// Painting the figure's many short segments this way costs a fraction of stroking
// each as a shape, which a moving picture repeats at every frame.
class LineCoverage {
public:
    // In pixels: pixel (column, row) spans column to column + 1 and row to row + 1.
    using Point = LineSegment::Point;
    struct Pixels {
        int left;
        int top;
        int width;
        int height;
    };

    static constexpr int fullShare = 255;
    // What a pixel becomes at each share. Its top byte grows with the share, as a
    // premultiplied colour's alpha does, and the rest follows from it: where
    // segments overlap, the larger of two pixels is the larger share.
    using Shades = std::array<std::uint32_t, fullShare + 1>;

    LineCoverage(std::vector<Point> points, double width);

    // The pixels the line may tint, its antialiasing included.
    Pixels reach() const;
    // Each pixel of window, row by row into pixels (which has room for them), as the
    // shade of the share of it the line covers.
    void cover(const Pixels &window, std::uint32_t *pixels, const Shades &shades) const;

private:
    // Shades the pixels of the segment's band, which reaches past its ends by the
    // overlaps given.
    void addSegment(const Point &from, const Point &to, double startOverlap, double endOverlap, const Pixels &window,
                    std::uint32_t *pixels, const Shades &shades) const;

    std::vector<Point> m_points;
    // Beyond this distance from the line a pixel's centre is untouched.
    double m_outer;
    // A pixel's share by its centre's squared distance from a segment, in steps of
    // m_squaredStep: a lookup in place of a root for every pixel.
    std::vector<std::uint8_t> m_shareBySquare;
    double m_squaredStep;
};

} // namespace picture
