#include "KorvanaTexts.h"

#include "FrequencyText.h"
#include "TouchPoints.h"

#include <sstream>

std::string figureDescription(double a, double b)
{
    std::ostringstream text;
    text << "Фигура на Лисажу за a = " << a << " и b = " << b;
    const std::optional<int> wholeA = figure::wholeFrequency(a);
    const std::optional<int> wholeB = figure::wholeFrequency(b);
    if (wholeA && wholeB) {
        const figure::TouchPoints touches(*wholeA, *wholeB);
        text << "; допирания: горе " << figure::TouchPoints::countText(touches.topHalves()) << ", отстрани "
             << figure::TouchPoints::countText(touches.sideHalves());
    }
    return text.str();
}
