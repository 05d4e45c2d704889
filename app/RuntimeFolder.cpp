#include "RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// .korvana-<process id>-XXXXXX: whose it is can be told after a kill.
const QString namePrefix = QStringLiteral(".korvana-");
const QString nameTemplate = QStringLiteral(".korvana-%1-XXXXXX");
const QRegularExpression abandonedName(QStringLiteral("^\\.korvana-([0-9]+)-[A-Za-z0-9]{6}$"));

// Where the folder may go: the temporary folder, else beside the file.
QStringList places(const QString &file)
{
    return {QDir::tempPath(), QFileInfo(file).absolutePath()};
}

#ifdef Q_OS_UNIX
// The kills that may wait until the folder is gone.
sigset_t deferredKills()
{
    sigset_t kills;
    sigemptyset(&kills);
    for (const int kill : {SIGTERM, SIGINT, SIGHUP, SIGQUIT})
        sigaddset(&kills, kill);
    return kills;
}

// Whether the folder is the user's own, a folder and not a link to one.
bool isOwnFolder(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
           && info.st_uid == ::geteuid();
}

bool isGone(pid_t process)
{
    return ::kill(process, 0) != 0 && errno == ESRCH;
}
#endif

} // namespace

bool RuntimeFolder::isNeeded()
{
#ifdef Q_OS_UNIX
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        return true;
    const QFileInfo info(folder);
    constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                               | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    return !(info.isDir() && info.ownerId() == ::geteuid() && info.permissions() == ownerOnly);
#else
    return false; // Only Qt on Unix looks for one.
#endif
}

RuntimeFolder::RuntimeFolder(const QString &file)
{
#ifdef Q_OS_UNIX
    const sigset_t kills = deferredKills();
    ::sigprocmask(SIG_BLOCK, &kills, nullptr);
    const QString name = nameTemplate.arg(::getpid());
#else
    const QString name = namePrefix + QStringLiteral("XXXXXX");
#endif
    for (const QString &place : places(file)) {
        m_folder.emplace(QDir(place).filePath(name));
        if (m_folder->isValid()) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_folder->path()));
            return;
        }
    }
    m_folder.reset();
}

RuntimeFolder::~RuntimeFolder()
{
    m_folder.reset();
#ifdef Q_OS_UNIX
    // A kill that came meanwhile ends the program now, with nothing left.
    const sigset_t kills = deferredKills();
    ::sigprocmask(SIG_UNBLOCK, &kills, nullptr);
#endif
}

void RuntimeFolder::takeBackAbandoned(const QString &file)
{
#ifdef Q_OS_UNIX
    for (const QString &place : places(file)) {
        QDir folder(place);
        const QStringList names = folder.entryList({namePrefix + QLatin1Char('*')},
                                                   QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
        for (const QString &name : names) {
            const QRegularExpressionMatch match = abandonedName.match(name);
            bool isNumber = false;
            const pid_t process = match.hasMatch() ? pid_t(match.captured(1).toLong(&isNumber)) : 0;
            // rmdir takes only an empty folder: one with anything in it stays.
            if (isNumber && process > 0 && isOwnFolder(folder.filePath(name)) && isGone(process))
                folder.rmdir(name);
        }
    }
#else
    Q_UNUSED(file);
#endif
}
