#include "PictureBox.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace forms {

PictureBox::PictureBox(QSize outerSize, figure::Rgb background, QWidget *parent)
    : QFrame(parent)
    , m_area(outerSize.width() - 2 * frameWidth, outerSize.height() - 2 * frameWidth, background)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(frameWidth);
    setFixedSize(outerSize);
    // Every inner pixel is painted from the model, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setScaleWidth(float units)
{
    m_area.setScaleWidth(units);
}

void PictureBox::setScaleHeight(float units)
{
    m_area.setScaleHeight(units);
}

void PictureBox::setDrawWidth(std::int16_t pixels)
{
    m_area.setDrawWidth(pixels);
}

void PictureBox::setBackColor(figure::Rgb colour)
{
    m_area.setBackColor(colour);
}

void PictureBox::clear()
{
    m_area.clear();
    updateChanged();
}

void PictureBox::setDescription(std::string_view description)
{
    setAccessibleDescription(QString::fromUtf8(description.data(), qsizetype(description.size())));
}

void PictureBox::updateChanged()
{
    const figure::PixelRect changed = m_area.changedRect();
    if (changed == m_updateRequested)
        return;
    m_updateRequested = changed;
    if (!changed.isEmpty())
        update(QRect(changed.left, changed.top, changed.width, changed.height)
                   .translated(contentsRect().topLeft()));
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    m_area.resetChangedRect();
    m_updateRequested = {};
    QPainter painter(this);
    const QRect inner = contentsRect();
    if (!inner.contains(event->rect()))
        drawFrame(&painter);

    // The model's pixels, wrapped without a copy.
    const QImage picture(reinterpret_cast<const uchar *>(m_area.pixels()), m_area.width(),
                         m_area.height(), m_area.width() * int(sizeof(std::uint32_t)),
                         QImage::Format_RGB32);
    const QRect target = event->rect() & inner;
    painter.drawImage(target, picture, target.translated(-inner.topLeft()));
}

} // namespace forms
