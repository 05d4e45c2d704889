#pragma once

#include "PixelRect.h"
#include "Rgb.h"

#include <cstdint>
#include <vector>

namespace forms {

// The retained picture of a picture box: its pixels and the user scale that maps
// drawing units onto them. Each drawing operation returns the pixels it changed, so
// that whoever shows the picture can repaint just those.
class PictureModel {
public:
    // A blank picture of the given size in pixels, in the given background colour.
    PictureModel(int width, int height, Rgb background);

    // A scale must be finite and not zero, a drawing width at least one pixel;
    // an invalid value is refused and leaves the setting as it was.
    [[nodiscard]] bool setScaleWidth(float units);
    [[nodiscard]] bool setScaleHeight(float units);
    [[nodiscard]] bool setDrawWidth(std::int16_t pixels);
    void setBackColor(Rgb colour);

    // Fills the whole picture with the background colour. Only pixels that are not
    // already that colour change: after a clear to the same colour, those drawn since.
    PixelRect clear();
    // Sets the point (x, y), in user units, drawWidth pixels wide. Points outside
    // the picture are clipped away. Inline: a drawing sets thousands of them at once.
    PixelRect setPoint(float x, float y, Rgb colour)
    {
        // The position in pixels, in double so that no position inside the picture
        // rounds onto its neighbour; the pixel that contains it is the one set.
        const double column = double(x) * m_width / m_scaleWidth;
        const double row = double(y) * m_height / m_scaleHeight;
        if (m_drawWidth != 1)
            return setSquare(column, row, colour);
        // Inside the picture truncation is the floor; a position outside, or not a
        // number, fails these tests and has no pixel.
        if (!(column >= 0 && column < m_width && row >= 0 && row < m_height))
            return {};
        const int pixelX = int(column);
        const int pixelY = int(row);
        m_pixels[std::size_t(pixelY) * m_width + pixelX] = colour.toPixel();
        m_drawnSinceClear.include(pixelX, pixelY);
        return {pixelX, pixelY, 1, 1};
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    float scaleWidth() const { return m_scaleWidth; }
    float scaleHeight() const { return m_scaleHeight; }
    std::int16_t drawWidth() const { return m_drawWidth; }
    Rgb backColor() const { return m_backColor; }

    // Rows of 0xffRRGGBB values, top row first, width() values a row.
    const std::uint32_t *pixels() const { return m_pixels.data(); }
    std::uint32_t pixel(int x, int y) const { return m_pixels[std::size_t(y) * m_width + x]; }

private:
    // A point drawWidth pixels wide: a square around the pixel at (column, row).
    PixelRect setSquare(double column, double row, Rgb colour);
    void fill(PixelRect rect, std::uint32_t value);

    int m_width;
    int m_height;
    float m_scaleWidth;
    float m_scaleHeight;
    std::int16_t m_drawWidth = 1;
    Rgb m_backColor;
    std::vector<std::uint32_t> m_pixels;
    // Everything set since the picture was last cleared to m_clearedTo; nothing
    // outside it differs from that colour.
    PixelRect m_drawnSinceClear;
    Rgb m_clearedTo;
};

} // namespace forms
