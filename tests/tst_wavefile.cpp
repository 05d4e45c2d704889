#include "ToneGenerator.h"
#include "WaveFile.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

using sound::Tones;
using sound::WaveFile;

// A little-endian whole number of bytes bytes at offset, as RIFF files hold them.
std::uint32_t littleEndian(const std::vector<char> &file, std::size_t offset, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(file.at(offset + std::size_t(i)));
    return value;
}

std::string tag(const std::vector<char> &file, std::size_t offset)
{
    return std::string(file.begin() + std::ptrdiff_t(offset), file.begin() + std::ptrdiff_t(offset + 4));
}

} // namespace

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
    QCOMPARE(tag(file, 0), std::string("RIFF"));
    QCOMPARE(littleEndian(file, 4, 4), std::uint32_t(file.size() - 8));
    QCOMPARE(tag(file, 8), std::string("WAVE"));
    std::size_t chunk = 12;
    std::size_t data = 0;
    while (chunk + 8 <= file.size()) {
        const std::uint32_t size = littleEndian(file, chunk + 4, 4);
        if (tag(file, chunk) == "fmt ") {
            QCOMPARE(littleEndian(file, chunk + 8, 2), 1u);       // PCM
            QCOMPARE(littleEndian(file, chunk + 10, 2), 2u);      // channels
            QCOMPARE(littleEndian(file, chunk + 12, 4), 48000u);  // samples a second
            QCOMPARE(littleEndian(file, chunk + 22, 2), 16u);     // bits a sample
        }
        if (tag(file, chunk) == "data") {
            QCOMPARE(size, std::uint32_t(frames * 4));
            data = chunk + 8;
        }
        chunk += 8 + size + size % 2;
    }
    QVERIFY(data > 0);
    const auto sample = [&](int frame, int channel) {
        return std::int16_t(littleEndian(file, data + std::size_t(frame) * 4 + std::size_t(channel) * 2, 2));
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
