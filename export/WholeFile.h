#pragma once

#include "ExportFailure.h"

#include <QByteArray>
#include <QString>

namespace figureexport {

// Puts bytes into a file all or nothing: into a temporary file beside it, renamed over
// the old one only when every byte is on the disk. A write that fails leaves the old
// file as it was and no temporary file behind. On Unix the folder is decided and
// written in through one descriptor (FolderWrite); elsewhere through QSaveFile.
class WholeFile {
public:
    // Says why the file could not be written, or nothing when it was.
    static ExportResult write(const QString &path, const QByteArray &bytes);
};

} // namespace figureexport
