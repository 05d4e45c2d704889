#pragma once

#include <QString>

#include <optional>

class QImage;
class QIODevice;

namespace closeup {
class FigurePainter;
}

namespace figureexport {

// Files a figure is written to, told apart by their ending: .png, .svg or .pdf.
enum class FigureFormat { Png, Svg, Pdf };
std::optional<FigureFormat> formatOfFile(const QString &path);

// Writes pictures to files all or nothing, through QSaveFile: a write that fails
// leaves no half-written file and any old file as it was. Each returns the reason
// it failed, or an empty string.
class FigureFile {
public:
    // The figure with its caption, size pixels square as a PNG, or a page of about
    // that size as vector graphics in an SVG or PDF.
    static QString write(const QString &path, const closeup::FigurePainter &figure, int size, bool withDots);
    // An image as it is, pixel for pixel, as a PNG.
    static QString writePng(const QString &path, const QImage &image);

    // The figure with its caption, size pixels square: as an image, or as SVG onto
    // a device. Files and the clipboard both take these.
    static QImage image(const closeup::FigurePainter &figure, int size, bool withDots);
    static bool writeSvg(QIODevice &device, const closeup::FigurePainter &figure, int size, bool withDots);
};

} // namespace figureexport
