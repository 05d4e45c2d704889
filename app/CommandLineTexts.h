#pragma once

#include "ExportFailure.h"

#include <QString>

namespace commandline {

inline const QString description = QStringLiteral(
    "Draws Lissajous figures for the physics classroom. Without options it opens its window;\n"
    "with --export it writes the figure for two frequencies to a PNG, SVG or PDF file.");
inline const QString helpOption = QStringLiteral("Show this help and exit.");
inline const QString versionOption = QStringLiteral("Show the version and exit.");
inline const QString exportOption =
    QStringLiteral("Write the figure to FILE, without a window; the type comes from its ending: .png, .svg or .pdf.");
// The lowest and highest frequency.
inline const QString xOption = QStringLiteral("The frequency a of list X, %1 to %2.");
inline const QString yOption = QStringLiteral("The frequency b of list Y, %1 to %2.");
// The smallest, largest and default side.
inline const QString sizeOption = QStringLiteral("The picture's side in pixels, %1 to %2 (default %3).");
// The lowest, highest and default phase.
inline const QString phaseOption =
    QStringLiteral("The phase difference in degrees, %1 to %2 (default %3): x = sin(a t + phase), y = sin(b t).");
// The number of dots.
inline const QString dotsOption = QStringLiteral("Lay the program's %1 dots over the line.");

// What is wrong with a command line, in one line.
inline const QString notUtf8 = QStringLiteral("'%1' is not valid UTF-8: only UTF-8 names and values are taken");
inline const QString unexpectedArgument = QStringLiteral("unexpected argument '%1'");
inline const QString onlyWithExport = QStringLiteral("%1 goes with --export");
inline const QString noFileName = QStringLiteral("--export needs a file name");
inline const QString unknownFileType = QStringLiteral("cannot tell the file type of '%1': use .png, .svg or .pdf");
// The option, the lowest and the highest frequency.
inline const QString missingFrequency = QStringLiteral("--export needs -%1, a frequency from %2 to %3");
// The option, its value, the lowest and the highest.
inline const QString notInRange = QStringLiteral("%1 '%2' is not a whole number from %3 to %4");

// How the program ends a line about a problem: its name, the problem, and a hint.
inline const QString complaint = QStringLiteral("%1: %2");
inline const QString seeHelp = QStringLiteral("%1 (see %2 --help)");
inline const QString version = QStringLiteral("%1 %2\n");
inline const QString noStandardOutput = QStringLiteral("cannot write to standard output: %1");

// Why an export failed: the file, then the reason; the program's own reasons.
inline const QString notWritten = QStringLiteral("cannot write %1: %2");
inline const figureexport::ExportFailure::Words reasons = {
    .unknownType = QStringLiteral("unknown file type"),
    .noMemory = QStringLiteral("not enough memory for the picture"),
    .noMemoryForSize = QStringLiteral("not enough memory for a %1 × %1 picture"),
    .notDrawn = QStringLiteral("the picture could not be drawn as %1"),
    .notRegularFile = QStringLiteral("not a regular file"),
    .printerNotOpened = QStringLiteral("the printer could not be opened"),
    .pageNotTaken = QStringLiteral("the printer did not take the page"),
};

} // namespace commandline
