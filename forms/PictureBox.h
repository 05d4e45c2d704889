#pragma once

#include "PlotArea.h"

#include <QFrame>

#include <string_view>

namespace forms {

// A framed plot area. Its picture is retained in a plot-area model, so it survives
// the window being covered, minimised and restored; a change repaints only the
// pixels it touched.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    // The frame's width in pixels on each side; the plot area fills the rest.
    static constexpr int frameWidth = 2;

    PictureBox(QSize outerSize, figure::Rgb background, QWidget *parent = nullptr);

    void setScaleWidth(float units);
    void setScaleHeight(float units);
    void setDrawWidth(std::int16_t pixels);
    void setBackColor(figure::Rgb colour);
    void clear();
    // Inline, like the model's: a figure sets 2001 points at once, and a repaint is
    // asked for only when the changed part of the picture grows.
    void setPoint(float x, float y, figure::Rgb colour)
    {
        m_area.setPoint(x, y, colour);
        if (m_area.changedRect() != m_updateRequested)
            updateChanged();
    }
    // What a screen reader says the picture shows.
    void setDescription(std::string_view description);

    const figure::PlotArea &plotArea() const { return m_area; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateChanged();

    figure::PlotArea m_area;
    // The part of the model already handed to Qt to repaint; a dot inside it needs
    // no new request.
    figure::PixelRect m_updateRequested;
};

} // namespace forms
