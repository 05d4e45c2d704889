#pragma once

#include <cstdint>

namespace forms {

// A colour as the program's code names it: one byte a channel.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // The 32-bit pixel value of an opaque colour, 0xffRRGGBB, as a picture stores it.
    constexpr std::uint32_t toPixel() const
    {
        return 0xff000000u | std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
    }

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

} // namespace forms
