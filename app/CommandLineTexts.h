#pragma once

#include "ExportFailure.h"
#include "ExportTexts.h"
#include "Language.h"

#include <QString>
#include <QtGlobal>

// The command line's texts, in English, each marked for lupdate in the context that
// Language::text() looks them up in; app/translations/korvana_*.ts holds their
// translations (app/CMakeLists.txt says how a new one gets there).
namespace commandline {

inline constexpr char description[] = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Draws Lissajous figures for the physics classroom. Without options it opens its window;\n"
    "with --export it writes the figure for two frequencies to a PNG, SVG or PDF file,\n"
    "or its two oscillations as stereo sound to a WAV file, left x and right y,\n"
    "or with --from the figure a stereo recording draws,\n"
    "and with --sheet a worksheet of figures for a quiz, with its key if asked, to a PDF file.");
inline constexpr char helpOption[] = QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit.");
inline constexpr char versionOption[] = QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit.");
inline constexpr char exportOption[] = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Write the figure to FILE, without a window; the type comes from its ending: .png, .svg, .pdf or .wav.");
// The lowest and highest frequency.
inline constexpr char xOption[] = QT_TRANSLATE_NOOP("CommandLine", "The frequency a of list X, %1 to %2.");
inline constexpr char yOption[] = QT_TRANSLATE_NOOP("CommandLine", "The frequency b of list Y, %1 to %2.");
// The smallest, largest and default side.
inline constexpr char sizeOption[] =
    QT_TRANSLATE_NOOP("CommandLine", "The picture's side in pixels, %1 to %2 (default %3).");
// The lowest, highest and default phase.
inline constexpr char phaseOption[] = QT_TRANSLATE_NOOP(
    "CommandLine", "The phase difference in degrees, %1 to %2 (default %3): x = sin(a t + phase), y = sin(b t).");
// The number of dots.
inline constexpr char dotsOption[] = QT_TRANSLATE_NOOP("CommandLine", "Lay the program's %1 dots over the line.");
// A sound: the lowest, highest and usual base tone; the shortest, longest and usual length.
inline constexpr char baseOption[] = QT_TRANSLATE_NOOP(
    "CommandLine", "A sound's base tone f0 in hertz, %1 to %2 (default %3): x sounds at a f0, y at b f0.");
inline constexpr char secondsOption[] =
    QT_TRANSLATE_NOOP("CommandLine", "A sound's length in seconds, %1 to %2 (default %3).");
// A recording's figure: the shortest, longest and usual stretch.
inline constexpr char fromOption[] = QT_TRANSLATE_NOOP(
    "CommandLine", "Draw the figure of a stereo recording FILE (WAV, FLAC or Ogg), left across and right upward, in place of -x and -y.");
inline constexpr char atOption[] =
    QT_TRANSLATE_NOOP("CommandLine", "Where in the recording its figure starts, in seconds (default 0).");
inline constexpr char spanOption[] = QT_TRANSLATE_NOOP(
    "CommandLine", "How much of the recording its figure draws, in milliseconds, %1 to %2 (default %3).");
// A worksheet: the most figures; the largest seed; the default title.
inline constexpr char sheetOption[] = QT_TRANSLATE_NOOP(
    "CommandLine", "Write a worksheet to FILE, a PDF, without a window: figures numbered for a quiz, without their answers.");
inline constexpr char pairsOption[] = QT_TRANSLATE_NOOP(
    "CommandLine", "The sheet's figures as a:b pairs, such as 1:2,2:3,19:18, %1 to %2 of them.");
inline constexpr char randomOption[] =
    QT_TRANSLATE_NOOP("CommandLine", "Instead, N different figures drawn at random, %1 to %2.");
inline constexpr char seedOption[] = QT_TRANSLATE_NOOP(
    "CommandLine", "The seed of the draw, 0 to %1: the same seed draws the same figures (default: a new one).");
inline constexpr char titleOption[] = QT_TRANSLATE_NOOP("CommandLine", "The sheet's title (default \"%1\").");
inline constexpr char answersOption[] =
    QT_TRANSLATE_NOOP("CommandLine", "Add the key after the quiz: each figure with its marks, counts and ratio.");
inline constexpr char paperOption[] = QT_TRANSLATE_NOOP("CommandLine", "The paper, a4 or letter (default a4).");

