#include "RecordingFigure.h"

#include "PictureTexts.h"
#include "SignalWords.h"

#include <QFile>
#include <QLocale>

namespace figureexport {

namespace {

using sound::RecordingFile;

// The recording's bytes as libsndfile asks for them, from a file open for reading.
class FileSource : public RecordingFile::Source {
public:
    explicit FileSource(QFile &file)
        : m_file(file)
    {
    }
    std::int64_t size() override { return m_file.size(); }
    std::int64_t seek(std::int64_t position) override { return m_file.seek(position) ? m_file.pos() : -1; }
    std::int64_t tell() override { return m_file.pos(); }
    std::int64_t read(void *into, std::int64_t count) override { return m_file.read(static_cast<char *>(into), count); }

private:
    QFile &m_file;
};

constexpr double millisecondsPerSecond = 1000;

} // namespace

RecordingFigure::Read RecordingFigure::read(const QString &recording, double atSeconds, double spanMilliseconds)
{
    Read read;
    QFile file(recording);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = RecordingFile::Problem::NotARecording;
        read.detail = file.errorString();
        return read;
    }
    FileSource source(file);
    const RecordingFile::Span span = RecordingFile::read(source, atSeconds, spanMilliseconds / millisecondsPerSecond);
    read.problem = span.problem;
    read.detail = QString::fromStdString(span.detail);
    read.channels = span.channels;
    read.seconds = span.seconds;
    // A file that breaks while read may say so only through the file's own error.
    if (span.problem == RecordingFile::Problem::Broken && file.error() != QFileDevice::NoError)
        read.detail = file.errorString();
    if (span.problem == RecordingFile::Problem::None)
        read.signal = signalOf(span, atSeconds, spanMilliseconds);
    return read;
}

picture::FigurePainter::Signal RecordingFigure::signalOf(const RecordingFile::Span &span, double atSeconds,
                                                        double spanMilliseconds)
{
    const sound::SignalReading reading = sound::SignalReading::of(span.samples, span.rate);
    picture::FigurePainter::Signal signal;
    signal.points.reserve(span.samples.size() / 2);
    for (std::size_t n = 0; n + 1 < span.samples.size(); n += 2)
        signal.points.emplace_back(span.samples[n], span.samples[n + 1]);
    const QLocale bulgarian(QLocale::Bulgarian);
    QString measured = picture::signalFrequencies(reading);
    if (const QString trouble = picture::signalTrouble(reading); !trouble.isEmpty())
        measured += QStringLiteral("; ") + trouble;
    signal.caption = picture::recordingCaptionFormat.arg(bulgarian.toString(atSeconds), bulgarian.toString(spanMilliseconds),
                                                         measured)
                     + QLatin1Char('\n') + picture::fractionLine(reading);
    signal.title = picture::recordingTitle(reading);
    signal.description = signal.title;
    return signal;
}

} // namespace figureexport
