#include "CommandButton.h"
#include "ExpectedFigure.h"
#include "Korvana.h"
#include "ListBox.h"
#include "PictureBox.h"
#include "RuntimeError.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

std::vector<std::uint32_t> pixelsOf(const figure::PlotArea &area)
{
    return {area.pixels(), area.pixels() + std::size_t(area.width()) * area.height()};
}

std::vector<std::uint32_t> expectedFigure(const figure::PlotArea &like, double a, double b)
{
    return pixelsOf(::expectedFigure(like.width(), like.height(), a, b));
}

std::vector<std::uint32_t> blank(const figure::PlotArea &like)
{
    return std::vector<std::uint32_t>(std::size_t(like.width()) * like.height(), 0xffffffffu);
}

} // namespace

class tst_Korvana : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithOneAndThreeOnABlankArea();
    void drawPlotsTheComputedDots();
    void drawingTwiceEqualsDrawingOnce();
    void aSelectionAloneChangesNothing();
    void clearBlanksTheArea();
    void equalFrequenciesDrawACircle();
    void theScreenShowsThePicture();
    void runtimeErrorsAreReportedAndTheWindowGoesOn_data();
    void runtimeErrorsAreReportedAndTheWindowGoesOn();
    void missingControlsRaiseErrors();

private:
    forms::ListBox &list(std::int16_t index) { return m_window->control<forms::ListBox>("List1", index); }
    forms::CommandButton &button(std::int16_t index)
    {
        return m_window->control<forms::CommandButton>("Command1", index);
    }
    const figure::PlotArea &area() { return m_window->control<forms::PictureBox>("Picture1").plotArea(); }
    void select(std::int16_t listIndex, int row)
    {
        forms::ListBox &l = list(listIndex);
        QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, l.visualItemRect(l.item(row)).center());
        QCOMPARE(l.listIndex(), std::int16_t(row));
    }

    std::unique_ptr<Korvana> m_window;
};

void tst_Korvana::init()
{
    m_window = std::make_unique<Korvana>();
    m_window->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_Korvana::cleanup()
{
    m_window.reset();
}

void tst_Korvana::startsWithOneAndThreeOnABlankArea()
{
    QCOMPARE(list(0).itemText(list(0).listIndex()), std::string("1"));
    QCOMPARE(list(1).itemText(list(1).listIndex()), std::string("3"));
    QCOMPARE(list(0).listCount(), std::int16_t(19));
    QCOMPARE(button(0).text(), QStringLiteral("Изведи"));
    QCOMPARE(button(1).text(), QStringLiteral("Изчисти"));
    QCOMPARE(area().width(), area().height());
    QCOMPARE(area().scaleWidth(), 1000.0f);
    QCOMPARE(area().scaleHeight(), 1000.0f);
    QCOMPARE(area().drawWidth(), std::int16_t(1));
    QCOMPARE(pixelsOf(area()), blank(area()));
}

void tst_Korvana::drawPlotsTheComputedDots()
{
    button(0).click();
    QCOMPARE(pixelsOf(area()), expectedFigure(area(), 1, 3));
    // The first dot, (750, 500), three quarters across and halfway down.
    QCOMPARE(area().pixel(area().width() * 3 / 4, area().height() / 2), 0xff000000u);
}

void tst_Korvana::drawingTwiceEqualsDrawingOnce()
{
    select(0, 4);
    button(0).click();
    const std::vector<std::uint32_t> once = pixelsOf(area());
    button(0).click();
    QCOMPARE(pixelsOf(area()), once);
    QCOMPARE(once, expectedFigure(area(), 5, 3));
}

void tst_Korvana::aSelectionAloneChangesNothing()
{
    button(0).click();
    select(0, 6);
    select(1, 0);
    QCOMPARE(pixelsOf(area()), expectedFigure(area(), 1, 3));
    button(0).click();
    QCOMPARE(pixelsOf(area()), expectedFigure(area(), 7, 1));
}

void tst_Korvana::clearBlanksTheArea()
{
    button(1).click();
    QCOMPARE(pixelsOf(area()), blank(area()));
    button(0).click();
    button(1).click();
    QCOMPARE(pixelsOf(area()), blank(area()));
}

void tst_Korvana::equalFrequenciesDrawACircle()
{
    select(0, 2);
    button(0).click();
    // Every dot lies on the circle of diameter half the area, about its centre.
    const double centre = area().width() / 2.0;
    int dots = 0;
    for (int y = 0; y < area().height(); ++y) {
        for (int x = 0; x < area().width(); ++x) {
            if (area().pixel(x, y) != 0xff000000u)
                continue;
            ++dots;
            const double radius = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            QVERIFY2(std::abs(radius - area().width() / 4.0) < 1.5, qPrintable(QString::number(radius)));
        }
    }
    QVERIFY(dots > 200);
}

void tst_Korvana::theScreenShowsThePicture()
{
    auto &picture = m_window->control<forms::PictureBox>("Picture1");
    button(0).click();
    // Hidden and shown again, as when minimised and restored, it still shows the figure.
    m_window->hide();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect inner = picture.contentsRect();
    QCOMPARE(inner.size(), QSize(area().width(), area().height()));
    for (int y = 0; y < inner.height(); ++y) {
        for (int x = 0; x < inner.width(); ++x) {
            if (shown.pixel(inner.left() + x, inner.top() + y) != area().pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y)));
        }
    }
}

