#pragma once

#include "CloseUp.h"
#include "CommandButton.h"
#include "Form.h"
#include "ListBox.h"
#include "PictureBox.h"

#include <cstdint>

// The program's window: two frequency lists, a plot area, and buttons that draw
// the Lissajous figure for the selected frequencies and clear it. All its state
// lives in its controls. Around it, the close-up view of the figure drawn last:
// opened from the plot area (double-click, Enter, its context menu) or full screen
// with F11.
class Korvana : public forms::Form {
    Q_OBJECT

public:
    explicit Korvana(QWidget *parent = nullptr);

protected:
    void load() override;

private:
    void Command1_Click(std::int16_t index);
    void DrawFigure();
    void ClearPlot();

    // The controls the handlers use, resolved once from the design.
    forms::PictureBox &Picture1;
    forms::ControlArray<forms::ListBox> List1;
    forms::ControlArray<forms::CommandButton> Command1;

    closeup::CloseUp m_closeUp;
};
