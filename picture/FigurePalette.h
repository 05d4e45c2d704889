#pragma once

#include <QColor>
#include <QList>
#include <QRgb>

namespace picture {

// The inks one figure is painted in.
struct FigureInks {
    QColor frame;
    QColor curve;
    QColor touch;
    QColor dot;
};

// The colours of a painted figure: inks on white paper, the same on the screen, in a
// file and on a printer.
struct FigurePalette {
    static inline const QColor paper = Qt::white;
    static inline const QColor frame{128, 128, 128};
    static inline const QColor curve{16, 32, 112};
    static inline const QColor touch{220, 0, 0};
    static inline const QColor dot{255, 140, 0};
    static inline const QColor caption = Qt::black;
    // The point that runs along the curve while the oscillations are shown.
    static inline const QColor runningPoint{0, 150, 70};

    // The figure in colour, as on the screen; and in black on white, for a sheet that
    // is copied in grey, its touch marks told apart by where they stand, not by colour.
    static FigureInks inColour() { return {frame, curve, touch, dot}; }
    static FigureInks blackOnWhite() { return {Qt::black, Qt::black, Qt::black, Qt::black}; }

    // Every colour a painted figure has: each ink blended with the paper in steps, for
    // the edges that antialiasing softens. A picture of the figure keeps its look in
    // this table of fewer than 256 colours.
    static QList<QRgb> blends();
};

} // namespace picture