void tst_Korvana::runtimeErrorsAreReportedAndTheWindowGoesOn_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("description");
    const QString typeMismatch = QStringLiteral("Несъответствие на типовете");
    const QString overflow = QStringLiteral("Препълване");
    const QByteArray huge = "1" + QByteArray(308, '0');
    QTest::newRow("a word in X") << 0 << QByteArray("много") << 0.0 << 13 << typeMismatch;
    QTest::newRow("NaN in Y") << 1 << QByteArray("NaN") << 0.0 << 13 << typeMismatch;
    QTest::newRow("infinity in X") << 0 << QByteArray("inf") << 0.0 << 13 << typeMismatch;
    QTest::newRow("negative in Y") << 1 << QByteArray("-3") << 0.0 << 13 << typeMismatch;
    // Whole numbers that big overflow when multiplied by t = 2: the dots for t = 0
    // and 1 are already set, one by one, when the error stops the draw.
    QTest::newRow("1e308 in X") << 0 << huge << 1e308 << 6 << overflow;
    QTest::newRow("1e308 in Y") << 1 << huge << 1e308 << 6 << overflow;
}

void tst_Korvana::runtimeErrorsAreReportedAndTheWindowGoesOn()
{
    QFETCH(int, list);
    QFETCH(QByteArray, item);
    QFETCH(double, value);
    QFETCH(int, error);
    QFETCH(QString, description);
    const std::int16_t index = std::int16_t(list);
    this->list(index).addItem(item.toStdString());
    select(index, 19);

    QString reported;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        reported = box->text();
        box->accept();
    });
    button(0).click();
    QVERIFY2(reported.contains(QStringLiteral("'%1'").arg(error)), qPrintable(reported));
    QVERIFY2(reported.contains(description), qPrintable(reported));
    const double a = list == 0 ? value : 1;
    const double b = list == 1 ? value : 3;
    QCOMPARE(pixelsOf(area()), value == 0 ? blank(area()) : expectedFigure(area(), a, b));

    // The window goes on working.
    select(index, 1);
    button(0).click();
    QCOMPARE(pixelsOf(area()), expectedFigure(area(), list == 0 ? 2 : 1, list == 1 ? 2 : 3));
    button(1).click();
    QCOMPARE(pixelsOf(area()), blank(area()));
}

void tst_Korvana::missingControlsRaiseErrors()
{
    for (auto lookUp : {+[](Korvana &w) { w.control<forms::ListBox>("List1", 2); },
                        +[](Korvana &w) { w.control<forms::ListBox>("Picture1"); },
                        +[](Korvana &w) { w.control<forms::PictureBox>("Picture2"); }}) {
        try {
            lookUp(*m_window);
            QFAIL("no error raised");
        } catch (const figure::RuntimeError &error) {
            QVERIFY(error.number() == 340 || error.number() == 424);
        }
    }
}

QTEST_MAIN(tst_Korvana)
#include "tst_korvana.moc"
