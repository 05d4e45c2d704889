#pragma once

#include "FigureExport.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

namespace commandline {

struct OpenWindow {};
struct ShowHelp {};
struct ShowVersion {};
// The one line that says what is wrong with the command line.
struct Refuse {
    QString problem;
};
using Task = std::variant<OpenWindow, ShowHelp, ShowVersion, figureexport::FigureExport, Refuse>;

// What korvana was asked to do, read from its arguments exactly as the system gave
// them, the program's name first. It only reads: it makes no application object and
// writes nothing, so that --help, --version and --export need no display.
Task parse(const QList<QByteArray> &arguments);
Task parse(int argc, const char *const argv[]);

// The options and what they do, headed by a usage line with the running program's name
// (which Qt takes from the application object, so one must exist).
QString helpText();

} // namespace commandline
