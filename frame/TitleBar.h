#pragma once

#include <QWidget>

class QToolButton;

namespace frame {

// The strip across the top of a window that the desktop does not frame: the window's
// icon and title, cut with an ellipsis where it does not fit, and buttons to minimise
// and close it; dragging it moves the window. A fixed-size window has no maximise
// button. Its buttons take no keyboard focus, so the window's tab order is its own.
class TitleBar : public QWidget {
    Q_OBJECT

public:
    explicit TitleBar(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    // The title as shown: the window's title, or its start and an ellipsis.
    QString shownTitle() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QRect titleRect() const;

    QToolButton *m_minimise;
    QToolButton *m_close;
};

} // namespace frame
