#include "StartupRoom.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/mman.h>
#include <sys/resource.h>
#endif

namespace forms {

namespace {

#ifdef Q_OS_UNIX
constexpr unsigned long long bytesPerKiB = 1024;

// Raises the soft limit to needed where the hard one allows; the soft limit after.
rlim_t raisedTo(int resource, rlim_t needed)
{
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= needed)
        return needed;
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= needed) {
        limit.rlim_cur = needed;
        if (::setrlimit(resource, &limit) == 0)
            return needed;
    }
    return limit.rlim_cur;
}

// Whether the margin can be mapped (and is given back at once): a mapping that
// nothing may touch counts against ulimit -v, yet commits no memory.
bool hasAddressSpace(unsigned long long bytes)
{
    void *room = ::mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED)
        return false;
    ::munmap(room, bytes);
    return true;
}
#endif

} // namespace

std::optional<StartupRoom::Shortage> StartupRoom::check()
{
#ifdef Q_OS_UNIX
    if (const rlim_t stack = raisedTo(RLIMIT_STACK, leastStackKiB * bytesPerKiB); stack < leastStackKiB * bytesPerKiB)
        return Shortage{Short::stack, stack / bytesPerKiB, leastStackKiB};
    if (const rlim_t descriptors = raisedTo(RLIMIT_NOFILE, leastDescriptors); descriptors < leastDescriptors)
        return Shortage{Short::descriptors, descriptors, leastDescriptors};
    if (!hasAddressSpace(memoryMarginKiB * bytesPerKiB)) {
        rlimit memory{};
        ::getrlimit(RLIMIT_AS, &memory);
        return Shortage{Short::memory, memory.rlim_cur / bytesPerKiB, memoryMarginKiB};
    }
#endif
    return std::nullopt;
}

} // namespace forms
