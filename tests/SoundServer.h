#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <optional>

#include <csignal>
#include <sys/prctl.h>

// What is played into the test's sound server, recorded from its sink's monitor as 16-bit
// stereo frames from when it is made.
class Recording {
public:
    static constexpr int rate = 48000;
    static constexpr auto sinkName = "korvana_null";

    Recording()
    {
        m_parec.start(QStringLiteral("parec"), {QStringLiteral("--device=%1.monitor").arg(QString::fromLatin1(sinkName)),
                                                "--raw", "--format=s16le", "--channels=2",
                                                QStringLiteral("--rate=%1").arg(rate), "--latency-msec=5"});
        m_parec.waitForStarted();
    }
    ~Recording()
    {
        m_parec.kill();
        m_parec.waitForFinished();
    }

    // The frames recorded so far: a mark in the recording's time.
    qsizetype frames()
    {
        m_bytes += m_parec.readAllStandardOutput();
        return m_bytes.size() / frameBytes;
    }
    // Waits until so many frames are recorded; false if they never come.
    bool waitFor(qsizetype count)
    {
        return QTest::qWaitFor([&] { return frames() >= count; }, 5000);
    }
    // One channel's sample at a frame, as a share of full scale.
    double sample(qsizetype frame, int channel) const
    {
        std::int16_t value;
        std::memcpy(&value, m_bytes.constData() + frame * frameBytes + channel * 2, sizeof value);
        return value / 32768.0;
    }
    // The channel's component at a frequency over count frames from first: its peak
    // level and its phase (of a sine) in radians.
    std::complex<double> component(qsizetype first, qsizetype count, int channel, double hertz) const
    {
        std::complex<double> sum;
        for (qsizetype n = 0; n < count; ++n)
            sum += sample(first + n, channel) * std::polar(1.0, -2 * std::numbers::pi * hertz * n / rate);
        // sin(ωn + θ) gives (e^{iθ} / 2i) count.
        return sum * std::complex<double>(0, 2.0 / count);
    }

private:
    static constexpr qsizetype frameBytes = 4;
    QProcess m_parec;
    QByteArray m_bytes;
};

// A PulseAudio server of the test's own, with one null sink, and what is played into
// it recorded from its monitor with parec, as a sound card's line-out would be heard.
// This process's own sound goes to it: start it before anything plays.
class SoundServer {
public:
    static constexpr int rate = Recording::rate;
    static constexpr auto sinkName = Recording::sinkName;
    static constexpr auto sinkDescription = "Korvana-test";
    // An input that hears what the sink plays, as a line-out wired to a line-in: a
    // source of its own, since Qt lists no sink's monitor among the inputs.
    static constexpr auto loopDescription = "Korvana-loop";

    // Why it cannot run here, or nothing once it runs.
    QString start()
    {
        for (const char *tool : {"pulseaudio", "parec", "pacat", "pactl"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
        m_socket = m_folder.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // As root too: a runtime folder of its own, and no configuration but ours.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
        environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_folder.filePath(QStringLiteral("pulse")));
        environment.insert(QStringLiteral("HOME"), m_folder.path());
        m_server.setProcessEnvironment(environment);
        // Its complaints about shared memory between containers say nothing of ours.
        m_server.setStandardErrorFile(QProcess::nullDevice());
        // A test that crashes takes its server with it, rather than leave it running.
        m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_server.start(QStringLiteral("pulseaudio"),
                       {"-n", "--daemonize=no", "--exit-idle-time=-1", "--log-level=error", "-L", sinkModule(),
                        "-L",
                        QStringLiteral("module-remap-source source_name=korvana_loop master=%1.monitor "
                                       "source_properties=device.description=%2")
                            .arg(QString::fromLatin1(sinkName), QString::fromLatin1(loopDescription)),
                        "-L", QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1").arg(m_socket)});
        if (!m_server.waitForStarted() || !QTest::qWaitFor([this] { return QFile::exists(m_socket); }, 10000))
            return QStringLiteral("the PulseAudio server did not start");
        qputenv("PULSE_SERVER", "unix:" + m_socket.toLocal8Bit());
        m_recording.emplace();
        // A null sink sleeps out its first long block before it plays at the latency
        // asked for: something heard tells it is awake.
        QProcess burst;
        play(burst, QByteArray(rate / 10 * 4, '\x10'));
        qsizetype scanned = 0;
        const auto heard = [&] {
            for (const qsizetype recorded = m_recording->frames(); scanned < recorded; ++scanned)
                if (m_recording->sample(scanned, 0) != 0)
                    return true;
            return false;
        };
        if (!QTest::qWaitFor(heard, 10000))
            return QStringLiteral("its null sink played nothing");
        burst.waitForFinished();
        return {};
    }

    // The sink's monitor, recorded since the server started.
    Recording &recording() { return *m_recording; }

    ~SoundServer()
    {
        m_recording.reset();
        m_server.kill();
        m_server.waitForFinished();
    }

    // Without rewinds: a null sink that rewinds as a stream starts loses a part of what
    // its monitor records.
    static QString sinkModule()
    {
        return QStringLiteral("module-null-sink sink_name=%1 rate=%2 channels=2 norewinds=1 sink_properties=device.description=%3")
            .arg(QString::fromLatin1(sinkName))
            .arg(rate)
            .arg(QString::fromLatin1(sinkDescription));
    }

    // Plays 16-bit stereo frames into the sink, as a generator would, until the
    // process is ended.
    static void play(QProcess &player, const QByteArray &frames)
    {
        player.start(QStringLiteral("pacat"), {QStringLiteral("--device=%1").arg(QString::fromLatin1(sinkName)), "--raw",
                                               "--format=s16le", "--channels=2", QStringLiteral("--rate=%1").arg(rate)});
        player.waitForStarted();
        player.write(frames);
        player.closeWriteChannel();
    }

    // pactl's answer, for loading and unloading the sink as a device comes and goes.
    static QString pactl(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral("pactl"), arguments);
        process.waitForFinished();
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }

private:
    QTemporaryDir m_folder;
    QString m_socket;
    QProcess m_server;
    std::optional<Recording> m_recording;
};

