#pragma once

#include "ExportFailure.h"
#include "Worksheet.h"

#include <QPageSize>
#include <QString>

namespace sheet {

// Writes a worksheet as a PDF, portrait on paper of the size given, all or nothing
// like every file of the program: made in memory, then put on the disk whole.
class SheetFile {
public:
    static figureexport::ExportResult write(const Worksheet &sheet, const QString &path,
                                            QPageSize::PageSizeId paper = QPageSize::A4);
};

} // namespace sheet
