// Drives the built program as a person would: a real X window under Xvfb, clicked
// and typed at with xdotool, looked at through screenshots.
#include "DesignSamples.h"
#include "KorvanaDesign.h"
#include "PictureBox.h"
#include "ReferencePicture.h"
#include "Twips.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <X11/Xlib.h>

#include <memory>
#include <stdexcept>

namespace {

// How long the screen may take to show what a click or a key asked for: far more
// than it needs, and short enough that a fault fails a test quickly.
constexpr int patience = 4000;

QRect controlRect(std::string_view name, std::optional<std::int16_t> index = {})
{
    for (const forms::ControlDesign &c : korvanaDesign().controls) {
        if (c.name == name && c.index == index)
            return {forms::pixelsFromTwips(c.left), forms::pixelsFromTwips(c.top),
                    forms::pixelsFromTwips(c.width), forms::pixelsFromTwips(c.height)};
    }
    return {};
}

QRect plotInner()
{
    const int frame = forms::PictureBox::frameWidth;
    return controlRect("Picture1").adjusted(frame, frame, -frame, -frame);
}

QImage expectedFigure(int a, int b)
{
    return referencePicture(a, b, plotInner().size());
}

QImage blankPlot()
{
    return blankPicture(plotInner().size());
}

// A tool's output. A tool that fails ends the test function at once, with what it
// said, rather than leaving the test to wait for a screen that will never change.
QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        throw std::runtime_error(qPrintable(QStringLiteral("%1 %2 failed: %3 %4")
                                                .arg(program, arguments.join(' '), process.errorString(),
                                                     QString::fromLocal8Bit(process.readAllStandardError()))));
    return process.readAllStandardOutput();
}

QProcessEnvironment programEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    return environment;
}

// A plain X window of our own, laid over part of the screen while it exists.
class CoveringWindow {
public:
    explicit CoveringWindow(QRect rect)
        : m_display(XOpenDisplay(nullptr))
    {
        const int screen = DefaultScreen(m_display);
        XSetWindowAttributes attributes = {};
        attributes.override_redirect = True;
        attributes.background_pixel = 0x336699;
        m_window = XCreateWindow(m_display, RootWindow(m_display, screen), rect.x(), rect.y(),
                                 unsigned(rect.width()), unsigned(rect.height()), 0, CopyFromParent,
                                 InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
        XMapRaised(m_display, m_window);
        XSync(m_display, False);
    }
    ~CoveringWindow()
    {
        XDestroyWindow(m_display, m_window);
        XCloseDisplay(m_display);
    }
    CoveringWindow(const CoveringWindow &) = delete;
    CoveringWindow &operator=(const CoveringWindow &) = delete;

private:
    Display *m_display;
    Window m_window;
};

// Asks a window to close, as a window manager's close button does.
void closeWindow(unsigned long window)
{
    Display *display = XOpenDisplay(nullptr);
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
}

} // namespace

class tst_EndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void drawsTheFigureAndClosesCleanly();
    void survivesHundredsOfRapidClicks();
    void listsKeepASelectionUnderCtrlClickAndCtrlSpace();
    void worksFromTheKeyboardAlone();
    void theFigureSurvivesBeingCoveredAndHidden();
    void f11ShowsTheFigureUpCloseAndEscapeClosesIt();
    void writesNothing();
    void withoutADisplayItSaysSoAndExits_data();
    void withoutADisplayItSaysSoAndExits();

private:
    void start(const QString &program, const QStringList &arguments = {},
               QProcessEnvironment environment = programEnvironment());
    void startKorvana() { start(qEnvironmentVariable("KORVANA")); }
    void closeAndExpectStatusZero();
    QImage screenshot() const;
    QString plotDiffersFrom(const QImage &expected) const;
    QString plotSettlesOn(const QImage &expected) const;
    bool plotLeaves(const QImage &shown) const;
    QString regionsDifferFromTheDesign() const;
    void click(QPoint at, const QString &modifier = {}) const;
    void clickButton(std::int16_t index) const { click(controlRect("Command1", index).center()); }
    void keys(const QStringList &keys) const;

    QProcess m_korvana;
    QString m_window;
};

