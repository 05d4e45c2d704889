#pragma once

#include "Rgb.h"

#include <QColor>
#include <QString>

#include <string_view>

// Design data and the windows' code speak UTF-8 and Rgb; Qt speaks QString and QColor.
namespace forms {

inline QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline QColor qtColour(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

} // namespace forms
