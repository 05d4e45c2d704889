#pragma once

#include "ExportFailure.h"
#include "Frequencies.h"
#include "Worksheet.h"

class QPrinter;
class QWidget;

namespace sheet {

// A worksheet from the window: asked for in a dialog, seen in Qt's print preview,
// and from there printed or saved as a PDF.
class SheetPrinting {
public:
    static void makeSheet(QWidget *parent, figure::FrequencyPair current, double phaseDegrees);
    static void preview(QWidget *parent, const Worksheet &sheet);
    // Prints onto the printer; printing to a PDF file writes it whole, or not at all.
    static figureexport::ExportResult printOn(QPrinter &printer, const Worksheet &sheet);
};

} // namespace sheet
