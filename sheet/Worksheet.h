#pragma once

#include "Frequencies.h"
#include "Phase.h"
#include "SheetTexts.h"

#include <QString>

#include <vector>

namespace sheet {

// A sheet of figures for a quiz: each numbered, without its answer, and if asked, a
// key after it with the marks, counts and ratio of each. The command line and the
// window's dialog both make one.
struct Worksheet {
    // As many as stay readable on one page.
    static constexpr int fewestFigures = 1;
    static constexpr int mostFigures = 48;

    std::vector<figure::FrequencyPair> pairs;
    double phaseDegrees = figure::Phase::windowDegrees;
    QString title = defaultTitle;
    bool withKey = false;
};

} // namespace sheet
