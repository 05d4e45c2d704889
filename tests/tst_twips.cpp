#include "Twips.h"

#include <QTest>

class tst_Twips : public QObject {
    Q_OBJECT

private slots:
    void roundToTheNearestPixelHalvesUp_data();
    void roundToTheNearestPixelHalvesUp();
};

void tst_Twips::roundToTheNearestPixelHalvesUp_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    // 15 twips a pixel: 7 is under half a pixel, 8 over; 22.5 is half past one.
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("under half") << 7 << 0;
    QTest::newRow("over half") << 8 << 1;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("just under one and a half") << 22 << 1;
    QTest::newRow("just over one and a half") << 23 << 2;
    QTest::newRow("plot area side, 213.3") << 3200 << 213;
    QTest::newRow("two thirds over 213") << 3205 << 214;
}

void tst_Twips::roundToTheNearestPixelHalvesUp()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(forms::pixelsFromTwips(twips), pixels);
}

QTEST_APPLESS_MAIN(tst_Twips)
#include "tst_twips.moc"
