#include "PictureBands.h"

#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <atomic>
#include <memory>

namespace closeup {

namespace {

// A band of fewer pixels than this costs more processor time, in a thread's turn and
// in the shapes that cross the band's edges, than it saves: a full-HD figure paints
// within a frame's time on one core, a 4K one takes two.
constexpr qsizetype leastBandPixels = 1'500'000;
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
    const qsizetype pixelCount = qsizetype(pixels.width()) * pixels.height();
    const int count = exactRatio ? int(std::clamp<qsizetype>(pixelCount / leastBandPixels, 1, QThread::idealThreadCount())) : 1;
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
    // The bands are taken in turn by this thread and by the pool's, whose threads
    // outlive a picture and with them what Qt keeps for each thread, such as the
    // labels' fonts. This thread paints every band that no other has begun, so on a
    // busy machine it never waits for a thread still to be given a core; it waits
    // only for the bands begun elsewhere. A helper that comes late finds none left
    // and touches nothing but the turns.
    struct Turns {
        std::atomic<int> next = 0;
        std::atomic<int> finished = 0;
    };
    const auto turns = std::make_shared<Turns>();
    const auto paintBands = [turns, count, &paintBand] {
        for (int index = turns->next++; index < count; index = turns->next++) {
            paintBand(index);
            ++turns->finished;
            turns->finished.notify_all();
        }
    };
    for (int helper = 1; helper < count; ++helper)
        QThreadPool::globalInstance()->start(paintBands);
    paintBands();
    for (int finished = turns->finished; finished < count; finished = turns->finished)
        turns->finished.wait(finished);
}

} // namespace closeup
