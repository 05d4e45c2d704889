#include "PlayerTexts.h"
#include "SoundServer.h"
#include "TonePlayer.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

using sound::TonePlayer;
using sound::Tones;

// The tones as a sound card plays them: recorded from a null sink of the test's own
// PulseAudio server, in its place on a desk a line-out.
class TestTonePlayer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void changesAreHeard_data();
    void changesAreHeard();
    void stopFallsSilent();
    void vanishedOutputStops();

private:
    SoundServer m_server;
    // A tenth of a second: whole turns of any whole frequency.
    static constexpr qsizetype window = SoundServer::rate / 10;
    static constexpr qsizetype changeFrames = SoundServer::rate / 10;
};

void TestTonePlayer::initTestCase()
{
    if (const QString missing = m_server.start(); !missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no sound server to play into: %1").arg(missing)));
}

void TestTonePlayer::changesAreHeard_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<double>("phase");
    QTest::addColumn<double>("base");
    QTest::newRow("2 : 3 at 220 Hz, 30°") << 2 << 3 << 30.0 << 220.0;
    QTest::newRow("1 : 2 at 110 Hz, 90°") << 1 << 2 << 90.0 << 110.0;
    QTest::newRow("3 : 4 at 1000 Hz, 200°") << 3 << 4 << 200.0 << 1000.0;
    QTest::newRow("19 : 18 at 20 Hz, 345°") << 19 << 18 << 345.0 << 20.0;
}

// From one figure to another: a tenth of a second later the recording carries the
// new tones, left at a·f0 and right at b·f0, each at −6 dBFS, and between them the
// phase difference, which a recording gives back up to a turn of the right tone.
void TestTonePlayer::changesAreHeard()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(double, phase);
    QFETCH(double, base);
    TonePlayer player;
    Recording &recording = m_server.recording();
    player.play(Tones{{1, 1}, 0, Tones::usualBase});
    QVERIFY(recording.waitFor(window));
    const qsizetype changed = recording.frames();
    player.follow(Tones{{a, b}, phase, base});
    QVERIFY(recording.waitFor(changed + changeFrames + window));

    const std::complex<double> left = recording.component(changed + changeFrames, window, 0, a * base);
    const std::complex<double> right = recording.component(changed + changeFrames, window, 1, b * base);
    const double minus6dB = std::pow(10.0, -6.0 / 20);
    QCOMPARE_LT(std::abs(std::abs(left) - minus6dB), 0.01);
    QCOMPARE_LT(std::abs(std::abs(right) - minus6dB), 0.01);
    // left = a ω t0 + φ, right = b ω t0, at whatever time t0 the window begins.
    const double heard = (b * std::arg(left) - a * std::arg(right)) / b * 180 / std::numbers::pi;
    QCOMPARE_LT(std::abs(std::remainder(heard - phase, 360.0 / b)), 1.0);
}

// Off is silent within a tenth of a second, and stays so.
void TestTonePlayer::stopFallsSilent()
{
    TonePlayer player;
    Recording &recording = m_server.recording();
    QSignalSpy silent(&player, &TonePlayer::silent);
    player.play(Tones{{2, 3}, 90, Tones::usualBase});
    const qsizetype started = recording.frames();
    QVERIFY(recording.waitFor(started + changeFrames + window));
    QCOMPARE_GT(std::abs(recording.component(started + changeFrames, window, 1, 3 * Tones::usualBase)), 0.4);
    const qsizetype stopped = recording.frames();
    player.stop();
    QVERIFY(!player.isPlaying());
    QVERIFY(silent.wait());
    QVERIFY(recording.waitFor(stopped + changeFrames + window));
    for (qsizetype frame = stopped + changeFrames; frame < stopped + changeFrames + window; ++frame)
        for (const int channel : {0, 1})
            QCOMPARE(recording.sample(frame, channel), 0.0);
}

// The sound card it plays on goes, as a USB one pulled out: the player stops and says
// why, whichever output it was told to use.
void TestTonePlayer::vanishedOutputStops()
{
    TonePlayer player;
    const QList<QAudioDevice> outputs = player.outputs();
    QCOMPARE(outputs.size(), 1);
    QCOMPARE(outputs.front().description(), QString::fromLatin1(SoundServer::sinkDescription));
    QSignalSpy failed(&player, &TonePlayer::failed);
    player.play(Tones{{2, 3}, 90, Tones::usualBase}, outputs.front().id());
    QVERIFY(player.isPlaying());
    const QString module = SoundServer::pactl({"load-module", "module-null-sink", "sink_name=spare"});
    SoundServer::pactl({"unload-module", "module-null-sink"});
    QVERIFY(failed.wait());
    QVERIFY(!player.isPlaying());
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed.front().front().toString().contains(QString::fromLatin1(SoundServer::sinkDescription)),
             qPrintable(failed.front().front().toString()));
    SoundServer::pactl(QStringList{"load-module"} + SoundServer::sinkModule().split(QLatin1Char(' ')));
    SoundServer::pactl({"unload-module", module});
}

QTEST_GUILESS_MAIN(TestTonePlayer)
#include "tst_toneplayer.moc"
