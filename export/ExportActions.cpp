#include "ExportActions.h"

#include "CloseUpView.h"
#include "ControlCharacters.h"
#include "ExportLimits.h"
#include "ExportTexts.h"
#include "FigureFile.h"
#include "FigurePainter.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <new>

namespace figureexport {

namespace {

// The size a copy or a PNG has unless the user chooses another.
constexpr int defaultSize = ExportLimits::defaultSide;
// The steps the size dialog's arrows take.
constexpr int sizeStep = 100;

void reportFailure(QWidget *parent, const QString &path, const QString &reason)
{
    QMessageBox::warning(parent, saveTitle,
                         notSaved.arg(forms::quoteControlCharacters(QDir::toNativeSeparators(path)),
                                      forms::quoteControlCharacters(reason)));
}

void reportNoMemory(QWidget *parent, int size)
{
    QMessageBox::warning(parent, copyText, notCopied.arg(FigureFile::noMemoryFor(size)));
}

} // namespace

QString ExportActions::suggestedPath(std::optional<std::pair<int, int>> frequencies)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!frequencies)
        return QDir(folder).filePath(QStringLiteral("lissajous.png"));
    return QDir(folder).filePath(
        QStringLiteral("lissajous-a%1-b%2.png").arg(frequencies->first).arg(frequencies->second));
}

void ExportActions::copyPicture(QWidget *parent, const QImage &picture)
{
    if (picture.isNull())
        reportNoMemory(parent, 0);
    else
        QGuiApplication::clipboard()->setImage(picture);
}

void ExportActions::savePicture(QWidget *parent, const QImage &picture, const QString &suggestedName)
{
    const QString path = QFileDialog::getSaveFileName(parent, saveTitle, suggestedName, pngOnly);
    if (!path.isEmpty())
        savePictureAs(parent, picture, path);
}

void ExportActions::savePictureAs(QWidget *parent, const QImage &picture, QString path)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    const QString failure = FigureFile::writePng(path, picture);
    if (!failure.isEmpty())
        reportFailure(parent, path, failure);
}

void ExportActions::copyFigure(QWidget *parent, const closeup::FigurePainter &figure, bool withDots)
{
    const QImage image = FigureFile::image(figure, defaultSize, withDots);
    if (image.isNull()) {
        reportNoMemory(parent, defaultSize);
        return;
    }
    QByteArray svgText;
    QBuffer svgBuffer(&svgText);
    svgBuffer.open(QIODevice::WriteOnly);
    auto *data = new QMimeData;
    data->setImageData(image);
    try {
        // The SVG is a bonus for receivers that take it; the image is the copy.
        if (FigureFile::writeSvg(svgBuffer, figure, defaultSize, withDots))
            data->setData(QStringLiteral("image/svg+xml"), svgText);
    } catch (const std::bad_alloc &) {
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

void ExportActions::saveFigure(QWidget *parent, const closeup::FigurePainter &figure, bool withDots)
{
    QString chosenType;
    QString path = QFileDialog::getSaveFileName(parent, saveTitle, suggestedPath(std::pair{figure.a(), figure.b()}), fileTypes,
                                                &chosenType);
    if (path.isEmpty())
        return;
    // A name without an ending takes that of the chosen file type.
    if (QFileInfo(path).suffix().isEmpty())
        path += chosenType.contains(QLatin1String("*.svg"))   ? QStringLiteral(".svg")
                : chosenType.contains(QLatin1String("*.pdf")) ? QStringLiteral(".pdf")
                                                              : QStringLiteral(".png");
    const std::optional<FigureFormat> format = formatOfFile(path);
    if (!format) {
        reportFailure(parent, path, unknownType);
        return;
    }
    int size = defaultSize;
    if (*format == FigureFormat::Png) {
        bool chosen = false;
        size = QInputDialog::getInt(parent, sizeTitle, sizeLabel, defaultSize, ExportLimits::smallestSide,
                                    ExportLimits::largestSide, sizeStep, &chosen);
        if (!chosen)
            return;
    }
    saveFigureAs(parent, figure, withDots, path, size);
}

void ExportActions::saveFigureAs(QWidget *parent, const closeup::FigurePainter &figure, bool withDots,
                                 const QString &path, int size)
{
    const QString failure = FigureFile::write(path, figure, size, withDots);
    if (!failure.isEmpty())
        reportFailure(parent, path, failure);
}

void ExportActions::printFigure(QWidget *parent, const closeup::FigurePainter &figure, bool withDots)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString failure = printOn(printer, figure, withDots);
    if (failure.isEmpty())
        return;
    if (printer.outputFileName().isEmpty())
        QMessageBox::warning(parent, printText, notPrinted.arg(failure));
    else
        reportFailure(parent, printer.outputFileName(), failure);
}

QString ExportActions::printOn(QPrinter &printer, const closeup::FigurePainter &figure, bool withDots)
{
    // Printing to a PDF file is a save like any other: whole or not at all.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return FigureFile::writePage(printer.outputFileName(), figure, withDots, printer.pageLayout(),
                                     printer.resolution());
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("the printer could not be opened");
    FigureFile::paintPage(painter, figure, withDots);
    if (!painter.end())
        return QStringLiteral("the printer did not take the page");
    return {};
}

void ExportActions::addTo(closeup::CloseUpView &view)
{
    const auto add = [&view](const QString &text, QKeySequence::StandardKey key, auto act) {
        auto *action = new QAction(text, &view);
        action->setShortcut(key);
        QObject::connect(action, &QAction::triggered, &view, [&view, act] {
            if (const closeup::FigurePainter *figure = view.figure())
                act(&view, *figure, view.showsDots());
        });
        view.addAction(action);
    };
    add(copyText, QKeySequence::Copy,
        &copyFigure);
    add(saveText, QKeySequence::Save, &saveFigure);
    add(printText, QKeySequence::Print, &printFigure);
    view.setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace figureexport
