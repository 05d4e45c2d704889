#pragma once

#include <QString>

#include <string_view>

// The figure's words on every surface: its caption, its title in a file and what a
// screen reader says of it, and what stands in its place while there is none.
namespace picture {

// What the plot area and the view say while no figure is drawn, and what the view
// adds to it as a hint.
inline const QString noFigure = QStringLiteral("Няма начертана фигура");
inline const QString noFigureHint = QStringLiteral("Изберете честоти и натиснете „Изведи“ в главния прозорец.");
inline const QString noFigureExplained = noFigure + QStringLiteral(". ") + noFigureHint;

// The caption's two lines: the frequencies, then the touch counts and the reading.
inline const QString frequenciesFormat = QStringLiteral("Честоти: a = %1 (X), b = %2 (Y)");
// Added to the frequencies where the phase is not the window's 90°.
inline const QString phaseFormat = QStringLiteral(", φ = %1°");
inline const QString touchesFormat = QStringLiteral("Допирания: %1");
inline const QString touchCountsFormat = QStringLiteral("горе %1, отстрани %2");
inline const QString readingFormat = QStringLiteral("b : a = %1 : %2");
// The touches, then the reading.
inline const QString countsFormat = QStringLiteral("%1 → %2");

// The figure's name, which every description and title starts with; in UTF-8 too,
// for the window's design table, which holds plain text.
inline constexpr std::string_view figureNameUtf8 = "Фигура на Лисажу";
inline const QString figureName = QString::fromUtf8(figureNameUtf8.data(), qsizetype(figureNameUtf8.size()));
// What a screen reader says the figure is: the frequencies and, for a figure that
// closes, the touches a student counts, with half touches in words.
inline const QString figureSpoken = figureName + QStringLiteral(" за a = %1 и b = %2");
inline const QString touchesSpoken = QStringLiteral("; допирания: горе %1, отстрани %2");
inline const QString halfSpoken = QStringLiteral("половина");
// A file's title, in the caption's order: the figure's name, a, b, then the phase
// part (or nothing) and the reading.
inline const QString titleFormat = QStringLiteral("%1: a = %2, b = %3%4, %5");
// The view's figure, with its phase in degrees.
inline const QString viewFigureSpoken = figureSpoken + QStringLiteral(" при фазова разлика %3°");
inline const QString andAHalfSpoken = QStringLiteral("%1 и половина");

// A real signal's figure, from a recording or the live input: each channel's
// frequency in whole hertz, or why it has none; the fraction its ratio is near.
inline const QString signalHertzFormat = QStringLiteral("%1 Hz");
inline const QString noSignal = QStringLiteral("няма сигнал");
inline const QString clipping = QStringLiteral("претоварване");
inline const QString signalFrequenciesFormat = QStringLiteral("x %1, y %2");
inline const QString nearFractionFormat = QStringLiteral("b : a ≈ %1 : %2");
inline const QString noNearFraction = QStringLiteral("отношението не е близо до дроб с числа до 19");
// The mismatch from the fraction, and the time the figure takes to turn once by it.
inline const QString mismatchFormat = QStringLiteral("Δf = %1 Hz: един оборот за 1/Δf = %2 с");
// What a recording's figure is called in its title, and the view's figure of the input.
// The fraction follows the frequencies after a comma in a title, after a semicolon
// in speech.
inline const QString recordingTitleFormat = figureName + QStringLiteral(" от запис: %1");
inline const QString withFraction = QStringLiteral(", %1");
inline const QString inputSpokenFormat = figureName + QStringLiteral(" от входа: %1");
inline const QString spokenWithFraction = QStringLiteral("; %1");
// A recording's caption: where in it and how long a stretch, then what was measured.
inline const QString recordingCaptionFormat = QStringLiteral("Запис от %1 с, %2 ms: %3");

} // namespace picture
