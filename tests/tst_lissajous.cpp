#include "Lissajous.h"
#include "ReferenceDots.h"
#include "FigureError.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

std::vector<figure::PlotPoint> allPoints(double a, double b)
{
    std::vector<figure::PlotPoint> points;
    figure::Lissajous::forEachPoint(a, b, [&](figure::PlotPoint p) { points.push_back(p); });
    return points;
}

} // namespace

class tst_Lissajous : public QObject {
    Q_OBJECT

private slots:
    void pointsAreExactToTheBit_data();
    void pointsAreExactToTheBit();
    void pointsMatchTheReferenceTable_data();
    void pointsMatchTheReferenceTable();
    void everyPairStaysInTheMiddleHalf();
    void equalFrequenciesLieOnACircle();
    void nonFiniteResultsAreAnOverflow_data();
    void nonFiniteResultsAreAnOverflow();
};

void tst_Lissajous::pointsAreExactToTheBit_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("t");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    // The start-up pair (1, 3), as the figure has always been drawn.
    QTest::newRow("1:3 t=0") << 1 << 3 << 0 << 750.0f << 500.0f;
    QTest::newRow("1:3 t=1") << 1 << 3 << 1 << 635.07556f << 535.28003f;
    QTest::newRow("1:3 t=2") << 1 << 3 << 2 << 395.96329f << 430.14612f;
    QTest::newRow("1:3 t=3") << 1 << 3 << 3 << 252.50188f << 603.02960f;
    QTest::newRow("1:3 t=2000") << 1 << 3 << 2000 << 408.13513f << 393.07013f;
    // Pairs outside the reference table, worked in Python as make-reference-dots.py
    // works them (double precision in the formula's order, then single).
    QTest::newRow("7:11 t=1000") << 7 << 11 << 1000 << 715.503357f << 260.202759f;
    QTest::newRow("19:1 t=1999") << 19 << 1 << 1999 << 664.020325f << 702.927246f;
    QTest::newRow("13:17 t=500") << 13 << 17 << 500 << 250.250839f << 271.837555f;
    QTest::newRow("19:19 t=2000") << 19 << 19 << 2000 << 690.445374f << 338.041473f;
    QTest::newRow("5:12 t=7") << 5 << 12 << 7 << 274.076935f << 683.297607f;
    QTest::newRow("18:19 t=1234") << 18 << 19 << 1234 << 647.45929f << 427.548004f;
}

void tst_Lissajous::pointsAreExactToTheBit()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, t);
    QFETCH(float, x);
    QFETCH(float, y);
    const figure::PlotPoint point = figure::Lissajous::point(a, b, std::int16_t(t));
    QCOMPARE(std::bit_cast<std::uint32_t>(point.x), std::bit_cast<std::uint32_t>(x));
    QCOMPARE(std::bit_cast<std::uint32_t>(point.y), std::bit_cast<std::uint32_t>(y));
    QCOMPARE(allPoints(a, b).at(std::size_t(t)), (figure::PlotPoint{x, y}));
}

void tst_Lissajous::pointsMatchTheReferenceTable_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    for (auto [a, b] : {std::pair{1, 1}, {1, 3}, {2, 3}, {19, 18}})
        QTest::addRow("%d:%d", a, b) << a << b;
}

void tst_Lissajous::pointsMatchTheReferenceTable()
{
    QFETCH(int, a);
    QFETCH(int, b);
    const std::vector<QPointF> reference = referenceDots(a, b);
    const std::vector<figure::PlotPoint> points = allPoints(a, b);
    QCOMPARE(points.size(), reference.size());
    for (std::size_t t = 0; t < points.size(); ++t) {
        const figure::PlotPoint expected{float(reference[t].x()), float(reference[t].y())};
        if (!(points[t] == expected))
            QFAIL(qPrintable(QStringLiteral("t = %1: (%2, %3), not (%4, %5)")
                                 .arg(t).arg(points[t].x, 0, 'g', 9).arg(points[t].y, 0, 'g', 9)
                                 .arg(expected.x, 0, 'g', 9).arg(expected.y, 0, 'g', 9)));
    }
}

void tst_Lissajous::everyPairStaysInTheMiddleHalf()
{
    // The dots' exact values are checked against the reference table, worked apart
    // from the program; here every pair's 2001 dots keep a quarter of the plot free
    // all round.
    for (int a = 1; a <= 19; ++a) {
        for (int b = 1; b <= 19; ++b) {
            const std::vector<figure::PlotPoint> points = allPoints(a, b);
            QCOMPARE(points.size(), std::size_t(2001));
            for (std::size_t t = 0; t < points.size(); ++t) {
                const figure::PlotPoint p = points[t];
                if (p.x < 250 || p.x > 750 || p.y < 250 || p.y > 750)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) at t = %3 gives (%4, %5)")
                                         .arg(a).arg(b).arg(t).arg(p.x, 0, 'g', 9).arg(p.y, 0, 'g', 9)));
            }
        }
    }
}

void tst_Lissajous::equalFrequenciesLieOnACircle()
{
    for (int f = 1; f <= 19; ++f) {
        for (figure::PlotPoint p : allPoints(f, f)) {
            const double radius = std::hypot(p.x - 500.0, p.y - 500.0);
            // Single-precision rounding at 750 is about 3e-5 a coordinate.
            if (std::abs(radius - 250) > 1e-3)
                QFAIL(qPrintable(QStringLiteral("a = b = %1: radius %2").arg(f).arg(radius)));
        }
    }
}

void tst_Lissajous::nonFiniteResultsAreAnOverflow_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    // The dots made before the first non-finite step: 1e308 · 1 is finite, 1e308 · 2
    // is not; infinity · 0 and anything with NaN fail at t = 0.
    QTest::addColumn<int>("dots");
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("a*t overflows") << 1e308 << 3.0 << 2;
    QTest::newRow("b*t overflows") << 1.0 << 1e308 << 2;
    QTest::newRow("a infinite") << infinity << 3.0 << 0;
    QTest::newRow("b minus infinity") << 1.0 << -infinity << 0;
    QTest::newRow("a not a number") << nan << 3.0 << 0;
    QTest::newRow("b not a number") << 1.0 << nan << 0;
}

void tst_Lissajous::nonFiniteResultsAreAnOverflow()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, dots);
    int pointsBeforeError = 0;
    try {
        figure::Lissajous::forEachPoint(a, b, [&](figure::PlotPoint p) {
            QVERIFY(std::isfinite(p.x) && std::isfinite(p.y));
            ++pointsBeforeError;
        });
        QFAIL("no error raised");
    } catch (const figure::FigureError &error) {
        QCOMPARE(error.kind(), figure::FigureError::Kind::Overflow);
    }
    QCOMPARE(pointsBeforeError, dots);
}

QTEST_APPLESS_MAIN(tst_Lissajous)
#include "tst_lissajous.moc"
