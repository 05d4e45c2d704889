#include "CloseUpTexts.h"
#include "CloseUpView.h"
#include "InputControls.h"
#include "SoundServer.h"
#include "TraceCanvas.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <cmath>
#include <numbers>
#include <optional>

// The close-up as an oscilloscope, as a teacher meets it: F8 in the view, with known
// signals played into a sound server of the test's own and heard back through its
// input, as a line-out wired to a line-in.
class TestInputControls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsWhatIsPlayed_data();
    void readsWhatIsPlayed();

private:
    std::optional<SoundServer> m_server;
};

namespace {

// Three seconds of x = level sin(2π fx t + 35°) and y = level sin(2π fy t): a phase
// at which 1 : 2 is not its own mirror image, so that upside down shows.
double x(double hertz, double t)
{
    return std::sin(2 * std::numbers::pi * hertz * t + 35 * std::numbers::pi / 180);
}

QByteArray frames(double xHertz, double yHertz, double level)
{
    QByteArray bytes;
    const int rate = SoundServer::rate;
    for (int n = 0; n < 3 * rate; ++n)
        for (const double value : {x(xHertz, double(n) / rate), std::sin(2 * std::numbers::pi * yHertz * n / rate)}) {
            const auto sample = qint16(std::clamp(std::lround(32767 * level * value), -32768L, 32767L));
            bytes.append(reinterpret_cast<const char *>(&sample), sizeof sample);
        }
    return bytes;
}

} // namespace

void TestInputControls::initTestCase()
{
    m_server.emplace();
    if (const QString missing = m_server->start(); !missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no sound server to listen to: %1").arg(missing)));
}

void TestInputControls::readsWhatIsPlayed_data()
{
    QTest::addColumn<double>("xHertz");
    QTest::addColumn<double>("yHertz");
    QTest::addColumn<double>("level");
    // What a screen reader finds in the figure, and what is said beside the controls.
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("trouble");
    QTest::newRow("an octave") << 300.0 << 600.0 << 0.5
                               << "Фигура на Лисажу от входа: x 300 Hz, y 600 Hz; b : a ≈ 2 : 1" << "";
    QTest::newRow("19 : 18, a fifth of a hertz off") << 1900.2 << 1800.0 << 0.5
                                                     << "Фигура на Лисажу от входа: x 1900 Hz, y 1800 Hz; b : a ≈ 18 : 19" << "";
    QTest::newRow("silence") << 440.0 << 660.0 << 0.0
                             << "Фигура на Лисажу от входа: x няма сигнал, y няма сигнал" << "няма сигнал";
    QTest::newRow("clipping") << 400.0 << 1200.0 << 1.5
                              << "Фигура на Лисажу от входа: x 400 Hz, y 1200 Hz; b : a ≈ 3 : 1" << "претоварване";
}

// The hertz, the fraction and the trouble read from the input, and the trace where
// the signals put it: x across, y upward, full scale at the square's edges.
void TestInputControls::readsWhatIsPlayed()
{
    QFETCH(double, xHertz);
    QFETCH(double, yHertz);
    QFETCH(double, level);
    QFETCH(QString, description);
    QFETCH(QString, trouble);
    QProcess player;
    SoundServer::play(player, frames(xHertz, yHertz, level));
    QPointer<closeup::CloseUpView> view = new closeup::CloseUpView;
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QTest::keyClick(view, Qt::Key_F8);
    auto *trace = view->findChild<closeup::TraceCanvas *>();
    // Beside the input's controls, their captions and only the trouble expected.
    const auto said = [&] {
        QStringList shown;
        for (QLabel *label : view->findChild<closeup::InputControls *>()->findChildren<QLabel *>())
            if (label->isVisible() && !label->text().endsWith(QLatin1Char(':')))
                shown << label->text();
        return shown == (trouble.isEmpty() ? QStringList() : QStringList{trouble});
    };
    QTRY_VERIFY_WITH_TIMEOUT(trace->isVisible() && trace->accessibleDescription() == description && said(), 3000);
    // A figure that stands, within full scale: held still with Space, every point of
    // the ideal curve lies on the trace. (One off by a fraction of a hertz turns.)
    if (level < 1 && level > 0 && std::trunc(xHertz) == xHertz) {
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(trace->isFrozen());
        bool saysHeld = false;
        for (QLabel *label : view->findChildren<QLabel *>())
            saysHeld = saysHeld || label->text().endsWith(closeup::frozenTrace);
        QVERIFY(saysHeld);
        const QImage image = trace->grab().toImage();
        const double side = std::min(image.width(), image.height()) * 0.88 / 2;
        const QPointF centre = QRectF(image.rect()).center();
        for (int i = 0; i < 1000; ++i) {
            const double t = i / 1000.0 / std::gcd(int(xHertz), int(yHertz));
            const QPoint pixel = (centre + QPointF(x(xHertz, t),
                                                   -std::sin(2 * std::numbers::pi * yHertz * t)) * level * side).toPoint();
            bool inked = false;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    inked = inked || qGray(image.pixel(pixel + QPoint(dx, dy))) < 200;
            QVERIFY2(inked, qPrintable(QStringLiteral("no trace at (%1, %2)").arg(pixel.x()).arg(pixel.y())));
        }
    }
    view->close();
    QTRY_VERIFY(view.isNull());
    player.kill();
    player.waitForFinished();
}

QTEST_MAIN(TestInputControls)
#include "tst_inputcontrols.moc"
