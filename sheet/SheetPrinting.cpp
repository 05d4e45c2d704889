#include "SheetPrinting.h"

#include "ExportTexts.h"
#include "SheetDialog.h"
#include "SheetFile.h"
#include "SheetPainter.h"
#include "SheetTexts.h"

#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace sheet {

namespace {

void report(QWidget *parent, const figureexport::ExportResult &failure)
{
    if (!failure)
        return;
    const QString reason = failure->reason(figureexport::reasons);
    const QString message = failure->file.isEmpty()
                                ? notPrinted.arg(reason)
                                : notSaved.arg(QDir::toNativeSeparators(failure->file), reason);
    QMessageBox::warning(parent, dialogTitle, message);
}

} // namespace

void SheetPrinting::makeSheet(QWidget *parent, figure::FrequencyPair current, double phaseDegrees)
{
    SheetDialog dialog(current, phaseDegrees, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const std::optional<Worksheet> sheet = dialog.worksheet())
        preview(parent, *sheet);
}

void SheetPrinting::preview(QWidget *parent, const Worksheet &sheet)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(sheet.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(dialogTitle);
    // The preview paints onto a printer of its own; a failed print is told once the
    // preview has closed.
    figureexport::ExportResult failure;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&](QPrinter *target) { failure = printOn(*target, sheet); });
    preview.exec();
    report(parent, failure);
}

figureexport::ExportResult SheetPrinting::printOn(QPrinter &printer, const Worksheet &sheet)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return SheetFile::write(sheet, printer.outputFileName(), printer.pageLayout(), printer.resolution());
    QPainter painter;
    if (!painter.begin(&printer))
        return figureexport::ExportFailure{.kind = figureexport::ExportFailure::Kind::PrinterNotOpened};
    const bool painted = SheetPainter(sheet).paint(painter, printer);
    if (!painter.end() || !painted)
        return figureexport::ExportFailure{.kind = figureexport::ExportFailure::Kind::PageNotTaken};
    return std::nullopt;
}

} // namespace sheet
