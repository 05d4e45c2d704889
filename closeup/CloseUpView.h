#pragma once

#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;

namespace closeup {

class FigureCanvas;
class FigurePainter;

// A window of its own with the figure drawn last, large: the curve as a line, its
// touch points and what they tell, for a projector or a closer look. F11 switches
// full screen; Esc leaves full screen, then closes the view.
class CloseUpView : public QWidget {
    Q_OBJECT

public:
    explicit CloseUpView(QWidget *parent = nullptr);

    // The figure for whole frequencies a and b, or none.
    void showFigure(int a, int b);
    void showNoFigure();

    void setFullScreen(bool on);

    // The figure shown, if any, and whether the program's dots are laid over it.
    const FigurePainter *figure() const;
    bool showsDots() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    FigureCanvas *m_canvas;
    QLabel *m_counts;
    QCheckBox *m_showDots;
    QRect m_normalGeometry;
};

} // namespace closeup
