#include "CloseUpView.h"
#include "KorvanaFixture.h"
#include "ModalBox.h"
#include "ReferencePicture.h"
#include "RuntimeError.h"

#include <QAction>
#include <QPaintEvent>
#include <QTest>

namespace {

// The picture box's pixels as an image, for comparing with a reference picture.
QImage imageOf(const forms::PictureModel &model)
{
    return QImage(reinterpret_cast<const uchar *>(model.pixels()), model.width(), model.height(),
                  QImage::Format_RGB32)
        .copy();
}

// The part of a widget that Qt has painted since it was last forgotten.
class PaintedRegion : public QObject {
public:
    explicit PaintedRegion(QWidget *widget) { widget->installEventFilter(this); }
    void forget() { m_painted = {}; }
    bool covers(QRect rect) const { return QRegion(rect).subtracted(m_painted).isEmpty(); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    QRegion m_painted;
};

} // namespace

class tst_Korvana : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithOneAndThreeOnABlankArea();
    void drawPlotsTheReferenceDots();
    void drawingTwiceEqualsDrawingOnce();
    void aSelectionAloneChangesNothing();
    void clearBlanksTheArea();
    void equalFrequenciesDrawACircle();
    void everyChangeIsRepaintedOnTheScreen();
    void runtimeErrorsAreReportedAndTheWindowGoesOn_data();
    void runtimeErrorsAreReportedAndTheWindowGoesOn();
    void missingControlsRaiseTheirOwnErrors();

private:
    forms::ListBox &list(std::int16_t index) { return m_korvana.list(index); }
    forms::CommandButton &button(std::int16_t index) { return m_korvana.button(index); }
    forms::PictureBox &picture() { return m_korvana.picture(); }
    const forms::PictureModel &area() { return picture().model(); }
    QSize areaSize() { return {area().width(), area().height()}; }
    void select(std::int16_t listIndex, int row)
    {
        forms::ListBox &l = list(listIndex);
        QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, l.visualItemRect(l.item(row)).center());
        QCOMPARE(l.listIndex(), std::int16_t(row));
    }

    KorvanaFixture m_korvana;
};

void tst_Korvana::init()
{
    QVERIFY(m_korvana.start());
}

void tst_Korvana::cleanup()
{
    m_korvana.reset();
}

void tst_Korvana::startsWithOneAndThreeOnABlankArea()
{
    QCOMPARE(list(0).itemText(list(0).listIndex()), std::string("1"));
    QCOMPARE(list(1).itemText(list(1).listIndex()), std::string("3"));
    QCOMPARE(list(0).listCount(), std::int16_t(19));
    // The plot area's inside: 213 pixels less a 2-pixel frame on each side.
    QCOMPARE(areaSize(), QSize(209, 209));
    QCOMPARE(area().drawWidth(), std::int16_t(1));
    QCOMPARE(imageOf(area()), blankPicture(areaSize()));
}

void tst_Korvana::drawPlotsTheReferenceDots()
{
    button(0).click();
    QCOMPARE(imageOf(area()), referencePicture(1, 3, areaSize()));
    // The first dot, (750, 500), three quarters across and halfway down.
    QCOMPARE(area().pixel(156, 104), 0xff000000u);
}

void tst_Korvana::drawingTwiceEqualsDrawingOnce()
{
    select(0, 1);
    button(0).click();
    button(0).click();
    QCOMPARE(imageOf(area()), referencePicture(2, 3, areaSize()));
}

void tst_Korvana::aSelectionAloneChangesNothing()
{
    button(0).click();
    select(0, 18);
    select(1, 17);
    QCOMPARE(imageOf(area()), referencePicture(1, 3, areaSize()));
    button(0).click();
    QCOMPARE(imageOf(area()), referencePicture(19, 18, areaSize()));
}

