#pragma once

#include <QImage>

#include <functional>

class QPainter;

namespace closeup {

// Paints a picture in horizontal bands at once, one for each processor core, so that a
// large picture takes a fraction of the time. Each band has a painter of its own on the
// whole picture, clipped to the band's rows: every painter draws the same shapes at the
// same places, and each keeps only its band's pixels.
class PictureBands {
public:
    // What paints the whole picture, given a painter on it.
    using Painting = std::function<void(QPainter &)>;

    // Paints what of picture lies in area, in the picture's logical coordinates.
    static void paint(QImage &picture, const QRectF &area, const Painting &paintWhole);
};

} // namespace closeup
