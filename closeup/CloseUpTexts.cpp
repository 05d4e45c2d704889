#include "CloseUpTexts.h"

#include "TouchPoints.h"

#include <numeric>

namespace closeup {

QString frequenciesLine(int a, int b)
{
    return QStringLiteral("Честоти: a = %1 (X), b = %2 (Y)").arg(a).arg(b);
}

QString countsLine(const figure::TouchPoints &touches)
{
    // The ratio of the counts in lowest terms: what the student reads off for b : a.
    const int top = touches.topHalves();
    const int side = touches.sideHalves();
    const int common = std::gcd(top, side);
    return QStringLiteral("Допирания: горе %1, отстрани %2 → b : a = %3 : %4")
        .arg(QString::fromStdString(figure::TouchPoints::countText(top)),
             QString::fromStdString(figure::TouchPoints::countText(side)))
        .arg(top / common)
        .arg(side / common);
}

} // namespace closeup
