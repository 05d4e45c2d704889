#pragma once

#include "ControlArray.h"
#include "FormDesign.h"
#include "RuntimeError.h"

#include <QWidget>

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPushButton;

namespace forms {

class Announcer;

// A top-level window built from its design data. It runs its load handler before it
// is first shown, and runs every event handler so that a run-time error leaves the
// handler at once and is reported, while the window goes on working.
//
// A window resolves the controls it uses once, when it is built: control() and
// controlArray() raise a run-time error for a control the design lacks, so a
// misspelt name stops the window from being made at all.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const FormDesign &design, QWidget *parent = nullptr);

    // Runs the load handler, then shows the window (or the frame it was put in).
    void start();

    // The control of that name (and index, in a control array).
    template <class Control>
    Control &control(std::string_view name, std::optional<std::int16_t> index = {}) const
    {
        if (auto *found = qobject_cast<Control *>(lookUp(name, index)))
            return *found;
        if (index)
            throw RuntimeError::controlArrayElementMissing(*index);
        throw RuntimeError::objectRequired();
    }

    // Every member of the control array of that name.
    template <class Control>
    ControlArray<Control> controlArray(std::string_view name) const
    {
        ControlArray<Control> array;
        for (const Entry &entry : m_controls) {
            if (entry.name == name && entry.index)
                array.add(*entry.index, control<Control>(name, entry.index));
        }
        if (array.isEmpty())
            throw RuntimeError::objectRequired();
        return array;
    }

protected:
    virtual void load() {}
    // The run-time error that an error of the window's own code is to its user, if it
    // is one: a window whose handlers call code with errors of its own kind turns them
    // into run-time errors here. Others go on up.
    virtual std::optional<RuntimeError> runtimeErrorFor(const std::exception &) const { return std::nullopt; }
    // Runs a handler as the window runs its event handlers: a run-time error leaves it
    // at once and is reported, and the window goes on.
    void runHandler(const std::function<void()> &handler);
    // Tells a screen reader's user what an action changed elsewhere in the window.
    void announce(std::string_view text);

    // Binds the click of every button in the control array to one handler that
    // receives the pressed button's index.
    template <class Button>
    void onClick(const ControlArray<Button> &buttons, std::function<void(std::int16_t)> handler)
    {
        for (const auto &[index, button] : buttons)
            bindClick(*button, index, handler);
    }

private:
    struct Entry {
        std::string name;
        std::optional<std::int16_t> index;
        QWidget *widget;
    };

    QWidget *lookUp(std::string_view name, std::optional<std::int16_t> index) const;
    void bindClick(QPushButton &button, std::int16_t index, std::function<void(std::int16_t)> handler);

    std::vector<Entry> m_controls;
    Announcer *m_announcer;
};

} // namespace forms
