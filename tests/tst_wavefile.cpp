#include "ToneGenerator.h"
#include "WaveFile.h"

#include <QTest>
#include <QtEndian>

#include <cmath>
#include <numbers>

using sound::Tones;
using sound::WaveFile;

class tst_WaveFile : public QObject {
    Q_OBJECT

private slots:
    void holdsTheTonesExactlyAsLong_data();
    void holdsTheTonesExactlyAsLong();
};

void tst_WaveFile::holdsTheTonesExactlyAsLong_data()
{
    QTest::addColumn<Tones>("tones");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("frames");
    QTest::newRow("2 : 3 for the usual 5 s") << Tones{{2, 3}, 0, 220} << 5.0 << 240000;
    QTest::newRow("the shortest, a tenth of a second") << Tones{{1, 2}, 90, 440} << 0.1 << 4800;
    QTest::newRow("19 : 18 for 1.23456 s, to the nearest frame") << Tones{{19, 18}, 45, 1000} << 1.23456 << 59259;
}

// A RIFF file of one format chunk (PCM, 2 channels, 48 kHz, 16 bits) and one data
// chunk of exactly the frames asked, silent at both ends, the tones between.
void tst_WaveFile::holdsTheTonesExactlyAsLong()
{
    QFETCH(Tones, tones);
    QFETCH(double, seconds);
    QFETCH(int, frames);
    const WaveFile::Encoded wave = WaveFile::encode(tones, seconds);
    QCOMPARE(wave.failure, std::string());
    const std::vector<char> &file = wave.bytes;
    // RIFF's little-endian numbers and four-letter tags, at a byte offset.
    const auto number = [&](std::size_t at, int bytes) {
        return bytes == 2 ? qFromLittleEndian<quint16>(&file.at(at)) : qFromLittleEndian<quint32>(&file.at(at));
    };
    const auto tag = [&](std::size_t at) { return std::string(&file.at(at), 4); };
    QCOMPARE(tag(0), "RIFF");
    QCOMPARE(number(4, 4), file.size() - 8);
    QCOMPARE(tag(8), "WAVE");
    std::size_t chunk = 12;
    std::size_t data = 0;
    while (chunk + 8 <= file.size()) {
        const std::uint32_t size = number(chunk + 4, 4);
        if (tag(chunk) == "fmt ") {
            QCOMPARE(number(chunk + 8, 2), 1u);       // PCM
            QCOMPARE(number(chunk + 10, 2), 2u);      // channels
            QCOMPARE(number(chunk + 12, 4), 48000u);  // samples a second
            QCOMPARE(number(chunk + 22, 2), 16u);     // bits a sample
        }
        if (tag(chunk) == "data") {
            QCOMPARE(size, std::uint32_t(frames * 4));
            data = chunk + 8;
        }
        chunk += 8 + size + size % 2;
    }
    QVERIFY(data > 0);
    const auto sample = [&](int frame, int channel) {
        return std::int16_t(number(data + std::size_t(frame) * 4 + std::size_t(channel) * 2, 2));
    };
    QCOMPARE(sample(0, 0), std::int16_t(0));
    QCOMPARE(sample(frames - 1, 0), std::int16_t(0));
    QCOMPARE(sample(frames - 1, 1), std::int16_t(0));
    // Halfway, past the fades: the formula, to a unit of the last bit.
    const int middle = frames / 2;
    const double t = double(middle) / WaveFile::sampleRate;
    const double x = std::sin(2 * std::numbers::pi * tones.leftHertz() * t + tones.phaseDegrees * std::numbers::pi / 180);
    const double y = std::sin(2 * std::numbers::pi * tones.rightHertz() * t);
    QVERIFY(std::abs(sample(middle, 0) - sound::ToneGenerator::peak * 32767 * x) <= 1);
    QVERIFY(std::abs(sample(middle, 1) - sound::ToneGenerator::peak * 32767 * y) <= 1);
}

QTEST_MAIN(tst_WaveFile)
#include "tst_wavefile.moc"
