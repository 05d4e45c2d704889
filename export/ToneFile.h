#pragma once

#include "ExportFailure.h"
#include "Tones.h"

#include <QString>

namespace figureexport {

// A figure's two oscillations as a WAV file (sound::WaveFile), written whole or not
// at all as every other file.
class ToneFile {
public:
    // What a save from the view writes: ten seconds of its figure.
    static constexpr double viewSeconds = 10;

    // Whether a file of this name is a sound, by its ending.
    static bool isSound(const QString &path);
    static ExportResult write(const QString &path, const sound::Tones &tones, double seconds);
};

} // namespace figureexport
