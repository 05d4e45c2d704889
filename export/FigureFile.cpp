#include "FigureFile.h"

#include "PictureTexts.h"
#include "ExportTexts.h"
#include "FigurePainter.h"
#include "FigurePalette.h"
#include "FigureWords.h"
#include "LengthUnits.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QStringList>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace figureexport {

namespace {

// The side of the square page a figure is exported on as a PDF.
constexpr double pdfPageMillimetres = 180;
// The resolution of that page, as Qt's high-resolution printing has it.
constexpr int pdfResolution = 1200;
// Qt's quality of a PNG: its zlib level, traded for speed; the file stays small in
// the figure's palette.
constexpr int pngQuality = 80;

QString titleOf(const picture::FigurePainter &figure)
{
    return picture::figureTitle(figure.frequencies(), figure.phaseDegrees(), figure.touches());
}

QString descriptionOf(const picture::FigurePainter &figure)
{
    return picture::viewDescription(figure.frequencies(), figure.phaseDegrees(), figure.touches());
}

// Every file of a figure prints at the size of the PDF's page unless told otherwise:
// a picture of side pixels has this many to the metre, and to the inch.
int dotsPerMetre(int side)
{
    return int(std::lround(side * LengthUnits::millimetresPerMetre / pdfPageMillimetres));
}
int dotsPerInch(int side)
{
    return int(std::lround(side * LengthUnits::millimetresPerInch / pdfPageMillimetres));
}

ExportFailure noMemoryFor(const QString &path, int size)
{
    return {.kind = ExportFailure::Kind::NoMemory, .file = path, .size = size};
}

ExportFailure notDrawnAs(const QString &path, const char *format)
{
    return {.kind = ExportFailure::Kind::NotDrawn, .file = path, .format = QLatin1String(format)};
}

// Makes a file's bytes in memory with encode, which says whether it could, then writes
// them whole. A picture too large for the memory left fails here, before any file is
// touched.
template <class Encode>
ExportResult encodeAndWrite(const QString &path, int size, Encode &&encode)
{
    QByteArray bytes;
    try {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (ExportResult failure = encode(buffer))
            return failure;
    } catch (const std::bad_alloc &) {
        return noMemoryFor(path, size);
    }
    return WholeFile::write(path, bytes);
}

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

// The image with each pixel the closest colour of the palette. QImage's own
// conversion writes into a picture it never checked it could make, so a large one
// crashes where memory is short; this one gives a null image instead.
QImage inPalette(const QImage &image, const QList<QRgb> &palette)
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

bool pngInto(QIODevice &device, const QImage &image)
{
    return image.save(&device, "PNG", pngQuality);
}

// Paints onto a device of ours and ends the painting. Where memory runs out inside
// Qt, the painter and the device are abandoned, not destroyed: their destructors
// would end the painting again while the exception unwinds, throw once more, and end
// the program.
template <class Device, class Paint>
bool paintAndEnd(std::unique_ptr<Device> device, Paint &&paint)
{
    auto painter = std::make_unique<QPainter>();
    try {
        if (!painter->begin(device.get()))
            return false;
        paint(*painter);
        return painter->end();
    } catch (const std::bad_alloc &) {
        (void)painter.release();
        (void)device.release();
        throw;
    }
}

// A printed page's heading: a twentieth of the page's shorter side high, bold, so that
// it stands a little above the caption, which the figure's size sets.
constexpr double headingsPerSide = 20;
// Between the heading and the room under it, half its line.
constexpr double headingGap = 0.5;

// Paints the heading at the top of page and gives the room left under it.
QRectF paintHeading(QPainter &painter, const QRectF &page)
{
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(std::min(page.width(), page.height()) / headingsPerSide)));
    font.setBold(true);
    const double line = QFontMetricsF(font, painter.device()).height();
    painter.save();
    painter.setFont(font);
    painter.setPen(picture::FigurePalette::caption);
    // Some nine times its height wide: within the width of any page at this size.
    painter.drawText(QRectF(page.left(), page.top(), page.width(), line), Qt::AlignHCenter | Qt::AlignTop,
                     picture::figureName);
    painter.restore();
    const double top = page.top() + line * (1 + headingGap);
    return {page.left(), top, page.width(), std::max(0.0, page.bottom() - top)};
}

