#pragma once

#include <QString>

#include <span>

namespace forms {

// A font family that the windows are designed in but a system may lack, and the
// metric-compatible family that stands in for it, from a font file shipped with the
// program.
struct FontSubstitute {
    const char *designed;
    const char *substitute;
    const char *file;
};

// What the Windows build ships in the folder below: Wine, for one, has no Times New
// Roman, and Qt's own fallback for it there is a symbol font.
std::span<const FontSubstitute> shippedFontSubstitutes();

// The folder beside the program that holds the shipped font files.
QString shippedFontFolder();

// For each designed family that Qt's font database lacks, loads its substitute's file
// from the folder and has Qt draw that family instead. Families the system has are
// left alone, and so is one whose file the folder lacks (as on Linux, where fontconfig
// finds the substitutes itself). Needs the application object.
void substituteMissingFonts(std::span<const FontSubstitute> substitutes, const QString &folder);

} // namespace forms
