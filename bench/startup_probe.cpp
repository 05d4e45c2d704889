// Starts a program and measures, from the moment it is spawned, how long until its
// window shows its first fully painted frame: until given pixels of the window have
// their painted colours. Then closes the window as a window manager would and reports
// the program's peak resident memory.
//
//   startup_probe "x,y,rrggbb ..." program [arguments]
//   prints: startup_ms=<float> peak_rss_kib=<int>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Sample {
    int x;
    int y;
    unsigned long rgb;
};

std::vector<Sample> parseSamples(const char *text)
{
    std::vector<Sample> samples;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        Sample sample{};
        char colour[7] = {};
        if (std::sscanf(word.c_str(), "%d,%d,%6s", &sample.x, &sample.y, colour) == 3) {
            sample.rgb = std::strtoul(colour, nullptr, 16);
            samples.push_back(sample);
        }
    }
    return samples;
}

bool painted(Display *display, Window window, const std::vector<Sample> &samples)
{
    for (const Sample &sample : samples) {
        XImage *image = XGetImage(display, window, sample.x, sample.y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return false;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xffffff;
        XDestroyImage(image);
        if (pixel != sample.rgb)
            return false;
    }
    return true;
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe \"x,y,rrggbb ...\" program [arguments]\n");
        return 2;
    }
    const std::vector<Sample> samples = parseSamples(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    if (!display || samples.empty())
        return 2;
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto spawned = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    // The first top-level window mapped after the spawn is the program's; no window
    // manager runs, so it is mapped straight on the root.
    Window window = 0;
    while (!window) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify)
            window = event.xmap.window;
    }
    while (!painted(display, window, samples))
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - spawned).count();

    XEvent close = {};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);

    int status = 0;
    rusage usage = {};
    wait4(child, &status, 0, &usage);
    std::printf("startup_ms=%.2f peak_rss_kib=%ld\n", milliseconds, usage.ru_maxrss);
    XCloseDisplay(display);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
