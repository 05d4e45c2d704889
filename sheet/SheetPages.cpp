#include "SheetPages.h"

#include <algorithm>

namespace sheet {

std::vector<SheetPages::Page> SheetPages::split(const QRectF &page, double millimetre,
                                                const std::vector<double> &smallestSides)
{
    std::vector<Page> pages;
    const auto total = int(smallestSides.size());
    for (int first = 0; first < total;) {
        // The more figures share a page, the smaller each: the most that still fit.
        for (int count = total - first; count >= 1; --count) {
            const SheetLayout layout(page, count, millimetre);
            const auto from = smallestSides.begin() + first;
            if (count == 1 || layout.figureSide() >= *std::max_element(from, from + count)) {
                pages.push_back({first, layout});
                first += count;
                break;
            }
        }
    }
    // A sheet without figures is its heading alone.
    if (pages.empty())
        pages.push_back({0, SheetLayout(page, 0, millimetre)});
    return pages;
}

} // namespace sheet
