#include "PdfDocument.h"

#include "DevicePainting.h"
#include "EncodedFile.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <utility>

namespace figureexport {

ExportResult PdfDocument::write(const QString &path, const QString &title, const QPageLayout &layout, int dotsPerInch,
                                const std::function<bool(QPainter &, QPagedPaintDevice &)> &paint)
{
    return EncodedFile::write(path, 0, [&](QIODevice &device) -> ExportResult {
        auto pdf = std::make_unique<QPdfWriter>(&device);
        pdf->setPageLayout(layout);
        pdf->setResolution(dotsPerInch);
        pdf->setTitle(title);
        QPdfWriter &pages = *pdf;
        bool painted = false;
        if (!DevicePainting::paintAndEnd(std::move(pdf), [&](QPainter &painter) { painted = paint(painter, pages); })
            || !painted)
            return ExportFailure::notDrawn(path, "PDF");
        return std::nullopt;
    });
}

} // namespace figureexport
