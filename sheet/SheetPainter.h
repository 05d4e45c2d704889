#pragma once

#include "FigurePainter.h"
#include "Worksheet.h"

#include <QRectF>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace sheet {

class SheetLayout;

// Paints a worksheet, black on white: the quiz, its figures numbered without marks,
// each over a line for its answer, and after it on a page of its own the key, the
// same grid with the marks, the counts and each ratio.
class SheetPainter {
public:
    explicit SheetPainter(const Worksheet &sheet);

    // Onto the paged device the painter is begun on, a page each. False where the
    // device took no second page.
    bool paint(QPainter &painter, QPagedPaintDevice &device) const;

private:
    void paintPage(QPainter &painter, bool key) const;
    void paintHeading(QPainter &painter, const QRectF &heading, bool key, double millimetre) const;
    // Under figure i: on the key its ratio and counts, on the quiz a line to write on.
    void paintAnswer(QPainter &painter, const SheetLayout &layout, int i) const;
    void paintAnswerLine(QPainter &painter, const SheetLayout &layout, int i) const;

    Worksheet m_sheet;
    std::vector<closeup::FigurePainter> m_figures;
};

} // namespace sheet
