#include "ExportActions.h"

#include "CloseUpView.h"
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

namespace figureexport {

namespace {

// The size a copy or a PNG has unless the user chooses another.
constexpr int defaultSize = 1200;

void reportFailure(QWidget *parent, const QString &path, const QString &reason)
{
    QMessageBox::warning(parent, saveTitle, notSaved.arg(QDir::toNativeSeparators(path), reason));
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

void ExportActions::copyPicture(const QImage &picture)
{
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

void ExportActions::copyFigure(const closeup::FigurePainter &figure, bool withDots)
{
    QByteArray svgText;
    QBuffer svgBuffer(&svgText);
    svgBuffer.open(QIODevice::WriteOnly);
    auto *data = new QMimeData;
    data->setImageData(FigureFile::image(figure, defaultSize, withDots));
    if (FigureFile::writeSvg(svgBuffer, figure, defaultSize, withDots))
        data->setData(QStringLiteral("image/svg+xml"), svgText);
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
        size = QInputDialog::getInt(parent, sizeTitle, sizeLabel, defaultSize, 16, 8192, 100, &chosen);
        if (!chosen)
            return;
    }
    const QString failure = FigureFile::write(path, figure, size, withDots);
    if (!failure.isEmpty())
        reportFailure(parent, path, failure);
}

void ExportActions::printFigure(QWidget *parent, const closeup::FigurePainter &figure, bool withDots)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        printOn(printer, figure, withDots);
}

void ExportActions::printOn(QPrinter &printer, const closeup::FigurePainter &figure, bool withDots)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    // As large as fits the page, square.
    const QRect page = painter.viewport();
    const int side = std::min(page.width(), page.height());
    figure.paintWithCaption(painter, QRect(page.left(), page.top(), side, side), withDots);
    painter.end();
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
        [](QWidget *, const closeup::FigurePainter &figure, bool dots) { copyFigure(figure, dots); });
    add(saveText, QKeySequence::Save, &saveFigure);
    add(printText, QKeySequence::Print, &printFigure);
    view.setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace figureexport