// What the help shows in place of an option's value.
inline constexpr char fileValue[] = QT_TRANSLATE_NOOP("CommandLine", "FILE");
inline constexpr char pixelsValue[] = QT_TRANSLATE_NOOP("CommandLine", "PIXELS");
inline constexpr char degreesValue[] = QT_TRANSLATE_NOOP("CommandLine", "DEG");
inline constexpr char listValue[] = QT_TRANSLATE_NOOP("CommandLine", "LIST");
inline constexpr char countValue[] = QT_TRANSLATE_NOOP("CommandLine", "N");
inline constexpr char seedValue[] = QT_TRANSLATE_NOOP("CommandLine", "S");
inline constexpr char textValue[] = QT_TRANSLATE_NOOP("CommandLine", "TEXT");
inline constexpr char paperValue[] = QT_TRANSLATE_NOOP("CommandLine", "PAPER");
inline constexpr char hertzValue[] = QT_TRANSLATE_NOOP("CommandLine", "HZ");
inline constexpr char secondsValue[] = QT_TRANSLATE_NOOP("CommandLine", "SECONDS");
inline constexpr char millisecondsValue[] = QT_TRANSLATE_NOOP("CommandLine", "MS");

// What is wrong with a command line, in one line.
inline constexpr char notUtf8[] =
    QT_TRANSLATE_NOOP("CommandLine", "'%1' is not valid UTF-8: only UTF-8 names and values are taken");
inline constexpr char unexpectedArgument[] = QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'");
inline constexpr char onlyWithExport[] = QT_TRANSLATE_NOOP("CommandLine", "%1 goes with --export");
inline constexpr char onlyWithRandom[] = QT_TRANSLATE_NOOP("CommandLine", "%1 goes with --random");
inline constexpr char onlyWithSheet[] = QT_TRANSLATE_NOOP("CommandLine", "%1 goes with --sheet");
inline constexpr char onlyWithSound[] = QT_TRANSLATE_NOOP("CommandLine", "%1 goes with a sound, a .wav file");
inline constexpr char onlyWithPicture[] = QT_TRANSLATE_NOOP("CommandLine", "%1 goes with a picture, not a sound");
inline constexpr char onlyWithFrom[] = QT_TRANSLATE_NOOP("CommandLine", "%1 goes with --from");
inline constexpr char notWithRecording[] =
    QT_TRANSLATE_NOOP("CommandLine", "%1 goes with a figure of frequencies, not with --from");
inline constexpr char recordingToSound[] =
    QT_TRANSLATE_NOOP("CommandLine", "--from draws a picture: use .png, .svg or .pdf");
inline constexpr char noRecordingName[] = QT_TRANSLATE_NOOP("CommandLine", "--from needs a file name");
// What is wrong with a recording, found before its samples are read: the file, then
// libsndfile's or the system's words; the file and its channels; the file, its
// length, then --at and --span as given and the length they need.
inline constexpr char notARecording[] = QT_TRANSLATE_NOOP("CommandLine", "'%1' is not a recording: %2");
inline constexpr char notStereo[] =
    QT_TRANSLATE_NOOP("CommandLine", "'%1' has %2 channel(s): a figure needs two, left for x and right for y");
inline constexpr char recordingTooShort[] =
    QT_TRANSLATE_NOOP("CommandLine", "'%1' lasts %2 s: --at %3 with --span %4 needs %5 s");
inline constexpr char recordingIsPicture[] =
    QT_TRANSLATE_NOOP("CommandLine", "'%1' is the recording: a recording is read, never written over");
// The file, then libsndfile's or the system's words.
inline constexpr char recordingBroken[] = QT_TRANSLATE_NOOP("CommandLine", "cannot read %1: %2");
inline constexpr char onlyWithExportOrSheet[] = QT_TRANSLATE_NOOP("CommandLine", "%1 goes with --export or --sheet");
inline constexpr char exportOrSheet[] = QT_TRANSLATE_NOOP("CommandLine", "--export and --sheet do not go together");
inline constexpr char sheetNotPdf[] =
    QT_TRANSLATE_NOOP("CommandLine", "a worksheet is written as a PDF: '%1' does not end in .pdf");
inline constexpr char pairsOrRandom[] = QT_TRANSLATE_NOOP("CommandLine", "--sheet needs either --pairs or --random");
inline constexpr char pairsAndRandom[] = QT_TRANSLATE_NOOP("CommandLine", "--pairs and --random do not go together");
// The item, the lowest and the highest frequency.
inline constexpr char notAPair[] =
    QT_TRANSLATE_NOOP("CommandLine", "--pairs: '%1' is not a:b with whole frequencies from %2 to %3");
