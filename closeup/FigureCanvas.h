#pragma once

#include "FigurePainter.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace closeup {

class ViewState;

// Shows the figure of the view's state as large as it fits. The figure is painted
// once for each size and setting, in bands at once (PictureBands), and kept; repaints
// copy that picture rather than stroke the curve again, and a running point is painted
// over it.
class FigureCanvas : public QWidget {
    Q_OBJECT

public:
    explicit FigureCanvas(const ViewState &state, QWidget *parent = nullptr);

    void setShowDots(bool show);
    // With a time, the figure with its two oscillations and the point at that time
    // running along it; without, the figure alone.
    void setRunningPoint(std::optional<double> t);
    const picture::FigurePainter *figure() const { return m_figure ? &*m_figure : nullptr; }
    bool showsDots() const { return m_showDots; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void followState();
    void paintFigure(QPainter &painter) const;
    void paintRunningPoint(QPainter &painter) const;

    const ViewState &m_state;
    // The state's figure, made once for each change of it.
    std::optional<picture::FigurePainter> m_figure;
    bool m_showDots = false;
    std::optional<double> m_running;
    QImage m_picture;
    // What of the kept picture is to be painted again before it is shown.
    QRectF m_stale;
};

} // namespace closeup
