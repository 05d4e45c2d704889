#include "CommandButton.h"

#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

namespace {

constexpr forms::Rgb red{255, 0, 0};

int pixelsDarkerThan(const QImage &image, int lightness)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += QColor(image.pixel(x, y)).lightness() < lightness;
    return count;
}

} // namespace

class tst_CommandButton : public QObject {
    Q_OBJECT

private slots:
    void faceKeepsItsColourInEveryStyle_data();
    void faceKeepsItsColourInEveryStyle();
};

void tst_CommandButton::faceKeepsItsColourInEveryStyle_data()
{
    QTest::addColumn<QString>("style");
    for (const QString &style : QStyleFactory::keys())
        QTest::newRow(qPrintable(style)) << style;
}

void tst_CommandButton::faceKeepsItsColourInEveryStyle()
{
    QFETCH(QString, style);
    std::unique_ptr<QStyle> qtStyle(QStyleFactory::create(style));
    QWidget window;
    window.setStyle(qtStyle.get());
    window.resize(120, 60);
    auto *button = new forms::CommandButton(QStringLiteral("Изчисти"), red, &window);
    button->setGeometry(10, 10, 89, 33);
    auto *other = new forms::CommandButton(QStringLiteral("Друг"), {}, &window);
    other->setGeometry(10, 45, 89, 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    other->setFocus();
    const QImage unfocused = button->grab().toImage();
    QCOMPARE(unfocused.pixel(8, 16), qRgb(255, 0, 0));
    QCOMPARE(unfocused.pixel(80, 16), qRgb(255, 0, 0));
    // A dark caption on the face.
    QVERIFY(pixelsDarkerThan(unfocused.copy(20, 8, 49, 17), 40) > 20);

    // Focus shows on the button, whatever the style.
    button->setFocus();
    const QImage focused = button->grab().toImage();
    QCOMPARE(focused.pixel(0, 16), qRgb(0, 0, 0));
    QCOMPARE(focused.pixel(8, 16), qRgb(255, 0, 0));
    QVERIFY(focused != unfocused);
}

QTEST_MAIN(tst_CommandButton)
#include "tst_commandbutton.moc"
