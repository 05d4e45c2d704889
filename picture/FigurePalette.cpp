#include "FigurePalette.h"

namespace picture {

QList<QRgb> FigurePalette::blends()
{
    QList<QRgb> colours;
    constexpr int steps = 50;
    for (const QColor &ink : {curve, touch, dot, frame, caption}) {
        for (int step = 0; step <= steps; ++step) {
            const auto blend = [&](int paperValue, int inkValue) {
                return paperValue + (inkValue - paperValue) * step / steps;
            };
            colours << qRgb(blend(paper.red(), ink.red()), blend(paper.green(), ink.green()),
                            blend(paper.blue(), ink.blue()));
        }
    }
    return colours;
}

} // namespace picture
