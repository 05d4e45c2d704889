#include "KorvanaTexts.h"

#include "TouchPoints.h"

#include <cmath>
#include <sstream>

std::string figureDescription(double a, double b)
{
    std::ostringstream text;
    text << "Фигура на Лисажу за a = " << a << " и b = " << b;
    const auto whole = [](double f) { return f >= 1 && f <= 100 && std::floor(f) == f; };
    if (whole(a) && whole(b)) {
        const figure::TouchPoints touches{int(a), int(b)};
        text << "; допирания: горе " << figure::TouchPoints::countText(touches.topHalves()) << ", отстрани "
             << figure::TouchPoints::countText(touches.sideHalves());
    }
    return text.str();
}
