#pragma once

#include <QString>

namespace sound {

// Why the sound stopped or did not start, said beside its switch and to a screen
// reader; %1 is the output's name.
inline const QString noOutput = QStringLiteral("Звукът е спрян: няма изход за звук.");
inline const QString outputGone = QStringLiteral("Звукът е спрян: изходът „%1“ изчезна.");
inline const QString outputRefused = QStringLiteral("Звукът е спрян: изходът „%1“ не се отваря.");
inline const QString outputFailed = QStringLiteral("Звукът е спрян: изходът „%1“ отказа.");
inline const QString formatRefused = QStringLiteral("Звукът е спрян: изходът „%1“ не приема 16-битов стерео звук.");

} // namespace sound
