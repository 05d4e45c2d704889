#include "TouchPoints.h"

#include <QTest>

#include <vector>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <ranges>

class tst_TouchPoints : public QObject {
    Q_OBJECT

private slots:
    void everyPairTouchesOnTheCurveAsTheRatioSays();
    void everyPhaseKeepsTheRatio();
    void handCheckedFigures_data();
    void handCheckedFigures();
};

void tst_TouchPoints::everyPairTouchesOnTheCurveAsTheRatioSays()
{
    using std::numbers::pi;
    // x = cos(a t), y = sin(b t) is the curve of a / g and b / g, g their greatest
    // common divisor, passed g times. It is open, traced there and back between two
    // corners, exactly when a / g is even, and then passes each touch twice. So the top
    // has b / g touches and the side a / g, halved for an open figure: top : side = b : a.
    for (int a = 1; a <= 19; ++a) {
        for (int b = 1; b <= 19; ++b) {
            const int g = std::gcd(a, b);
            const int halves = (a / g) % 2 == 0 ? 1 : 2;
            const figure::TouchPoints touches(a, b);
            const QString pair = QStringLiteral("%1 : %2").arg(a).arg(b);
            QVERIFY2(touches.topHalves() == b / g * halves && touches.sideHalves() == a / g * halves, qPrintable(pair));
            // On the top edge the curve is where sin(b t) = 1, at t = (pi / 2 + 2 pi k) / b,
            // on the right edge where cos(a t) = 1, at t = 2 pi k / a. A touch is an end
            // exactly where it is a corner.
            const auto same = [](double u, double v) { return std::abs(u - v) < 1e-9; };
            for (const figure::TouchPoints::Touch &touch : touches.top()) {
                const auto there = [&](int k) { return same(std::cos(a * (0.5 * pi + 2 * pi * k) / b), touch.x); };
                QVERIFY2(same(touch.y, 1) && std::ranges::any_of(std::views::iota(0, b), there), qPrintable(pair));
                QCOMPARE(touch.freeEnd, same(std::abs(touch.x), 1));
            }
            for (const figure::TouchPoints::Touch &touch : touches.side()) {
                const auto there = [&](int k) { return same(std::sin(b * 2 * pi * k / a), touch.y); };
                QVERIFY2(same(touch.x, 1) && std::ranges::any_of(std::views::iota(0, a), there), qPrintable(pair));
                QCOMPARE(touch.freeEnd, same(std::abs(touch.y), 1));
            }
        }
    }
}

namespace {

// The touches on one edge in halves, counted exactly: the edge is reached where
// an angle, in whole units of 1/scale degree, is one of angles. Two such places are
// one point where the sines are equal (the angles equal or supplementary, modulo a
// turn); a corner (a sine of ±1) is a free end and counts half.
int exactHalves(const std::vector<long> &angles, long scale)
{
    const long turn = 360 * scale;
    const auto reduced = [turn](long angle) { return ((angle % turn) + turn) % turn; };
    std::vector<long> points;
    int halves = 0;
    for (long angle : angles) {
        const long here = reduced(angle);
        const long other = reduced(180 * (turn / 360) - here);
        if (std::ranges::find(points, here) != points.end() || std::ranges::find(points, other) != points.end())
            continue;
        points.push_back(here);
        halves += here == reduced(90 * (turn / 360)) || here == reduced(270 * (turn / 360)) ? 1 : 2;
    }
    return halves;
}

} // namespace

void tst_TouchPoints::everyPhaseKeepsTheRatio()
{
    // Every 5°, every pair. The top edge is reached at b t = 90° + 360° k, where x's
    // angle is a (90 + 360 k) / b + phase; the right one at a t + phase = 90° + 360° m,
    // where y's angle is b (90 - phase + 360 m) / a.
    for (int phase = 0; phase < 360; phase += 5) {
        for (int a = 1; a <= 19; ++a) {
            for (int b = 1; b <= 19; ++b) {
                std::vector<long> top;
                std::vector<long> side;
                for (int k = 0; k < b; ++k)
                    top.push_back(long(a) * (90 + 360 * k) + long(phase) * b);
                for (int m = 0; m < a; ++m)
                    side.push_back(long(b) * (90 - phase + 360 * m));
                const figure::TouchPoints touches(a, b, phase);
                const int topHalves = exactHalves(top, b);
                const int sideHalves = exactHalves(side, a);
                if (touches.topHalves() != topHalves || touches.sideHalves() != sideHalves
                    || topHalves * a != sideHalves * b)
                    QFAIL(qPrintable(QStringLiteral("%1 : %2 at %3°: top %4 (exactly %5), side %6 (exactly %7)")
                                         .arg(a).arg(b).arg(phase).arg(touches.topHalves()).arg(topHalves)
                                         .arg(touches.sideHalves()).arg(sideHalves)));
            }
        }
    }
}

void tst_TouchPoints::handCheckedFigures_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("side");
    QTest::addColumn<int>("freeEnds");
    // 1 : 3, three humps along the top; 2 : 3, open, one end in the top-left corner;
    // 2 : 1, a parabola whose ends touch the top; 5 : 5, a circle traced five times.
    QTest::newRow("1:3") << 1 << 3 << "3" << "1" << 0;
    QTest::newRow("2:3") << 2 << 3 << "1½" << "1" << 1;
    QTest::newRow("2:1") << 2 << 1 << "½" << "1" << 1;
    QTest::newRow("5:5") << 5 << 5 << "1" << "1" << 0;
}

void tst_TouchPoints::handCheckedFigures()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, top);
    QFETCH(QString, side);
    QFETCH(int, freeEnds);
    const figure::TouchPoints touches(a, b);
    QCOMPARE(QString::fromStdString(figure::TouchPoints::countText(touches.topHalves())), top);
    QCOMPARE(QString::fromStdString(figure::TouchPoints::countText(touches.sideHalves())), side);
    int ends = 0;
    for (const auto *edge : {&touches.top(), &touches.side()})
        for (const figure::TouchPoints::Touch &touch : *edge)
            ends += touch.freeEnd;
    QCOMPARE(ends, freeEnds);
}

QTEST_APPLESS_MAIN(tst_TouchPoints)
#include "tst_touchpoints.moc"
