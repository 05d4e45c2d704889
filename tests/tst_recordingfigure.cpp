// A recording's figure from the command line, as a teacher's script draws one: the
// figure of a stereo recording written here with known tones, and every kind of file
// that is no such recording refused with nothing written and the recording untouched.
#include "KorvanaProcess.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sndfile.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int rate = 48000;

// x = level sin(2π fx t + φ) on the left, y = level sin(2π fy t) on the right.
struct Tones {
    double xHertz;
    double yHertz;
    double phaseDegrees;
    double level;

    double x(int frame) const
    {
        return level * std::sin(2 * std::numbers::pi * xHertz * frame / rate + phaseDegrees * std::numbers::pi / 180);
    }
    double y(int frame) const { return level * std::sin(2 * std::numbers::pi * yHertz * frame / rate); }
};

// A 16-bit PCM WAV file of channels, written byte by byte as RIFF lays it out.
QByteArray waveFile(const Tones &tones, double seconds, int channels)
{
    const int frames = int(seconds * rate);
    QByteArray data;
    for (int n = 0; n < frames; ++n)
        for (int channel = 0; channel < channels; ++channel) {
            const auto sample = qToLittleEndian(qint16(std::lround(32767 * (channel == 1 ? tones.y(n) : tones.x(n)))));
            data.append(reinterpret_cast<const char *>(&sample), sizeof sample);
        }
    const auto number = [](quint32 value, int bytes) {
        const quint32 little = qToLittleEndian(value);
        return QByteArray(reinterpret_cast<const char *>(&little), bytes);
    };
    return "RIFF" + number(quint32(36 + data.size()), 4) + "WAVEfmt " + number(16, 4) + number(1, 2)
           + number(quint32(channels), 2) + number(rate, 4) + number(quint32(rate * channels * 2), 4)
           + number(quint32(channels * 2), 2) + number(16, 2) + "data" + number(quint32(data.size()), 4) + data;
}

// A FLAC file of the tones through libsndfile, its frames then garbled past the
// header: a recording that opens and breaks while it is read.
QByteArray brokenFlac(const Tones &tones, const QString &path)
{
    SF_INFO info{.frames = 0, .samplerate = rate, .channels = 2, .format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return {};
    for (int n = 0; n < rate; ++n) {
        const double frame[] = {tones.x(n), tones.y(n)};
        sf_writef_double(file, frame, 1);
    }
    sf_close(file);
    QFile written(path);
    written.open(QIODevice::ReadOnly);
    QByteArray bytes = written.readAll();
    for (qsizetype i = bytes.size() / 4; i < bytes.size(); i += 7)
        bytes[i] = char(bytes[i] ^ 0x5a);
    return bytes;
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

} // namespace

class tst_RecordingFigure : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void drawsTheRecordingsFigure();
    void refusesWhatIsNoSuchRecording_data();
    void refusesWhatIsNoSuchRecording();

private:
    Run korvana(const QStringList &arguments) { return ::korvana(arguments, m_runtime.path()); }
    QTemporaryDir m_runtime;
};

void tst_RecordingFigure::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("KORVANA"), "KORVANA names the program to test");
    QVERIFY(m_runtime.isValid());
}

// 2 : 3 at half of full scale from 0.25 s on: its frequencies and fraction in the
// title, and the curve where the samples put it, half as wide as the square.
void tst_RecordingFigure::drawsTheRecordingsFigure()
{
    QTemporaryDir folder;
    const Tones tones{440, 660, 90, 0.5};
    QFile recording(folder.filePath(QStringLiteral("две тона.wav")));
    QVERIFY(recording.open(QIODevice::WriteOnly) && recording.write(waveFile(tones, 1, 2)) > 0);
    recording.close();
    const QString png = folder.filePath(QStringLiteral("figure.png"));
    const Run run = korvana({"--export", png, "--from", recording.fileName(), "--at", "0.25", "--span", "50"});
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    const QImage image(png);
    QCOMPARE(image.text(QStringLiteral("Title")),
             QStringLiteral("Фигура на Лисажу от запис: x 440 Hz, y 660 Hz, b : a ≈ 3 : 2"));
    // The square's grey frame, then the curve inside it: x across and y upward from
    // its centre, full scale at its edges.
    QRect frame;
    for (int y = 0; y < image.height() * 7 / 8; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(128, 128, 128))
                frame |= QRect(x, y, 1, 1);
    QVERIFY(frame.width() > 900);
    const QPointF centre = QRectF(frame).center();
    const double half = frame.width() / 2.0;
    const int first = rate / 4;
    for (int n = first; n < first + rate / 20; ++n) {
        const QPoint pixel = (centre + QPointF(tones.x(n), -tones.y(n)) * half).toPoint();
        bool inked = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                inked = inked || isInk(image.pixel(pixel + QPoint(dx, dy)));
        QVERIFY2(inked, qPrintable(QStringLiteral("no line at frame %1").arg(n)));
    }
    // Nothing beyond half the square, where no sample reaches.
    constexpr int frameLine = 6;
    for (int y = frame.top() + frameLine; y < frame.bottom() - frameLine; ++y)
        for (int x = frame.left() + frameLine; x < frame.right() - frameLine; ++x)
            if (QLineF(centre, QPointF(x, y)).length() > 0.75 * half && isInk(image.pixel(x, y)))
                QFAIL(qPrintable(QStringLiteral("ink at (%1, %2)").arg(x).arg(y)));
}

void tst_RecordingFigure::refusesWhatIsNoSuchRecording_data()
{
    QTest::addColumn<QByteArray>("recording");
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    const Tones tones{440, 660, 90, 0.5};
    QTest::newRow("a text file") << QByteArray("x, y\n1, 2\n") << QStringList() << 2 << "is not a recording";
    QTest::newRow("mono") << waveFile(tones, 1, 1) << QStringList() << 2 << "has 1 channel(s)";
    QTest::newRow("shorter than asked") << waveFile(tones, 1, 2) << QStringList{"--at", "0.95"} << 2
                                        << "lasts 1 s: --at 0.95 with --span 100 needs 1.05 s";
    QTest::newRow("empty") << QByteArray() << QStringList() << 2 << "is not a recording";
    QTest::newRow("the picture's own name") << waveFile(tones, 1, 2) << QStringList{"SAME"} << 2
                                            << "is the recording";
    QTemporaryDir scratch;
    QTest::newRow("broken on the way") << brokenFlac(tones, scratch.filePath(QStringLiteral("t.flac"))) << QStringList{"--span", "900"} << 1 << "cannot read";
}

// One line, nothing written, and the recording as it was.
void tst_RecordingFigure::refusesWhatIsNoSuchRecording()
{
    QFETCH(QByteArray, recording);
    QFETCH(QStringList, more);
    QFETCH(int, status);
    QFETCH(QString, said);
    QTemporaryDir folder;
    const bool same = more == QStringList{"SAME"};
    const QString path = folder.filePath(same ? QStringLiteral("rec.png") : QStringLiteral("rec"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(recording) == recording.size());
    file.close();
    const QString picture = same ? path : folder.filePath(QStringLiteral("figure.png"));
    const Run run = korvana(QStringList{"--export", picture, "--from", path} + (same ? QStringList() : more));
    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.contains(said) && run.errors.trimmed().count(QLatin1Char('\n')) == 0, qPrintable(run.errors));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), recording);
}

QTEST_GUILESS_MAIN(tst_RecordingFigure)
#include "tst_recordingfigure.moc"
