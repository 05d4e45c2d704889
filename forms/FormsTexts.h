#pragma once

#include <QLocale>
#include <QString>

namespace forms {

// The language every window speaks, Qt's own texts in them too.
inline constexpr QLocale::Language windowLanguage = QLocale::Bulgarian;

// A run-time error's message: its number, then its description.
inline const QString runtimeErrorMessage = QStringLiteral("Грешка при изпълнение '%1':\n\n%2");

// The run-time errors' descriptions, by their numbers.
inline const QString outOfMemoryText = QStringLiteral("Недостатъчно памет");
inline const QString overflowText = QStringLiteral("Препълване: изчислението с плаваща запетая не дава крайно число");
inline const QString typeMismatchText = QStringLiteral("Несъответствие на типовете");
// The index.
inline const QString elementMissingText = QStringLiteral("Елемент %1 на масива от контроли не съществува");
inline const QString invalidPropertyValueText = QStringLiteral("Невалидна стойност на свойство");
inline const QString invalidPropertyIndexText = QStringLiteral("Невалиден индекс в масив на свойство");
inline const QString objectRequiredText = QStringLiteral("Изисква се обект");

// Why no window could open, on stderr in English, after the program's name.
inline const QString noWindowLine = QStringLiteral("%1: %2");
inline const QString unsetValue = QStringLiteral("unset");
// DISPLAY, then the program.
inline const QString noXDisplay =
    QStringLiteral("no X display to open the window on (DISPLAY=%1); start it on a desktop, or without one as: xvfb-run %2");
// WAYLAND_DISPLAY, then XDG_RUNTIME_DIR.
inline const QString noCompositor =
    QStringLiteral("no Wayland compositor to open the window on (WAYLAND_DISPLAY=%1, XDG_RUNTIME_DIR=%2); start it "
                   "in a Wayland session, or unset QT_QPA_PLATFORM");
// The platform asked for, then those Qt has.
inline const QString noSuchPlatform =
    QStringLiteral("Qt has no platform '%1' (QT_QPA_PLATFORM); unset it, or use one of: %2");
inline const QString platformFailed =
    QStringLiteral("the platform '%1' (QT_QPA_PLATFORM) could not be started; unset it to use the desktop");

// What is too short to start the window with, on stderr in English, after the
// program's name; the limit given, then the least it needs.
inline const QString noMemoryToStart = QStringLiteral("not enough memory to start");
inline const QString fewDescriptorsToStart =
    QStringLiteral("too few file descriptors to start (ulimit -n %1; it needs %2)");
inline const QString smallStackToStart = QStringLiteral("too small a stack to start (ulimit -s %1; it needs %2)");

} // namespace forms
