#pragma once

#include "FormDesign.h"
#include "RuntimeError.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// A top-level window built from its design data. It looks up its controls by name
// and index, runs its load handler before it is first shown, and runs every event
// handler so that a run-time error leaves the handler at once and is reported,
// while the window goes on working.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const FormDesign &design, QWidget *parent = nullptr);

    // Runs the load handler, then shows the window.
    void start();

    // The control of that name (and index, in a control array); a missing one
    // raises a run-time error.
    template <class Control>
    Control &control(std::string_view name, std::optional<std::int16_t> index = {}) const
    {
        if (auto *found = qobject_cast<Control *>(lookUp(name, index)))
            return *found;
        if (index)
            throw figure::RuntimeError::controlArrayElementMissing(*index);
        throw figure::RuntimeError::objectRequired();
    }

protected:
    virtual void load() {}
    // Binds the click of every button in the control array to one handler that
    // receives the pressed button's index.
    void onClick(std::string_view arrayName, std::function<void(std::int16_t)> handler);

private:
    struct Entry {
        std::string name;
        std::optional<std::int16_t> index;
        QWidget *widget;
    };

    QWidget *lookUp(std::string_view name, std::optional<std::int16_t> index) const;
    void runHandler(const std::function<void()> &handler);

    std::vector<Entry> m_controls;
};

} // namespace forms
