#include "CloseUp.h"

#include <QWidget>

namespace closeup {

CloseUp::CloseUp(QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
{
}

void CloseUp::showFigure(const FigurePainter &figure)
{
    m_figure = figure;
    if (m_view)
        m_view->showFigure(figure);
}

void CloseUp::showNoFigure()
{
    m_figure.reset();
    if (m_view)
        m_view->showNoFigure();
}

void CloseUp::open(Mode mode)
{
    if (!m_view) {
        // A window of its own, but one that goes when its owner goes.
        m_view = new CloseUpView(m_owner);
        if (m_figure)
            m_view->showFigure(*m_figure);
        emit viewOpened(m_view);
    }
    if (!m_view->isVisible())
        m_view->show();
    if (mode == Mode::FullScreen)
        m_view->setFullScreen(true);
    m_view->raise();
    m_view->activateWindow();
}

} // namespace closeup
