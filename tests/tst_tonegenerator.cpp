#include "ToneGenerator.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

using sound::Tones;
using sound::ToneGenerator;
constexpr int rate = 48000;
constexpr double fullScale = 32767;
constexpr double twoPi = 2 * std::numbers::pi;

// frames of left and right from a generator of tones.
std::vector<std::int16_t> play(ToneGenerator &generator, int frames)
{
    std::vector<std::int16_t> samples(2 * std::size_t(frames));
    generator.fill(samples.data(), std::size_t(frames));
    return samples;
}

// One channel's component at hertz over count frames from first: its amplitude
// (full scale 1) and the phase of the cosine it is, worked out as a discrete Fourier
// transform.
std::complex<double> component(const std::vector<std::int16_t> &samples, int channel, int first, int count, double hertz)
{
    std::complex<double> sum;
    for (int n = 0; n < count; ++n)
        sum += double(samples[2 * std::size_t(first + n) + channel]) * std::polar(1.0, -twoPi * hertz * (first + n) / rate);
    return sum * 2.0 / (double(count) * fullScale);
}

} // namespace

class tst_ToneGenerator : public QObject {
    Q_OBJECT

private slots:
    void soundsTheFigure_data();
    void soundsTheFigure();
    void changesWithoutAJump_data();
    void changesWithoutAJump();
};

void tst_ToneGenerator::soundsTheFigure_data()
{
    QTest::addColumn<Tones>("tones");
    QTest::newRow("2 : 3 at 220 Hz, a fifth") << Tones{{2, 3}, 0, 220};
    QTest::newRow("1 : 2 at 440 Hz, 90°, an octave") << Tones{{1, 2}, 90, 440};
    QTest::newRow("19 : 18 at 1000 Hz, 45°") << Tones{{19, 18}, 45, 1000};
    QTest::newRow("3 : 5 at 20 Hz, 300°") << Tones{{3, 5}, 300, 20};
}

// Left is sin(2π a f0 t + φ), right sin(2π b f0 t), each at 6 dB below full scale:
// as cosines, phases φ - 90° and -90° at t = 0.
void tst_ToneGenerator::soundsTheFigure()
{
    QFETCH(Tones, tones);
    ToneGenerator generator(tones, rate);
    const std::vector<std::int16_t> samples = play(generator, rate);
    // Half a second after the fade in, a whole number of turns of both.
    const int first = rate / 10, count = rate / 2;
    const double level = std::pow(10.0, -6.0 / 20);
    const struct {
        int channel;
        double hertz;
        double phaseDegrees;
    } expected[] = {{0, tones.frequencies.a * tones.baseHertz, tones.phaseDegrees - 90},
                    {1, tones.frequencies.b * tones.baseHertz, -90}};
    for (const auto &[channel, hertz, phaseDegrees] : expected) {
        const std::complex<double> found = component(samples, channel, first, count, hertz);
        QVERIFY2(std::abs(std::abs(found) - level) < 1e-3, qPrintable(QString::number(std::abs(found))));
        const double phaseError = std::remainder(std::arg(found) - phaseDegrees * std::numbers::pi / 180, twoPi);
        QVERIFY2(std::abs(phaseError) < 1e-3, qPrintable(QString::number(phaseError)));
    }
}

void tst_ToneGenerator::changesWithoutAJump_data()
{
    QTest::addColumn<Tones>("before");
    QTest::addColumn<Tones>("after");
    QTest::addColumn<int>("steps");
    QTest::newRow("new frequencies") << Tones{{2, 3}, 30, 110} << Tones{{5, 4}, 30, 110} << 1;
    QTest::newRow("the phase half a turn on") << Tones{{2, 3}, 0, 110} << Tones{{2, 3}, 180, 110} << 1;
    QTest::newRow("the base tone doubled") << Tones{{3, 2}, 60, 110} << Tones{{3, 2}, 60, 220} << 1;
    QTest::newRow("a second of drift, 0.6° a frame") << Tones{{1, 2}, 90, 110} << Tones{{1, 2}, 126, 110} << 60;
}

// However it changes, no sample is further from the last than the faster tone moves
// in a sample, with the volume's slope and the phase's glide; 100 ms on, the tones
// are the new ones exactly, and stopped, they fall silent within the fade.
void tst_ToneGenerator::changesWithoutAJump()
{
    QFETCH(Tones, before);
    QFETCH(Tones, after);
    QFETCH(int, steps);
    ToneGenerator generator(before, rate);
    // At an odd moment, where no turn of the base tone ends and no wave is at rest.
    const int changed = rate / 10 + 137;
    std::vector<std::int16_t> samples = play(generator, changed);
    const int framesPerStep = rate / 60;
    for (int step = 1; step <= steps; ++step) {
        Tones between = after;
        between.phaseDegrees = before.phaseDegrees + (after.phaseDegrees - before.phaseDegrees) * step / steps;
        generator.follow(between);
        const std::vector<std::int16_t> more = play(generator, framesPerStep);
        samples.insert(samples.end(), more.begin(), more.end());
    }
    const std::vector<std::int16_t> rest = play(generator, rate / 5);
    samples.insert(samples.end(), rest.begin(), rest.end());
    const double fastest = std::max({before.leftHertz(), before.rightHertz(), after.leftHertz(), after.rightHertz()});
    // The volume falls and rises within the change's time, and the phase glides at
    // most half a turn in it.
    const double volumeSlope = 2 / (ToneGenerator::changeSeconds * rate);
    const double glide = std::numbers::pi / (ToneGenerator::changeSeconds * rate);
    const double mostStep = ToneGenerator::peak * fullScale * (twoPi * fastest / rate + glide + volumeSlope) + 1;
    for (std::size_t i = 2; i < samples.size(); ++i)
        QVERIFY2(std::abs(samples[i] - samples[i - 2]) <= mostStep, qPrintable(QString::number(i / 2)));
    // The base tone's turn runs on from where it stood when it changed.
    const int settled = changed + steps * framesPerStep + rate / 10;
    const double turnAtChange = before.baseHertz * changed / rate;
    for (int n = settled; n < int(samples.size() / 2); ++n) {
        const double turn = turnAtChange + after.baseHertz * (n - changed) / rate;
        const double left = ToneGenerator::peak * std::sin(twoPi * after.frequencies.a * turn + after.phaseDegrees * std::numbers::pi / 180);
        const double right = ToneGenerator::peak * std::sin(twoPi * after.frequencies.b * turn);
        QVERIFY2(std::abs(samples[2 * n] - left * fullScale) <= 1, qPrintable(QString::number(n)));
        QVERIFY2(std::abs(samples[2 * n + 1] - right * fullScale) <= 1, qPrintable(QString::number(n)));
    }
    generator.stop();
    play(generator, int(ToneGenerator::fadeSeconds * rate) + 1);
    const std::vector<std::int16_t> silence = play(generator, rate / 100);
    QVERIFY(std::all_of(silence.begin(), silence.end(), [](std::int16_t sample) { return sample == 0; }));
}

QTEST_MAIN(tst_ToneGenerator)
#include "tst_tonegenerator.moc"
