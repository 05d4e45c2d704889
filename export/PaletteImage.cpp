#include "PaletteImage.h"

#include "PictureMemory.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace figureexport {

namespace {

// A colour's match in the palette is kept in one of 2^16 places, chosen by a
// multiplicative hash of the colour.
constexpr int matchCacheShift = 16;
constexpr std::size_t matchCacheSize = std::size_t(1) << (32 - matchCacheShift);
constexpr quint32 matchCacheMultiplier = 2654435761u;
// An index of a palette of at most 256 colours, as Format_Indexed8 has.
constexpr int indexBits = 8;
constexpr int indexMask = (1 << indexBits) - 1;

} // namespace

QImage PaletteImage::from(const QImage &image, const QList<QRgb> &palette)
{
    QImage indexed = PictureMemory::image(image.size(), QImage::Format_Indexed8);
    if (image.isNull() || indexed.isNull())
        return {};
    indexed.setColorTable(palette);
    // The palette's channels apart, so that the distances to all its colours are one
    // loop the compiler makes parallel: each distance carries its colour's index in its
    // lowest byte, so that the least of them is the first of the closest colours.
    Q_ASSERT(palette.size() <= indexMask + 1);
    const int count = int(palette.size());
    std::vector<qint16> reds, greens, blues;
    for (const QRgb colour : palette) {
        reds.push_back(qint16(qRed(colour)));
        greens.push_back(qint16(qGreen(colour)));
        blues.push_back(qint16(qBlue(colour)));
    }
    const auto closest = [&](QRgb colour) {
        const auto red = qint16(qRed(colour)), green = qint16(qGreen(colour)), blue = qint16(qBlue(colour));
        int least = std::numeric_limits<int>::max();
        for (int i = 0; i < count; ++i) {
            const auto r = qint16(red - reds[std::size_t(i)]);
            const auto g = qint16(green - greens[std::size_t(i)]);
            const auto b = qint16(blue - blues[std::size_t(i)]);
            least = std::min(least, ((r * r + g * g + b * b) << indexBits) | i);
        }
        return uchar(least & indexMask);
    };
    // Most pixels are the paper's white in long runs, and the rest few colours: a run
    // of one colour is filled at once, and each colour's match is looked up once.
    std::vector<std::pair<QRgb, uchar>> found(matchCacheSize, {~image.pixel(0, 0), 0});
    QRgb last = image.pixel(0, 0);
    uchar lastIndex = closest(last);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const QRgb *const end = from + width;
        uchar *to = indexed.scanLine(y);
        for (const QRgb *run = from; run != end;) {
            if (*run != last) {
                last = *run;
                auto &[colour, index] = found[(last * matchCacheMultiplier) >> matchCacheShift];
                if (colour != last) {
                    colour = last;
                    index = closest(last);
                }
                lastIndex = index;
            }
            const QRgb *const next = std::find_if(run, end, [last](QRgb pixel) { return pixel != last; });
            std::memset(to + (run - from), lastIndex, std::size_t(next - run));
            run = next;
        }
    }
    return indexed;
}

} // namespace figureexport
