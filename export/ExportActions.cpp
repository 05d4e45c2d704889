#include "ExportActions.h"

#include "ControlCharacters.h"
#include "ExportTexts.h"
#include "FigureFile.h"
#include "FigurePainter.h"
#include "PrintedPage.h"
#include "RecordingFigure.h"
#include "ToneFile.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <new>

namespace figureexport {

namespace {

// The steps the size dialog's arrows take.
constexpr int sizeStep = 100;

// Says what failed: the file and why, or, where no file was meant, what the user did
// (the title and the message that takes the reason).
void report(QWidget *parent, const ExportResult &result, const QString &title, const QString &message)
{
    if (!result)
        return;
    const QString reason = forms::quoteControlCharacters(result->reason(reasons));
    if (result->file.isEmpty())
        QMessageBox::warning(parent, title, message.arg(reason));
    else
        QMessageBox::warning(parent, saveTitle,
                             notSaved.arg(forms::quoteControlCharacters(QDir::toNativeSeparators(result->file)), reason));
}

// A name the user gave without an ending takes that of the type chosen with it.
QString withEnding(const QString &path, const QString &chosenType)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    // The type's pattern, as in "Документ PDF (*.pdf)"; a PNG where none was chosen.
    const QString type = chosenType.endsWith(QLatin1Char(')')) ? chosenType : pngOnly;
    return path + type.mid(type.lastIndexOf(QLatin1String("(*")) + 2).chopped(1);
}

} // namespace

std::optional<picture::FigurePainter::Signal> ExportActions::openRecording(QWidget *parent)
{
    const QString path = QFileDialog::getOpenFileName(
        parent, openRecordingTitle, QStandardPaths::writableLocation(QStandardPaths::MusicLocation), recordingTypes);
    if (path.isEmpty())
        return std::nullopt;
    const double spanMilliseconds = RecordingFigure::usualSpanMilliseconds;
    RecordingFigure::Read read;
    try {
        read = RecordingFigure::read(path, 0, spanMilliseconds);
    } catch (const std::bad_alloc &) {
        read.detail = reasons.noMemory;
    }
    if (read.signal)
        return std::move(read.signal);
    using Problem = sound::RecordingFile::Problem;
    const QString reason = read.problem == Problem::NotStereo ? notStereoReason.arg(read.channels)
                           : read.problem == Problem::TooShort
                               ? tooShortReason.arg(QLocale(QLocale::Bulgarian).toString(read.seconds),
                                                    QLocale(QLocale::Bulgarian).toString(spanMilliseconds / 1000))
                               : read.detail;
    QMessageBox::warning(parent, openRecordingTitle,
                         notOpened.arg(forms::quoteControlCharacters(QDir::toNativeSeparators(path)),
                                       forms::quoteControlCharacters(reason)));
    return std::nullopt;
}

QString ExportActions::suggestedPath(std::optional<figure::FrequencyPair> frequencies, double phaseDegrees)
{
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    if (!frequencies)
        return folder.filePath(suggestedNameWithoutFigure);
    const auto [a, b] = *frequencies;
    if (figure::Phase::isWindow(phaseDegrees))
        return folder.filePath(suggestedName.arg(a).arg(b));
    return folder.filePath(suggestedNameWithPhase.arg(a).arg(b).arg(figure::Phase::wholeDegrees(phaseDegrees)));
}

void ExportActions::copyPicture(QWidget *parent, const QImage &picture)
{
    if (picture.isNull())
        report(parent, ExportFailure{.kind = ExportFailure::Kind::NoMemory}, copyText, notCopied);
    else
        QGuiApplication::clipboard()->setImage(picture);
}

void ExportActions::savePicture(QWidget *parent, const QImage &picture, const QString &suggestedPath)
{
    const QString path = QFileDialog::getSaveFileName(parent, saveTitle, suggestedPath, pngOnly);
    if (!path.isEmpty())
        savePictureAs(parent, picture, path);
}

void ExportActions::savePictureAs(QWidget *parent, const QImage &picture, const QString &path)
{
    report(parent, FigureFile::writePng(withEnding(path, pngOnly), picture), saveTitle, notSaved);
}

void ExportActions::copyFigure(QWidget *parent, const picture::FigurePainter &figure, bool withDots)
{
    constexpr int size = ExportLimits::defaultSide;
    const QImage image = FigureFile::image(figure, size, withDots);
    if (image.isNull()) {
        report(parent, ExportFailure{.kind = ExportFailure::Kind::NoMemory, .size = size}, copyText, notCopied);
        return;
    }
    QByteArray svgText;
    QBuffer svgBuffer(&svgText);
    svgBuffer.open(QIODevice::WriteOnly);
    auto *data = new QMimeData;
    data->setImageData(image);
    try {
        // The SVG is a bonus for receivers that take it; the image is the copy.
        if (FigureFile::writeSvg(svgBuffer, figure, size, withDots))
            data->setData(QStringLiteral("image/svg+xml"), svgText);
    } catch (const std::bad_alloc &) {
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

void ExportActions::saveFigure(QWidget *parent, const picture::FigurePainter &figure, bool withDots)
{
    QString chosenType;
    const QString chosen = QFileDialog::getSaveFileName(parent, saveTitle, suggestedPath(figure.frequencies(), figure.phaseDegrees()), fileTypes, &chosenType);
    if (chosen.isEmpty())
        return;
    FigureExport request{.file = withEnding(chosen, chosenType),
                         .frequencies = figure.frequencies(),
                         .phaseDegrees = figure.phaseDegrees(),
                         .withDots = withDots};
    const std::optional<FigureFormat> format = formatOfFile(request.file);
    if (format == FigureFormat::Png) {
        bool sizeChosen = false;
        request.size = QInputDialog::getInt(parent, sizeTitle, sizeLabel, ExportLimits::defaultSide,
                                            ExportLimits::smallestSide, ExportLimits::largestSide, sizeStep,
                                            &sizeChosen);
        if (!sizeChosen)
            return;
    }
    saveFigureAs(parent, request);
}

void ExportActions::saveFigureAs(QWidget *parent, const FigureExport &request)
{
    if (ToneFile::isSound(request.file)) {
        const sound::Tones tones{.frequencies = request.frequencies, .phaseDegrees = request.phaseDegrees};
        report(parent, ToneFile::write(request.file, tones, ToneFile::viewSeconds), saveTitle, notSaved);
        return;
    }
    report(parent, FigureFile::write(request), saveTitle, notSaved);
}

void ExportActions::printFigure(QWidget *parent, const picture::FigurePainter &figure, bool withDots)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        report(parent, printOn(printer, figure, withDots), printText, notPrinted);
}

ExportResult ExportActions::printOn(QPrinter &printer, const picture::FigurePainter &figure, bool withDots)
{
    // Printing to a PDF file is a save like any other: whole or not at all.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return FigureFile::writePage(printer.outputFileName(), figure, withDots, printer.pageLayout(),
                                     printer.resolution());
    QPainter painter;
    if (!painter.begin(&printer))
        return ExportFailure{.kind = ExportFailure::Kind::PrinterNotOpened};
    PrintedPage::paint(painter, figure, withDots);
    if (!painter.end())
        return ExportFailure{.kind = ExportFailure::Kind::PageNotTaken};
    return std::nullopt;
}

} // namespace figureexport
