#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace closeup {

class FigureCanvas;
class FigurePainter;

// A window of its own with the figure drawn last, large: the curve as a line, its
// touch points and what they tell, for a projector or a closer look. F11 switches
// full screen; Esc leaves full screen, then closes the view. What it offers for the
// figure (its actions and the dots box) is off while there is none, saying why.
class CloseUpView : public QWidget {
    Q_OBJECT

public:
    explicit CloseUpView(QWidget *parent = nullptr);

    void showFigure(const FigurePainter &figure);
    void showNoFigure();

    void setFullScreen(bool on);

    // The figure shown, if any, and whether the program's dots are laid over it.
    const FigurePainter *figure() const;
    bool showsDots() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void actionEvent(QActionEvent *event) override;

private:
    void offerFigureActions(bool enabled);

    FigureCanvas *m_canvas;
    QLabel *m_counts;
    QCheckBox *m_showDots;
    QRect m_normalGeometry;
};

} // namespace closeup
