#include "SheetFile.h"

#include "PdfDocument.h"
#include "SheetLayout.h"
#include "SheetPainter.h"

#include <algorithm>
#include <limits>

namespace sheet {

namespace {

constexpr double marginMillimetres = 15;

} // namespace

QPageLayout SheetFile::portrait(QPageSize::PageSizeId paper)
{
    return {QPageSize(paper), QPageLayout::Portrait,
            QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
            QPageLayout::Millimeter};
}

double SheetFile::figureRoom(int figures)
{
    constexpr double millimetre = 1;
    double room = std::numeric_limits<double>::max();
    for (const QPageSize::PageSizeId paper : papers)
        room = std::min(room, SheetLayout(portrait(paper).paintRect(QPageLayout::Millimeter), figures, millimetre)
                                  .figureSide());
    return room;
}

figureexport::ExportResult SheetFile::write(const Worksheet &sheet, const QString &path, const QPageLayout &layout,
                                            int dotsPerInch)
{
    return figureexport::PdfDocument::write(path, sheet.title, layout, dotsPerInch,
                                            [&](QPainter &painter, QPagedPaintDevice &pages) {
                                                // Made here, where want of memory is a failure told.
                                                return SheetPainter(sheet).paint(painter, pages);
                                            });
}

} // namespace sheet
