#pragma once

#include "ExportFailure.h"

#include <QString>

namespace figureexport {

inline const QString copyText = QStringLiteral("Копирай картината");
inline const QString saveText = QStringLiteral("Запази картината като…");
inline const QString printText = QStringLiteral("Отпечатай…");
// A recording's figure, drawn in the view.
inline const QString openRecordingText = QStringLiteral("Отвори запис…");
inline const QString openRecordingTitle = QStringLiteral("Отваряне на запис");
inline const QString recordingTypes = QStringLiteral("Стереозапис (*.wav *.flac *.ogg *.oga);;Всички файлове (*)");
// The file, then the reason.
inline const QString notOpened = QStringLiteral("Записът\n%1\nне беше отворен.\n\nПричина: %2");
// The reasons a recording gives: its channels; its length and the length a figure needs.
inline const QString notStereoReason = QStringLiteral("Записът има %1 канал(а), а фигурата изисква два: левия за x и десния за y.");
inline const QString tooShortReason = QStringLiteral("Записът трае %1 с, а фигурата изисква %2 с.");
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
