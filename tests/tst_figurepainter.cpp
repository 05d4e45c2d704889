// The figure as it is painted: the right way up, every touch a mark of its own, at
// any size from 400 pixels up, and a half touch told from a whole one by its shape.
#include "FigurePainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// How much of the touches' red a pixel must have to count as part of a mark: most of
// it, to tell marks apart; any tint of it, to see how far a mark's ink reaches.
enum class Red { Mostly, Tinted };

// The red marks of a painted figure as separate shapes, each by the box around it: a
// mark is a run of red pixels, joined at edges or corners.
std::vector<QRect> marksOf(const QImage &image, Red red = Red::Mostly)
{
    const int width = image.width();
    // Red, not yet part of a mark.
    std::vector<char> isRed(std::size_t(width * image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            isRed[std::size_t(y * width + x)] = red == Red::Mostly
                                                    ? qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110
                                                    : qRed(pixel) - qGreen(pixel) > 24 && qGreen(pixel) == qBlue(pixel);
        }
    }
    std::vector<QRect> marks;
    for (std::size_t start = 0; start < isRed.size(); ++start) {
        if (!isRed[start])
            continue;
        isRed[start] = false;
        QRect box;
        std::vector<QPoint> open{{int(start) % width, int(start) / width}};
        while (!open.empty()) {
            const QPoint here = open.back();
            open.pop_back();
            box |= QRect(here, QSize(1, 1));
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint next = here + QPoint(dx, dy);
                    const std::size_t at = std::size_t(next.y() * width + next.x());
                    if (image.rect().contains(next) && isRed[at]) {
                        isRed[at] = false;
                        open.push_back(next);
                    }
                }
            }
        }
        marks.push_back(box);
    }
    return marks;
}

// The middles of the runs of the curve's ink along a line of pixels across the picture
// (a row if across is true, else a column), within band pixels of it either way.
std::vector<double> inkRunsAlong(const QImage &image, int line, int band, bool across)
{
    const int length = across ? image.width() : image.height();
    std::vector<double> middles;
    int runStart = -1;
    for (int at = 0; at <= length; ++at) {
        bool ink = false;
        for (int off = -band; at < length && off <= band && !ink; ++off) {
            const QRgb pixel = across ? image.pixel(at, line + off) : image.pixel(line + off, at);
            // The curve's dark blue, at least half covered; not the grey frame or the red marks.
            ink = qBlue(pixel) - qRed(pixel) > 48;
        }
        if (ink && runStart < 0)
            runStart = at;
        if (!ink && runStart >= 0) {
            middles.push_back((runStart + at - 1) / 2.0);
            runStart = -1;
        }
    }
    return middles;
}

QImage painted(const picture::FigurePainter &figure, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    figure.paint(painter, image.rect(), false);
    return image;
}

} // namespace

class tst_FigurePainter : public QObject {
    Q_OBJECT

private slots:
    void standsAsItsFormula_data();
    void standsAsItsFormula();
    void everyTouchIsAMarkOfItsOwn_data();
    void everyTouchIsAMarkOfItsOwn();
    void aHalfTouchHasHalfAMark();
};

void tst_FigurePainter::standsAsItsFormula_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("phase");
    // 1 : 1 at 0° is the line y = x, rising to the top-right corner; at 45° an ellipse
    // leaning the same way, touching the top at x = sin 135° = +0.71.
    QTest::newRow("1:1 at 0°") << 1 << 1 << 0;
    QTest::newRow("1:1 at 45°") << 1 << 1 << 45;
    QTest::newRow("1:2 at 45°") << 1 << 2 << 45;
    QTest::newRow("2:3 at 30°") << 2 << 3 << 30;
}

