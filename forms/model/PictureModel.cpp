#include "PictureModel.h"

#include <algorithm>
#include <cmath>

namespace forms {

PictureModel::PictureModel(int width, int height, Rgb background)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    // Until a scale is set, a unit is a pixel.
    , m_scaleWidth(float(m_width))
    , m_scaleHeight(float(m_height))
    , m_backColor(background)
    , m_pixels(std::size_t(m_width) * m_height, background.toPixel())
    , m_clearedTo(background)
{
}

bool PictureModel::setScaleWidth(float units)
{
    if (!std::isfinite(units) || units == 0)
        return false;
    m_scaleWidth = units;
    return true;
}

bool PictureModel::setScaleHeight(float units)
{
    if (!std::isfinite(units) || units == 0)
        return false;
    m_scaleHeight = units;
    return true;
}

bool PictureModel::setDrawWidth(std::int16_t pixels)
{
    if (pixels < 1)
        return false;
    m_drawWidth = pixels;
    return true;
}

void PictureModel::setBackColor(Rgb colour)
{
    m_backColor = colour;
}

PixelRect PictureModel::clear()
{
    const PixelRect whole{0, 0, m_width, m_height};
    const PixelRect changed = m_backColor == m_clearedTo ? m_drawnSinceClear : whole;
    fill(changed, m_backColor.toPixel());
    m_drawnSinceClear = {};
    m_clearedTo = m_backColor;
    return changed;
}

PixelRect PictureModel::setSquare(double column, double row, Rgb colour)
{
    // Compared as doubles first: a far-off or non-finite position has no pixel.
    const double firstColumn = std::floor(column);
    const double firstRow = std::floor(row);
    if (!(firstColumn > -m_drawWidth && firstColumn < m_width + m_drawWidth && firstRow > -m_drawWidth
          && firstRow < m_height + m_drawWidth))
        return {};

    // A wider point is a square of drawWidth pixels around that pixel.
    const int before = (m_drawWidth - 1) / 2;
    const int left = std::max(int(firstColumn) - before, 0);
    const int top = std::max(int(firstRow) - before, 0);
    const int right = std::min(int(firstColumn) - before + m_drawWidth, m_width);
    const int bottom = std::min(int(firstRow) - before + m_drawWidth, m_height);
    const PixelRect square{left, top, right - left, bottom - top};
    fill(square, colour.toPixel());
    m_drawnSinceClear = m_drawnSinceClear.united(square);
    return square;
}

void PictureModel::fill(PixelRect rect, std::uint32_t value)
{
    if (rect.isEmpty())
        return;
    for (int row = rect.top; row < rect.top + rect.height; ++row) {
        auto first = m_pixels.begin() + std::ptrdiff_t(row) * m_width + rect.left;
        std::fill(first, first + rect.width, value);
    }
}

} // namespace forms
