#include "ToneFile.h"

#include "WaveFile.h"
#include "WholeFile.h"

namespace figureexport {

bool ToneFile::isSound(const QString &path)
{
    return path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

ExportResult ToneFile::write(const QString &path, const sound::Tones &tones, double seconds)
{
    const sound::WaveFile::Encoded wave = sound::WaveFile::encode(tones, seconds);
    // libsndfile's own words, where it could not make the sound.
    if (!wave.failure.empty())
        return ExportFailure{.kind = ExportFailure::Kind::NotWritten, .file = path,
                             .systemReason = QString::fromStdString(wave.failure)};
    return WholeFile::write(path, QByteArray(wave.bytes.data(), qsizetype(wave.bytes.size())));
}

} // namespace figureexport