// Families that most systems have, of Helvetica's widths, as a viewer's fonts go where
// the one the caption was laid out in is missing; then the viewer's own sans-serif.
const QStringList svgFallbackFamilies{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                      QStringLiteral("Helvetica")};
const QString svgGenericFamily = QStringLiteral("sans-serif");
const QByteArray svgFamilyAttribute = QByteArrayLiteral("font-family=\"");

// A family's name as a CSS string: quoted, with its quotes and backslashes escaped.
QString cssQuoted(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + name + QLatin1Char('\'');
}

// The family Qt drew a named font in, then the fallbacks, as a CSS list within an XML
// attribute, the generic family last.
QByteArray cssFamilies(const QString &named)
{
    QStringList families{QFontInfo(QFont(named)).family()};
    families += svgFallbackFamilies;
    families.removeDuplicates();
    QStringList css;
    for (const QString &family : std::as_const(families))
        css << cssQuoted(family);
    css << svgGenericFamily;
    return css.join(QLatin1String(", ")).toHtmlEscaped().toUtf8();
}

// QSvgGenerator names only a font's first family, as it was asked for ("Sans Serif",
// which no viewer knows): each becomes a list that a viewer without it can follow.
QByteArray withFallbackFamilies(QByteArray svg)
{
    QSet<QByteArray> named;
    for (qsizetype at = svg.indexOf(svgFamilyAttribute); at >= 0; at = svg.indexOf(svgFamilyAttribute, at + 1)) {
        const qsizetype start = at + svgFamilyAttribute.size();
        named.insert(svg.mid(start, svg.indexOf('"', start) - start));
    }
    for (const QByteArray &family : std::as_const(named))
        svg.replace(svgFamilyAttribute + family + '"',
                    svgFamilyAttribute + cssFamilies(QString::fromUtf8(family)) + '"');
    return svg;
}

} // namespace

std::optional<FigureFormat> formatOfFile(const QString &path)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == QLatin1String("png"))
        return FigureFormat::Png;
    if (ending == QLatin1String("svg"))
        return FigureFormat::Svg;
    if (ending == QLatin1String("pdf"))
        return FigureFormat::Pdf;
    return std::nullopt;
}

namespace {

// The figure of the request, written in the format.
ExportResult writeAs(FigureFormat format, const FigureExport &request)
{
    const QString &path = request.file;
    const picture::FigurePainter figure(request.frequencies, request.phaseDegrees);
    const int size = request.size;
    switch (format) {
    case FigureFormat::Png:
        return encodeAndWrite(path, size, [&](QIODevice &device) -> ExportResult {
            // In the figure's own palette the file is a third of the size and written
            // many times faster: libpng tries every row filter on a full-colour image,
            // none on one with a palette.
            QImage picture =
                inPalette(FigureFile::image(figure, size, request.withDots), picture::FigurePalette::blends());
            if (picture.isNull())
                return noMemoryFor(path, size);
            picture.setText(pngTitleKey, titleOf(figure));
            picture.setDotsPerMeterX(dotsPerMetre(size));
            picture.setDotsPerMeterY(dotsPerMetre(size));
            if (!pngInto(device, picture))
                return notDrawnAs(path, "PNG");
            return std::nullopt;
        });
    case FigureFormat::Svg:
        return encodeAndWrite(path, size, [&](QIODevice &device) -> ExportResult {
            if (!FigureFile::writeSvg(device, figure, size, request.withDots))
                return notDrawnAs(path, "SVG");
            return std::nullopt;
        });
    case FigureFormat::Pdf: {
        // One square page, the picture filling it: a picture, not a printed page, so
        // without the page's heading.
        const QPageLayout square(QPageSize(QSizeF(pdfPageMillimetres, pdfPageMillimetres), QPageSize::Millimeter),
                                 QPageLayout::Portrait, QMarginsF());
        return FigureFile::writePdf(path, titleOf(figure), square, pdfResolution,
                                    [&](QPainter &painter, QPagedPaintDevice &) {
                                        figure.paintWithCaption(painter, painter.viewport(), request.withDots);
                                        return true;
                                    });
    }
    }
    Q_UNREACHABLE();
}

} // namespace

