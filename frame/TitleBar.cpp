#include "TitleBar.h"

#include "FrameTexts.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace frame {

namespace {

constexpr int padding = 6;
constexpr int iconSize = 16;

QToolButton *titleButton(QStyle::StandardPixmap icon, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(name);
    button->setAccessibleName(name);
    return button;
}

} // namespace

TitleBar::TitleBar(QWidget *parent)
    : QWidget(parent)
    , m_minimise(titleButton(QStyle::SP_TitleBarMinButton, minimiseText, this))
    , m_close(titleButton(QStyle::SP_TitleBarCloseButton, closeText, this))
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(padding, 2, 2, 2);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(m_minimise);
    layout->addWidget(m_close);
    connect(m_minimise, &QToolButton::clicked, this, [this] { window()->showMinimized(); });
    connect(m_close, &QToolButton::clicked, this, [this] { window()->close(); });
}

QSize TitleBar::sizeHint() const
{
    return {0, qMax(fontMetrics().height(), m_close->sizeHint().height()) + 4};
}

QRect TitleBar::titleRect() const
{
    QRect rect = contentsRect().adjusted(padding + iconSize + padding, 0, 0, 0);
    rect.setRight(m_minimise->geometry().left() - padding);
    return rect;
}

QString TitleBar::shownTitle() const
{
    return fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, titleRect().width());
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect iconRect(padding, (height() - iconSize) / 2, iconSize, iconSize);
    window()->windowIcon().paint(&painter, iconRect);
    painter.setPen(palette().color(isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::WindowText));
    painter.drawText(titleRect(), Qt::AlignLeft | Qt::AlignVCenter, shownTitle());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    // The compositor moves the window; a program on Wayland cannot place it itself.
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
}

} // namespace frame
