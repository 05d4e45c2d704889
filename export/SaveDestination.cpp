#include "SaveDestination.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>
#endif

namespace figureexport {

#ifdef Q_OS_UNIX

namespace {

// As many links in a row as Linux follows before it calls it a loop.
constexpr int mostLinksFollowed = 40;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// The kernel's rule for links in world-writable sticky folders (fs.protected_symlinks):
// followed only when the link belongs to the one who follows it or to the folder's owner.
bool kernelWouldFollow(const struct stat &link, const QByteArray &folder)
{
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0)
        return false;
    const bool shared = (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == info.st_uid;
}

} // namespace

SaveDestination::SaveDestination(const QString &path)
{
    QByteArray current = QFile::encodeName(path);
    for (int followed = 0;; ++followed) {
        struct stat info {};
        if (::lstat(current.constData(), &info) != 0) {
            // Nothing there yet: a new file, or one a link points to.
            if (errno == ENOENT)
                m_file = QFile::decodeName(current);
            else
                m_failure = systemReason(errno);
            return;
        }
        if (!S_ISLNK(info.st_mode)) {
            if (S_ISREG(info.st_mode))
                m_file = QFile::decodeName(current);
            else
                m_notRegularFile = true;
            return;
        }
        const QByteArray folder = folderOf(current);
        if (followed == mostLinksFollowed) {
            m_failure = systemReason(ELOOP);
            return;
        }
        if (!kernelWouldFollow(info, folder)) {
            m_failure = systemReason(EACCES);
            return;
        }
        QByteArray target(info.st_size > 0 ? info.st_size : 4096, '\0');
        const ssize_t length = ::readlink(current.constData(), target.data(), target.size());
        if (length < 0) {
            m_failure = systemReason(errno);
            return;
        }
        target.truncate(length);
        current = target.startsWith('/') ? target : folder + '/' + target;
    }
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