ExportResult FigureFile::write(const FigureExport &request)
{
    const QString &path = request.file;
    const std::optional<FigureFormat> format = formatOfFile(path);
    if (!format)
        return ExportFailure{.kind = ExportFailure::Kind::UnknownType, .file = path};
    const int size = request.size;
    // Every allocation of the export, from the figure's points on, is within reach.
    try {
        return writeAs(*format, request);
    } catch (const std::bad_alloc &) {
        return noMemoryFor(path, size);
    }
}

ExportResult FigureFile::writePage(const QString &path, const picture::FigurePainter &figure, bool withDots,
                                   const QPageLayout &layout, int resolution)
{
    return writePdf(path, titleOf(figure), layout, resolution, [&](QPainter &painter, QPagedPaintDevice &) {
        paintPage(painter, figure, withDots);
        return true;
    });
}

ExportResult FigureFile::writePdf(const QString &path, const QString &title, const QPageLayout &layout, int resolution,
                                  const std::function<bool(QPainter &, QPagedPaintDevice &)> &paint)
{
    return encodeAndWrite(path, 0, [&](QIODevice &device) -> ExportResult {
        auto pdf = std::make_unique<QPdfWriter>(&device);
        pdf->setPageLayout(layout);
        pdf->setResolution(resolution);
        pdf->setTitle(title);
        QPdfWriter &pages = *pdf;
        bool painted = false;
        if (!paintAndEnd(std::move(pdf), [&](QPainter &painter) { painted = paint(painter, pages); }) || !painted)
            return notDrawnAs(path, "PDF");
        return std::nullopt;
    });
}

ExportResult FigureFile::writePng(const QString &path, const QImage &image)
{
    if (image.isNull())
        return noMemoryFor(path, 0);
    return encodeAndWrite(path, 0, [&](QIODevice &device) -> ExportResult {
        if (!pngInto(device, image))
            return notDrawnAs(path, "PNG");
        return std::nullopt;
    });
}

QImage FigureFile::image(const picture::FigurePainter &figure, int size, bool withDots)
{
    QImage image(size, size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    figure.paintWithCaption(painter, image.rect(), withDots);
    return image;
}

bool FigureFile::writeSvg(QIODevice &device, const picture::FigurePainter &figure, int size, bool withDots)
{
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    auto svg = std::make_unique<QSvgGenerator>();
    svg->setOutputDevice(&buffer);
    svg->setSize(QSize(size, size));
    svg->setViewBox(QRect(0, 0, size, size));
    svg->setTitle(titleOf(figure));
    svg->setDescription(descriptionOf(figure));
    svg->setResolution(dotsPerInch(size));
    if (!paintAndEnd(std::move(svg), [&](QPainter &painter) {
            figure.paintWithCaption(painter, QRectF(0, 0, size, size), withDots);
        }))
        return false;
    const QByteArray written = withFallbackFamilies(std::move(text));
    return device.write(written) == written.size();
}

void FigureFile::paintPage(QPainter &painter, const picture::FigurePainter &figure, bool withDots)
{
    const QRectF room = paintHeading(painter, painter.viewport());
    const double side = std::min(room.width(), room.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(room.center());
    // Centred by what is drawn, the marks on two edges and the caption in whatever
    // font the system gives, rather than by the square the figure is laid out in.
    const QPointF offCentre = room.center() - figure.drawnWithCaption(painter, square).center();
    figure.paintWithCaption(painter, square.translated(offCentre), withDots);
}

} // namespace figureexport
