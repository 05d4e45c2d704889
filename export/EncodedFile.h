#pragma once

#include "ExportFailure.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <new>

namespace figureexport {

// A file's bytes made in memory, then written whole: a picture too large for the
// memory left fails before any file is touched.
class EncodedFile {
public:
    // encode writes the bytes onto the device it is given and says why it could not,
    // or nothing; size is the picture's side that a failure for want of memory names.
    template <class Encode>
    static ExportResult write(const QString &path, int size, Encode &&encode)
    {
        QByteArray bytes;
        try {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (ExportResult failure = encode(buffer))
                return failure;
        } catch (const std::bad_alloc &) {
            return ExportFailure::noMemory(path, size);
        }
        return WholeFile::write(path, bytes);
    }
};

} // namespace figureexport
