#include "KorvanaTexts.h"

#include "FrequencyText.h"
#include "TouchPoints.h"

#include <sstream>

namespace {

// A count of half touches in words: speech-dispatcher turns "1½" into "11⁄2", which
// a synthesizer reads as eleven and two.
std::string spokenCount(int halves)
{
    const std::string whole = std::to_string(halves / 2);
    if (halves % 2 == 0)
        return whole;
    return halves == 1 ? "половина" : whole + " и половина";
}

} // namespace

std::string figureDescription(double a, double b)
{
    std::ostringstream text;
    text << "Фигура на Лисажу за a = " << a << " и b = " << b;
    const std::optional<int> wholeA = figure::wholeFrequency(a);
    const std::optional<int> wholeB = figure::wholeFrequency(b);
    if (wholeA && wholeB) {
        const figure::TouchPoints touches(*wholeA, *wholeB);
        text << "; допирания: горе " << spokenCount(touches.topHalves()) << ", отстрани "
             << spokenCount(touches.sideHalves());
    }
    return text.str();
}
