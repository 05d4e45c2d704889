#include "PictureModel.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

constexpr forms::Rgb white{255, 255, 255};
constexpr forms::Rgb black{0, 0, 0};
constexpr forms::Rgb grey{240, 240, 240};

// The plot area as the window uses it: 209 pixels square inside its frame,
// 1000 units a side.
forms::PictureModel windowArea()
{
    forms::PictureModel area(209, 209, grey);
    if (!area.setScaleWidth(1000) || !area.setScaleHeight(1000))
        qFatal("a scale of 1000 was refused");
    area.setBackColor(white);
    area.clear();
    return area;
}

int pixelsOf(const forms::PictureModel &area, forms::Rgb colour)
{
    int count = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            count += area.pixel(x, y) == colour.toPixel();
    return count;
}

} // namespace

class tst_PictureModel : public QObject {
    Q_OBJECT

private slots:
    void startsInItsBackgroundAndClearsToTheNewOne();
    void unitsMapOntoThePixelThatContainsThem_data();
    void unitsMapOntoThePixelThatContainsThem();
    void pointsOutsideTheAreaAreClipped_data();
    void pointsOutsideTheAreaAreClipped();
    void widerPointsAreSquaresAroundTheirPixel();
    void clearChangesWhatWasDrawnSinceTheLastClear();
    void invalidSettingsAreRefused();
};

void tst_PictureModel::startsInItsBackgroundAndClearsToTheNewOne()
{
    forms::PictureModel area(209, 209, grey);
    QCOMPARE(pixelsOf(area, grey), 209 * 209);
    area.setBackColor(white);
    QCOMPARE(pixelsOf(area, grey), 209 * 209); // a new background shows at the next clear
    area.setPoint(10, 10, black);
    area.clear();
    QCOMPARE(pixelsOf(area, white), 209 * 209);
}

void tst_PictureModel::unitsMapOntoThePixelThatContainsThem_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    // 750 units is three quarters across (156.75 pixels), 500 is halfway down (104.5).
    QTest::newRow("first dot of a figure") << 750.0f << 500.0f << 156 << 104;
    QTest::newRow("origin") << 0.0f << 0.0f << 0 << 0;
    QTest::newRow("centre") << 500.0f << 500.0f << 104 << 104;
    QTest::newRow("just inside bottom right") << 999.99f << 999.99f << 208 << 208;
    QTest::newRow("lowest figure corner") << 250.0f << 250.0f << 52 << 52;
}

void tst_PictureModel::unitsMapOntoThePixelThatContainsThem()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, column);
    QFETCH(int, row);
    forms::PictureModel area = windowArea();
    area.setPoint(x, y, black);
    QCOMPARE(area.pixel(column, row), black.toPixel());
    QCOMPARE(pixelsOf(area, black), 1);
}

void tst_PictureModel::pointsOutsideTheAreaAreClipped_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    const float infinity = std::numeric_limits<float>::infinity();
    QTest::newRow("right edge") << 1000.0f << 500.0f;
    QTest::newRow("bottom edge") << 500.0f << 1000.0f;
    QTest::newRow("left of it") << -0.01f << 500.0f;
    QTest::newRow("far away") << 3e38f << -3e38f;
    QTest::newRow("infinite") << infinity << 500.0f;
    QTest::newRow("not a number") << 500.0f << std::numeric_limits<float>::quiet_NaN();
}

void tst_PictureModel::pointsOutsideTheAreaAreClipped()
{
    QFETCH(float, x);
    QFETCH(float, y);
    forms::PictureModel area = windowArea();
    QVERIFY(area.setPoint(x, y, black).isEmpty());
    QCOMPARE(pixelsOf(area, white), 209 * 209);
}

void tst_PictureModel::widerPointsAreSquaresAroundTheirPixel()
{
    forms::PictureModel area = windowArea();
    QVERIFY(area.setDrawWidth(3));
    QCOMPARE(area.setPoint(500, 500, black), (forms::PixelRect{103, 103, 3, 3}));
    QCOMPARE(pixelsOf(area, black), 9);
    QCOMPARE(area.pixel(103, 103), black.toPixel());
    QCOMPARE(area.pixel(105, 105), black.toPixel());

    // At a corner the square is cut off by the edge, not moved inside.
    QCOMPARE(area.setPoint(0, 0, black), (forms::PixelRect{0, 0, 2, 2}));
    QCOMPARE(pixelsOf(area, black), 9 + 4);
}

void tst_PictureModel::clearChangesWhatWasDrawnSinceTheLastClear()
{
    forms::PictureModel area = windowArea();
    QCOMPARE(area.setPoint(750, 500, black), (forms::PixelRect{156, 104, 1, 1}));
    area.setPoint(250, 750, black);

    // A clear to the same background changes only what was drawn since the last one.
    QCOMPARE(area.clear(), (forms::PixelRect{52, 104, 105, 53}));
    QCOMPARE(pixelsOf(area, white), 209 * 209);
    QVERIFY(area.clear().isEmpty());

    // Wide points count as drawn too.
    QVERIFY(area.setDrawWidth(5));
    area.setPoint(0, 999, black);
    QCOMPARE(area.clear(), (forms::PixelRect{0, 206, 3, 3}));
    QCOMPARE(pixelsOf(area, white), 209 * 209);

    // A clear to a new background changes every pixel.
    area.setBackColor(grey);
    QCOMPARE(area.clear(), (forms::PixelRect{0, 0, 209, 209}));
    QCOMPARE(pixelsOf(area, grey), 209 * 209);
}

void tst_PictureModel::invalidSettingsAreRefused()
{
    forms::PictureModel area = windowArea();
    QVERIFY(!area.setScaleWidth(0));
    QVERIFY(!area.setScaleHeight(std::nanf("")));
    QVERIFY(!area.setScaleHeight(std::numeric_limits<float>::infinity()));
    QVERIFY(!area.setDrawWidth(0));
    // The area is still as it was.
    QCOMPARE(area.scaleWidth(), 1000.0f);
    QCOMPARE(area.scaleHeight(), 1000.0f);
    QCOMPARE(area.drawWidth(), std::int16_t(1));
}

QTEST_APPLESS_MAIN(tst_PictureModel)
#include "tst_picturemodel.moc"
