#include "KorvanaTexts.h"

#include <sstream>

std::string figureDescription(double a, double b)
{
    std::ostringstream text;
    text << "Фигура на Лисажу за a = " << a << " и b = " << b;
    return text.str();
}
