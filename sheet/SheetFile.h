#pragma once

#include "ExportFailure.h"
#include "PdfDocument.h"
#include "Worksheet.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <array>

namespace sheet {

// Writes a worksheet as a PDF in a page layout, all or nothing like every file of the
// program: made in memory, then put on the disk whole.
class SheetFile {
public:
    // The papers a sheet is written on without a window.
    static constexpr std::array<QPageSize::PageSizeId, 2> papers{QPageSize::A4, QPageSize::Letter};

    // Portrait on the paper, with a printer's margins.
    static QPageLayout portrait(QPageSize::PageSizeId paper);
    // The side of each figure's square, in millimetres, where this many share a page,
    // on the paper that leaves them least.
    static double figureRoom(int figures);
    static figureexport::ExportResult write(const Worksheet &sheet, const QString &path, const QPageLayout &layout,
                                            int dotsPerInch = figureexport::PdfDocument::resolution);
};

} // namespace sheet
