#include "Application.h"
#include "CommandLine.h"
#include "CommandLineTexts.h"
#include "Korvana.h"
#include "KorvanaIdentity.h"
#include "Language.h"
#include "LoadingGuard.h"
#include "WindowFrame.h"
#include "WithoutWindow.h"

#include <QLocale>

#include <cstdio>
#include <memory>
#include <new>

namespace {

// The program, from its command line to the window's end.
int run(int argc, char *argv[])
{
    QApplication::setApplicationName(QString::fromUtf8(korvanaName));
    QApplication::setApplicationVersion(QString::fromUtf8(korvanaVersion));
    // --help, --version and --export need no window, and no display. They speak the
    // user's language where korvana has it; the window always speaks Bulgarian.
    commandline::Language language(QLocale::system());
    if (const auto status = runWithoutWindow(commandline::parse(argc, argv, language), argc, argv, language))
        return *status;

    const auto app = forms::createApplication(argc, argv);
    QApplication::setDesktopFileName(QString::fromUtf8(korvanaApplicationId));
    Korvana window;
    // Made after the window and so destroyed before it: the frame gives back the
    // window it holds instead of deleting one that lives here.
    std::unique_ptr<frame::WindowFrame> frame;
    if (frame::WindowFrame::isNeeded())
        frame = std::make_unique<frame::WindowFrame>(window);
    window.start();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    endLoadingGuard();
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc &) {
        // Short of memory before the language could say so: in English, with nothing
        // more to allocate.
        std::fprintf(stderr, "%s: %s\n", korvanaName, commandline::noMemoryToStart);
        return 1;
    }
}
