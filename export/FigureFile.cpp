#include "FigureFile.h"

#include "FigurePainter.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace figureexport {

namespace {

// Opens the file for writing, lets write fill it, and commits it only if all went
// well; otherwise the old file, if any, stays.
template <class Write>
QString saveAtomically(const QString &path, Write &&write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file)) {
        file.cancelWriting();
        return file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the picture could not be written");
    }
    if (!file.commit())
        return file.errorString();
    return {};
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

QString FigureFile::write(const QString &path, const closeup::FigurePainter &figure, int size, bool withDots)
{
    const std::optional<FigureFormat> format = formatOfFile(path);
    if (!format)
        return QStringLiteral("unknown file type");
    switch (*format) {
    case FigureFormat::Png:
        return saveAtomically(path, [&](QSaveFile &file) {
            // In the figure's own palette the file is a third of the size and written
            // many times faster: libpng tries every row filter on a full-colour image,
            // none on one with a palette.
            return image(figure, size, withDots)
                .convertToFormat(QImage::Format_Indexed8, closeup::FigurePainter::palette(), Qt::ThresholdDither)
                .save(&file, "PNG", 80);
        });
    case FigureFormat::Svg:
        return saveAtomically(path, [&](QSaveFile &file) { return writeSvg(file, figure, size, withDots); });
    case FigureFormat::Pdf:
        return saveAtomically(path, [&](QSaveFile &file) {
            // One square page, the picture filling it.
            QPdfWriter pdf(&file);
            pdf.setPageSize(QPageSize(QSizeF(180, 180), QPageSize::Millimeter));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setTitle(QStringLiteral("Lissajous %1 : %2").arg(figure.a()).arg(figure.b()));
            QPainter painter;
            if (!painter.begin(&pdf))
                return false;
            const QRect page = painter.viewport();
            figure.paintWithCaption(painter, page, withDots);
            return painter.end();
        });
    }
    Q_UNREACHABLE();
}

QImage FigureFile::image(const closeup::FigurePainter &figure, int size, bool withDots)
{
    QImage image(size, size, QImage::Format_RGB32);
    QPainter painter(&image);
    figure.paintWithCaption(painter, image.rect(), withDots);
    return image;
}

bool FigureFile::writeSvg(QIODevice &device, const closeup::FigurePainter &figure, int size, bool withDots)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Lissajous %1 : %2").arg(figure.a()).arg(figure.b()));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    figure.paintWithCaption(painter, QRectF(0, 0, size, size), withDots);
    return painter.end();
}

QString FigureFile::writePng(const QString &path, const QImage &image)
{
    return saveAtomically(path, [&](QSaveFile &file) { return image.save(&file, "PNG"); });
}

} // namespace figureexport