// How many, and the most.
inline constexpr char pairCount[] = QT_TRANSLATE_NOOP("CommandLine", "--pairs names %1 figures: a sheet takes %2 to %3");
// The title's length in characters, and the most that two lines of the sheet hold.
inline constexpr char titleTooLong[] =
    QT_TRANSLATE_NOOP("CommandLine", "--title has %1 characters: a sheet's two title lines hold at most %2");
// The file name's length in bytes, and the most the system takes.
inline constexpr char pathTooLong[] =
    QT_TRANSLATE_NOOP("CommandLine", "the file name is %1 bytes long: the system takes at most %2");
inline constexpr char unknownPaper[] = QT_TRANSLATE_NOOP("CommandLine", "--paper '%1' is neither a4 nor letter");
inline constexpr char noFileName[] = QT_TRANSLATE_NOOP("CommandLine", "--export needs a file name");
inline constexpr char unknownFileType[] =
    QT_TRANSLATE_NOOP("CommandLine", "cannot tell the file type of '%1': use .png, .svg, .pdf or .wav");
// The option, the lowest and the highest frequency.
inline constexpr char missingFrequency[] =
    QT_TRANSLATE_NOOP("CommandLine", "--export needs -%1, a frequency from %2 to %3");
// The option, its value, the lowest and the highest.
inline constexpr char notInRange[] = QT_TRANSLATE_NOOP("CommandLine", "%1 '%2' is not a whole number from %3 to %4");
inline constexpr char notANumberInRange[] = QT_TRANSLATE_NOOP("CommandLine", "%1 '%2' is not a number from %3 to %4");

// The problem, then the program's name.
inline constexpr char seeHelp[] = QT_TRANSLATE_NOOP("CommandLine", "%1 (see %2 --help)");
// The system's reason.
inline constexpr char noStandardOutput[] = QT_TRANSLATE_NOOP("CommandLine", "cannot write to standard output: %1");

// Why an export or a worksheet could not even start; the limit given, then the least
// it needs (descriptors, or KiB of stack).
inline constexpr char noMemoryToStart[] = QT_TRANSLATE_NOOP("CommandLine", "not enough memory to start");
inline constexpr char fewDescriptorsToStart[] =
    QT_TRANSLATE_NOOP("CommandLine", "too few file descriptors to start (ulimit -n %1; it needs %2)");
inline constexpr char smallStackToStart[] =
    QT_TRANSLATE_NOOP("CommandLine", "too small a stack to start (ulimit -s %1; it needs %2)");

// Why an export failed: the file, then the reason.
inline constexpr char notWritten[] = QT_TRANSLATE_NOOP("CommandLine", "cannot write %1: %2");

// One of the window's sentences as the reason after a colon: its first letter small,
// without its full stop.
inline QString asReason(QString sentence)
{
    if (sentence.endsWith(QLatin1Char('.')))
        sentence.chop(1);
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toLower();
    return sentence;
}

// The program's own reasons: in the window's language the window's own sentences
// (export/ExportTexts.h), in any other these, which no translation is kept of.
inline figureexport::ExportFailure::Words reasons(const Language &language)
{
    if (language.isWindowLanguage()) {
        const figureexport::ExportFailure::Words &window = figureexport::reasons;
        return {
            .unknownType = asReason(window.unknownType),
            .noMemory = asReason(window.noMemory),
            .noMemoryForSize = asReason(window.noMemoryForSize),
            .notDrawn = asReason(window.notDrawn),
            .notRegularFile = asReason(window.notRegularFile),
            .printerNotOpened = asReason(window.printerNotOpened),
            .pageNotTaken = asReason(window.pageNotTaken),
        };
    }
    return {
        .unknownType = QStringLiteral("unknown file type"),
        .noMemory = QStringLiteral("not enough memory for the picture"),
        // The picture's side.
        .noMemoryForSize = QStringLiteral("not enough memory for a %1 × %1 picture"),
        // The format.
        .notDrawn = QStringLiteral("the picture could not be drawn as %1"),
        .notRegularFile = QStringLiteral("not a regular file"),
        .printerNotOpened = QStringLiteral("the printer could not be opened"),
        .pageNotTaken = QStringLiteral("the printer did not take the page"),
    };
}

// The same in every language: the program's name before a problem, and its version.
inline const QString complaint = QStringLiteral("%1: %2");
inline const QString version = QStringLiteral("%1 %2\n");

} // namespace commandline
