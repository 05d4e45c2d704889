#include "SignalReading.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

using sound::SignalReading;

namespace {

constexpr int rate = 48000;

// A wave's value at a time in seconds, -1 to 1 or beyond (a sound card clips it).
using Wave = std::function<double(double)>;

Wave sine(double hertz, double level, double phaseDegrees = 0)
{
    return [=](double t) { return level * std::sin(2 * std::numbers::pi * hertz * t + phaseDegrees * std::numbers::pi / 180); };
}

// A square wave, all odd harmonics, as a function generator's other setting gives.
Wave square(double hertz, double level)
{
    return [=](double t) { return std::sin(2 * std::numbers::pi * hertz * t) >= 0 ? level : -level; };
}

// What a sound card records of two waves over so many seconds, with noise of the
// given size on each sample, clipped at full scale.
std::vector<float> recorded(const Wave &left, const Wave &right, double noise, double seconds)
{
    std::mt19937 random(2026);
    std::normal_distribution<double> hiss(0, noise);
    std::vector<float> samples;
    for (int n = 0; n < int(seconds * rate); ++n)
        for (const Wave *wave : {&left, &right})
            samples.push_back(float(std::clamp((*wave)(double(n) / rate) + hiss(random), -1.0, 1.0)));
    return samples;
}

} // namespace

Q_DECLARE_METATYPE(Wave)

class tst_SignalReading : public QObject {
    Q_OBJECT

private slots:
    void readsTheFigureOfTwoSignals_data();
    void readsTheFigureOfTwoSignals();
};

void tst_SignalReading::readsTheFigureOfTwoSignals_data()
{
    QTest::addColumn<Wave>("left");
    QTest::addColumn<Wave>("right");
    QTest::addColumn<double>("noise");
    QTest::addColumn<double>("seconds");
    // The hertz each channel is, 0 for none; the fraction b : a and the mismatch in
    // hertz, 0 for none; whether it clips.
    QTest::addColumn<double>("xHertz");
    QTest::addColumn<double>("yHertz");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("a");
    QTest::addColumn<double>("mismatch");
    QTest::addColumn<bool>("clipped");
    QTest::newRow("a fifth, 440 and 660") << sine(440, 0.5, 90) << sine(660, 0.5) << 0.0 << 0.1 << 440.0 << 660.0 << 3 << 2 << 0.0 << false;
    QTest::newRow("an octave at 20 Hz, two periods only") << sine(20, 0.3) << sine(40, 0.3, 30) << 0.0 << 0.1 << 20.0 << 40.0 << 2 << 1 << 0.0 << false;
    QTest::newRow("19 : 18 in hiss a tenth of the level") << sine(1900, 0.4) << sine(1800, 0.4) << 0.04 << 0.1 << 1900.0 << 1800.0 << 18 << 19 << 0.0 << false;
    QTest::newRow("1 : 1 a hertz apart turns once a second") << sine(441, 0.5) << sine(440, 0.5) << 0.0 << 0.1 << 441.0 << 440.0 << 1 << 1 << 1.0 << false;
    QTest::newRow("3 : 2, y 1.5 Hz sharp") << sine(400, 0.5) << sine(601.5, 0.5) << 0.0 << 0.1 << 400.0 << 601.5 << 3 << 2 << 1.0 << false;
    QTest::newRow("square waves count their fundamental") << square(300, 0.5) << square(500, 0.5) << 0.0 << 0.1 << 300.0 << 500.0 << 5 << 3 << 0.0 << false;
    QTest::newRow("driven past full scale") << sine(500, 1.5) << sine(1000, 0.5) << 0.0 << 0.1 << 500.0 << 1000.0 << 2 << 1 << 0.0 << true;
    QTest::newRow("no fraction up to 19 within 1 %") << sine(100, 0.5) << sine(1850, 0.5) << 0.0 << 0.1 << 100.0 << 1850.0 << 0 << 0 << 0.0 << false;
    QTest::newRow("y silent") << sine(440, 0.5) << sine(440, 0.001) << 0.0 << 0.1 << 440.0 << 0.0 << 0 << 0 << 0.0 << false;
    QTest::newRow("ten seconds of a 5 kHz fifth") << sine(5000, 0.5) << sine(7500, 0.5) << 0.0 << 10.0 << 5000.0 << 7500.0 << 3 << 2 << 0.0 << false;
    QTest::newRow("an open input's hiss") << sine(0, 0) << sine(0, 0) << 0.0005 << 0.1 << 0.0 << 0.0 << 0 << 0 << 0.0 << false;
}

// Each channel's hertz within a quarter of a hertz (a student needs one), the
// fraction and the mismatch, from a stretch as a sound card records it.
void tst_SignalReading::readsTheFigureOfTwoSignals()
{
    QFETCH(Wave, left);
    QFETCH(Wave, right);
    QFETCH(double, noise);
    QFETCH(double, seconds);
    QFETCH(double, xHertz);
    QFETCH(double, yHertz);
    QFETCH(int, b);
    QFETCH(int, a);
    QFETCH(double, mismatch);
    QFETCH(bool, clipped);
    const SignalReading reading = SignalReading::of(recorded(left, right, noise, seconds), rate);
    constexpr double tolerance = 0.25;
    for (const auto &[channel, hertz] : {std::pair{&reading.x, xHertz}, {&reading.y, yHertz}}) {
        QCOMPARE(channel->hertz.has_value(), hertz > 0);
        if (channel->hertz)
            QVERIFY2(std::abs(*channel->hertz - hertz) < tolerance, qPrintable(QString::number(*channel->hertz)));
    }
    QCOMPARE(reading.fraction.has_value(), a > 0);
    if (reading.fraction) {
        QCOMPARE(reading.fraction->a, a);
        QCOMPARE(reading.fraction->b, b);
        QVERIFY2(std::abs(reading.mismatchHertz - mismatch) < tolerance, qPrintable(QString::number(reading.mismatchHertz)));
    }
    QCOMPARE(reading.clipped(), clipped);
}

QTEST_APPLESS_MAIN(tst_SignalReading)
#include "tst_signalreading.moc"
