#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace figureexport {

// A picture in a palette of a few colours, as the figure's PNG is written: in its own
// palette the file is a third of the size and written many times faster, as libpng
// tries every row filter on a full-colour image and none on one with a palette.
class PaletteImage {
public:
    // The image with each pixel the closest colour of the palette. QImage's own
    // conversion writes into a picture it never checked it could make, so a large one
    // crashes where memory is short; this gives a null image instead.
    static QImage from(const QImage &image, const QList<QRgb> &palette);
};

} // namespace figureexport
