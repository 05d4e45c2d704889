#pragma once

#include "PixelRect.h"
#include "Rgb.h"

#include <cstdint>
#include <vector>

namespace figure {

// The retained picture of a plot area: its pixels, the user scale that maps plot
// units onto them, and the rectangle changed since the screen last took it.
class PlotArea {
public:
    // A blank area of the given inner size in pixels, in the given background colour.
    PlotArea(int width, int height, Rgb background);

    void setScaleWidth(float units);
    void setScaleHeight(float units);
    void setDrawWidth(std::int16_t pixels);
    void setBackColor(Rgb colour);

    // Fills the whole area with the background colour. Only pixels that are not
    // already that colour change: after a clear to the same colour, those drawn since.
    void clear();
    // Sets the point (x, y), in user units, drawWidth pixels wide. Points outside
    // the area are clipped away. Inline: a figure sets 2001 of them at once.
    void setPoint(float x, float y, Rgb colour)
    {
        // The position in pixels, in double so that no position inside the area
        // rounds onto its neighbour; the pixel that contains it is the one set.
        const double column = double(x) * m_width / m_scaleWidth;
        const double row = double(y) * m_height / m_scaleHeight;
        if (m_drawWidth != 1) {
            setSquare(column, row, colour);
            return;
        }
        // Inside the area truncation is the floor; a position outside, or not a
        // number, fails these tests and has no pixel.
        if (!(column >= 0 && column < m_width && row >= 0 && row < m_height))
            return;
        const int pixelX = int(column);
        const int pixelY = int(row);
        m_pixels[std::size_t(pixelY) * m_width + pixelX] = colour.toPixel();
        m_changed.include(pixelX, pixelY);
        m_drawnSinceClear.include(pixelX, pixelY);
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

    // The pixels changed since the screen last showed them, so that only they are
    // repainted. Kept as one growing rectangle: a figure's dots make one cheap update.
    PixelRect changedRect() const { return m_changed; }
    void resetChangedRect() { m_changed = {}; }

private:
    // A point drawWidth pixels wide: a square around the pixel at (column, row).
    void setSquare(double column, double row, Rgb colour);
    void fill(PixelRect rect, std::uint32_t value);

    int m_width;
    int m_height;
    float m_scaleWidth;
    float m_scaleHeight;
    std::int16_t m_drawWidth = 1;
    Rgb m_backColor;
    std::vector<std::uint32_t> m_pixels;
    PixelRect m_changed;
    // Everything set since the area was last cleared to m_clearedTo; nothing outside
    // it differs from that colour.
    PixelRect m_drawnSinceClear;
    Rgb m_clearedTo;
};

} // namespace figure
