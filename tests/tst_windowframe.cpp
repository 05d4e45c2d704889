#include "TitleBar.h"
#include "WindowFrame.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

// The frame of the program's own, around a plain fixed-size window.
class tst_WindowFrame : public QObject {
    Q_OBJECT

private slots:
    void isExactlyTheWindowAndItsTitleBar();
    void cutsALongTitleWithAnEllipsis();
    void offersToMinimiseAndCloseOnly();
    void givesTheWindowBackWhenDestroyed();
};

namespace {

std::unique_ptr<QWidget> fixedWindow(const QString &title)
{
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(466, 424);
    window->setWindowTitle(title);
    window->setAccessibleName(QStringLiteral("Прозорец"));
    return window;
}

} // namespace

void tst_WindowFrame::isExactlyTheWindowAndItsTitleBar()
{
    const auto window = fixedWindow(QStringLiteral("Korvana"));
    frame::WindowFrame frame(*window);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    const int bar = frame.findChild<frame::TitleBar *>()->height();
    QVERIFY(bar > 0);
    QCOMPARE(frame.size(), QSize(466, 424 + bar));
    QCOMPARE(frame.minimumSize(), frame.maximumSize());
    QCOMPARE(window->geometry(), QRect(0, bar, 466, 424));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Korvana"));
    QCOMPARE(frame.accessibleName(), QStringLiteral("Прозорец"));
}

void tst_WindowFrame::cutsALongTitleWithAnEllipsis()
{
    const QString caption = QStringLiteral("https://korvana.example Korvana - измерване на честота");
    const auto window = fixedWindow(caption);
    frame::WindowFrame frame(*window);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const auto *bar = frame.findChild<frame::TitleBar *>();
    QCOMPARE(bar->shownTitle(), caption);

    window->setFixedSize(200, 100);
    QTRY_COMPARE(frame.width(), 200);
    const QString shown = bar->shownTitle();
    QVERIFY2(shown.endsWith(QChar(0x2026)) && caption.startsWith(shown.chopped(1)), qPrintable(shown));
}

void tst_WindowFrame::offersToMinimiseAndCloseOnly()
{
    const auto window = fixedWindow(QStringLiteral("Korvana"));
    frame::WindowFrame frame(*window);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    const auto buttons = frame.findChildren<QToolButton *>();
    QStringList names;
    for (const QToolButton *button : buttons) {
        names << button->accessibleName();
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(names, (QStringList{QStringLiteral("Минимизирай"), QStringLiteral("Затвори")}));

    QTest::mouseClick(buttons.last(), Qt::LeftButton);
    QTRY_VERIFY(!frame.isVisible());
}

void tst_WindowFrame::givesTheWindowBackWhenDestroyed()
{
    const auto window = fixedWindow(QStringLiteral("Korvana"));
    QPointer<QWidget> watched = window.get();
    {
        frame::WindowFrame frame(*window);
        QCOMPARE(window->window(), &frame);
    }
    QVERIFY(watched);
    QVERIFY(window->isWindow());
}

QTEST_MAIN(tst_WindowFrame)
#include "tst_windowframe.moc"
