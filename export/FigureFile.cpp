#include "FigureFile.h"

#include "DevicePainting.h"
#include "EncodedFile.h"
#include "ExportTexts.h"
#include "FigurePainter.h"
#include "FigurePalette.h"
#include "LengthUnits.h"
#include "PaletteImage.h"
#include "PdfDocument.h"
#include "PictureMemory.h"
#include "PrintedPage.h"
#include "SvgFonts.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>
#include <memory>
#include <new>
#include <utility>

namespace figureexport {

namespace {

// The side of the square page a figure is exported on as a PDF.
constexpr double pdfPageMillimetres = 180;
// Qt's quality of a PNG: its zlib level, traded for speed; the file stays small in
// the figure's palette.
constexpr int pngQuality = 80;

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

bool pngInto(QIODevice &device, const QImage &image)
{
    return image.save(&device, "PNG", pngQuality);
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

// A figure, written in the format.
ExportResult writeAs(FigureFormat format, const QString &path, const picture::FigurePainter &figure, int size,
                     bool withDots)
{
    switch (format) {
    case FigureFormat::Png:
        return EncodedFile::write(path, size, [&](QIODevice &device) -> ExportResult {
            QImage png = PaletteImage::from(FigureFile::image(figure, size, withDots),
                                            picture::FigurePalette::blends());
            if (png.isNull())
                return ExportFailure::noMemory(path, size);
            png.setText(pngTitleKey, figure.title());
            png.setDotsPerMeterX(dotsPerMetre(size));
            png.setDotsPerMeterY(dotsPerMetre(size));
            if (!pngInto(device, png))
                return ExportFailure::notDrawn(path, "PNG");
            return std::nullopt;
        });
    case FigureFormat::Svg:
        return EncodedFile::write(path, size, [&](QIODevice &device) -> ExportResult {
            if (!FigureFile::writeSvg(device, figure, size, withDots))
                return ExportFailure::notDrawn(path, "SVG");
            return std::nullopt;
        });
    case FigureFormat::Pdf: {
        // One square page, the picture filling it: a picture, not a printed page, so
        // without the page's heading.
        const QPageLayout square(QPageSize(QSizeF(pdfPageMillimetres, pdfPageMillimetres), QPageSize::Millimeter),
                                 QPageLayout::Portrait, QMarginsF());
        return PdfDocument::write(path, figure.title(), square, PdfDocument::resolution,
                                  [&](QPainter &painter, QPagedPaintDevice &) {
                                      figure.paintWithCaption(painter, painter.viewport(), withDots);
                                      return true;
                                  });
    }
    }
    Q_UNREACHABLE();
}

} // namespace

ExportResult FigureFile::write(const FigureExport &request)
{
    // Every allocation of the export, from the figure's points on, is within reach.
    try {
        return write(request.file, picture::FigurePainter(request.frequencies, request.phaseDegrees), request.size,
                     request.withDots);
    } catch (const std::bad_alloc &) {
        return ExportFailure::noMemory(request.file, request.size);
    }
}

ExportResult FigureFile::write(const QString &path, const picture::FigurePainter &figure, int size, bool withDots)
{
    const std::optional<FigureFormat> format = formatOfFile(path);
    if (!format)
        return ExportFailure{.kind = ExportFailure::Kind::UnknownType, .file = path};
    try {
        return writeAs(*format, path, figure, size, withDots);
    } catch (const std::bad_alloc &) {
        return ExportFailure::noMemory(path, size);
    }
}

ExportResult FigureFile::writePage(const QString &path, const picture::FigurePainter &figure, bool withDots,
                                   const QPageLayout &layout, int dotsPerInch)
{
    return PdfDocument::write(path, figure.title(), layout, dotsPerInch, [&](QPainter &painter, QPagedPaintDevice &) {
        PrintedPage::paint(painter, figure, withDots);
        return true;
    });
}

ExportResult FigureFile::writePng(const QString &path, const QImage &image)
{
    if (image.isNull())
        return ExportFailure::noMemory(path, 0);
    return EncodedFile::write(path, 0, [&](QIODevice &device) -> ExportResult {
        if (!pngInto(device, image))
            return ExportFailure::notDrawn(path, "PNG");
        return std::nullopt;
    });
}

QImage FigureFile::image(const picture::FigurePainter &figure, int size, bool withDots)
{
    QImage image = PictureMemory::image(QSize(size, size), QImage::Format_RGB32);
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
    svg->setTitle(figure.title());
    svg->setDescription(figure.description());
    svg->setResolution(dotsPerInch(size));
    if (!DevicePainting::paintAndEnd(std::move(svg), [&](QPainter &painter) {
            figure.paintWithCaption(painter, QRectF(0, 0, size, size), withDots);
        }))
        return false;
    const QByteArray written = SvgFonts::withFallbacks(std::move(text));
    return device.write(written) == written.size();
}

} // namespace figureexport
