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
inline const QString oscillationsText = QStringLiteral("Покажи &трептенията");
inline const QString oscillationsHint =
    QStringLiteral("Точка обикаля кривата; под квадрата е трептенето x(t), до него — y(t), със сенките на точката.");
// The waves' names and the way their time runs: x(t) beneath the square, time down;
// y(t) beside it, time to the right.
inline const QString xWaveLabel = QStringLiteral("x(t)\nt ↓");
inline const QString yWaveLabel = QStringLiteral("y(t)   t →");
inline const QString turnLabel = QStringLiteral("&оборот за:");
inline const QString turnName = QStringLiteral("Време за един оборот на фазата");
inline const QString secondsSuffix = QStringLiteral(" с");

// What the plot area and the view say while no figure is drawn, and what the view
// adds to it as a hint.
inline const QString noFigure = QStringLiteral("Няма начертана фигура");
inline const QString noFigureHint = QStringLiteral("Изберете честоти и натиснете „Изведи“ в главния прозорец.");
inline const QString noFigureExplained = noFigure + QStringLiteral(". ") + noFigureHint;
// Why the dots box is off at another phase.
inline const QString dotsOnlyAtWindowPhase =
    QStringLiteral("Точките на програмата лежат само на фигурата от главния прозорец, при φ = %1°.");

// The caption's two lines: the frequencies, then the touch counts and the reading.
inline const QString frequenciesFormat = QStringLiteral("Честоти: a = %1 (X), b = %2 (Y)");
// Added to the frequencies where the phase is not the window's 90°.
inline const QString phaseFormat = QStringLiteral(", φ = %1°");
inline const QString touchesFormat = QStringLiteral("Допирания: %1");
inline const QString touchCountsFormat = QStringLiteral("горе %1, отстрани %2");
inline const QString readingFormat = QStringLiteral("b : a = %1 : %2");
// The touches, then the reading.
inline const QString countsFormat = QStringLiteral("%1 → %2");

// What a screen reader says the figure is: the frequencies and, for a figure that
// closes, the touches a student counts, with half touches in words.
inline const QString figureSpoken = QStringLiteral("Фигура на Лисажу за a = %1 и b = %2");
inline const QString touchesSpoken = QStringLiteral("; допирания: горе %1, отстрани %2");
inline const QString halfSpoken = QStringLiteral("половина");
// The view's figure, with its phase in degrees.
inline const QString figureName = QStringLiteral("Фигура на Лисажу");
// A file's title, in the caption's order: the figure's name, a, b, then the phase
// part (or nothing) and the reading.
inline const QString titleFormat = QStringLiteral("%1: a = %2, b = %3%4, %5");
inline const QString viewFigureSpoken = QStringLiteral("Фигура на Лисажу за a = %1 и b = %2 при фазова разлика %3°");
inline const QString andAHalfSpoken = QStringLiteral("%1 и половина");

} // namespace closeup
