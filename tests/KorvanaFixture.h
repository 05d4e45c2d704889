#pragma once

#include "CloseUpView.h"
#include "CommandButton.h"
#include "Korvana.h"
#include "ListBox.h"
#include "PictureBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

#include <cstdint>
#include <memory>

// The close-up's tick box that lays the program's dots over the line, found by the
// words a user reads on it.
inline QCheckBox *dotsBoxOf(const QWidget &view)
{
    for (QCheckBox *box : view.findChildren<QCheckBox *>())
        if (box->text().contains(QStringLiteral("точки")))
            return box;
    return nullptr;
}

// A fresh Korvana window for each test, started as the program starts it, and its
// controls by the names its handlers use.
class KorvanaFixture {
public:
    // Makes and shows a new window in place of any earlier one; false if it never
    // came up and took the focus.
    [[nodiscard]] bool start()
    {
        m_window = std::make_unique<Korvana>();
        m_window->start();
        return QTest::qWaitForWindowExposed(m_window.get()) && QTest::qWaitForWindowActive(m_window.get());
    }
    void reset() { m_window.reset(); }

    Korvana &window() const { return *m_window; }
    forms::ListBox &list(std::int16_t index) const { return m_window->control<forms::ListBox>("List1", index); }
    forms::CommandButton &button(std::int16_t index) const
    {
        return m_window->control<forms::CommandButton>("Command1", index);
    }
    forms::PictureBox &picture() const { return m_window->control<forms::PictureBox>("Picture1"); }

    // Draws the selected figure and opens its close-up from the plot area, as a user
    // does; the view once it is the active window, or nothing.
    closeup::CloseUpView *drawAndLookCloser() const
    {
        button(0).click();
        QTest::keyClick(&picture(), Qt::Key_Return);
        auto *view = m_window->findChild<closeup::CloseUpView *>();
        if (!view || !QTest::qWaitFor([view] { return QApplication::activeWindow() == view; }))
            return nullptr;
        return view;
    }

private:
    std::unique_ptr<Korvana> m_window;
};
