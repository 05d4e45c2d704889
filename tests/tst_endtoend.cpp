// Drives the built program as a person would: a real X window under Xvfb, clicked
// with xdotool, looked at through screenshots.
#include "DesignSamples.h"
#include "KorvanaDesign.h"
#include "Lissajous.h"
#include "PictureBox.h"
#include "PlotArea.h"
#include "Twips.h"

#include <QImage>
#include <QProcess>
#include <QTest>

#include <X11/Xlib.h>

namespace {

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

QImage expectedFigure(QSize size, double a, double b)
{
    figure::PlotArea area(size.width(), size.height(), {255, 255, 255});
    area.setScaleWidth(1000);
    area.setScaleHeight(1000);
    figure::Lissajous::forEachPoint(a, b, [&](figure::PlotPoint p) { area.setPoint(p.x, p.y, {}); });
    return QImage(reinterpret_cast<const uchar *>(area.pixels()), size.width(), size.height(),
                  QImage::Format_RGB32)
        .copy();
}

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// Asks the window to close, as a window manager's close button does.
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

private:
    QImage screenshot() const;
    QString plotDiffersFrom(const QImage &expected) const;
    QString regionsDifferFromTheDesign() const;
    void click(QPoint at) const;

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

QImage tst_EndToEnd::screenshot() const
{
    return QImage::fromData(run("import", {"-window", m_window, "png:-"}), "PNG");
}

// Where the plot area on the screen differs from the expected picture, or nothing
// when they match.
QString tst_EndToEnd::plotDiffersFrom(const QImage &expected) const
{
    const QImage shown = screenshot();
    if (shown.isNull())
        return QStringLiteral("no screenshot");
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

void tst_EndToEnd::click(QPoint at) const
{
    run("xdotool", {"mousemove", "--window", m_window, QString::number(at.x()),
                    QString::number(at.y()), "click", "1"});
}

void tst_EndToEnd::drawsTheFigureAndClosesCleanly()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    m_korvana.setProcessEnvironment(environment);
    m_korvana.start(qEnvironmentVariable("KORVANA"), {});
    QVERIFY(m_korvana.waitForStarted());

    m_window = QString::fromLatin1(
        run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "Korvana"}).split('\n').first());
    QVERIFY(!m_window.isEmpty());

    QImage blank(plotInner().size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    QTRY_COMPARE_WITH_TIMEOUT(plotDiffersFrom(blank), QString(), 10000);
    QCOMPARE(regionsDifferFromTheDesign(), QString());

    click(controlRect("Command1", 0).center());
    const QImage expected = expectedFigure(plotInner().size(), 1, 3);
    QTRY_COMPARE_WITH_TIMEOUT(plotDiffersFrom(expected), QString(), 10000);
    QCOMPARE(regionsDifferFromTheDesign(), QString());

    click(controlRect("Command1", 1).center());
    QTRY_COMPARE_WITH_TIMEOUT(plotDiffersFrom(blank), QString(), 10000);

    closeWindow(m_window.toULong());
    QVERIFY(m_korvana.waitForFinished(10000));
    QCOMPARE(m_korvana.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_korvana.exitCode(), 0);
}

QTEST_GUILESS_MAIN(tst_EndToEnd)
#include "tst_endtoend.moc"
