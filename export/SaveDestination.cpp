#include "SaveDestination.h"

#include "ExportFailure.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace figureexport {

#ifdef Q_OS_UNIX

namespace {

// As many links in a row as Linux follows before it calls it a loop.
constexpr int mostLinksFollowed = 40;

QString systemReason(int error)
{
    return ExportFailure::systemReasonOf(error);
}

// A path's names, first to last, without the empty ones of "a//b". A path that ends
// in '/' names a folder: its last name is ".".
QList<QByteArray> namesOf(const QByteArray &path)
{
    QList<QByteArray> names = path.split('/');
    names.removeAll(QByteArray());
    if (path.endsWith('/'))
        names.append(QByteArrayLiteral("."));
    return names;
}

// The folder a path starts from: the root, or the current folder.
FileDescriptor folderToStart(const QByteArray &path)
{
    return FileDescriptor(::open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// The kernel's rule for links in world-writable sticky folders (fs.protected_symlinks):
// followed only when the link belongs to the one who follows it or to the folder's owner.
bool kernelWouldFollow(const struct stat &link, int folder)
{
    struct stat info {};
    if (::fstat(folder, &info) != 0)
        return false;
    const bool shared = (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == info.st_uid;
}

// Where a link held open points; empty, with errno saying why, when it cannot be read.
QByteArray targetOf(int link, const struct stat &info)
{
    QByteArray target(qMax<qsizetype>(info.st_size + 1, PATH_MAX), '\0');
    const ssize_t length = ::readlinkat(link, "", target.data(), size_t(target.size()));
    if (length < 0)
        return {};
    if (length == target.size()) {
        errno = ENAMETOOLONG;
        return {};
    }
    target.truncate(length);
    return target;
}

} // namespace

SaveDestination::SaveDestination(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty())
        failWith(ENOENT);
    else
        resolve(encoded);
}

bool SaveDestination::failWith(int error)
{
    m_failure = systemReason(error);
    return false;
}

// Each name is opened as it is (O_PATH, O_NOFOLLOW) from the folder before it, so the
// object looked at is the one used: a folder becomes the next step, a link is read
// and its names put in front of the rest, the last name is the file.
void SaveDestination::resolve(const QByteArray &path)
{
    m_folder = folderToStart(path);
    if (!m_folder.isOpen()) {
        failWith(errno);
        return;
    }
    QList<QByteArray> names = namesOf(path);
    for (int followed = 0; !names.isEmpty();) {
        const QByteArray name = names.takeFirst();
        FileDescriptor here(::openat(m_folder.get(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (!here.isOpen() || ::fstat(here.get(), &info) != 0) {
            // Nothing there yet: a new file, or one a link points to.
            if (errno != ENOENT || !names.isEmpty())
                failWith(errno);
            m_name = name;
            return;
        }
        if (S_ISLNK(info.st_mode)) {
            if (!follow(here.get(), info, ++followed, names))
                return;
        } else if (!names.isEmpty()) {
            if (!S_ISDIR(info.st_mode)) {
                failWith(ENOTDIR);
                return;
            }
            m_folder = std::move(here);
        } else {
            take(name, info);
            return;
        }
    }
    // The path ends in a folder: "/", or a link to one.
    m_notRegularFile = true;
}

// Puts a link's names in front of the rest, where the kernel would follow it.
bool SaveDestination::follow(int link, const struct stat &info, int followed, QList<QByteArray> &names)
{
    if (followed > mostLinksFollowed)
        return failWith(ELOOP);
    if (!kernelWouldFollow(info, m_folder.get()))
        return failWith(EACCES);
    const QByteArray target = targetOf(link, info);
    if (target.isEmpty())
        return failWith(errno);
    if (target.startsWith('/') && !(m_folder = folderToStart(target)).isOpen())
        return failWith(errno);
    names = namesOf(target) + names;
    return true;
}

void SaveDestination::take(const QByteArray &name, const struct stat &info)
{
    m_name = name;
    if (!S_ISREG(info.st_mode)) {
        m_notRegularFile = true;
        return;
    }
    // A file its owner made read-only stays as it is.
    if (::faccessat(m_folder.get(), name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
        failWith(errno);
    m_replaced = info;
}
#else
// Windows has no links that a file dialog or a script would hand us unawares.
SaveDestination::SaveDestination(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        m_notRegularFile = true;
    else
        m_file = path;
}
#endif

} // namespace figureexport
