#pragma once

#include "SignalReading.h"

#include <QString>

namespace picture {

// A real signal's figure put into words, on a file and to a screen reader alike:
// "x 440 Hz, y 660 Hz", "b : a ≈ 3 : 2", with "няма сигнал" in place of a silent
// channel's hertz and the fraction left out where none is measured.
QString signalFrequencies(const sound::SignalReading &reading);
// "b : a ≈ 3 : 2", or that no fraction with terms up to 19 is near.
QString fractionLine(const sound::SignalReading &reading);
// Clipping, where either channel clips, or nothing.
QString signalTrouble(const sound::SignalReading &reading);
QString mismatchLine(const sound::SignalReading &reading);
// "Фигура на Лисажу от запис: x 440 Hz, y 660 Hz, b : a ≈ 3 : 2".
QString recordingTitle(const sound::SignalReading &reading);
// "Фигура на Лисажу от входа: x 440 Hz, y 660 Hz; b : a ≈ 3 : 2".
QString inputDescription(const sound::SignalReading &reading);

} // namespace picture
