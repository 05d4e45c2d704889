#include "ListBox.h"
#include "RuntimeError.h"

#include <QTest>

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

QTEST_MAIN(tst_ListBox)
#include "tst_listbox.moc"
