// The figure as it is painted: every touch a mark of its own, at any size from 400
// pixels up, and a half touch told from a whole one by its shape.
#include "FigurePainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <vector>

namespace {

// The red marks of a painted figure as separate shapes, each by the box around it: a
// mark is a run of pixels mostly of the touches' red, joined at edges or corners.
std::vector<QRect> marksOf(const QImage &image)
{
    const int width = image.width();
    // Red, not yet part of a mark.
    std::vector<char> red(std::size_t(width * image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            red[std::size_t(y * width + x)] = qRed(line[x]) > 150 && qGreen(line[x]) < 110 && qBlue(line[x]) < 110;
    }
    std::vector<QRect> marks;
    for (std::size_t start = 0; start < red.size(); ++start) {
        if (!red[start])
            continue;
        red[start] = false;
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
                    if (image.rect().contains(next) && red[at]) {
                        red[at] = false;
                        open.push_back(next);
                    }
                }
            }
        }
        marks.push_back(box);
    }
    return marks;
}

QImage painted(const closeup::FigurePainter &figure, int side)
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
    void everyTouchIsAMarkOfItsOwn_data();
    void everyTouchIsAMarkOfItsOwn();
    void aHalfTouchHasHalfAMark();
};

void tst_FigurePainter::everyTouchIsAMarkOfItsOwn_data()
{
    QTest::addColumn<int>("side");
    QTest::newRow("1200 pixels") << 1200;
    QTest::newRow("400 pixels") << 400;
}

void tst_FigurePainter::everyTouchIsAMarkOfItsOwn()
{
    QFETCH(int, side);
    for (int a = 1; a <= 19; ++a) {
        for (int b = 1; b <= 19; ++b) {
            const closeup::FigurePainter figure({a, b});
            // A corner, where a free end touches the top and the side, counts on both.
            const std::size_t touches = figure.touches().top().size() + figure.touches().side().size();
            const std::size_t marks = marksOf(painted(figure, side)).size();
            if (marks != touches)
                QFAIL(qPrintable(QStringLiteral("%1 : %2, %3 touches, %4 marks").arg(a).arg(b).arg(touches).arg(marks)));
        }
    }
}

void tst_FigurePainter::aHalfTouchHasHalfAMark()
{
    // 2 : 3 has a free end in the top-left corner, the leftmost of its two marks on
    // the top; the other is a whole touch.
    const std::vector<QRect> marks = marksOf(painted(closeup::FigurePainter({2, 3}), 600));
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
