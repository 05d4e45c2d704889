#pragma once

#include "ExportFailure.h"
#include "FigureExport.h"

#include <QImage>
#include <QString>

#include <optional>

class QIODevice;
class QPageLayout;

namespace picture {
class FigurePainter;
}

namespace figureexport {

// Files a figure is written to, told apart by their ending: .png, .svg or .pdf.
enum class FigureFormat { Png, Svg, Pdf };
std::optional<FigureFormat> formatOfFile(const QString &path);

// Writes pictures to files all or nothing (see WholeFile): each picture is made in
// memory first, so a picture that cannot be made, for want of memory, leaves the
// file as it was too. Each says why it failed, or nothing.
class FigureFile {
public:
    // The figure with its caption: size pixels square as a PNG, or as vector graphics
    // in an SVG of that size or on a square PDF page of 18 cm. The command line and
    // the window's save both write through here.
    static ExportResult write(const FigureExport &request);
    // A figure made elsewhere, such as a recording's, written the same way.
    static ExportResult write(const QString &path, const picture::FigurePainter &figure, int size,
                              bool withDots = false);
    // An image as it is, pixel for pixel, as a PNG.
    static ExportResult writePng(const QString &path, const QImage &image);
    // One printed page of the layout (PrintedPage), as a PDF at dotsPerInch: what
    // printing to a file writes.
    static ExportResult writePage(const QString &path, const picture::FigurePainter &figure, bool withDots,
                                  const QPageLayout &layout, int dotsPerInch);

    // The figure with its caption, size pixels square: as an image (a null one where
    // memory is short), or as SVG onto a device (std::bad_alloc where memory is short),
    // its text in a list of fonts that ends in the viewer's own sans-serif.
    // Files and the clipboard take these.
    static QImage image(const picture::FigurePainter &figure, int size, bool withDots);
    static bool writeSvg(QIODevice &device, const picture::FigurePainter &figure, int size, bool withDots);
};

} // namespace figureexport
