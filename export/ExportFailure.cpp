#include "ExportFailure.h"

namespace figureexport {

QString ExportFailure::reason(const Words &words) const
{
    switch (kind) {
    case Kind::UnknownType:
        return words.unknownType;
    case Kind::NoMemory:
        return size > 0 ? words.noMemoryForSize.arg(size) : words.noMemory;
    case Kind::NotDrawn:
        return words.notDrawn.arg(format);
    case Kind::NotWritten:
        return systemReason;
    case Kind::NotRegularFile:
        return words.notRegularFile;
    case Kind::PrinterNotOpened:
        return words.printerNotOpened;
    case Kind::PageNotTaken:
        return words.pageNotTaken;
    }
    Q_UNREACHABLE();
}

} // namespace figureexport
