#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <type_traits>

// Runs act and answers every modal dialog it opens with answer, as a user would. The
// watch runs inside act too, where a dialog waits in exec(); it ends here, so it never
// acts in a later test.
inline void answeringDialogs(const std::function<void()> &act, const std::function<void(QWidget &)> &answer)
{
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            answer(*dialog);
    });
    watch.start();
    act();
}

// Runs act and, when it opens a modal message box, reads the box with read and then
// presses its OK button; nothing if no box came, for the caller to check. A box that
// opens late is waited for a second.
template <class Read>
auto modalBox(const std::function<void()> &act, Read read)
    -> std::optional<std::invoke_result_t<Read, QMessageBox &>>
{
    std::optional<std::invoke_result_t<Read, QMessageBox &>> result;
    const auto waitedFor = [&] {
        act();
        (void)QTest::qWaitFor([&] { return result.has_value(); }, 1000);
    };
    answeringDialogs(waitedFor, [&](QWidget &dialog) {
        auto *box = qobject_cast<QMessageBox *>(&dialog);
        if (!box)
            return;
        if (!result)
            result = read(*box);
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->accept();
    });
    return result;
}

// The text of the message box that act opens, or nothing if it opens none.
inline std::optional<QString> modalBoxText(const std::function<void()> &act)
{
    return modalBox(act, [](QMessageBox &box) { return box.text(); });
}
