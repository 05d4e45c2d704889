// Counts the frames an X window shows, as the X server receives them: subscribes to
// the window's damage and groups the damaged rectangles into repaints. A repaint
// reaches the server as its region's rectangles, band by band from the top, each band
// left to right, so a rectangle that does not come after the one before begins the
// next repaint; the server's clock stamps each, and under load one large rectangle
// can take it longer to copy than a frame lasts, which rules out grouping by time.
// Counts from the first frame for the given seconds, by the server's clock, and
// reports the intervals between frames' starts longer than two frames of a 60 Hz
// screen. Fails when no frame comes.
//
//   frame_counter WINDOW SECONDS
//   prints: frames=<int> late=<int> longest_ms=<int>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// An interval longer than this misses at least one frame of 60 Hz.
constexpr std::uint32_t lateMs = 33;
// A repaint smaller than this share of the window (a caret's blink, a tick box)
// is no frame of the figure.
constexpr double smallestFrameShare = 0.01;
// How long past the counted time to wait for a frame before giving up.
constexpr auto patience = std::chrono::seconds(5);
constexpr std::uint32_t millisecondsPerSecond = 1000;

// Server times are 32-bit milliseconds, which wrap.
std::uint32_t since(Time earlier, Time later)
{
    return static_cast<std::uint32_t>(later - earlier);
}

// One repaint as it reaches the server: when it began, where its last rectangle lies
// and how much it covered.
struct Repaint {
    Time start;
    int lastTop;
    int lastLeft;
    double area;
};

class Count {
public:
    Count(std::uint32_t windowMs, double smallestArea)
        : m_windowMs(windowMs)
        , m_smallestArea(smallestArea)
    {
    }

    bool started() const { return m_first.has_value(); }
    bool done() const { return m_done; }
    int frames() const { return m_frames; }
    int late() const { return m_late; }
    std::uint32_t longestMs() const { return m_longestMs; }

    void add(const XDamageNotifyEvent &damage)
    {
        const XRectangle &rectangle = damage.area;
        const double area = double(rectangle.width) * rectangle.height;
        const bool further = m_open && (rectangle.y > m_open->lastTop
                                        || (rectangle.y == m_open->lastTop && rectangle.x > m_open->lastLeft));
        if (further) {
            m_open->lastTop = rectangle.y;
            m_open->lastLeft = rectangle.x;
            m_open->area += area;
            return;
        }
        close();
        if (m_first && since(*m_first, damage.timestamp) >= m_windowMs)
            m_done = true;
        if (!m_done)
            m_open = Repaint{damage.timestamp, rectangle.y, rectangle.x, area};
    }

    // No frame came before the counted time ran out: the gap to its end counts too.
    void finish()
    {
        close();
        if (m_previous && !m_done)
            interval(since(*m_previous, *m_first + m_windowMs));
        m_done = true;
    }

private:
    void close()
    {
        const bool frame = m_open && m_open->area >= m_smallestArea;
        if (frame && m_first && since(*m_first, m_open->start) >= m_windowMs)
            m_done = true;
        if (!frame || m_done) {
            m_open.reset();
            return;
        }
        if (!m_first)
            m_first = m_open->start;
        else
            interval(since(*m_previous, m_open->start));
        m_previous = m_open->start;
        ++m_frames;
        m_open.reset();
    }

    void interval(std::uint32_t ms)
    {
        m_longestMs = std::max(m_longestMs, ms);
        m_late += ms > lateMs;
    }

    std::uint32_t m_windowMs;
    double m_smallestArea;
    std::optional<Repaint> m_open;
    std::optional<Time> m_first;
    std::optional<Time> m_previous;
    int m_frames = 0;
    int m_late = 0;
    std::uint32_t m_longestMs = 0;
    bool m_done = false;
};

int reportXError(Display *display, XErrorEvent *error)
{
    char text[256];
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "frame_counter: %s\n", text);
    std::exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: frame_counter WINDOW SECONDS\n");
        return EXIT_FAILURE;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int seconds = std::atoi(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "frame_counter: no X display with the DAMAGE extension\n");
        return EXIT_FAILURE;
    }
    XSetErrorHandler(reportXError);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    Count count(seconds * millisecondsPerSecond,
                smallestFrameShare * attributes.width * attributes.height);

    XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);
    // The window as it stood when the subscription began is reported at once: no frame.
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }

    auto deadline = Clock::now() + patience;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (!count.done()) {
        if (!XPending(display)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0 || poll(&connection, 1, int(left.count())) == 0) {
                count.finish();
                break;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != damageEvent + XDamageNotify)
            continue;
        const bool wasStarted = count.started();
        count.add(reinterpret_cast<const XDamageNotifyEvent &>(event));
        if (!wasStarted && count.started())
            deadline = Clock::now() + std::chrono::seconds(seconds) + patience;
    }
    if (count.frames() == 0) {
        std::fprintf(stderr, "frame_counter: the window showed no frame\n");
        return EXIT_FAILURE;
    }
    std::printf("frames=%d late=%d longest_ms=%u\n", count.frames(), count.late(), count.longestMs());
    return EXIT_SUCCESS;
}
