#include "PictureBox.h"

#include "QtConversions.h"
#include "RuntimeError.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace forms {

PictureBox::PictureBox(QSize outerSize, Rgb background, QWidget *parent)
    : QFrame(parent)
    , m_model(outerSize.width() - 2 * frameWidth, outerSize.height() - 2 * frameWidth, background)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(frameWidth);
    setFixedSize(outerSize);
    // Every inner pixel is painted from the model, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setScaleWidth(float units)
{
    if (!m_model.setScaleWidth(units))
        throw RuntimeError::invalidPropertyValue();
}

void PictureBox::setScaleHeight(float units)
{
    if (!m_model.setScaleHeight(units))
        throw RuntimeError::invalidPropertyValue();
}

void PictureBox::setDrawWidth(std::int16_t pixels)
{
    if (!m_model.setDrawWidth(pixels))
        throw RuntimeError::invalidPropertyValue();
}

void PictureBox::setBackColor(Rgb colour)
{
    m_model.setBackColor(colour);
}

void PictureBox::clear()
{
    requestUpdate(m_model.clear());
}

void PictureBox::setDescription(std::string_view description)
{
    setAccessibleDescription(qtText(description));
}

std::string PictureBox::description() const
{
    return accessibleDescription().toStdString();
}

void PictureBox::requestUpdate(PixelRect changed)
{
    if (changed.isEmpty())
        return;
    // One growing rectangle: the points of a drawing make a single cheap repaint.
    m_updateRequested = m_updateRequested.united(changed);
    const PixelRect &r = m_updateRequested;
    update(QRect(r.left, r.top, r.width, r.height).translated(contentsRect().topLeft()));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit activated();
    QFrame::mouseDoubleClickEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit activated();
        return;
    }
    // The keyboard's ways to the context menu, which Qt leaves to the widget.
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        const QPoint centre = contentsRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre), event->modifiers());
        QCoreApplication::sendEvent(this, &menu);
        return;
    }
    QFrame::keyPressEvent(event);
}

QImage PictureBox::image() const
{
    return QImage(reinterpret_cast<const uchar *>(m_model.pixels()), m_model.width(), m_model.height(),
                  m_model.width() * int(sizeof(std::uint32_t)), QImage::Format_RGB32);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    m_updateRequested = {};
    QPainter painter(this);
    const QRect inner = contentsRect();
    if (!inner.contains(event->rect()))
        drawFrame(&painter);

    const QRect target = event->rect() & inner;
    painter.drawImage(target, image(), target.translated(-inner.topLeft()));
}

} // namespace forms
