#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include "SaveDestination.h"

#include <QByteArray>

namespace figureexport {

// Writes a file all or nothing into the folder a SaveDestination holds open: into a
// new file under a fresh hidden name there, synced, given the old file's mode and
// owner, then renamed onto the name. A rename replaces whatever the name holds by
// then, a link included, and never follows it.
class FolderWrite {
public:
    // 0 when the file was written, or the system's error number; a failed write
    // leaves the old file as it was and no temporary file behind.
    static int write(const SaveDestination &destination, const QByteArray &bytes);
};

} // namespace figureexport
#endif
