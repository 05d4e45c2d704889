#pragma once

#include "PictureModel.h"

#include <QFrame>
#include <QImage>

#include <string>
#include <string_view>

namespace forms {

// A framed picture. Its pixels are retained in a picture model, so they survive
// the window being covered, minimised and restored; a change repaints only the
// pixels it touched. It is a keyboard stop: Enter on it, or a double-click, asks
// for whatever the window offers for the picture.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    // The frame's width in pixels on each side; the picture fills the rest.
    static constexpr int frameWidth = 2;

    PictureBox(QSize outerSize, Rgb background, QWidget *parent = nullptr);

    // An invalid scale or drawing width raises the invalid-property-value error.
    void setScaleWidth(float units);
    void setScaleHeight(float units);
    void setDrawWidth(std::int16_t pixels);
    void setBackColor(Rgb colour);
    void clear();
    // Inline, like the model's: a drawing sets thousands of points at once, and a
    // repaint is asked for only when a point falls outside what is already to be
    // repainted.
    void setPoint(float x, float y, Rgb colour)
    {
        const PixelRect changed = m_model.setPoint(x, y, colour);
        if (!m_updateRequested.contains(changed))
            requestUpdate(changed);
    }
    // What a screen reader says the picture shows.
    void setDescription(std::string_view description);
    std::string description() const;

    const PictureModel &model() const { return m_model; }
    // The picture as an image over the model's own pixels, without a copy: valid
    // until the next drawing operation.
    QImage image() const;

signals:
    // A double-click on it, or Enter while it has the focus.
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void requestUpdate(PixelRect changed);

    PictureModel m_model;
    // The part of the picture handed to Qt to repaint since the last paint; a point
    // inside it needs no new request.
    PixelRect m_updateRequested;
};

} // namespace forms
