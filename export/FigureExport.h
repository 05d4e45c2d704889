#pragma once

#include "ExportLimits.h"
#include "Frequencies.h"
#include "Phase.h"

#include <QString>

namespace figureexport {

// A figure to be written to a file: the same request whether the command line or the
// window's save makes it, so that the two cannot differ. The file's ending gives the
// type; size is the side in pixels of a PNG or an SVG (a PDF's page is fixed).
struct FigureExport {
    QString file;
    figure::FrequencyPair frequencies;
    double phaseDegrees = figure::Phase::windowDegrees;
    int size = ExportLimits::defaultSide;
    bool withDots = false;
};

} // namespace figureexport
