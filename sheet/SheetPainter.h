#pragma once

#include "FigurePainter.h"
#include "SheetPages.h"
#include "Worksheet.h"

#include <QRectF>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace sheet {

// Paints a worksheet, black on white: the quiz, its figures numbered without marks,
// each over a line for its answer, and after it on pages of its own the key, the
// same pages with the marks, the counts and each ratio. Each figure is drawn large
// enough that its touches can be counted; the figures take as many pages as that needs.
class SheetPainter {
public:
    explicit SheetPainter(const Worksheet &sheet);

    // Onto the paged device the painter is begun on. False where the device took no
    // further page.
    bool paint(QPainter &painter, QPagedPaintDevice &device) const;

private:
    void paintPage(QPainter &painter, const SheetPages::Page &page, bool key, const QString &number,
                   double millimetre) const;
    void paintHeading(QPainter &painter, const QRectF &heading, bool key, const QString &number,
                      double millimetre) const;
    // The title in the title's line, bold, clear of the corners' notes as wide as corner.
    void paintTitle(QPainter &painter, const QString &title, const QRectF &line, double corner,
                    double millimetre) const;
    // Under the page's figure i, the sheet's figure n: on the key its ratio and counts,
    // on the quiz a line to write on.
    void paintAnswer(QPainter &painter, const SheetLayout &layout, int i, int n) const;
    void paintAnswerLine(QPainter &painter, const SheetLayout &layout, int i, int n) const;

    Worksheet m_sheet;
    std::vector<picture::FigurePainter> m_figures;
};

} // namespace sheet
