// The close-up view as the main window opens and feeds it: every way in, following
// draws and clears, and its keys.
#include "Announcer.h"
#include "CloseUpView.h"
#include "Drift.h"
#include "FigureCanvas.h"
#include "FigurePainter.h"
#include "FigurePalette.h"
#include "KorvanaFixture.h"
#include "OscillationsPainter.h"
#include "ViewState.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QSpinBox>
#include <QStyle>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QTest>
#include <QTimer>

#include <memory>

class tst_CloseUp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensEveryWayIn_data();
    void opensEveryWayIn();
    void followsDrawsAndClears();
    void f11AndEscapeSwitchFullScreenThenClose();
    void drawsALineNotDots();
    void aScreenOfAnotherScaleGetsASharpPicture();
    void theViewHasItsOwnFrequenciesAndPhase();
    void theReadingCarriesToTheBackRow();
    void spaceLetsThePhaseDriftAndStopsIt();
    void theTwoOscillationsRunBesideTheFigure();
    void aDriftingPictureIsTheFigurePaintedWhole_data();
    void aDriftingPictureIsTheFigurePaintedWhole();

private:
    forms::PictureBox &picture() { return m_korvana.picture(); }
    void press(std::int16_t button) { m_korvana.button(button).click(); }
    // The open close-up view, if any.
    closeup::CloseUpView *view() const { return m_korvana.window().findChild<closeup::CloseUpView *>(); }
    // What the view says beneath the figure, as a screen reader reads it.
    QString countsText() const { return view()->findChild<QLabel *>()->text(); }
    // The reading beneath them, b : a, as a screen reader finds it.
    QLabel *reading() const
    {
        for (QLabel *label : view()->findChildren<QLabel *>())
            if (label->accessibleName() == QStringLiteral("Отчет"))
                return label;
        return nullptr;
    }

    KorvanaFixture m_korvana;
};

void tst_CloseUp::init()
{
    QVERIFY(m_korvana.start());
}

void tst_CloseUp::cleanup()
{
    m_korvana.reset();
}

void tst_CloseUp::opensEveryWayIn_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("double-click on the plot area") << "double-click" << false;
    QTest::newRow("Enter on the plot area") << "enter" << false;
    QTest::newRow("Menu key, then its entry") << "menu" << false;
    QTest::newRow("Shift+F10, then its entry") << "shift+f10" << false;
    QTest::newRow("F11 in the main window") << "f11" << true;
}

