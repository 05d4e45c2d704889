#pragma once

#include "ExportFailure.h"
#include "FigureExport.h"
#include "FigurePainter.h"

#include <QString>

#include <optional>

class QImage;
class QPrinter;
class QWidget;

namespace picture {
class FigurePainter;
}

namespace figureexport {

// What a user does to take a picture out of the program: copy it, save it to a file
// chosen in a dialog, or print it. Nothing is written unless the user asks, and a
// failure says what failed, which file and why, in a message box in Bulgarian.
class ExportActions {
public:
    // The plot area's picture exactly as the window shows it, pixel for pixel.
    static void copyPicture(QWidget *parent, const QImage &picture);
    static void savePicture(QWidget *parent, const QImage &picture, const QString &suggestedPath);
    // Writes the picture to the file the user chose, a PNG where its name has no
    // ending; if it cannot, says so.
    static void savePictureAs(QWidget *parent, const QImage &picture, const QString &path);

    // The close-up's picture: the figure with its caption, as an image (and as SVG
    // for receivers that take it), as a PNG, SVG or PDF file, or on paper; and its
    // two oscillations as ten seconds of sound in a WAV file.
    static void copyFigure(QWidget *parent, const picture::FigurePainter &figure, bool withDots);
    static void saveFigure(QWidget *parent, const picture::FigurePainter &figure, bool withDots);
    // Writes the figure as asked; if it cannot, says so.
    static void saveFigureAs(QWidget *parent, const FigureExport &request);
    static void printFigure(QWidget *parent, const picture::FigurePainter &figure, bool withDots);
    // Prints one page on a printer set up by the print dialog, the figure under a
    // heading, as large as fits, or writes that page whole to the PDF file it prints to.
    static ExportResult printOn(QPrinter &printer, const picture::FigurePainter &figure, bool withDots);

    // A recording the user chooses, its first tenth of a second read as a figure's
    // points and words; nothing where the user cancels, or where it cannot be read,
    // which is said.
    static std::optional<picture::FigurePainter::Signal> openRecording(QWidget *parent);

    // The name a save proposes, in the user's Pictures folder: lissajous-a2-b3.png,
    // or lissajous.png for no figure.
    static QString suggestedPath(std::optional<figure::FrequencyPair> frequencies,
                                 double phaseDegrees = figure::Phase::windowDegrees);
};

} // namespace figureexport
