#include "DesignSamples.h"
#include "KorvanaDesign.h"
#include "KorvanaFixture.h"
#include "TextBox.h"

#include <QLabel>
#include <QRawFont>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

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
    void controlsShowWholeAndApart();
    void labelsStandOnTheirLists();
    void textsFitTheirControls();
    void colouredRegionsShowTheirColours();
    void helpTextHasItsTenLines();
    void textBoxesAreReadOnlyAndScroll();
    void everyTextIsInTheWindowFontWithoutMissingGlyphs();
    void tabVisitsTheTextPlotListsAndButtonsInOrder();
    void spacePressesTheFocusedButton();
    void focusShowsOnEveryFocusableControl();

private:
    Korvana &window() { return m_korvana.window(); }
    QWidget *control(std::string_view name, std::optional<std::int16_t> index = {})
    {
        return &window().control<QWidget>(name, index);
    }

    KorvanaFixture m_korvana;
};

void tst_KorvanaLayout::init()
{
    QVERIFY(m_korvana.start());
}

void tst_KorvanaLayout::cleanup()
{
    m_korvana.reset();
}

void tst_KorvanaLayout::windowIsFixedAtItsDesignedSize()
{
    QCOMPARE(window().size(), QSize(466, 424));
    QCOMPARE(window().minimumSize(), window().maximumSize());
    QCOMPARE(window().windowTitle(), QStringLiteral("https://korvana.example Korvana - измерване на честота"));
    QVERIFY(window().windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window().windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window().windowIcon().pixmap(32, 32).toImage().size(), QSize(32, 32));

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
    QCOMPARE(window().devicePixelRatio(), scaleFactor());
    QCOMPARE(window().grab().size(), QSize(466, 424) * scaleFactor());
}

void tst_KorvanaLayout::controlsShowWholeAndApart()
{
    // Only a label rests a pixel deep on its list; the aphorism's box, which would
    // cover the help, stays hidden.
    QHash<QWidget *, QString> shown;
    for (const forms::ControlDesign &design : korvanaDesign().controls) {
        QWidget *widget = control(design.name, design.index);
        const QString name = QStringLiteral("%1(%2)").arg(qtText(design.name)).arg(design.index.value_or(0));
        if (widget->isHidden())
            continue;
        QVERIFY2(window().rect().contains(widget->geometry()), qPrintable(name));
        for (auto [other, otherName] : shown.asKeyValueRange()) {
            const QRect both = widget->geometry() & other->geometry();
            const bool labelOnList =
                both.height() <= 1 && (qobject_cast<QLabel *>(widget) || qobject_cast<QLabel *>(other));
            QVERIFY2(both.isEmpty() || labelOnList, qPrintable(name + " covers " + otherName));
        }
        shown.insert(widget, name);
    }
    QCOMPARE(shown.size(), 9);
    QCOMPARE(control("Picture1")->width(), control("Picture1")->height());
}

void tst_KorvanaLayout::labelsStandOnTheirLists()
{
    // Each label sits on its list's top edge, as wide as the list: plainly its name.
    for (std::int16_t i : {0, 1}) {
        const auto *label = qobject_cast<QLabel *>(control("Label1", std::int16_t(i + 1)));
        const QRect list = m_korvana.list(i).geometry();
        QCOMPARE(label->text(), i == 0 ? QStringLiteral("X") : QStringLiteral("Y"));
        QCOMPARE(label->x(), list.x());
        QCOMPARE(label->width(), list.width());
        QVERIFY(label->geometry().bottom() >= list.top() - 1 && label->geometry().bottom() <= list.top());
    }
}

void tst_KorvanaLayout::textsFitTheirControls()
{
    const auto fits = [](const QWidget *widget, const QString &text) {
        const QFontMetrics metrics(widget->font());
        QVERIFY2(metrics.horizontalAdvance(text) <= widget->contentsRect().width()
                     && metrics.height() <= widget->contentsRect().height(),
                 qPrintable(text));
    };
    for (std::int16_t i : {0, 1, 2})
        fits(control("Label1", i), qobject_cast<QLabel *>(control("Label1", i))->text());
    for (std::int16_t i : {0, 1}) {
        fits(&m_korvana.button(i), m_korvana.button(i).text());
        const forms::ListBox &list = m_korvana.list(i);
        for (std::int16_t row = 0; row < list.listCount(); ++row)
            fits(list.viewport(), QString::fromStdString(list.itemText(row)));
    }
}