void tst_CloseUp::opensEveryWayIn()
{
    QFETCH(QString, way);
    QFETCH(bool, fullScreen);
    press(0);
    QVERIFY(!view());
    picture().setFocus();
    if (way == "double-click") {
        QTest::mouseDClick(&picture(), Qt::LeftButton, {}, picture().rect().center());
    } else if (way == "enter") {
        QTest::keyClick(&picture(), Qt::Key_Return);
    } else if (way == "f11") {
        QTest::keyClick(&m_korvana.list(0), Qt::Key_F11);
    } else {
        // The context menu, from the keyboard; its one entry chosen with Enter once
        // the menu is up.
        QString entry;
        QTimer chooser;
        connect(&chooser, &QTimer::timeout, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            chooser.stop();
            entry = menu->actions().value(0)->text();
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        chooser.start(10);
        // Through the window, as the platform delivers keys, not to the widget.
        if (way == "menu")
            QTest::keyClick(m_korvana.window().windowHandle(), Qt::Key_Menu);
        else
            QTest::keyClick(m_korvana.window().windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(entry, QStringLiteral("Разгледай отблизо"), 2000);
    }
    QTRY_VERIFY_WITH_TIMEOUT(view() && view()->isVisible(), 2000);
    QCOMPARE(view()->isFullScreen(), fullScreen);
    QVERIFY(countsText().contains(QStringLiteral("горе 3, отстрани 1")));
    QCOMPARE(reading()->text(), QStringLiteral("b : a = 3 : 1"));
}

void tst_CloseUp::followsDrawsAndClears()
{
    m_korvana.list(0).setListIndex(1);
    QTest::keyClick(&m_korvana.window(), Qt::Key_F11);
    QVERIFY(view());
    QVERIFY2(countsText().startsWith(QStringLiteral("Няма начертана фигура")), qPrintable(countsText()));
    press(0);
    QCOMPARE(countsText(), QStringLiteral("Честоти: a = 2 (X), b = 3 (Y)\nДопирания: горе 1½, отстрани 1"));
    QCOMPARE(reading()->text(), QStringLiteral("b : a = 3 : 2"));
    press(1);
    QVERIFY(countsText().startsWith(QStringLiteral("Няма начертана фигура")));
    QVERIFY(reading()->text().isEmpty());
}

void tst_CloseUp::f11AndEscapeSwitchFullScreenThenClose()
{
    QTest::keyClick(&picture(), Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowExposed(view()));
    QPointer<closeup::CloseUpView> shown = view();
    QVERIFY(!shown->isFullScreen());
    QTest::keyClick(shown, Qt::Key_F11);
    QVERIFY(shown->isFullScreen());
    QTest::keyClick(shown, Qt::Key_F11);
    QVERIFY(!shown->isFullScreen());
    QTest::keyClick(shown, Qt::Key_F11);
    QTest::keyClick(shown, Qt::Key_Escape);
    QVERIFY(!shown->isFullScreen());
    QVERIFY(shown->isVisible());
    QTest::keyClick(shown, Qt::Key_Escape);
    // Closed and gone; the main window is as it was.
    QTRY_VERIFY_WITH_TIMEOUT(!shown, 2000);
    QVERIFY(m_korvana.window().isVisible());
}

void tst_CloseUp::drawsALineNotDots()
{
    QVERIFY(m_korvana.drawAndLookCloser());
    view()->resize(800, 900);
    const QImage shown = view()->grab().toImage();
    // A line of a few pixels' width along the whole curve darkens far more pixels
    // than the 2001 dots of the plot area.
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            dark += qGray(shown.pixel(x, y)) < 100;
    QVERIFY2(dark > 20000, qPrintable(QString::number(dark)));
}

void tst_CloseUp::aScreenOfAnotherScaleGetsASharpPicture()
{
    // The test runs on two screens, the second at twice the pixel ratio.
    if (QGuiApplication::screens().size() < 2)
        QSKIP("needs the offscreen platform's second screen, at another scale");
    QScreen *projector = QGuiApplication::screens().at(1);
    QVERIFY(projector->devicePixelRatio() != QGuiApplication::primaryScreen()->devicePixelRatio());
    QVERIFY(m_korvana.drawAndLookCloser());
    auto *canvas = view()->findChild<closeup::FigureCanvas *>();
    (void)canvas->grab();

    view()->windowHandle()->setScreen(projector);
    view()->move(projector->geometry().topLeft());
    QTRY_COMPARE(canvas->devicePixelRatioF(), projector->devicePixelRatio());
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // What the figure is at that scale, painted afresh.
    QImage sharp(shown.size(), QImage::Format_RGB32);
    sharp.setDevicePixelRatio(projector->devicePixelRatio());
    QPainter painter(&sharp);
    picture::FigurePainter({1, 3}).paint(painter, canvas->rect(), false);
    painter.end();
    QCOMPARE(shown, sharp);
}

void tst_CloseUp::theViewHasItsOwnFrequenciesAndPhase()
{
    m_korvana.list(0).setListIndex(0);
    m_korvana.list(1).setListIndex(0);
    QVERIFY(m_korvana.drawAndLookCloser());
    QMap<QString, QSpinBox *> values;
    for (auto *box : view()->findChildren<QSpinBox *>())
        values.insert(box->accessibleName(), box);
    for (const char *name : {"Честота a", "Честота b", "Фазова разлика"})
        QVERIFY2(values.contains(QString::fromUtf8(name)), name);
    QCOMPARE(values["Фазова разлика"]->value(), 90);

    // From the keyboard: the phase down to 0° makes the circle of 1 : 1 a line from
    // corner to corner, whose two ends count half each.
    values["Фазова разлика"]->setFocus();
    for (int step = 0; step < 18; ++step)
        QTest::keyClick(values["Фазова разлика"], Qt::Key_Down);
    QCOMPARE(countsText(), QStringLiteral("Честоти: a = 1 (X), b = 1 (Y), φ = 0°\nДопирания: горе ½, отстрани ½"));
    QCOMPARE(view()->figure()->phaseDegrees(), 0.0);
    // Heard as it changes, and read from the picture.
    const QString heard = QStringLiteral("Фигура на Лисажу за a = 1 и b = 1 при фазова разлика 0°; "
                                         "допирания: горе половина, отстрани половина");
    QCOMPARE(view()->findChild<closeup::FigureCanvas *>()->accessibleDescription(), heard);
    QCOMPARE(view()->findChild<forms::Announcer *>()->accessibleName(), heard);
    auto *dots = dotsBoxOf(*view());
    QVERIFY(!dots->isEnabled() && dots->toolTip().contains(QStringLiteral("φ = 90°")));
    values["Честота b"]->setFocus();
    QTest::keyClick(values["Честота b"], Qt::Key_Up);
    QCOMPARE(reading()->text(), QStringLiteral("b : a = 2 : 1"));

    // A draw in the window sets a and b, and the phase back to 90°.
    m_korvana.list(0).setListIndex(1);
    press(0);
    QCOMPARE(values["Честота a"]->value(), 2);
    QCOMPARE(values["Честота b"]->value(), 1);
    QCOMPARE(values["Фазова разлика"]->value(), 90);
    QVERIFY(dots->isEnabled());
}

void tst_CloseUp::theReadingCarriesToTheBackRow()
{
    press(0);
    QTest::keyClick(&m_korvana.window(), Qt::Key_F11);
    QVERIFY(QTest::qWaitForWindowExposed(view()));
    QCOMPARE(view()->screen()->size(), QSize(1920, 1080));
    QTRY_COMPARE(view()->height(), 1080);
    // Its digits' ink a twentieth of the screen's height at least, measured on the
    // last one, "b : a = 3 : 1"'s 1, as painted; bold, and larger than the rest of the
    // caption; the values and the dots box grow with the text.
    const QImage painted = reading()->grab().toImage();
    int lastInkColumn = -1;
    int top = painted.height();
    int bottom = -1;
    for (int x = painted.width() - 1; x >= 0; --x) {
        bool ink = false;
        for (int y = 0; y < painted.height(); ++y) {
            if (qGray(painted.pixel(x, y)) < 128) {
                ink = true;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        if (ink && lastInkColumn < 0)
            lastInkColumn = x;
        if (!ink && lastInkColumn >= 0)
            break;
    }
    const int inkPixels = (bottom - top + 1) / int(reading()->devicePixelRatioF());
    QVERIFY2(inkPixels >= 1080 / 20, qPrintable(QString::number(inkPixels)));
    const QFontInfo shown(reading()->font());
    QVERIFY(shown.bold());
    const auto *counts = view()->findChild<QLabel *>();
    QVERIFY(shown.pixelSize() > QFontInfo(counts->font()).pixelSize());
    for (QWidget *grown : {static_cast<QWidget *>(view()->findChild<QSpinBox *>()),
                           static_cast<QWidget *>(dotsBoxOf(*view()))})
        QCOMPARE(QFontInfo(grown->font()).pixelSize(), QFontInfo(counts->font()).pixelSize());
    // And the tick boxes' squares with it.
    for (QCheckBox *box : view()->findChildren<QCheckBox *>())
        QVERIFY(box->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, box)
                >= QFontMetrics(box->font()).height() / 2);
}

void tst_CloseUp::spaceLetsThePhaseDriftAndStopsIt()
{
    QVERIFY(m_korvana.drawAndLookCloser());
    auto *drift = view()->findChild<closeup::Drift *>();
    QVERIFY(!drift->isRunning());
    // From a value, as from anywhere in the view.
    auto *phase = view()->findChildren<QSpinBox *>().at(2);
    phase->setFocus();
    QTest::keyClick(phase, Qt::Key_Space);
    QVERIFY(drift->isRunning());
    QTRY_VERIFY(view()->figure()->phaseDegrees() > 95);
    QVERIFY(countsText().contains(QStringLiteral("φ = ")));

    QTest::keyClick(phase, Qt::Key_Space);
    QVERIFY(!drift->isRunning());
    const double stopped = view()->figure()->phaseDegrees();
    QCOMPARE(phase->value(), int(std::lround(stopped)));
    QVERIFY(view()->findChild<forms::Announcer *>()->accessibleName().contains(
        QStringLiteral("при фазова разлика %1°").arg(phase->value())));
    QCoreApplication::processEvents();
    QCOMPARE(view()->figure()->phaseDegrees(), stopped);

    // Stopped, it stands at the whole degree shown, as its caption says.
    QVERIFY(countsText().contains(QStringLiteral("φ = %1°").arg(phase->value())) || phase->value() == 90);
    // A worksheet starts from the window's phase, not where the drift stood; from one
    // the teacher chose by hand, that one.
    QCOMPARE(view()->worksheetPhaseDegrees(), 90.0);
    QTest::keyClick(phase, Qt::Key_Up);
    QCOMPARE(view()->worksheetPhaseDegrees(), double(phase->value()));
    QVERIFY(phase->value() != 90);
    QVERIFY(!view()->findChild<QCheckBox *>()->toolTip().isEmpty());

    // With nothing drawn, nothing drifts, and Space starts nothing.
    QTest::keyClick(phase, Qt::Key_Space);
    QVERIFY(drift->isRunning());
    press(1);
    QVERIFY(!drift->isRunning());
    QTest::keyClick(view(), Qt::Key_Space);
    QVERIFY(!drift->isRunning());
}

void tst_CloseUp::theTwoOscillationsRunBesideTheFigure()
{
    QVERIFY(m_korvana.drawAndLookCloser());
    auto *canvas = view()->findChild<closeup::FigureCanvas *>();
    const QImage still = canvas->grab().toImage();
    QCheckBox *oscillations = nullptr;
    for (QCheckBox *box : view()->findChildren<QCheckBox *>())
        if (box->text().remove(QLatin1Char('&')) == QStringLiteral("Покажи трептенията"))
            oscillations = box;
    QVERIFY(oscillations);
    oscillations->setChecked(true);

    // The waves stand beneath and beside a smaller figure, and the point moves on.
    const QImage first = canvas->grab().toImage();
    QVERIFY(first != still);
    QTRY_VERIFY(canvas->grab().toImage() != first);
    const auto running = [this] {
        const QList<closeup::Drift *> timers = view()->findChildren<closeup::Drift *>();
        return std::count_if(timers.begin(), timers.end(), [](closeup::Drift *d) { return d->isRunning(); });
    };
    QCOMPARE(running(), 1);
    oscillations->setChecked(false);
    QCOMPARE(running(), 0);
    QCOMPARE(canvas->grab().toImage(), still);

    oscillations->setChecked(true);
    // Full screen on a 1080-line projector the figure's square, found by its grey
    // frame, is still more than half the view's height.
    QTest::keyClick(view(), Qt::Key_F11);
    QTRY_COMPARE(view()->height(), 1080);
    const QImage full = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int frameTop = full.height();
    int frameBottom = -1;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x)
            if (full.pixel(x, y) == picture::FigurePalette::frame.rgb())
                frameTop = std::min(frameTop, y), frameBottom = std::max(frameBottom, y);
    QVERIFY2(frameBottom - frameTop >= 0.55 * 1080, qPrintable(QString::number(frameBottom - frameTop)));
}

void tst_CloseUp::aDriftingPictureIsTheFigurePaintedWhole_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("oscillations");
    QTest::newRow("19 : 18 at 1920 x 1080") << QSize(1920, 1080) << 0 << false;
    QTest::newRow("19 : 18 at 3840 x 2160") << QSize(3840, 2160) << 0 << false;
    QTest::newRow("19 : 18 with the oscillations") << QSize(1920, 1080) << 0 << true;
    QTest::newRow("19 : 18 on the projector, at twice the pixel ratio") << QSize(960, 540) << 1 << false;
}

void tst_CloseUp::aDriftingPictureIsTheFigurePaintedWhole()
{
    QFETCH(QSize, size);
    QFETCH(int, screen);
    QFETCH(bool, oscillations);
    if (QGuiApplication::screens().size() <= screen)
        QSKIP("needs the offscreen platform's second screen, at another scale");
    QVERIFY(m_korvana.drawAndLookCloser());
    QScreen *shownOn = QGuiApplication::screens().at(screen);
    view()->windowHandle()->setScreen(shownOn);
    view()->move(shownOn->geometry().topLeft());
    view()->resize(size);
    auto *canvas = view()->findChild<closeup::FigureCanvas *>();
    QTRY_COMPARE(canvas->devicePixelRatioF(), shownOn->devicePixelRatio());
    // The drift's steps, each shown as it comes, over the picture kept from the last.
    constexpr double start = 90, step = 0.6, pointTime = 2.1;
    constexpr int steps = 4;
    auto *state = view()->findChild<closeup::ViewState *>();
    state->setFrequencies({19, 18}, closeup::ViewState::Mover::User);
    canvas->setRunningPoint(oscillations ? std::optional(pointTime) : std::nullopt);
    for (int i = 1; i <= steps; ++i) {
        state->setPhaseDegrees(start + i * step, closeup::ViewState::Mover::Drift);
        canvas->repaint();
    }
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The same figure painted whole by one painter, unclipped.
    QImage whole(shown.size(), QImage::Format_RGB32);
    whole.setDevicePixelRatio(shown.devicePixelRatio());
    QPainter painter(&whole);
    const picture::FigurePainter figure({19, 18}, start + steps * step);
    const closeup::OscillationsPainter withWaves(figure, canvas->rect());
    if (oscillations) {
        withWaves.paintStill(painter, false, pointTime);
        withWaves.paintPoint(painter, pointTime);
    } else {
        figure.paint(painter, canvas->rect(), false);
    }
    painter.end();
    QCOMPARE(shown, whole);
}

QTEST_MAIN(tst_CloseUp)
#include "tst_closeup.moc"
