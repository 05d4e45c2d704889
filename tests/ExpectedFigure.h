#pragma once

#include "Lissajous.h"
#include "PlotArea.h"
#include "RuntimeError.h"

// The picture a draw of (a, b) should leave on a white plot area of the given size,
// 1000 units a side, computed by the figure module alone. Where the computation
// fails, the dots set before it failed.
inline figure::PlotArea expectedFigure(int width, int height, double a, double b)
{
    figure::PlotArea area(width, height, {255, 255, 255});
    area.setScaleWidth(1000);
    area.setScaleHeight(1000);
    try {
        figure::Lissajous::forEachPoint(a, b, [&](figure::PlotPoint p) { area.setPoint(p.x, p.y, {}); });
    } catch (const figure::RuntimeError &) {
    }
    return area;
}
