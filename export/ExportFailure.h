#pragma once

#include <QString>

#include <optional>

namespace figureexport {

// Why a picture did not get where the user sent it: what failed, the file it was for
// (none for the clipboard or a printer) and, where the system gave one, its reason in
// its own words. Each side words it for its user: the window in Bulgarian, the
// command line in the user's language.
struct ExportFailure {
    enum class Kind {
        // The file's ending names no type a figure is written as.
        UnknownType,
        // The picture, of side size (0: of any size), does not fit in memory.
        NoMemory,
        // Qt could not draw or encode the picture in the format.
        NotDrawn,
        // The system refused the file: systemReason says why.
        NotWritten,
        // The name leads to a folder, a device, a FIFO or a socket, which a picture
        // never replaces.
        NotRegularFile,
        // The printer could not be opened, or did not take the page.
        PrinterNotOpened,
        PageNotTaken,
    };

    // The program's own reasons in one language; the system's come in its words.
    struct Words {
        QString unknownType;
        QString noMemory;
        // The picture's side.
        QString noMemoryForSize;
        // The format.
        QString notDrawn;
        QString notRegularFile;
        QString printerNotOpened;
        QString pageNotTaken;
    };

    Kind kind;
    QString file = {};
    QString systemReason = {};
    int size = 0;
    // For NotDrawn: "PNG", "SVG" or "PDF".
    QString format = {};

    // The picture for the file, of side size (0: of any size), did not fit in memory;
    // Qt could not draw or encode it in the format ("PNG", "SVG", "PDF").
    static ExportFailure noMemory(const QString &path, int size);
    static ExportFailure notDrawn(const QString &path, const char *format);

    // Why it failed, in those words.
    QString reason(const Words &words) const;

    // The system's reason for an error number, in the user's language where the C
    // library has it: the one place where the program turns one into words.
    static QString systemReasonOf(int error);
};

// Nothing when the picture got there.
using ExportResult = std::optional<ExportFailure>;

} // namespace figureexport
