#include "TouchPoints.h"

#include <QTest>

class tst_TouchPoints : public QObject {
    Q_OBJECT

private slots:
    void countsGiveTheRatioForEveryPair();
    void handCheckedFigures_data();
    void handCheckedFigures();
};

void tst_TouchPoints::countsGiveTheRatioForEveryPair()
{
    // What the oscilloscope method rests on: top touches : side touches = b : a.
    for (int a = 1; a <= 19; ++a) {
        for (int b = 1; b <= 19; ++b) {
            const figure::TouchPoints touches(a, b);
            if (touches.topHalves() * a != touches.sideHalves() * b)
                QFAIL(qPrintable(QStringLiteral("%1 : %2 gives top %3, side %4 halves")
                                     .arg(a).arg(b).arg(touches.topHalves()).arg(touches.sideHalves())));
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
    for (const auto *edge : {&touches.top(), &touches.side()}) {
        for (const figure::TouchPoints::Touch &touch : *edge) {
            ends += touch.freeEnd;
            // Each lies on its edge and on the curve's square.
            QVERIFY(std::abs(touch.x) <= 1 + 1e-12 && std::abs(touch.y) <= 1 + 1e-12);
        }
    }
    QCOMPARE(ends, freeEnds);
}

QTEST_APPLESS_MAIN(tst_TouchPoints)
#include "tst_touchpoints.moc"
