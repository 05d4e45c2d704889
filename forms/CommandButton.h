#pragma once

#include "Rgb.h"

#include <QPushButton>

#include <optional>

namespace forms {

// A push button with a caption. Given a face colour, it paints its whole face in
// that colour itself, the same in every Qt style, with a classic raised bevel, a
// black caption and a dotted focus rectangle inside a black frame when focused.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, std::optional<Rgb> face = {},
                           QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<Rgb> m_face;
};

} // namespace forms
