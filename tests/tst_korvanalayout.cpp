#include "CommandButton.h"
#include "DesignSamples.h"
#include "Korvana.h"
#include "KorvanaDesign.h"
#include "ListBox.h"
#include "PictureBox.h"
#include "TextBox.h"

#include <QRawFont>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The display scale this run was started with: 1, or QT_SCALE_FACTOR.
qreal scaleFactor()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                                       : 1.0;
}

} // namespace

class tst_KorvanaLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowIsFixedAtItsDesignedSize();
    void controlsStandWhereTheDesignPutsThem_data();
    void controlsStandWhereTheDesignPutsThem();
    void colouredRegionsShowTheirColours();
    void helpTextHasItsTenLines();
    void textBoxesAreReadOnlyAndScroll();
    void everyTextIsInTheWindowFontWithoutMissingGlyphs();
    void tabVisitsTheTextPlotListsAndButtonsInOrder();
    void spacePressesTheFocusedButton();
    void focusShowsOnEveryFocusableControl();

private:
    QWidget *control(std::string_view name, std::optional<std::int16_t> index = {})
    {
        return &m_window->control<QWidget>(name, index);
    }

    std::unique_ptr<Korvana> m_window;
};

void tst_KorvanaLayout::init()
{
    m_window = std::make_unique<Korvana>();
    m_window->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_KorvanaLayout::cleanup()
{
    m_window.reset();
}

void tst_KorvanaLayout::windowIsFixedAtItsDesignedSize()
{
    QCOMPARE(m_window->size(), QSize(466, 424));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("https://korvana.example Korvana - измерване на честота"));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->windowIcon().pixmap(32, 32).toImage().size(), QSize(32, 32));

    // The Windows icon and the desktop's icons carry the same picture, made from the
    // same source; the larger one is an exact enlargement.
    const QImage icon = QImage(QFINDTESTDATA("../window/korvana.xpm"));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    const QImage picture = icon.convertToFormat(QImage::Format_ARGB32);
    for (const char *file : {"../window/korvana.ico", "../window/korvana-32.png"}) {
        const QImage made(QFINDTESTDATA(file));
        QVERIFY2(made.convertToFormat(QImage::Format_ARGB32) == picture, file);
    }
    const QImage large(QFINDTESTDATA("../window/korvana-128.png"));
    QCOMPARE(large.convertToFormat(QImage::Format_ARGB32), picture.scaled(128, 128));

    // In device pixels, the window grows with the display scale.
    QCOMPARE(m_window->devicePixelRatio(), scaleFactor());
    QCOMPARE(m_window->grab().size(), QSize(466, 424) * scaleFactor());
}

void tst_KorvanaLayout::controlsStandWhereTheDesignPutsThem_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("geometry");
    // The design's twips at 15 a pixel; the plot area's 3200 twips round to 213.
    QTest::newRow("help text") << QByteArray("Text1") << 0 << QRect(8, 256, 449, 161);
    QTest::newRow("aphorism") << QByteArray("Text1") << 1 << QRect(40, 312, 449, 121);
    QTest::newRow("title") << QByteArray("Label1") << 0 << QRect(88, 0, 305, 25);
    QTest::newRow("plot area") << QByteArray("Picture1") << -1 << QRect(8, 32, 213, 213);
    QTest::newRow("list a") << QByteArray("List1") << 0 << QRect(272, 72, 57, 99);
    QTest::newRow("label X") << QByteArray("Label1") << 1 << QRect(272, 48, 57, 25);
    QTest::newRow("list b") << QByteArray("List1") << 1 << QRect(400, 72, 57, 99);
    QTest::newRow("label Y") << QByteArray("Label1") << 2 << QRect(400, 48, 57, 25);
    QTest::newRow("draw button") << QByteArray("Command1") << 0 << QRect(272, 184, 89, 33);
    QTest::newRow("clear button") << QByteArray("Command1") << 1 << QRect(368, 216, 89, 33);
}

void tst_KorvanaLayout::controlsStandWhereTheDesignPutsThem()
{
    QFETCH(QByteArray, name);
    QFETCH(int, index);
    QFETCH(QRect, geometry);
    const std::optional<std::int16_t> arrayIndex =
        index < 0 ? std::nullopt : std::optional<std::int16_t>(std::int16_t(index));
    QCOMPARE(control(name.toStdString(), arrayIndex)->geometry(), geometry);
}

