#pragma once

#include "FigurePainter.h"
#include "RecordingFile.h"
#include "SignalReading.h"

#include <QString>

#include <optional>

namespace figureexport {

// A stretch of a stereo recording drawn as its figure, left across and right upward,
// with what was measured in it for its caption and title: so many milliseconds from
// a moment, a tenth of a second from the start unless asked otherwise. The recording
// is opened for reading only.
class RecordingFigure {
public:
    static constexpr double shortestSpanMilliseconds = 1;
    static constexpr double longestSpanMilliseconds = 10000;
    static constexpr double usualSpanMilliseconds = 100;
    // A day: later than any classroom's recording begins.
    static constexpr double latestAtSeconds = 86400;

    // The figure's points and words, or what is wrong with the recording: its problem,
    // with the system's or libsndfile's words where they say more.
    struct Read {
        std::optional<picture::FigurePainter::Signal> signal;
        sound::RecordingFile::Problem problem = sound::RecordingFile::Problem::None;
        QString detail;
        int channels = 0;
        double seconds = 0;
    };
    static Read read(const QString &recording, double atSeconds, double spanMilliseconds);

    // The figure of samples already read: its points, and its caption's words.
    static picture::FigurePainter::Signal signalOf(const sound::RecordingFile::Span &span, double atSeconds,
                                                   double spanMilliseconds);
};

} // namespace figureexport
