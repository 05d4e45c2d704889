#include "WholeFile.h"

#include "SaveDestination.h"

#include <csignal>

#ifdef Q_OS_UNIX
#include "FolderWrite.h"

#else
#include <QSaveFile>
#endif

namespace figureexport {

namespace {

#ifdef Q_OS_UNIX
// Why the bytes could not be written, or nothing when they were.
QString writeInto(const SaveDestination &destination, const QByteArray &bytes)
{
    const int error = FolderWrite::write(destination, bytes);
    return error == 0 ? QString() : ExportFailure::systemReasonOf(error);
}
#else
// A short write is the system's way to say the disk is full, without saying it:
// the next write, with nothing written, gives the reason.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

QString writeInto(const SaveDestination &destination, const QByteArray &bytes)
{
    // Unbuffered, so that every failed write is seen by the write that made it: a
    // buffer flushed only on commit could lose its error there.
    QSaveFile file(destination.file());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}
#endif

} // namespace

ExportResult WholeFile::write(const QString &path, const QByteArray &bytes)
{
    const auto notWritten = [&path](const QString &reason) {
        return ExportFailure{.kind = ExportFailure::Kind::NotWritten, .file = path, .systemReason = reason};
    };
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) the write should fail, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const SaveDestination destination(path);
    if (destination.isNotRegularFile())
        return ExportFailure{.kind = ExportFailure::Kind::NotRegularFile, .file = path};
    if (!destination.isWritable())
        return notWritten(destination.failure());
    if (const QString reason = writeInto(destination, bytes); !reason.isEmpty())
        return notWritten(reason);
    return std::nullopt;
}

} // namespace figureexport
