#include "Curve.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

using std::numbers::pi;
// sin a few turns out is off from the exact value by a few units in the last place.
constexpr double closeEnough = 1e-12;

double apart(figure::Curve::Point p, double x, double y)
{
    return std::hypot(p.x - x, p.y - y);
}

} // namespace

class tst_Curve : public QObject {
    Q_OBJECT

private slots:
    void pointsWorkedByHand_data();
    void pointsWorkedByHand();
    void samplesRunOverOnePeriod();
};

void tst_Curve::pointsWorkedByHand_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<double>("phase");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    // x = sin(a t + φ), y = sin(b t), worked out by hand; after a period the curve is
    // back where it started.
    const double period = figure::Curve::period;
    QTest::newRow("1:1 90° t=0") << 1 << 1 << 90.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("1:1 90° t=π/2") << 1 << 1 << 90.0 << pi / 2 << 0.0 << 1.0;
    QTest::newRow("3:2 30° t=0") << 3 << 2 << 30.0 << 0.0 << 0.5 << 0.0;
    QTest::newRow("1:3 0° t=π/6") << 1 << 3 << 0.0 << pi / 6 << 0.5 << 1.0;
    QTest::newRow("2:1 90° t=π/4") << 2 << 1 << 90.0 << pi / 4 << 0.0 << std::sqrt(0.5);
    QTest::newRow("2:3 45° t=π/2") << 2 << 3 << 45.0 << pi / 2 << -std::sqrt(0.5) << -1.0;
    QTest::newRow("19:18 30° after a period") << 19 << 18 << 30.0 << period << 0.5 << 0.0;
    QTest::newRow("4:6 0° after a period") << 4 << 6 << 0.0 << period << 0.0 << 0.0;
}

void tst_Curve::pointsWorkedByHand()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(double, phase);
    QFETCH(double, t);
    QFETCH(double, x);
    QFETCH(double, y);
    const figure::Curve curve({a, b}, phase);
    QCOMPARE_LE(apart(curve.at(t), x, y), closeEnough);
    QCOMPARE_LE(apart({curve.x(t), curve.y(t)}, x, y), closeEnough);
}

void tst_Curve::samplesRunOverOnePeriod()
{
    // 1 : 1 at the window's 90° is the unit circle, x = cos t, y = sin t: four pieces
    // go round it once, anticlockwise with y upward, from (1, 0) back to (1, 0).
    const std::vector<figure::Curve::Point> points = figure::Curve({1, 1}).sampled(4);
    const double circle[][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    QCOMPARE(points.size(), std::size(circle));
    for (std::size_t i = 0; i < points.size(); ++i)
        QCOMPARE_LE(apart(points[i], circle[i][0], circle[i][1]), closeEnough);
}

QTEST_APPLESS_MAIN(tst_Curve)
#include "tst_curve.moc"
