#include "RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <algorithm>
#include <charconv>
#include <csignal>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// .korvana-<process id>-XXXXXX: whose it is can be told after a kill.
constexpr char namePrefix[] = ".korvana-";
const QString nameTemplate = QLatin1String(namePrefix) + QStringLiteral("%1-XXXXXX");

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

bool isGone(pid_t process)
{
    return ::kill(process, 0) != 0 && errno == ESRCH;
}

// QTemporaryDir's replacement for XXXXXX: letters and digits.
constexpr std::size_t randomLetters = 6;

bool isDigit(char letter)
{
    return letter >= '0' && letter <= '9';
}

bool isLetterOrDigit(char letter)
{
    return isDigit(letter) || (letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z');
}

// The process whose folder a name is, or 0 for a name that is not a runtime folder's.
pid_t ownerOf(std::string_view name)
{
    constexpr std::string_view prefix(namePrefix);
    if (!name.starts_with(prefix))
        return 0;
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || name.size() - dash - 1 != randomLetters)
        return 0;
    const std::string_view process = name.substr(0, dash);
    const std::string_view random = name.substr(dash + 1);
    if (!std::all_of(process.begin(), process.end(), isDigit)
        || !std::all_of(random.begin(), random.end(), isLetterOrDigit))
        return 0;
    pid_t owner = 0;
    const std::from_chars_result read = std::from_chars(process.data(), process.data() + process.size(), owner);
    return read.ec == std::errc() ? owner : 0;
}

// Qt's default runtime folder is this followed by the user's name.
const QString qtDefaultPrefix = QStringLiteral("runtime-");

// Whether Qt takes the folder for a runtime folder: the user's, no one else may use it,
// and not a link.
bool isPrivateFolder(const QString &path)
{
    struct stat info {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
           && info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO)) == S_IRWXU;
}

// Whether the entry is the user's own folder, and not a link to one.
bool isOwnFolder(int folder, const char *name)
{
    struct stat info {};
    return ::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)
           && info.st_uid == ::geteuid();
}
#endif

} // namespace

bool RuntimeFolder::takeExisting()
{
#ifdef Q_OS_UNIX
    if (isPrivateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR")))
        return true;
    // Qt's own, made by the first Qt program that started without one: in the
    // temporary folder, named for the user.
    const passwd *const user = ::getpwuid(::geteuid());
    if (!user)
        return false;
    const QString qtDefault = QDir(QDir::tempPath()).filePath(qtDefaultPrefix + QFile::decodeName(user->pw_name));
    if (!isPrivateFolder(qtDefault))
        return false;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(qtDefault));
    return true;
#else
    return true; // Only Qt on Unix looks for one: none is needed.
#endif
}

RuntimeFolder::RuntimeFolder(const QString &file)
{
#ifdef Q_OS_UNIX
    const sigset_t kills = deferredKills();
    ::sigprocmask(SIG_BLOCK, &kills, nullptr);
    const QString name = nameTemplate.arg(::getpid());
#else
    const QString name = QLatin1String(namePrefix) + QStringLiteral("XXXXXX");
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
    // Read with the system's own calls: a temporary folder may hold thousands of
    // entries, and only a name's first letters are needed to pass over most.
    for (const QString &place : places(file)) {
        DIR *const folder = ::opendir(QFile::encodeName(place).constData());
        if (!folder)
            continue;
        const int descriptor = ::dirfd(folder);
        while (const dirent *entry = ::readdir(folder)) {
            const pid_t process = ownerOf(entry->d_name);
            // Removing takes only an empty folder: one with anything in it stays.
            if (process > 0 && isOwnFolder(descriptor, entry->d_name) && isGone(process))
                ::unlinkat(descriptor, entry->d_name, AT_REMOVEDIR);
        }
        ::closedir(folder);
    }
#else
    Q_UNUSED(file);
#endif
}
