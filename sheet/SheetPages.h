#pragma once

#include "SheetLayout.h"

#include <QRectF>

#include <vector>

namespace sheet {

// A sheet's figures on pages, in their order: each page holds as many of the figures
// that follow as its grid leaves each the room it needs, so that a page of simple
// figures holds many and one of crowded figures few.
class SheetPages {
public:
    struct Page {
        // The index of the page's first figure; the layout tells how many follow it.
        int first;
        SheetLayout layout;
    };

    // page and millimetre as for SheetLayout; each figure's smallest side in the
    // page's units. A figure that needs more than a page gives has a page of its own.
    static std::vector<Page> split(const QRectF &page, double millimetre, const std::vector<double> &smallestSides);
};

} // namespace sheet
