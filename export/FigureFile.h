#pragma once

#include "ExportFailure.h"
#include "FigureExport.h"

#include <QImage>
#include <QString>

#include <optional>

class QIODevice;
class QPageLayout;
class QPainter;

namespace closeup {
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
    // An image as it is, pixel for pixel, as a PNG.
    static ExportResult writePng(const QString &path, const QImage &image);
    // The figure with its caption as large as fits one page of the layout, as a PDF:
    // what printing to a file writes.
    static ExportResult writePage(const QString &path, const closeup::FigurePainter &figure, bool withDots,
                                  const QPageLayout &layout, int resolution);

    // The figure with its caption, size pixels square: as an image (a null one where
    // memory is short), or as SVG onto a device (std::bad_alloc where memory is short).
    // Files and the clipboard take these.
    static QImage image(const closeup::FigurePainter &figure, int size, bool withDots);
    static bool writeSvg(QIODevice &device, const closeup::FigurePainter &figure, int size, bool withDots);
    // Paints the figure with its caption, square and as large as fits, on a page.
    static void paintPage(QPainter &painter, const closeup::FigurePainter &figure, bool withDots);
};

} // namespace figureexport
