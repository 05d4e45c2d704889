#pragma once

#include "Frequencies.h"
#include "Phase.h"
#include "SheetTexts.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace sheet {

// A sheet of figures for a quiz: each numbered, without its answer, and if asked, a
// key after it with the marks, counts and ratio of each. The command line and the
// window's dialog both make one.
struct Worksheet {
    // As many as stay readable on one page.
    static constexpr int fewestFigures = 1;
    static constexpr int mostFigures = 48;
    static constexpr bool takes(int figures) { return figures >= fewestFigures && figures <= mostFigures; }
    // Seeds the program proposes stay below this: short enough to note.
    static constexpr std::uint32_t proposedSeeds = 100000;

    std::vector<figure::FrequencyPair> pairs;
    double phaseDegrees = figure::Phase::windowDegrees;
    QString title = defaultTitle;
    bool withKey = false;
    // The seed that random figures were drawn from: printed on both pages as the
    // sheet's variant, so that it and its key can be made again.
    std::optional<std::uint32_t> seed;
};

// A title as the sheet shows it: on one line, without control characters, which a
// page would show as boxes and a PDF reader pass on to a terminal.
QString titleFrom(const QString &typed);

} // namespace sheet
