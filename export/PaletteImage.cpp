#include "PaletteImage.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace figureexport {

namespace {

// A colour's match in the palette is kept in one of 2^16 places, chosen by a
// multiplicative hash of the colour.
constexpr int matchCacheShift = 16;
constexpr std::size_t matchCacheSize = std::size_t(1) << (32 - matchCacheShift);

int closestInPalette(QRgb colour, const QList<QRgb> &palette)
{
    const auto distance = [colour](QRgb other) {
        const int red = qRed(colour) - qRed(other);
        const int green = qGreen(colour) - qGreen(other);
        const int blue = qBlue(colour) - qBlue(other);
        return red * red + green * green + blue * blue;
    };
    return int(std::min_element(palette.begin(), palette.end(),
                                [&](QRgb one, QRgb other) { return distance(one) < distance(other); })
               - palette.begin());
}

} // namespace

QImage PaletteImage::from(const QImage &image, const QList<QRgb> &palette)
{
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (image.isNull() || indexed.isNull())
        return {};
    indexed.setColorTable(palette);
    // Most pixels are the paper's white in long runs, and the rest few colours: the
    // last colour is kept at hand, and each one's match is looked up once.
    std::vector<std::pair<QRgb, uchar>> found(matchCacheSize, {~image.pixel(0, 0), 0});
    QRgb last = image.pixel(0, 0);
    uchar lastIndex = uchar(closestInPalette(last, palette));
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *to = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (from[x] != last) {
                last = from[x];
                auto &[colour, index] = found[(last * 2654435761u) >> matchCacheShift];
                if (colour != last) {
                    colour = last;
                    index = uchar(closestInPalette(last, palette));
                }
                lastIndex = index;
            }
            to[x] = lastIndex;
        }
    }
    return indexed;
}

} // namespace figureexport
