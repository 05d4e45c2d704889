#include "LoadingGuard.h"

#ifdef __ELF__
#include "CommandLineTexts.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Plain descriptors and C strings: nothing here may allocate, nor need Qt, whose
// libraries may not be set up yet.
int originalStderr = -1;
const char *programName = "korvana";
std::terminate_handler previousHandler = nullptr;

void say(const char *text)
{
    (void)!::write(originalStderr, text, std::strlen(text));
}

void sayNoMemory()
{
    if (originalStderr < 0)
        return;
    for (const char *part : {programName, ": ", commandline::noMemoryToStart, "\n"})
        say(part);
}

bool isBadAlloc(const std::exception_ptr &exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const std::bad_alloc &) {
        return true;
    } catch (...) {
        return false;
    }
}

[[noreturn]] void endWhileLoading()
{
    if (const std::exception_ptr exception = std::current_exception(); exception && isBadAlloc(exception)) {
        sayNoMemory();
        std::_Exit(1);
    }
    std::abort();
}

// A library that gives up while it is loaded exits: only memory makes one do that.
void exitWhileLoading()
{
    sayNoMemory();
}

// Runs before any library's initialisers: the executable's preinit array comes first.
void startLoadingGuard(int argc, char **argv, char **)
{
    if (argc > 0 && argv[0]) {
        const char *slash = std::strrchr(argv[0], '/');
        programName = slash ? slash + 1 : argv[0];
    }
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere >= 0) {
        originalStderr = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (originalStderr >= 0)
            ::dup2(nowhere, STDERR_FILENO);
        ::close(nowhere);
    }
    std::atexit(exitWhileLoading);
    previousHandler = std::set_terminate(endWhileLoading);
}

[[gnu::section(".preinit_array"), gnu::used]] void (*const loadingGuard)(int, char **, char **) = startLoadingGuard;

} // namespace

void endLoadingGuard()
{
    std::set_terminate(previousHandler);
    if (originalStderr < 0)
        return;
    ::dup2(originalStderr, STDERR_FILENO);
    ::close(originalStderr);
    originalStderr = -1;
}
#else
// Elsewhere no initialiser of the executable runs before the libraries' ones.
void endLoadingGuard() {}
#endif
