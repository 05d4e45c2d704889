#pragma once

#include "Frequencies.h"
#include "Phase.h"

#include <QString>

namespace figure {
class TouchPoints;
}

namespace picture {

// The figure put into words: the two lines of its caption,
// "Честоти: a = 2 (X), b = 3 (Y)" and "Допирания: горе 1½, отстрани 1 → b : a = 3 : 2",
// and what a screen reader says of it.
QString frequenciesLine(figure::FrequencyPair frequencies, double phaseDegrees = figure::Phase::windowDegrees);
// A phase as it is written: whole degrees, 0 to 359.
QString degreesText(double phaseDegrees);
QString countsLine(const figure::TouchPoints &touches);
// Its two parts: "Допирания: горе 1½, отстрани 1" and "b : a = 3 : 2"; the counts
// alone, "горе 1½, отстрани 1", where there is no room to name them.
QString touchesLine(const figure::TouchPoints &touches);
QString touchCounts(const figure::TouchPoints &touches);
QString readingLine(const figure::TouchPoints &touches);

// "Фигура на Лисажу за a = 2 и b = 3; допирания: горе 1 и половина, отстрани 1": the
// touches only where the frequencies make a figure that closes.
QString figureDescription(double a, double b);
QString figureDescription(figure::FrequencyPair frequencies, const figure::TouchPoints &touches);
// A file's title: "Фигура на Лисажу: a = 2, b = 3, b : a = 3 : 2", the phase after b
// where it is not 90°.
QString figureTitle(figure::FrequencyPair frequencies, double phaseDegrees, const figure::TouchPoints &touches);

// The view's figure, whose phase is its own: "Фигура на Лисажу за a = 1 и b = 1 при
// фазова разлика 0°; допирания: горе половина, отстрани половина".
QString viewDescription(figure::FrequencyPair frequencies, double phaseDegrees, const figure::TouchPoints &touches);

} // namespace picture
