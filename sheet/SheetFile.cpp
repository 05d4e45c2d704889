#include "SheetFile.h"

#include "FigureFile.h"
#include "SheetPainter.h"

#include <QPageLayout>

namespace sheet {

namespace {

// Printer-like margins round the page, and the resolution of Qt's high-resolution
// printing, in which the page is laid out.
constexpr double marginMillimetres = 15;
constexpr int resolution = 1200;

} // namespace

figureexport::ExportResult SheetFile::write(const Worksheet &sheet, const QString &path, QPageSize::PageSizeId paper)
{
    const QPageLayout layout(QPageSize(paper), QPageLayout::Portrait,
                             QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
                             QPageLayout::Millimeter);
    return figureexport::FigureFile::writePdf(path, sheet.title, layout, resolution,
                                              [&](QPainter &painter, QPagedPaintDevice &pages) {
                                                  // Made here, where want of memory is a failure told.
                                                  return SheetPainter(sheet).paint(painter, pages);
                                              });
}

} // namespace sheet
