#pragma once

#include <QString>

namespace figure {
class TouchPoints;
}

namespace closeup {

inline const QString viewTitle = QStringLiteral("Фигурата отблизо - Korvana");
inline const QString noFigureText =
    QStringLiteral("Няма начертана фигура. Изберете честоти и натиснете „Изведи“ в главния прозорец.");
inline const QString showDotsText = QStringLiteral("Покажи и 2001-те точки на програмата");

// The frequencies and the oscilloscope reading of the figure, as two lines:
// "a = 2 (X), b = 3 (Y)" and "горе 1½, отстрани 1 → b : a = 3 : 2".
QString frequenciesLine(int a, int b);
QString countsLine(const figure::TouchPoints &touches);

} // namespace closeup