void tst_KorvanaLayout::colouredRegionsShowTheirColours()
{
    const QImage shown = m_window->grab().toImage();
    const qreal scale = m_window->devicePixelRatio();
    for (const DesignSample &sample : designSamples) {
        const QPoint at = (QPointF(sample.at) * scale).toPoint();
        QVERIFY2(shown.pixel(at) == sample.colour,
                 qPrintable(QStringLiteral("%1: %2").arg(sample.region, QColor(shown.pixel(at)).name())));
    }
    // The whole plot area is white from load on.
    auto &picture = m_window->control<forms::PictureBox>("Picture1");
    const QImage plot = picture.grab(picture.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    QImage white(plot.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QVERIFY(plot == white);
}

void tst_KorvanaLayout::helpTextHasItsTenLines()
{
    const forms::ControlDesign &help = korvanaDesign().controls[0];
    QCOMPARE(help.name, "Text1");
    const QStringList lines = qtText(help.text).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.last(), QString()); // the last line ends with CR LF too
    QVERIFY(!qtText(help.text).remove(QStringLiteral("\r\n")).contains(QLatin1Char('\r')));
    QVERIFY(!qtText(help.text).remove(QStringLiteral("\r\n")).contains(QLatin1Char('\n')));
    QCOMPARE(lines[3], QStringLiteral("Тема на проекта: Korvana."));
    QCOMPARE(lines[4], QStringLiteral("Входни данни: отношение a/b между двете честоти."));
    QCOMPARE(lines[5], QStringLiteral("Изход - изчертава се фигура на Лисажу."));
    QVERIFY(lines[6].endsWith(QLatin1Char(':')));
    QCOMPARE(lines[7], QStringLiteral("X = A*sin(a*t+pi/2);"));
    QVERIFY(lines[8].startsWith(QStringLiteral("Y = B*sin(b*t), ")));

    // The box shows those lines, one to a line.
    auto &box = m_window->control<forms::TextBox>("Text1", 0);
    QCOMPARE(box.toPlainText().split(QLatin1Char('\n')), lines);

    // The aphorism has a box of its own, kept hidden.
    auto &aphorism = m_window->control<forms::TextBox>("Text1", 1);
    QVERIFY(aphorism.isHidden());
    QCOMPARE(aphorism.toPlainText().split(QLatin1Char('\n')).size(), 4);
}

void tst_KorvanaLayout::textBoxesAreReadOnlyAndScroll()
{
    auto &box = m_window->control<forms::TextBox>("Text1", 0);
    QVERIFY(box.isReadOnly());
    QVERIFY(box.textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(box.textInteractionFlags() & Qt::TextSelectableByKeyboard);
    // The help is longer than its box: a vertical scroll bar reaches the rest.
    QVERIFY(box.verticalScrollBar()->isVisible());
    QVERIFY(box.verticalScrollBar()->maximum() > 0);
    QVERIFY(!box.horizontalScrollBar()->isVisible());
}

void tst_KorvanaLayout::everyTextIsInTheWindowFontWithoutMissingGlyphs()
{
    for (const forms::ControlDesign &design : korvanaDesign().controls) {
        QWidget *widget = control(design.name, design.index);
        const QFont font = widget->font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());

        // The font that really draws: Times New Roman, or on Linux its metric-compatible
        // stand-in. Every character must be in it, not in some fallback font.
        const QRawFont drawn = QRawFont::fromFont(font);
        QVERIFY2(QStringList({"Times New Roman", "Liberation Serif"}).contains(drawn.familyName()),
                 qPrintable(drawn.familyName()));
        QString text = qtText(design.text);
        for (std::string_view item : design.items)
            text += qtText(item);
        for (char32_t character : text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).toUcs4()) {
            QVERIFY2(drawn.supportsCharacter(character),
                     qPrintable(QStringLiteral("%1 lacks U+%2 in %3")
                                    .arg(qtText(design.name))
                                    .arg(uint(character), 4, 16, QLatin1Char('0'))
                                    .arg(drawn.familyName())));
        }
    }
    QCOMPARE(m_window->control<QLabel>("Label1", 0).text(), QStringLiteral("Korvana"));
}

void tst_KorvanaLayout::tabVisitsTheTextPlotListsAndButtonsInOrder()
{
    const QList<QWidget *> order = {control("Text1", 0),    control("Picture1"),    control("List1", 0),
                                    control("List1", 1),    control("Command1", 0), control("Command1", 1),
                                    control("Text1", 0)};
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    order.first()->setFocus();
    for (qsizetype step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order[step]);
    }
}

void tst_KorvanaLayout::spacePressesTheFocusedButton()
{
    auto &draw = m_window->control<forms::CommandButton>("Command1", 0);
    QSignalSpy clicks(&draw, &QPushButton::clicked);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    draw.setFocus();
    QTest::keyClick(&draw, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QTest::keyClick(&draw, Qt::Key_Return);
    QCOMPARE(clicks.count(), 2);
    const forms::PictureModel &area = m_window->control<forms::PictureBox>("Picture1").model();
    QCOMPARE(area.pixel(area.width() * 3 / 4, area.height() / 2), 0xff000000u);
}

void tst_KorvanaLayout::focusShowsOnEveryFocusableControl()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QList<QWidget *> focusable = {control("Text1", 0), control("Picture1"), control("List1", 0),
                                        control("List1", 1), control("Command1", 0), control("Command1", 1)};
    for (QWidget *widget : focusable) {
        // The control and a little around it, while another control holds the focus
        // and while this one does: the mark must go all round it, not be a detail.
        const QRect around = widget->geometry().adjusted(-3, -3, 3, 3);
        QWidget *other = widget == focusable.first() ? focusable.last() : focusable.first();
        other->setFocus();
        const QImage without = m_window->grab(around).toImage();
        widget->setFocus();
        QVERIFY(widget->hasFocus());
        const QImage with = m_window->grab(around).toImage();
        int changed = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                changed += with.pixel(x, y) != without.pixel(x, y);
        const int perimeter = 2 * (widget->width() + widget->height()) * int(m_window->devicePixelRatio());
        QVERIFY2(changed >= perimeter,
                 qPrintable(QStringLiteral("%1: %2 pixels change").arg(widget->accessibleName()).arg(changed)));
    }
}

QTEST_MAIN(tst_KorvanaLayout)
#include "tst_korvanalayout.moc"
