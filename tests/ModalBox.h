#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <type_traits>

// Runs act and, when it opens a modal message box, reads the box with read and then
// presses its OK button as a user would; nothing if no box came, for the caller to
// check. The watch runs inside act too, where a box waits in exec(), and for a second
// after it; it ends here, so it never fires in a later test.
template <class Read, class Result = std::invoke_result_t<Read, QMessageBox &>>
std::optional<Result> modalBox(const std::function<void()> &act, Read read)
{
    std::optional<Result> result;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (!result)
            result = read(*box);
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->accept();
    });
    watch.start(10);
    act();
    static_cast<void>(QTest::qWaitFor([&] { return result.has_value(); }, 1000));
    return result;
}

// The text of the message box that act opens, or nothing if it opens none.
inline std::optional<QString> modalBoxText(const std::function<void()> &act)
{
    return modalBox(act, [](QMessageBox &box) { return box.text(); });
}
