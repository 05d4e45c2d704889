#pragma once

#include "FigureExport.h"
#include "Language.h"
#include "Tones.h"
#include "Worksheet.h"

#include <QByteArray>
#include <QList>
#include <QPageSize>
#include <QString>

#include <optional>
#include <variant>

namespace commandline {

struct OpenWindow {};
struct ShowHelp {};
struct ShowVersion {};
// The one line that says what is wrong with the command line.
struct Refuse {
    QString problem;
};
// A worksheet to be written to a PDF file on paper of the size named: its figures
// named, or so many drawn at random from its seed, or from a new one when it is
// written.
struct WriteSheet {
    QString file;
    sheet::Worksheet sheet;
    std::optional<int> randomCount;
    QPageSize::PageSizeId paper = QPageSize::A4;
};
// A figure's two oscillations as a WAV file of so many seconds.
struct WriteTones {
    QString file;
    sound::Tones tones;
    double seconds;
};
// A stretch of a stereo recording drawn as its figure, to a picture file of side
// pixels.
struct DrawRecording {
    QString file;
    QString recording;
    double atSeconds = 0;
    double spanMilliseconds = 0;
    int size = 0;
};
using Task = std::variant<OpenWindow, ShowHelp, ShowVersion, figureexport::FigureExport, WriteTones, DrawRecording,
                          WriteSheet, Refuse>;

// What korvana was asked to do, read from its arguments exactly as the system gave
// them, the program's name first, with what is wrong said in the language. It only
// reads: it makes no application object and writes nothing, so that --help, --version
// --export and --sheet need no display.
Task parse(const QList<QByteArray> &arguments, const Language &language);
Task parse(int argc, const char *const argv[], const Language &language);

// The options and what they do, in the language, headed by a usage line with the
// running program's name (which Qt takes from the application object, so one must
// exist; with the language installed in it, Qt's headings speak it too).
QString helpText(const Language &language);

} // namespace commandline
