#include "WholeFile.h"

#include "SaveDestination.h"

#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace figureexport {

namespace {

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

    // Unbuffered, so that every failed write is seen by the write that made it: a
    // buffer flushed only on commit could lose its error there.
    QSaveFile file(destination.file());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return notWritten(file.errorString());
    if (!writeAll(file, bytes) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return notWritten(reason);
    }
#ifdef Q_OS_UNIX
    // Some file systems (NFS, quotas, delayed allocation) say a disk is full only
    // here; QSaveFile would rename the file over the old one all the same.
    if (::fsync(file.handle()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return notWritten(reason);
    }
#endif
    if (!file.commit())
        return notWritten(file.errorString());
    return std::nullopt;
}

} // namespace figureexport
