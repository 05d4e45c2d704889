#pragma once

#include <QString>

namespace sheet {

// On the sheet itself.
inline const QString defaultTitle = QStringLiteral("Фигури на Лисажу");
// The key's title: the sheet's, then this; alone where the sheet has none.
inline const QString keyTitle = QStringLiteral("%1 — отговори");
inline const QString keyAlone = QStringLiteral("Отговори");
inline const QString studentLine = QStringLiteral("Име: ______________________________   Клас: ________");
inline const QString task = QStringLiteral("Запишете отношението b : a за всяка фигура, като преброите допиранията ѝ до горната и до дясната страна.");
inline const QString freeEndCounts = QStringLiteral("Свободен край на кривата се брои за половин допиране.");
inline const QString keyExplained = QStringLiteral("Под всяка фигура: отношението b : a и допиранията ѝ горе и отстрани; половин чертичка е свободен край, който се брои за половина.");
// The seed of random figures, which makes the same sheet again.
inline const QString variantText = QStringLiteral("Вариант %1");
// Where the quiz, and the key, take more than one page: the page, of how many.
inline const QString pageNumber = QStringLiteral("Страница %1 от %2");
// The phase, where it is not 90°.
inline const QString phaseLine = QStringLiteral("Фазова разлика φ = %1°");
// The figure's number, then the answer or what the line for it follows.
inline const QString numbered = QStringLiteral("%1.  %2");
inline const QString answerLead = QStringLiteral("b : a =");

// In the window.
inline const QString actionText = QStringLiteral("Работен лист…");
inline const QString dialogTitle = QStringLiteral("Работен лист");
inline const QString randomChoice = QStringLiteral("&Случайни фигури");
inline const QString countLabel = QStringLiteral("&Брой:");
inline const QString seedLabel = QStringLiteral("&Вариант:");
inline const QString seedHint = QStringLiteral("Един и същ вариант дава едни и същи фигури");
inline const QString chosenChoice = QStringLiteral("&Избрани двойки a:b");
inline const QString pairsName = QStringLiteral("Двойки a:b");
inline const QString pairsHint = QStringLiteral("Например 1:2, 2:3, 3:4 — от %1 до %2 двойки, честоти от %3 до %4");
inline const QString phaseLabel = QStringLiteral("&Фазова разлика:");
inline const QString titleLabel = QStringLiteral("&Заглавие:");
inline const QString keyChoice = QStringLiteral("С &ключ с отговорите след теста");
inline const QString previewButton = QStringLiteral("&Преглед…");
// What is wrong with the pairs: the item.
inline const QString notAPair = QStringLiteral("„%1“ не е двойка a:b с честоти от %2 до %3");
inline const QString noPairs = QStringLiteral("Няма избрани двойки");
inline const QString tooManyPairs = QStringLiteral("Най-много %1 двойки");
// The title's length and the most it may have.
inline const QString titleTooLong = QStringLiteral("Заглавието е дълго %1 знака, а на двата му реда се побират най-много %2");
// The reason; the file, then the reason.
inline const QString notPrinted = QStringLiteral("Работният лист не беше отпечатан.\n\nПричина: %1");
inline const QString notSaved = QStringLiteral("Работният лист не беше записан във файла\n%1\n\nПричина: %2\n\n"
                                               "Ако файлът е съществувал, той е останал непроменен.");

} // namespace sheet
