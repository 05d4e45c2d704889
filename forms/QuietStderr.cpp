#include "QuietStderr.h"

#include <QtGlobal>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace forms {

QuietStderr::QuietStderr()
{
#ifdef Q_OS_UNIX
    std::fflush(stderr);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0)
        return;
    s_original = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (s_original >= 0)
        ::dup2(nowhere, STDERR_FILENO);
    ::close(nowhere);
#endif
}

QuietStderr::~QuietStderr()
{
#ifdef Q_OS_UNIX
    if (s_original < 0)
        return;
    std::fflush(stderr);
    ::dup2(s_original, STDERR_FILENO);
    ::close(s_original);
    s_original = -1;
#endif
}

void QuietStderr::say(const QByteArray &line)
{
    const QByteArray bytes = line + '\n';
#ifdef Q_OS_UNIX
    if (s_original >= 0) {
        (void)!::write(s_original, bytes.constData(), size_t(bytes.size()));
        return;
    }
#endif
    std::fputs(bytes.constData(), stderr);
    std::fflush(stderr);
}

} // namespace forms