void tst_KorvanaLayout::colouredRegionsShowTheirColours()
{
    const QImage shown = window().grab().toImage();
    const qreal scale = window().devicePixelRatio();
    for (const DesignSample &sample : designSamples) {
        const QPoint at = (QPointF(sample.at) * scale).toPoint();
        QVERIFY2(shown.pixel(at) == sample.colour,
                 qPrintable(QStringLiteral("%1: %2").arg(sample.region, QColor(shown.pixel(at)).name())));
    }
    // The whole plot area is white from load on.
    auto &picture = m_korvana.picture();
    const QImage plot = picture.grab(picture.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    QImage white(plot.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QVERIFY(plot == white);
}

void tst_KorvanaLayout::helpTextHasItsTenLines()
{
    // As the box shows it: ten lines, the last one ended too.
    const QString shown = window().control<forms::TextBox>("Text1", 0).toPlainText();
    QVERIFY(!shown.contains(QLatin1Char('\r')));
    const QStringList lines = shown.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines[3], QStringLiteral("Тема на проекта: Korvana."));
    QCOMPARE(lines[4], QStringLiteral("Входни данни: отношение a/b между двете честоти."));
    QCOMPARE(lines[5], QStringLiteral("Изход - изчертава се фигура на Лисажу."));
    QVERIFY(lines[6].endsWith(QLatin1Char(':')));
    QCOMPARE(lines[7], QStringLiteral("X = A*sin(a*t+pi/2);"));
    QVERIFY(lines[8].startsWith(QStringLiteral("Y = B*sin(b*t), ")));

    // The aphorism has a box of its own, kept hidden.
    auto &aphorism = window().control<forms::TextBox>("Text1", 1);
    QVERIFY(aphorism.isHidden());
    QCOMPARE(aphorism.toPlainText().split(QLatin1Char('\n')).size(), 4);
}

void tst_KorvanaLayout::textBoxesAreReadOnlyAndScroll()
{
    auto &box = window().control<forms::TextBox>("Text1", 0);
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
    QCOMPARE(window().control<QLabel>("Label1", 0).text(), QStringLiteral("Korvana"));
}

void tst_KorvanaLayout::tabVisitsTheTextPlotListsAndButtonsInOrder()
{
    const QList<QWidget *> order = {control("Text1", 0),    control("Picture1"),    control("List1", 0),
                                    control("List1", 1),    control("Command1", 0), control("Command1", 1),
                                    control("Text1", 0)};
    order.first()->setFocus();
    for (qsizetype step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order[step]);
    }
}

void tst_KorvanaLayout::spacePressesTheFocusedButton()
{
    auto &draw = m_korvana.button(0);
    QSignalSpy clicks(&draw, &QPushButton::clicked);
    draw.setFocus();
    QTest::keyClick(&draw, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QTest::keyClick(&draw, Qt::Key_Return);
    QCOMPARE(clicks.count(), 2);
    const forms::PictureModel &area = m_korvana.picture().model();
    QCOMPARE(area.pixel(area.width() * 3 / 4, area.height() / 2), 0xff000000u);
}

void tst_KorvanaLayout::focusShowsOnEveryFocusableControl()
{
    const QList<QWidget *> focusable = {control("Text1", 0), control("Picture1"), control("List1", 0),
                                        control("List1", 1), control("Command1", 0), control("Command1", 1)};
    for (QWidget *widget : focusable) {
        // The control and a little around it, while another control holds the focus
        // and while this one does: the mark must go all round it, not be a detail.
        const QRect around = widget->geometry().adjusted(-3, -3, 3, 3);
        QWidget *other = widget == focusable.first() ? focusable.last() : focusable.first();
        other->setFocus();
        const QImage without = window().grab(around).toImage();
        widget->setFocus();
        QVERIFY(widget->hasFocus());
        const QImage with = window().grab(around).toImage();
        int changed = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                changed += with.pixel(x, y) != without.pixel(x, y);
        const int perimeter = 2 * (widget->width() + widget->height()) * int(window().devicePixelRatio());
        QVERIFY2(changed >= perimeter,
                 qPrintable(QStringLiteral("%1: %2 pixels change").arg(widget->accessibleName()).arg(changed)));
    }
}

QTEST_MAIN(tst_KorvanaLayout)
#include "tst_korvanalayout.moc"
