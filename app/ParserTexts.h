#pragma once

#include <QtGlobal>

// Qt's own texts that the command line shows, in QCommandLineParser's context. They
// are listed here so that lupdate keeps them, with their translations, in korvana's
// catalogue: Qt's own catalogue may not be installed.
namespace commandline {

inline constexpr char parserContext[] = "QCommandLineParser";

// What QCommandLineParser::errorText() says, %1 being the option; without an
// application it says it in English, and the command line translates it.
inline constexpr const char *parserErrors[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// The help's headings, which Qt translates itself once Language is installed in the
// application.
inline constexpr const char *helpHeadings[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
};

} // namespace commandline
