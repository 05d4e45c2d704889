#include "SheetLayout.h"

#include "SheetHeading.h"

#include <algorithm>
#include <limits>

namespace sheet {

namespace {

// A line of words under a figure: 13 % of its cell's width, readable at the least,
// and no larger than body text.
constexpr double lineShareOfCell = 0.13;
constexpr double smallestLineMillimetres = 4.5;
constexpr double largestLineMillimetres = 7;
constexpr int linesUnderFigure = 2;
// Clear paper between a figure's words and the figure below, whose marks stand in the
// top of its square's area: no answer is read as the next figure's.
constexpr double wordsGapMillimetres = 3;

int rowsFor(int figures, int columns)
{
    return (figures + columns - 1) / columns;
}

} // namespace

SheetLayout::SheetLayout(const QRectF &page, int figures, double millimetre)
    : m_figures(std::max(figures, 0))
    , m_heading(page.left(), page.top(), page.width(), SheetHeading::height * millimetre)
    , m_grid(page.left(), m_heading.bottom(), page.width(), page.height() - m_heading.height())
    , m_wordsGap(wordsGapMillimetres * millimetre)
{
    const auto lineFor = [&](double cellWidth) {
        return std::clamp(cellWidth * lineShareOfCell, smallestLineMillimetres * millimetre,
                          largestLineMillimetres * millimetre);
    };
    // On a page too small for any, the grid that comes closest, its figures of no size.
    double best = std::numeric_limits<double>::lowest();
    const int placed = std::max(m_figures, 1);
    for (int columns = 1; columns <= placed; ++columns) {
        const int rows = rowsFor(placed, columns);
        const double cellWidth = m_grid.width() / columns;
        const double line = lineFor(cellWidth);
        const double side = std::min(cellWidth, m_grid.height() / rows - linesUnderFigure * line - m_wordsGap);
        if (side > best) {
            best = side;
            m_columns = columns;
            m_rows = rows;
            m_lineHeight = line;
        }
    }
    m_side = std::max(best, 0.0);
}

QRectF SheetLayout::cell(int i) const
{
    const double width = m_grid.width() / m_columns;
    const double height = m_grid.height() / m_rows;
    return {m_grid.left() + (i % m_columns) * width, m_grid.top() + (i / m_columns) * height, width, height};
}

double SheetLayout::block() const
{
    return m_side + linesUnderFigure * m_lineHeight + m_wordsGap;
}

QRectF SheetLayout::figure(int i) const
{
    // The figure, its words and the gap under them as one block, centred in the cell.
    const QRectF room = cell(i);
    QRectF square(0, 0, m_side, m_side);
    square.moveCenter(QPointF(room.center().x(), room.top() + (room.height() - block()) / 2 + m_side / 2));
    return square;
}

QRectF SheetLayout::words(int i) const
{
    const QRectF room = cell(i);
    return {room.left(), figure(i).bottom(), room.width(), linesUnderFigure * m_lineHeight};
}

} // namespace sheet
