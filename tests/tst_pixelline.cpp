#include "PixelLine.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <functional>
#include <vector>

namespace {

// A line that turns sharply, crosses itself and ends in the open.
const std::vector<QPointF> line{{10.3, 10.7}, {150.2, 90.4}, {30.5, 120.9}, {120.1, 12.6}};
constexpr double lineWidth = 6;
const QSize pictureSize(200, 150);

bool paintLine(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    return picture::PixelLine::paint(painter, line, Qt::darkBlue, lineWidth);
}

// The line on white, painted by a painter that setUp prepares on an image of the
// picture's size at ratio; whether it was painted.
QImage painted(double ratio, const std::function<void(QPainter &)> &setUp, bool *done = nullptr)
{
    QImage image(pictureSize * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    setUp(painter);
    const bool paints = paintLine(painter);
    if (done)
        *done = paints;
    return image;
}

// A widget that paints the line, placed inside a window as the view's canvas is.
class LineWidget : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        paintLine(painter);
    }
};

} // namespace

class tst_PixelLine : public QObject {
    Q_OBJECT

private slots:
    void paintsTheSamePixelsWhereverItPaints();
    void leavesWhatItCannotPaintToThePath();
};

// On an image, in a widget away from its window's corner, in two bands, and at twice
// the pixel ratio with the painter's scale undone: the same pixels.
void tst_PixelLine::paintsTheSamePixelsWhereverItPaints()
{
    const QImage plain = painted(1, [](QPainter &) {});
    QWidget window;
    window.resize(400, 300);
    LineWidget widget(&window);
    widget.setGeometry(QRect(QPoint(100, 50), pictureSize));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.copy(QRect(QPoint(100, 50), pictureSize)), plain);
    QImage banded = painted(1, [](QPainter &painter) { painter.setClipRect(0, 0, 200, 77); });
    QPainter lower(&banded);
    lower.setClipRect(0, 77, 200, 73);
    paintLine(lower);
    lower.end();
    QCOMPARE(banded, plain);
    const QImage doubled = painted(2, [](QPainter &painter) { painter.scale(0.5, 0.5); });
    QImage undone = doubled;
    undone.setDevicePixelRatio(1);
    QCOMPARE(undone.copy(QRect(QPoint(0, 0), pictureSize)), plain);
}

void tst_PixelLine::leavesWhatItCannotPaintToThePath()
{
    bool paints = true;
    const QImage turned = painted(1, [](QPainter &painter) { painter.rotate(10); }, &paints);
    QVERIFY(!paints);
    QImage blank(pictureSize, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QCOMPARE(turned, blank);
}

QTEST_MAIN(tst_PixelLine)
#include "tst_pixelline.moc"
