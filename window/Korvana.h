#pragma once

#include "CloseUp.h"
#include "CommandButton.h"
#include "Form.h"
#include "ListBox.h"
#include "PictureBox.h"

#include <cstdint>

class QAction;

// The program's window: two frequency lists, a plot area, and buttons that draw
// the Lissajous figure for the selected frequencies and clear it. Around it, the
// close-up view of the figure drawn last, which the window's close-up keeps: opened
// from the plot area (double-click, Enter, its context menu) or full screen with F11.
class Korvana : public forms::Form {
    Q_OBJECT

public:
    explicit Korvana(QWidget *parent = nullptr);

protected:
    void load() override;
    std::optional<forms::RuntimeError> runtimeErrorFor(const std::exception &error) const override;

private slots:
    void lookCloser();
    void lookCloserFullScreen();
    void copyPicture();
    void savePicture();
    void offerExportsIn(closeup::CloseUpView *view);
    void copyFigure();
    void saveFigure();
    void printFigure();
    void makeWorksheet();
    void openRecording();

private:
    // The members of the control arrays, by what they are for.
    static constexpr std::int16_t listX = 0;
    static constexpr std::int16_t listY = 1;
    static constexpr std::int16_t drawButton = 0;
    static constexpr std::int16_t clearButton = 1;

    void Command1_Click(std::int16_t index);
    void DrawFigure();
    void ClearPlot();
    void showNoFigure();
    void offerPictureActions(bool on);
    // Does what the view's action asks with the view's figure, as the view shows it.
    void onViewFigure(void (*act)(QWidget *, const picture::FigurePainter &, bool));
    // An action on widget whose slot runs as the window's event handlers do.
    QAction *addHandledAction(QWidget &widget, const QString &text, void (Korvana::*slot)(),
                       const QKeySequence &shortcut = {});

    // The controls the handlers use, resolved once from the design.
    forms::PictureBox &Picture1;
    forms::ControlArray<forms::ListBox> List1;
    forms::ControlArray<forms::CommandButton> Command1;

    closeup::CloseUp m_closeUp;
    // The plot area's copy and save, on only while a figure is drawn.
    QList<QAction *> m_pictureActions;
};
