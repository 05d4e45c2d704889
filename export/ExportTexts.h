#pragma once

#include <QString>

namespace figureexport {

inline const QString copyText = QStringLiteral("Копирай картината");
inline const QString saveText = QStringLiteral("Запази картината като…");
inline const QString printText = QStringLiteral("Отпечатай…");
inline const QString saveTitle = QStringLiteral("Запазване на картината");
inline const QString fileTypes = QStringLiteral("Изображение PNG (*.png);;Векторна графика SVG (*.svg);;Документ PDF (*.pdf)");
inline const QString pngOnly = QStringLiteral("Изображение PNG (*.png)");
inline const QString sizeTitle = QStringLiteral("Размер на изображението");
inline const QString sizeLabel = QStringLiteral("Страна на квадратното изображение в пиксели:");
inline const QString unknownType = QStringLiteral("Името на файла трябва да завършва на .png, .svg или .pdf.");
// The file, then the reason.
inline const QString notSaved = QStringLiteral("Картината не беше записана във файла\n%1\n\nПричина: %2\n\n"
                                               "Ако файлът е съществувал, той е останал непроменен.");
// The reason.
inline const QString notCopied = QStringLiteral("Картината не беше копирана.\n\nПричина: %1");
inline const QString notPrinted = QStringLiteral("Картината не беше отпечатана.\n\nПричина: %1");

} // namespace figureexport
