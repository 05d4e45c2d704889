#include "PictureBands.h"

#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <latch>

namespace closeup {

namespace {

// A band thinner than this costs more in the shapes that cross its edges than it saves.
constexpr int leastBandRows = 64;
// What std::frexp gives for a power of two.
constexpr double powerOfTwoMantissa = 0.5;

} // namespace

void PictureBands::paint(QImage &picture, const QRectF &area, const Painting &paintWhole)
{
    const double ratio = picture.devicePixelRatio();
    // With a pixel ratio of 1, 2 or 4 every row's edge is as exact in the painters' units
    // as in the picture's, and the clips of two bands meet without a gap or an overlap;
    // with another the whole picture is painted, unclipped.
    int exponent = 0;
    const bool exactRatio = std::frexp(ratio, &exponent) == powerOfTwoMantissa;
    const QRect pixels = exactRatio ? QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect() & picture.rect()
                                    : picture.rect();
    const int count = exactRatio ? std::clamp(pixels.height() / leastBandRows, 1, QThread::idealThreadCount()) : 1;
    const bool clipped = count > 1 || pixels != picture.rect();
    const auto edge = [&](int index) { return pixels.top() + pixels.height() * index / count; };
    uchar *const bits = picture.bits();
    const auto paintBand = [&](int index) {
        // Another image over the same pixels, for a painter of its own.
        QImage band(bits, picture.width(), picture.height(), picture.bytesPerLine(), picture.format());
        band.setDevicePixelRatio(ratio);
        QPainter painter(&band);
        if (clipped)
            painter.setClipRect(QRectF(pixels.left() / ratio, edge(index) / ratio, pixels.width() / ratio,
                                       (edge(index + 1) - edge(index)) / ratio));
        paintWhole(painter);
    };
    // The pool's threads outlive a picture, and with them what Qt keeps for each
    // thread, such as the fonts of the labels.
    std::latch others(count - 1);
    for (int index = 1; index < count; ++index) {
        QThreadPool::globalInstance()->start([&, index] {
            paintBand(index);
            others.count_down();
        });
    }
    paintBand(0);
    others.wait();
}

} // namespace closeup