void tst_EndToEnd::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "run under xvfb-run");
    QVERIFY2(qEnvironmentVariableIsSet("KORVANA"), "KORVANA names the program to test");
}

void tst_EndToEnd::cleanup()
{
    if (m_korvana.state() != QProcess::NotRunning) {
        m_korvana.kill();
        m_korvana.waitForFinished();
    }
}

void tst_EndToEnd::start(const QString &program, const QStringList &arguments,
                         QProcessEnvironment environment)
{
    m_korvana.setProcessEnvironment(environment);
    m_korvana.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_korvana.start(program, arguments);
    QVERIFY(m_korvana.waitForStarted());
    m_window = QString::fromLatin1(
        run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "Korvana"}).split('\n').first());
    QVERIFY(!m_window.isEmpty());
    QCOMPARE(plotSettlesOn(blankPlot()), QString());
}

void tst_EndToEnd::closeAndExpectStatusZero()
{
    closeWindow(m_window.toULong());
    QVERIFY(m_korvana.waitForFinished(10000));
    QCOMPARE(m_korvana.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_korvana.exitCode(), 0);
}

QImage tst_EndToEnd::screenshot() const
{
    const QImage shot = QImage::fromData(run("import", {"-window", m_window, "png:-"}), "PNG");
    if (shot.isNull())
        throw std::runtime_error("import gave no picture");
    return shot;
}

// Where the plot area on the screen differs from the expected picture, or nothing
// when they match.
QString tst_EndToEnd::plotDiffersFrom(const QImage &expected) const
{
    const QImage shown = screenshot();
    const QPoint origin = plotInner().topLeft();
    int differing = 0;
    QPoint first;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if ((shown.pixel(origin + QPoint(x, y)) & 0xffffff) == (expected.pixel(x, y) & 0xffffff))
                continue;
            if (differing++ == 0)
                first = {x, y};
        }
    }
    if (differing == 0)
        return {};
    return QStringLiteral("%1 pixels differ, first at (%2, %3)").arg(differing).arg(first.x()).arg(first.y());
}

// Where the plot area still differs from the expected picture once it shows it or
// the patience runs out. Timed by the clock: each look takes a screenshot, which
// takes far longer than QTRY's polling step assumes.
QString tst_EndToEnd::plotSettlesOn(const QImage &expected) const
{
    const QDeadlineTimer deadline(patience);
    QString differs = plotDiffersFrom(expected);
    while (!differs.isEmpty() && !deadline.hasExpired()) {
        QTest::qWait(20);
        differs = plotDiffersFrom(expected);
    }
    return differs;
}

