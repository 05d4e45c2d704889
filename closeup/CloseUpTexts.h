#pragma once

#include <QString>

namespace closeup {

inline const QString viewTitle = QStringLiteral("Фигурата отблизо - Korvana");
inline const QString showDotsText = QStringLiteral("Покажи и %1-те точки на програмата");
inline const QString countsName = QStringLiteral("Допирания");
inline const QString readingName = QStringLiteral("Отчет");

// The view's own values: what their labels show and what a screen reader calls them.
inline const QString aLabel = QStringLiteral("&a:");
inline const QString bLabel = QStringLiteral("&b:");
inline const QString phaseLabel = QStringLiteral("&Фаза φ:");
inline const QString aName = QStringLiteral("Честота a");
inline const QString bName = QStringLiteral("Честота b");
inline const QString phaseName = QStringLiteral("Фазова разлика");
inline const QString degreesSuffix = QStringLiteral("°");
// The value's name: the keys that change it.
inline const QString valueKeys =
    QStringLiteral("%1: стрелките нагоре и надолу я променят с една стъпка, Page Up и Page Down — с десет; "
                   "Tab минава към следващата стойност");

// The drift: the phase advancing on its own, one turn in the time chosen.
inline const QString driftText = QStringLiteral("&Дрейф");
inline const QString driftKeys = QStringLiteral("Интервалът пуска и спира дрейфа: фазата расте сама, както при генератор, "
                                                "малко отклонен от точното отношение.");
inline const QString turnLabel = QStringLiteral("&оборот за:");
inline const QString turnName = QStringLiteral("Време за един оборот на фазата");
inline const QString secondsSuffix = QStringLiteral(" с");

inline const QString oscillationsText = QStringLiteral("Покажи &трептенията");
inline const QString oscillationsHint =
    QStringLiteral("Точка обикаля кривата; под квадрата е трептенето x(t), до него — y(t), със сенките на точката.");
// The waves' names and the way their time runs: x(t) beneath the square, time down;
// y(t) beside it, time to the right.
inline const QString xWaveLabel = QStringLiteral("x(t)\nt ↓");
inline const QString yWaveLabel = QStringLiteral("y(t)   t →");

// The figure as sound: x(t) on the left, y(t) on the right, at multiples of a base tone.
inline const QString soundName = QStringLiteral("Звук");
inline const QString soundText = QStringLiteral("Зву&к");
inline const QString soundKeys = QStringLiteral("F9 пуска и спира звука: левият канал е x(t), десният — y(t); "
                                                "осцилоскоп в режим XY чертае с тях фигурата.");
inline const QString baseLabel = QStringLiteral("Основен т&он:");
inline const QString baseName = QStringLiteral("Основен тон");
inline const QString hertzSuffix = QStringLiteral(" Hz");
inline const QString outputLabel = QStringLiteral("&Изход:");
inline const QString outputName = QStringLiteral("Изход за звук");
// The first device in a list of outputs or inputs: whichever the system uses, %1 now.
inline const QString usualDevice = QStringLiteral("По подразбиране (%1)");
// What the two tones are in hertz, as a laboratory generator shows them, and the drift
// as the mismatch it stands for: the figure turns once in 1/Δf seconds.
inline const QString soundLine = QStringLiteral("Звук: x %1 Hz, y %2 Hz");
inline const QString mismatchLine = QStringLiteral("; Δf = %1 Hz: един оборот за 1/Δf = %2 с");

// Real signals from the sound card's input, drawn as an oscilloscope in XY mode draws
// them: left across, right upward.
inline const QString inputName = QStringLiteral("Вход");
inline const QString inputText = QStringLiteral("&Вход");
inline const QString inputKeys = QStringLiteral("F8 пуска и спира входа: левият канал чертае хоризонтално, десният — "
                                                "вертикално, като осцилоскоп в режим XY; интервалът спира следата.");
inline const QString inputListLabel = QStringLiteral("Вход &за звук:");
inline const QString inputListName = QStringLiteral("Вход за звук");
inline const QString gainLabel = QStringLiteral("&Усилване:");
inline const QString gainName = QStringLiteral("Усилване");
inline const QString decibelSuffix = QStringLiteral(" dB");
// What a real input brings, said beside its controls: one channel silent.
inline const QString channelSilent = QStringLiteral("няма сигнал на %1");
inline const QString frozenTrace = QStringLiteral("следата е спряна");
// Why the figure's copy, save and print are off while a trace is shown.
inline const QString traceInPlace =
    QStringLiteral("На мястото на фигурата е входът или запис: изключете „Вход“ или изведете фигура.");

// Why the dots box is off at another phase.
inline const QString dotsOnlyAtWindowPhase =
    QStringLiteral("Точките на програмата лежат само на фигурата от главния прозорец, при φ = %1°.");

} // namespace closeup
