#include "SheetFile.h"

#include "FigureFile.h"
#include "SheetPainter.h"

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

figureexport::ExportResult SheetFile::write(const Worksheet &sheet, const QString &path, const QPageLayout &layout,
                                            int resolution)
{
    return figureexport::FigureFile::writePdf(path, sheet.title, layout, resolution,
                                              [&](QPainter &painter, QPagedPaintDevice &pages) {
                                                  // Made here, where want of memory is a failure told.
                                                  return SheetPainter(sheet).paint(painter, pages);
                                              });
}

} // namespace sheet
