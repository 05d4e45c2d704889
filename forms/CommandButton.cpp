#include "CommandButton.h"

#include "QtConversions.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace forms {

CommandButton::CommandButton(const QString &caption, std::optional<Rgb> face,
                             QWidget *parent)
    : QPushButton(caption, parent)
    , m_face(face)
{
    // Enter presses the focused button, as Space does.
    setAutoDefault(true);
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    if (!m_face) {
        QPushButton::paintEvent(event);
        return;
    }

    QPainter painter(this);
    const QColor face = qtColour(*m_face);
    const QColor ink = Qt::black;
    QRect frame = rect();
    if (hasFocus()) {
        painter.setPen(ink);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        frame.adjust(1, 1, -1, -1);
    }
    // Light and dark edges derived from the face, so the bevel suits any colour.
    const QPalette bevel(face);
    qDrawWinButton(&painter, frame, bevel, isDown(), nullptr);
    painter.fillRect(frame.adjusted(2, 2, -2, -2), face);

    QRect caption = frame;
    if (isDown())
        caption.translate(1, 1);
    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.drawRect(frame.adjusted(3, 3, -4, -4));
    }
}

} // namespace forms
