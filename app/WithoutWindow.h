#pragma once

#include "CommandLine.h"

#include <optional>

// Does what the command line asked that needs no window, and says with what exit
// status the program ends: help and version, 0; a refused command line, one line on
// stderr and 2; an export (a picture or a sound) or a worksheet, 0 when the file is
// written and 1 when it cannot be.
// Nothing when the window is to open. It speaks the language.
std::optional<int> runWithoutWindow(const commandline::Task &task, int argc, char *argv[],
                                    commandline::Language &language);
