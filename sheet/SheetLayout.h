#pragma once

#include <QRectF>

namespace sheet {

// Where a sheet's parts lie on a page: the heading at the top, and under it the
// figures on the grid that makes them largest, each square with two lines of words
// under it. The quiz and its key share it, so that answer n sits where figure n did.
class SheetLayout {
public:
    // page in the device's units, of which millimetre make a millimetre, its heading
    // headingHeight high.
    SheetLayout(const QRectF &page, int figures, double headingHeight, double millimetre);

    QRectF heading() const { return m_heading; }
    // Figure i's square, and the two lines under it.
    QRectF figure(int i) const;
    QRectF words(int i) const;
    double lineHeight() const { return m_lineHeight; }

private:
    QRectF cell(int i) const;

    QRectF m_heading;
    QRectF m_grid;
    int m_columns = 1;
    int m_rows = 1;
    double m_side = 0;
    double m_lineHeight = 0;
};

} // namespace sheet
