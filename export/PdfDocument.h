#pragma once

#include "ExportFailure.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPageLayout;
class QPainter;

namespace figureexport {

// A PDF of pages, made in memory and written whole like every file: a figure's square
// page, a printed page sent to a file, a worksheet.
class PdfDocument {
public:
    // Qt's high-resolution printing, at which a page is laid out unless a printer says
    // otherwise.
    static constexpr int resolution = 1200;

    // Pages in the layout, at dotsPerInch, painted by paint onto the writer, which
    // turns the pages; paint says whether it could.
    static ExportResult write(const QString &path, const QString &title, const QPageLayout &layout, int dotsPerInch,
                              const std::function<bool(QPainter &, QPagedPaintDevice &)> &paint);
};

} // namespace figureexport