// Whether the plot area stops showing that picture before the patience runs out.
bool tst_EndToEnd::plotLeaves(const QImage &shown) const
{
    const QDeadlineTimer deadline(patience);
    while (plotDiffersFrom(shown).isEmpty()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

// The designed colours that the screen does not show, or nothing when all show.
QString tst_EndToEnd::regionsDifferFromTheDesign() const
{
    const QImage shown = screenshot();
    if (shown.size() != QSize(466, 424))
        return QStringLiteral("window of %1 x %2").arg(shown.width()).arg(shown.height());
    QStringList wrong;
    for (const DesignSample &sample : designSamples) {
        if ((shown.pixel(sample.at) & 0xffffff) != (sample.colour & 0xffffff))
            wrong << QStringLiteral("%1 is %2").arg(sample.region, QColor(shown.pixel(sample.at)).name());
    }
    return wrong.join(QStringLiteral(", "));
}

void tst_EndToEnd::click(QPoint at, const QString &modifier) const
{
    QStringList arguments = {"mousemove", "--window", m_window, QString::number(at.x()), QString::number(at.y())};
    if (!modifier.isEmpty())
        arguments << "keydown" << modifier;
    arguments << "click" << "1";
    if (!modifier.isEmpty())
        arguments << "keyup" << modifier;
    run("xdotool", arguments);
}

void tst_EndToEnd::keys(const QStringList &keys) const
{
    run("xdotool", QStringList{"key", "--delay", "20"} + keys);
}

void tst_EndToEnd::drawsTheFigureAndClosesCleanly()
{
    startKorvana();
    QCOMPARE(regionsDifferFromTheDesign(), QString());

    clickButton(0);
    QCOMPARE(plotSettlesOn(expectedFigure(1, 3)), QString());
    QCOMPARE(regionsDifferFromTheDesign(), QString());

    clickButton(1);
    QCOMPARE(plotSettlesOn(blankPlot()), QString());
    closeAndExpectStatusZero();
}

void tst_EndToEnd::survivesHundredsOfRapidClicks()
{
    startKorvana();
    const auto burst = [this](std::int16_t button, int clicks) {
        const QPoint at = controlRect("Command1", button).center();
        run("xdotool", {"mousemove", "--window", m_window, QString::number(at.x()), QString::number(at.y()),
                        "click", "--repeat", QString::number(clicks), "--delay", "1", "1"});
    };
    burst(0, 300);
    burst(1, 300);
    for (int round = 0; round < 100; ++round) {
        burst(0, 1);
        burst(1, 1);
    }
    burst(0, 1);
    QCOMPARE(plotSettlesOn(expectedFigure(1, 3)), QString());
    QCOMPARE(m_korvana.state(), QProcess::Running);
    closeAndExpectStatusZero();
}

void tst_EndToEnd::listsKeepASelectionUnderCtrlClickAndCtrlSpace()
{
    startKorvana();
    // The first item of each list, clear of its frame.
    const QPoint firstItemOfA = controlRect("List1", 0).topLeft() + QPoint(15, 8);
    const QPoint firstItemOfB = controlRect("List1", 1).topLeft() + QPoint(15, 8);

    // Ctrl+click on the selected "1" leaves it selected.
    click(firstItemOfA, "ctrl");
    click(firstItemOfA, "ctrl");
    // Ctrl+Space on the focused, selected "3" leaves it selected.
    click(firstItemOfB);
    keys({"Down", "Down", "ctrl+space", "ctrl+space", "ctrl+space"});
    clickButton(0);
    QCOMPARE(plotSettlesOn(expectedFigure(1, 3)), QString());

    // Ctrl+click on another item selects that one instead.
    click(firstItemOfB, "ctrl");
    clickButton(0);
    QCOMPARE(plotSettlesOn(expectedFigure(1, 1)), QString());
    closeAndExpectStatusZero();
}

void tst_EndToEnd::worksFromTheKeyboardAlone()
{
    startKorvana();
    run("xdotool", {"windowfocus", "--sync", m_window});
    // From the help text past the plot area: to list X, to its end "19"; to list Y,
    // one up from its end to "18"; to "Изведи", pressed with Space.
    keys({"Tab", "Tab", "End", "Tab", "End", "Up", "Tab", "space"});
    QCOMPARE(plotSettlesOn(expectedFigure(19, 18)), QString());
    // On to "Изчисти", pressed with Enter.
    keys({"Tab", "Return"});
    QCOMPARE(plotSettlesOn(blankPlot()), QString());
    // Back round to the lists for "2" and "3" with Home and Down, then to "Изведи".
    keys({"shift+Tab", "shift+Tab", "shift+Tab", "Home", "Down", "Tab", "Home", "Down", "Down", "Tab", "Return"});
    QCOMPARE(plotSettlesOn(expectedFigure(2, 3)), QString());
    closeAndExpectStatusZero();
}

void tst_EndToEnd::theFigureSurvivesBeingCoveredAndHidden()
{
    startKorvana();
    clickButton(0);
    const QImage figure = expectedFigure(1, 3);
    QCOMPARE(plotSettlesOn(figure), QString());

    {
        CoveringWindow cover(controlRect("Picture1").adjusted(-4, -4, 4, 4));
        QVERIFY(plotLeaves(figure));
    }
    QCOMPARE(plotSettlesOn(figure), QString());

    // Unmapped and mapped again, as a window manager does to minimise and restore.
    run("xdotool", {"windowunmap", "--sync", m_window});
    run("xdotool", {"windowmap", "--sync", m_window});
    QCOMPARE(plotSettlesOn(figure), QString());
    closeAndExpectStatusZero();
}

// The visible windows whose names hold "Korvana", by number. Their names are matched
// in Latin letters alone: in the C locale xdotool cannot read a Cyrillic name.
QStringList korvanaWindows()
{
    QProcess search;
    search.start("xdotool", {"search", "--onlyvisible", "--name", "Korvana"});
    if (!search.waitForFinished(10000))
        throw std::runtime_error("xdotool search did not finish");
    return QString::fromLatin1(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

void tst_EndToEnd::f11ShowsTheFigureUpCloseAndEscapeClosesIt()
{
    startKorvana();
    clickButton(0);
    QCOMPARE(plotSettlesOn(expectedFigure(1, 3)), QString());
    run("xdotool", {"windowfocus", "--sync", m_window});
    keys({"F11"});
    // The close-up is the other window of the program.
    QString view;
    const QDeadlineTimer opening(patience);
    while (view.isEmpty() && !opening.hasExpired()) {
        QTest::qWait(50);
        const QStringList windows = korvanaWindows();
        for (const QString &window : windows)
            if (window != m_window)
                view = window;
    }
    QVERIFY2(!view.isEmpty(), "F11 opened no window");

    // The whole screen, and on it the curve as one line: far more dark pixels than
    // the 2001 dots of the plot area, once it is painted.
    const QDeadlineTimer deadline(patience);
    QImage shot;
    int dark = 0;
    do {
        QTest::qWait(50);
        shot = QImage::fromData(run("import", {"-window", view, "png:-"}), "PNG");
        dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += qGray(shot.pixel(x, y)) < 100;
    } while (dark < 5 * 2001 && !deadline.hasExpired());
    qInfo("%d dark pixels in the close-up", dark);
    QCOMPARE(shot.size(), QSize(800, 600));
    QVERIFY2(dark >= 5 * 2001, qPrintable(QStringLiteral("%1 dark pixels").arg(dark)));

    // Esc leaves full screen, a second Esc closes the view; the window draws on.
    keys({"Escape", "Escape"});
    const QDeadlineTimer closing(patience);
    while (korvanaWindows().size() > 1 && !closing.hasExpired())
        QTest::qWait(50);
    QCOMPARE(korvanaWindows(), QStringList{m_window});
    clickButton(1);
    QCOMPARE(plotSettlesOn(blankPlot()), QString());
    clickButton(0);
    QCOMPARE(plotSettlesOn(expectedFigure(1, 3)), QString());
    closeAndExpectStatusZero();
}

void tst_EndToEnd::writesNothing()
{
    if (QStandardPaths::findExecutable("strace").isEmpty())
        QSKIP("needs strace");
    // What the platform beneath may write, and nothing of ours: the null device,
    // the runtime directory Qt makes when XDG_RUNTIME_DIR is unset, and fontconfig's
    // cache of the installed fonts. With no D-Bus session bus to talk to, libdbus
    // would start one (dbus-launch, writing under ~/.dbus) unless told not to.
    QTemporaryDir homeDir;
    const QString home = homeDir.path();
    const QStringList allowed = {"/dev/null", "/tmp/runtime-", qEnvironmentVariable("XDG_RUNTIME_DIR", "/run/user/"),
                                 home + "/.cache/fontconfig", home + "/.fontconfig"};

    QTemporaryDir logDir;
    const QString log = logDir.filePath("strace.log");
    // In a sanitizer build, LeakSanitizer cannot run under ptrace; the other runs
    // check for leaks.
    QProcessEnvironment environment = programEnvironment();
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
    environment.insert("HOME", home);
    environment.remove("DBUS_SESSION_BUS_ADDRESS");
    start("strace", {"-f", "-qq", "-o", log, "-e",
                     "trace=execve,open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,"
                     "rmdir,truncate,link,linkat,symlink,symlinkat,chmod,fchmodat",
                     qEnvironmentVariable("KORVANA")},
          environment);
    clickButton(0);
    QCOMPARE(plotSettlesOn(expectedFigure(1, 3)), QString());
    closeAndExpectStatusZero();

    QFile trace(log);
    QVERIFY(trace.open(QIODevice::ReadOnly | QIODevice::Text));
    const QRegularExpression writing(
        QStringLiteral(R"re(^\d+\s+(open|openat|creat)\(.*"([^"]*)".*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC))re"));
    const QRegularExpression changing(
        QStringLiteral(R"re(^\d+\s+(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|truncate|link|linkat|symlink|symlinkat|chmod|fchmodat)\(.*?"([^"]*)")re"));
    int calls = 0;
    QStringList written;
    QStringList started;
    for (const QString &line : QString::fromUtf8(trace.readAll()).split('\n')) {
        if (line.contains(QLatin1String(" execve(")))
            started << line;
        QRegularExpressionMatch match = writing.match(line);
        if (!match.hasMatch())
            match = changing.match(line);
        if (!match.hasMatch())
            continue;
        ++calls;
        const QString path = match.captured(2);
        const bool isAllowed = std::any_of(allowed.begin(), allowed.end(),
                                           [&](const QString &prefix) { return path.startsWith(prefix); });
        if (!isAllowed)
            written << line;
    }
    QVERIFY2(written.isEmpty(), qPrintable(written.join('\n')));
    // The program itself, and no other: no bus, no helper left running after it.
    QVERIFY2(started.size() == 1, qPrintable(started.join('\n')));
    qInfo("%d calls that may write, all to the platform's own places", calls);
}

void tst_EndToEnd::withoutADisplayItSaysSoAndExits_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("said");
    const QStringList noX{"no X display", "xvfb-run"};
    QTest::newRow("no DISPLAY") << QString() << QString() << noX;
    QTest::newRow("DISPLAY with no server") << QString() << QStringLiteral(":97") << noX;
    QTest::newRow("DISPLAY with an escape") << QString() << QStringLiteral(":97\x1b]0;owned\x07")
                                            << QStringList{"DISPLAY=:97\\e]0;owned\\x07"};
    QTest::newRow("Wayland with no compositor") << QStringLiteral("wayland") << QString()
                                                << QStringList{"no Wayland compositor", "WAYLAND_DISPLAY=unset"};
    QTest::newRow("a platform Qt lacks") << QStringLiteral("nonesuch") << QString()
                                         << QStringList{"no platform 'nonesuch'", "xcb"};
}

void tst_EndToEnd::withoutADisplayItSaysSoAndExits()
{
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QStringList, said);
    QProcessEnvironment environment = programEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    if (!display.isEmpty())
        environment.insert("DISPLAY", display);
    if (!platform.isEmpty())
        environment.insert("QT_QPA_PLATFORM", platform);
    m_korvana.setProcessEnvironment(environment);
    m_korvana.setProcessChannelMode(QProcess::SeparateChannels);
    m_korvana.start(qEnvironmentVariable("KORVANA"), {});
    QVERIFY(m_korvana.waitForFinished(10000));
    QCOMPARE(m_korvana.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    QCOMPARE(m_korvana.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(m_korvana.readAllStandardError());
    QCOMPARE(errors.count('\n'), 1);
    QVERIFY2(!errors.contains(QChar(0x1b)), qPrintable(errors));
    for (const QString &words : said)
        QVERIFY2(errors.contains(words), qPrintable(errors));
}

QTEST_GUILESS_MAIN(tst_EndToEnd)
#include "tst_endtoend.moc"
