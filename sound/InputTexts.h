#pragma once

#include <QString>

namespace sound {

// Why the input stopped or did not start, said beside its switch and to a screen
// reader; %1 is the input's name.
inline const QString noInput = QStringLiteral("Входът е спрян: няма вход за звук.");
inline const QString inputGone = QStringLiteral("Входът е спрян: входът „%1“ изчезна.");
inline const QString inputRefused = QStringLiteral("Входът е спрян: входът „%1“ не се отваря.");
inline const QString inputFailed = QStringLiteral("Входът е спрян: входът „%1“ отказа.");
inline const QString inputFormatRefused = QStringLiteral("Входът е спрян: входът „%1“ не дава 16-битов стерео звук.");

} // namespace sound
