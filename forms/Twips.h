#pragma once

namespace forms {

// Design data is laid out in twips, 1/1440 inch: 15 to a pixel at 96 dpi. They become
// device-independent pixels, so Qt's display scaling keeps the layout at any scale.
inline constexpr int twipsPerPixel = 15;

// Rounded to the nearest pixel, halves up.
constexpr int pixelsFromTwips(int twips)
{
    return (2 * twips + twipsPerPixel) / (2 * twipsPerPixel);
}

} // namespace forms