void tst_FigurePainter::standsAsItsFormula()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, phase);
    using std::numbers::pi;
    constexpr int side = 600;
    // Measured on the line's outer edge just beyond the square, whose ink runs lie a
    // little to one side of the touch where the curve leans: half a percent of the side.
    constexpr double tolerance = 3;
    constexpr int band = 1;
    const QImage image = painted(picture::FigurePainter({a, b}, phase), side);
    const QRectF square = picture::FigurePainter::squareIn(image.rect());
    const double half = square.width() / 2;
    // From x = sin(a t + φ), y = sin(b t), y upward: the top, y = 1, is reached at
    // b t = 90° + 360° k; the right edge, x = 1, at a t + φ = 90° + 360° k.
    const double radians = phase * pi / 180;
    std::vector<double> tops;
    std::vector<double> sides;
    for (int k = 0; k < b; ++k)
        tops.push_back(square.center().x() + half * std::sin(a * (pi / 2 + 2 * pi * k) / b + radians));
    for (int k = 0; k < a; ++k)
        sides.push_back(square.center().y() - half * std::sin(b * (pi / 2 - radians + 2 * pi * k) / a));
    const auto expectInk = [&](const std::vector<double> &expected, int line, bool across, const char *edge) {
        const std::vector<double> found = inkRunsAlong(image, line, band, across);
        for (double where : expected) {
            const bool there = std::any_of(found.begin(), found.end(),
                                           [&](double middle) { return std::abs(middle - where) <= tolerance; });
            QVERIFY2(there, qPrintable(QStringLiteral("no curve on the %1 at %2").arg(edge).arg(where)));
        }
        // Touches passed twice are one run; nothing else touches the edge.
        for (double middle : found) {
            const bool expectedThere = std::any_of(expected.begin(), expected.end(),
                                                   [&](double where) { return std::abs(middle - where) <= tolerance; });
            QVERIFY2(expectedThere, qPrintable(QStringLiteral("curve on the %1 at %2").arg(edge).arg(middle)));
        }
    };
    expectInk(tops, int(std::round(square.top())) - band, true, "top");
    expectInk(sides, int(std::round(square.right())) + band, false, "right edge");
}

void tst_FigurePainter::everyTouchIsAMarkOfItsOwn_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("clearPixels");
    // Full screen on a 1080-line projector the figure has some 800 pixels; there the
    // marks stand four clear pixels apart. At any size they are marks of their own.
    QTest::newRow("1200 pixels") << 1200 << 0;
    QTest::newRow("full screen at 1080 lines") << 800 << 4;
    QTest::newRow("400 pixels") << 400 << 0;
}

void tst_FigurePainter::everyTouchIsAMarkOfItsOwn()
{
    QFETCH(int, side);
    QFETCH(int, clearPixels);
    for (int a = 1; a <= 19; ++a) {
        for (int b = 1; b <= 19; ++b) {
            const picture::FigurePainter figure({a, b});
            const QString pair = QStringLiteral("%1 : %2").arg(a).arg(b);
            // A corner, where a free end touches the top and the side, counts on both.
            const std::size_t touches = figure.touches().top().size() + figure.touches().side().size();
            const QImage image = painted(figure, side);
            const std::size_t marks = marksOf(image).size();
            if (marks != touches)
                QFAIL(qPrintable(QStringLiteral("%1, %2 touches, %3 marks").arg(pair).arg(touches).arg(marks)));
            if (clearPixels == 0)
                continue;
            // Clear pixels: not even a tint of red from either mark's softened edge.
            std::vector<QRect> inked = marksOf(image, Red::Tinted);
            // Upright marks stand along the top, lying ones along the side.
            for (const bool upright : {true, false}) {
                std::vector<QRect> edge;
                std::copy_if(inked.begin(), inked.end(), std::back_inserter(edge),
                             [&](const QRect &mark) { return (mark.height() > mark.width()) == upright; });
                const auto start = [&](const QRect &mark) { return upright ? mark.left() : mark.top(); };
                const auto end = [&](const QRect &mark) { return upright ? mark.right() : mark.bottom(); };
                std::sort(edge.begin(), edge.end(), [&](const QRect &l, const QRect &r) { return start(l) < start(r); });
                for (std::size_t i = 1; i < edge.size(); ++i) {
                    const int clear = start(edge[i]) - end(edge[i - 1]) - 1;
                    if (clear < clearPixels)
                        QFAIL(qPrintable(QStringLiteral("%1: %2 pixels between marks").arg(pair).arg(clear)));
                }
            }
        }
    }
}

void tst_FigurePainter::aHalfTouchHasHalfAMark()
{
    // 2 : 3 has a free end in the top-left corner, the leftmost of its two marks on
    // the top; the other is a whole touch.
    const std::vector<QRect> marks = marksOf(painted(picture::FigurePainter({2, 3}), 600));
    std::vector<QRect> top;
    for (const QRect &mark : marks)
        if (mark.height() > mark.width())
            top.push_back(mark);
    QCOMPARE(top.size(), std::size_t(2));
    const auto [end, whole] = top[0].left() < top[1].left() ? std::pair{top[0], top[1]} : std::pair{top[1], top[0]};
    QVERIFY2(std::abs(2 * end.height() - whole.height()) <= 2,
             qPrintable(QStringLiteral("%1 and %2 pixels").arg(end.height()).arg(whole.height())));
}

QTEST_MAIN(tst_FigurePainter)
#include "tst_figurepainter.moc"
