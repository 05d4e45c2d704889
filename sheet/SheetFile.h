#pragma once

#include "ExportFailure.h"
#include "Worksheet.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace sheet {

// Writes a worksheet as a PDF in a page layout, all or nothing like every file of the
// program: made in memory, then put on the disk whole.
class SheetFile {
public:
    // Qt's high-resolution printing, in which a page is laid out unless a printer says
    // otherwise.
    static constexpr int resolution = 1200;

    // Portrait on the paper, with a printer's margins.
    static QPageLayout portrait(QPageSize::PageSizeId paper);
    static figureexport::ExportResult write(const Worksheet &sheet, const QString &path, const QPageLayout &layout,
                                            int resolution = SheetFile::resolution);
};

} // namespace sheet
