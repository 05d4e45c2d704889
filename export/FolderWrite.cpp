#include "FolderWrite.h"

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <unistd.h>

namespace figureexport {

namespace {

// Fresh random names tried before a folder full of them is given up on.
constexpr int mostNamesTried = 100;
constexpr int randomLetters = 6;
constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// A new file's mode, less the umask, as for any file a program makes.
constexpr mode_t newFileMode = 0666;
// A replacement stays private until it takes the old file's mode.
constexpr mode_t privateMode = 0600;
// What a replacement keeps of the old mode: read, write and run, not set-ID bits.
constexpr mode_t keptModeBits = 0777;

// ".name.XXXXXX": hidden, beside the name, and never a name that is there already.
QByteArray temporaryName(const QByteArray &name)
{
    QByteArray random(randomLetters, '\0');
    for (char &letter : random)
        letter = letters[QRandomGenerator::system()->bounded(int(sizeof letters - 1))];
    // The name is cut where the dots and letters would make it too long for a folder.
    return '.' + name.left(NAME_MAX - randomLetters - 2) + '.' + random;
}

// A new file of our own in the folder: O_EXCL never opens one that is there, O_NOFOLLOW
// never a link's target.
FileDescriptor createTemporary(int folder, const QByteArray &name, mode_t mode, QByteArray &temporary)
{
    constexpr int flags = O_CREAT | O_EXCL | O_NOFOLLOW | O_WRONLY | O_CLOEXEC;
    for (int tried = 0; tried < mostNamesTried; ++tried) {
        temporary = temporaryName(name);
        FileDescriptor file(::openat(folder, temporary.constData(), flags, mode));
        if (file.isOpen() || errno != EEXIST)
            return file;
    }
    return {};
}

// Every byte, however many writes it takes. A short write is the system's way to say
// the disk is full without saying it: the next write gives the reason.
int writeAll(int file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(file, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        done += written;
    }
    return 0;
}

// The old file's mode, and its owner and group: root saving over a user's file leaves
// it theirs. Anyone else keeps the group where the system lets them give it.
int takeOver(int file, const struct stat &old)
{
    struct stat info {};
    if (::fstat(file, &info) != 0)
        return errno;
    if (info.st_uid != old.st_uid || info.st_gid != old.st_gid) {
        const bool root = ::geteuid() == 0;
        if (::fchown(file, root ? old.st_uid : uid_t(-1), old.st_gid) != 0 && root)
            return errno;
    }
    // After the owner, whose change would clear what the mode sets.
    return ::fchmod(file, old.st_mode & keptModeBits) == 0 ? 0 : errno;
}

// The rename lasts through a crash only once the folder is on the disk. A folder we
// may write but not read cannot be opened to be synced; the rename stands all the same.
int syncFolder(int folder)
{
    const FileDescriptor readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!readable.isOpen())
        return 0;
    return ::fsync(readable.get()) == 0 || errno == EINVAL ? 0 : errno;
}

} // namespace

int FolderWrite::write(const SaveDestination &destination, const QByteArray &bytes)
{
    const int folder = destination.folder();
    const std::optional<struct stat> &replaced = destination.replaced();
    QByteArray temporary;
    const FileDescriptor file =
        createTemporary(folder, destination.name(), replaced ? privateMode : newFileMode, temporary);
    if (!file.isOpen())
        return errno;
    int error = writeAll(file.get(), bytes);
    if (error == 0 && replaced)
        error = takeOver(file.get(), *replaced);
    // Some file systems (NFS, quotas, delayed allocation) say a disk is full only here.
    if (error == 0 && ::fsync(file.get()) != 0)
        error = errno;
    if (error == 0 && ::renameat(folder, temporary.constData(), folder, destination.name().constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(folder, temporary.constData(), 0);
        return error;
    }
    return syncFolder(folder);
}

} // namespace figureexport
#endif
