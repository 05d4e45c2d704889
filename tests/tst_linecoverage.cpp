#include "LineCoverage.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using Points = std::vector<QPointF>;

// A picture the size of the test's: the line's pixels all fall within it.
constexpr int side = 160;

// A Lissajous curve sampled as the figure's painter samples it, in a square of side
// pixels a little off the pixel grid.
Points lissajous(int a, int b, double phaseDegrees, double width)
{
    const int segments = std::max(256, 48 * (a + b));
    const double radius = side / 2.0 - width;
    Points points;
    for (int i = 0; i <= segments; ++i) {
        const double t = 2 * std::numbers::pi * i / segments;
        points.emplace_back(side / 2.0 + 0.3 + radius * std::sin(a * t + phaseDegrees * std::numbers::pi / 180),
                            side / 2.0 - 0.2 - radius * std::sin(b * t));
    }
    return points;
}

// The share of each pixel, 0 to 255, that Qt's own antialiased stroking inks: one
// round-capped line a segment, as a painter strokes them, black on white.
std::vector<int> strokedByQt(const Points &points, double width)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (points.size() == 1)
        painter.drawPoint(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        painter.drawLine(points[i - 1], points[i]);
    painter.end();
    std::vector<int> shares;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            shares.push_back(255 - qGray(image.pixel(x, y)));
    return shares;
}

} // namespace

class tst_LineCoverage : public QObject {
    Q_OBJECT

private slots:
    void inksWhatQtStrokesWithinAntialiasing_data();
    void inksWhatQtStrokesWithinAntialiasing();
};

void tst_LineCoverage::inksWhatQtStrokesWithinAntialiasing_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<double>("width");
    QTest::newRow("19 : 18 at 37°, the drift's figure") << lissajous(19, 18, 37.3, 3) << 3.0;
    QTest::newRow("3 : 5 at 0°, a hair line") << lissajous(3, 5, 0, 2) << 2.0;
    QTest::newRow("1 : 2 at 90°, folding back on itself") << lissajous(1, 2, 90, 9) << 9.0;
    QTest::newRow("a level line and an upright one, end to end")
        << Points{{20.25, 40.5}, {120.75, 40.5}, {120.75, 140.25}} << 6.0;
    QTest::newRow("a sharp turn") << Points{{20.4, 20.7}, {140.2, 80.1}, {21.3, 60.9}} << 11.0;
    QTest::newRow("a single point, a round dot") << Points{{80.3, 79.6}} << 14.0;
}

void tst_LineCoverage::inksWhatQtStrokesWithinAntialiasing()
{
    QFETCH(Points, points);
    QFETCH(double, width);
    std::vector<picture::LineCoverage::Point> onPixels;
    for (const QPointF &point : points)
        onPixels.push_back({point.x(), point.y()});
    const picture::LineCoverage line(onPixels, width);
    // Each share written as it is, in the top byte.
    picture::LineCoverage::Shades shades;
    for (int share = 0; share <= picture::LineCoverage::fullShare; ++share)
        shades[share] = std::uint32_t(share) << 24;
    // Covered whole and in two windows that split it at an odd place: every pixel's
    // share is its own, whatever the window.
    const picture::LineCoverage::Pixels whole{0, 0, side, side};
    std::vector<std::uint32_t> shares(side * side);
    line.cover(whole, shares.data(), shades);
    constexpr int split = 77;
    std::vector<std::uint32_t> upper(side * split);
    std::vector<std::uint32_t> lower(side * (side - split));
    line.cover({0, 0, side, split}, upper.data(), shades);
    line.cover({0, split, side, side - split}, lower.data(), shades);
    upper.insert(upper.end(), lower.begin(), lower.end());
    QVERIFY(upper == shares);
    const picture::LineCoverage::Pixels reach = line.reach();
    // Qt inks overlapping edges twice, where this inks them once, and weighs a
    // pixel's share by area, where this weighs it by distance: edges differ by
    // some levels, never a pixel inked whole by one and blank by the other, and
    // the line is as heavy.
    const std::vector<int> qt = strokedByQt(points, width);
    long ink = 0;
    long ours = 0;
    long differences = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int share = int(shares[y * side + x] >> 24);
            const int theirs = qt[y * side + x];
            const bool reached = x >= reach.left && x < reach.left + reach.width && y >= reach.top
                && y < reach.top + reach.height;
            const QByteArray at = QByteArray::number(x) + ", " + QByteArray::number(y);
            QVERIFY2(reached || share == 0, at);
            QVERIFY2(std::abs(share - theirs) <= 128,
                     at + ": " + QByteArray::number(share) + " against " + QByteArray::number(theirs));
            ink += theirs;
            ours += share;
            differences += std::abs(share - theirs);
        }
    }
    QVERIFY(ink > 0);
    // As much ink in all, less what Qt inks twice where short segments overlap; a
    // dot by distance is a little heavier than by area.
    constexpr double leastInk = 0.8, mostInk = 1.018;
    QVERIFY2(ours > ink * leastInk && ours < ink * mostInk, QByteArray::number(double(ours) / ink));
    QVERIFY2(differences < ink / 5, QByteArray::number(double(differences) / ink));
}

QTEST_MAIN(tst_LineCoverage)
#include "tst_linecoverage.moc"