void tst_Korvana::clearBlanksTheArea()
{
    button(1).click();
    QCOMPARE(imageOf(area()), blankPicture(areaSize()));
    button(0).click();
    button(1).click();
    QCOMPARE(imageOf(area()), blankPicture(areaSize()));
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

void tst_Korvana::everyChangeIsRepaintedOnTheScreen()
{
    // What a draw or a clear changes must reach the screen without anything else
    // happening to the window: the part of the plot area that the figure covers.
    QRect figure;
    const QImage reference = referencePicture(1, 3, areaSize());
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            if (reference.pixel(x, y) != qRgb(255, 255, 255))
                figure |= QRect(x, y, 1, 1);
    figure.translate(picture().contentsRect().topLeft());

    PaintedRegion painted(&picture());
    button(0).click();
    QTRY_VERIFY_WITH_TIMEOUT(painted.covers(figure), 2000);
    painted.forget();
    button(1).click();
    QTRY_VERIFY_WITH_TIMEOUT(painted.covers(figure), 2000);
}

void tst_Korvana::runtimeErrorsAreReportedAndTheWindowGoesOn_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("description");
    const QString typeMismatch = QStringLiteral("Несъответствие на типовете");
    const QString overflow = QStringLiteral("Препълване");
    const QByteArray huge = "1" + QByteArray(308, '0');
    QTest::newRow("a word in X") << 0 << QByteArray("много") << 13 << typeMismatch;
    QTest::newRow("NaN in Y") << 1 << QByteArray("NaN") << 13 << typeMismatch;
    QTest::newRow("infinity in X") << 0 << QByteArray("inf") << 13 << typeMismatch;
    QTest::newRow("negative in Y") << 1 << QByteArray("-3") << 13 << typeMismatch;
    QTest::newRow("1e308 in X") << 0 << huge << 6 << overflow;
    QTest::newRow("1e308 in Y") << 1 << huge << 6 << overflow;
}

void tst_Korvana::runtimeErrorsAreReportedAndTheWindowGoesOn()
{
    QFETCH(int, list);
    QFETCH(QByteArray, item);
    QFETCH(int, error);
    QFETCH(QString, description);
    const std::int16_t index = std::int16_t(list);
    this->list(index).addItem(item.toStdString());
    // A figure drawn and looked at closely before.
    button(0).click();
    QTest::keyClick(&picture(), Qt::Key_Return);
    auto *view = m_korvana.window().findChild<closeup::CloseUpView *>();
    QVERIFY(view && view->figure());
    select(index, 19);

    const QString reported = modalBoxText([&] { button(0).click(); }).value_or(QStringLiteral("no message box"));
    QVERIFY2(reported.contains(QStringLiteral("'%1'").arg(error)), qPrintable(reported));
    QVERIFY2(reported.contains(description), qPrintable(reported));
    int dots = 0;
    for (int y = 0; y < area().height(); ++y)
        for (int x = 0; x < area().width(); ++x)
            dots += area().pixel(x, y) == 0xff000000u;
    if (error == 13) {
        QCOMPARE(dots, 0);
    } else {
        // Dots are set one by one: those for t = 0, at (750, 500), and t = 1 are
        // already there when 1e308 · 2 overflows. The other frequency, 3 or 1, puts
        // the second on another row or column (y = 535 or x = 635).
        QCOMPARE(area().pixel(156, 104), 0xff000000u);
        QCOMPARE(dots, 2);
    }
    // Nothing of the figure before is left: not its description, close-up or actions,
    // but those that need no figure.
    QCOMPARE(picture().description(), std::string("Няма начертана фигура"));
    QVERIFY(!view->figure());
    for (QAction *action : picture().actions() + view->actions())
        QVERIFY2(action->text() == QStringLiteral("Разгледай отблизо") || action->text() == QStringLiteral("Отвори запис…")
                     || !action->isEnabled(),
                 qPrintable(action->text()));

    // The window goes on working.
    select(0, 1);
    select(1, 2);
    button(0).click();
    QCOMPARE(imageOf(area()), referencePicture(2, 3, areaSize()));
    button(1).click();
    QCOMPARE(imageOf(area()), blankPicture(areaSize()));
}

void tst_Korvana::missingControlsRaiseTheirOwnErrors()
{
    const auto errorOf = [](auto lookUp) {
        try {
            lookUp();
        } catch (const forms::RuntimeError &error) {
            return error.number();
        }
        return 0;
    };
    Korvana &w = m_korvana.window();
    QCOMPARE(errorOf([&] { w.control<forms::ListBox>("List1", 2); }), 340);
    QCOMPARE(errorOf([&] { w.controlArray<forms::ListBox>("List1")[2]; }), 340);
    QCOMPARE(errorOf([&] { w.control<forms::ListBox>("Picture1"); }), 424);
    QCOMPARE(errorOf([&] { w.control<forms::PictureBox>("Picture2"); }), 424);
    QCOMPARE(errorOf([&] { w.controlArray<forms::ListBox>("List2"); }), 424);
}

QTEST_MAIN(tst_Korvana)
#include "tst_korvana.moc"
