#include "ListBox.h"
#include "RuntimeError.h"

#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

std::unique_ptr<forms::ListBox> frequencyList()
{
    auto list = std::make_unique<forms::ListBox>();
    for (int i = 1; i <= 19; ++i)
        list->addItem(std::to_string(i));
    list->resize(57, 99);
    list->setListIndex(2);
    list->show();
    return list;
}

void clickItem(forms::ListBox &list, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QRect rect = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rect.center());
}

// As Windows' palette has them: the highlight strong, its inactive colour the window's
// pale grey.
const QColor activeHighlight(0, 120, 215);
const QColor inactiveHighlight(240, 240, 240);
// How far a style's focus mark may tint the highlight under it (Fusion's does).
constexpr int focusTint = 16;

bool isHighlight(const QColor &colour)
{
    return std::abs(colour.red() - activeHighlight.red()) <= focusTint
           && std::abs(colour.green() - activeHighlight.green()) <= focusTint
           && std::abs(colour.blue() - activeHighlight.blue()) <= focusTint;
}

// The colour that covers most of the image: under an item, its background.
QRgb mostCommonColour(const QImage &image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto &a, const auto &b) { return a.second < b.second; })
        ->first;
}

int raisedErrorNumber(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const forms::RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

class tst_ListBox : public QObject {
    Q_OBJECT

private slots:
    void clickSelectsOneItem();
    void ctrlClickCannotEmptyTheSelection();
    void ctrlSpaceCannotEmptyTheSelection();
    void keysMoveTheSelection_data();
    void keysMoveTheSelection();
    void indexesOutsideTheListRaiseErrors();
    void selectionKeepsTheHighlight_data();
    void selectionKeepsTheHighlight();
};

void tst_ListBox::clickSelectsOneItem()
{
    auto list = frequencyList();
    QVERIFY(QTest::qWaitForWindowExposed(list.get()));
    clickItem(*list, 0);
    QCOMPARE(list->listIndex(), std::int16_t(0));
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->itemText(list->listIndex()), std::string("1"));
}

void tst_ListBox::ctrlClickCannotEmptyTheSelection()
{
    auto list = frequencyList();
    QVERIFY(QTest::qWaitForWindowExposed(list.get()));
    clickItem(*list, 2, Qt::ControlModifier);
    QCOMPARE(list->listIndex(), std::int16_t(2));
    clickItem(*list, 1, Qt::ControlModifier);
    QCOMPARE(list->listIndex(), std::int16_t(1));
    QCOMPARE(list->selectedItems().size(), 1);
}

void tst_ListBox::ctrlSpaceCannotEmptyTheSelection()
{
    auto list = frequencyList();
    QVERIFY(QTest::qWaitForWindowExposed(list.get()));
    list->setFocus();
    QTest::keyClick(list.get(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list->listIndex(), std::int16_t(2));
    QTest::keyClick(list.get(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list->listIndex(), std::int16_t(2));
}

void tst_ListBox::keysMoveTheSelection_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("index");
    QTest::newRow("down") << int(Qt::Key_Down) << 3;
    QTest::newRow("up") << int(Qt::Key_Up) << 1;
    QTest::newRow("home") << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << int(Qt::Key_End) << 18;
}

void tst_ListBox::keysMoveTheSelection()
{
    QFETCH(int, key);
    QFETCH(int, index);
    auto list = frequencyList();
    QVERIFY(QTest::qWaitForWindowExposed(list.get()));
    list->setFocus();
    QTest::keyClick(list.get(), Qt::Key(key));
    QCOMPARE(list->listIndex(), std::int16_t(index));
    QCOMPARE(list->selectedItems().size(), 1);
}

void tst_ListBox::indexesOutsideTheListRaiseErrors()
{
    auto list = frequencyList();
    QCOMPARE(raisedErrorNumber([&] { list->setListIndex(19); }), 380);
    QCOMPARE(raisedErrorNumber([&] { list->setListIndex(-1); }), 380);
    QCOMPARE(raisedErrorNumber([&] { list->itemText(19); }), 381);
    QCOMPARE(raisedErrorNumber([&] { list->itemText(-1); }), 381);
    QCOMPARE(list->listIndex(), std::int16_t(2));
}

void tst_ListBox::selectionKeepsTheHighlight_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("focused");
    for (const QString &style : QStyleFactory::keys()) {
        QTest::addRow("%s, focused", qPrintable(style)) << style << true;
        QTest::addRow("%s, unfocused", qPrintable(style)) << style << false;
    }
}

// Whether its list has the focus or another one has, the selected row is painted in
// the active highlight.
void tst_ListBox::selectionKeepsTheHighlight()
{
    QFETCH(QString, style);
    QFETCH(bool, focused);
    std::unique_ptr<QStyle> qtStyle(QStyleFactory::create(style));
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Active, QPalette::Highlight, activeHighlight);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, inactiveHighlight);
    window.setPalette(palette);
    std::array<forms::ListBox *, 2> lists{new forms::ListBox(&window), new forms::ListBox(&window)};
    for (int i = 0; i < int(lists.size()); ++i) {
        lists[i]->setStyle(qtStyle.get());
        for (const char *item : {"1", "2", "3"})
            lists[i]->addItem(item);
        lists[i]->setGeometry(10 + 70 * i, 10, 57, 99);
        lists[i]->setListIndex(1);
    }
    window.resize(150, 120);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    forms::ListBox &list = *lists[0];
    (focused ? lists[0] : lists[1])->setFocus();
    QCOMPARE(list.hasFocus(), focused);
    const QRect row = list.visualItemRect(list.item(1));
    const QColor background(mostCommonColour(list.viewport()->grab(row).toImage()));
    QVERIFY2(isHighlight(background), qPrintable(background.name()));
}

QTEST_MAIN(tst_ListBox)
#include "tst_listbox.moc"
