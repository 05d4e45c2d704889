#pragma once

#include "ExportFailure.h"

#include <QString>

namespace figureexport {

inline const QString copyText = QStringLiteral("Копирай картината");
inline const QString saveText = QStringLiteral("Запази картината като…");
inline const QString printText = QStringLiteral("Отпечатай…");
inline const QString saveTitle = QStringLiteral("Запазване на картината");
inline const QString fileTypes =
    QStringLiteral("Изображение PNG (*.png);;Векторна графика SVG (*.svg);;Документ PDF (*.pdf);;Звук (*.wav)");
inline const QString pngOnly = QStringLiteral("Изображение PNG (*.png)");
inline const QString sizeTitle = QStringLiteral("Размер на изображението");
inline const QString sizeLabel = QStringLiteral("Страна на квадратното изображение в пиксели:");

// The name a save proposes, from a and b, or for no figure.
inline const QString suggestedName = QStringLiteral("lissajous-a%1-b%2.png");
// From a, b and a phase other than the window's.
inline const QString suggestedNameWithPhase = QStringLiteral("lissajous-a%1-b%2-p%3.png");
inline const QString suggestedNameWithoutFigure = QStringLiteral("lissajous.png");

// The PNG text chunk that names the picture, as other programs read it.
inline const QString pngTitleKey = QStringLiteral("Title");

// The file, then the reason.
inline const QString notSaved = QStringLiteral("Картината не беше записана във файла\n%1\n\nПричина: %2\n\n"
                                               "Ако файлът е съществувал, той е останал непроменен.");
// The reason.
inline const QString notCopied = QStringLiteral("Картината не беше копирана.\n\nПричина: %1");
inline const QString notPrinted = QStringLiteral("Картината не беше отпечатана.\n\nПричина: %1");

// The reasons the program gives itself.
inline const ExportFailure::Words reasons = {
    .unknownType = QStringLiteral("Името на файла трябва да завършва на .png, .svg или .pdf."),
    .noMemory = QStringLiteral("Няма достатъчно памет за картината."),
    .noMemoryForSize = QStringLiteral("Няма достатъчно памет за картина %1 × %1 пиксела."),
    .notDrawn = QStringLiteral("Картината не можа да бъде изчертана като %1."),
    .notRegularFile = QStringLiteral("Това не е обикновен файл, а папка, устройство или друг специален файл."),
    .printerNotOpened = QStringLiteral("Принтерът не можа да бъде отворен."),
    .pageNotTaken = QStringLiteral("Принтерът не прие страницата."),
};

} // namespace figureexport
