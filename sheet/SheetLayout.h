#pragma once

#include <QRectF>

namespace sheet {

// Where a page's parts lie: the heading at the top, and under it the page's figures
// on the grid that makes them largest, each square with two lines of words under it
// and clear paper under those. The quiz and its key share it, so that answer n sits
// where figure n did.
class SheetLayout {
public:
    // page in the device's units, of which millimetre make a millimetre.
    SheetLayout(const QRectF &page, int figures, double millimetre);

    int figures() const { return m_figures; }
    QRectF heading() const { return m_heading; }
    // The side of the square every figure of the page is painted in, its marks within.
    double figureSide() const { return m_side; }
    // Figure i's square, and the two lines under it.
    QRectF figure(int i) const;
    QRectF words(int i) const;
    double lineHeight() const { return m_lineHeight; }

private:
    QRectF cell(int i) const;
    double block() const;

    int m_figures;
    QRectF m_heading;
    QRectF m_grid;
    double m_wordsGap;
    int m_columns = 1;
    int m_rows = 1;
    double m_side = 0;
    double m_lineHeight = 0;
};

} // namespace sheet
