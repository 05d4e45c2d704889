#pragma once

#include <algorithm>

namespace forms {

// A rectangle of whole pixels; empty when either side is 0.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr bool isEmpty() const { return width <= 0 || height <= 0; }

    constexpr bool contains(int x, int y) const
    {
        return x >= left && x < left + width && y >= top && y < top + height;
    }

    // Whether every pixel of other lies inside; an empty rectangle lies inside any.
    constexpr bool contains(PixelRect other) const
    {
        return other.isEmpty()
               || (other.left >= left && other.top >= top && other.left + other.width <= left + width
                   && other.top + other.height <= top + height);
    }

    // Grows to take in the pixel (x, y); most dots of a figure already lie inside.
    constexpr void include(int x, int y)
    {
        if (!contains(x, y))
            *this = united({x, y, 1, 1});
    }

    constexpr PixelRect united(PixelRect other) const
    {
        if (isEmpty())
            return other;
        if (other.isEmpty())
            return *this;
        const int right = std::max(left + width, other.left + other.width);
        const int bottom = std::max(top + height, other.top + other.height);
        const int newLeft = std::min(left, other.left);
        const int newTop = std::min(top, other.top);
        return {newLeft, newTop, right - newLeft, bottom - newTop};
    }

    friend constexpr bool operator==(PixelRect, PixelRect) = default;
};

} // namespace forms
