#include "CloseUp.h"

#include <QWidget>

namespace closeup {

CloseUp::CloseUp(QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
{
}

void CloseUp::showFigure(figure::FrequencyPair frequencies)
{
    m_drawn = frequencies;
    if (m_view)
        m_view->showFigure(frequencies);
}

void CloseUp::showNoFigure()
{
    m_drawn.reset();
    if (m_view)
        m_view->showNoFigure();
}

void CloseUp::open(Mode mode)
{
    if (!m_view) {
        // A window of its own, but one that goes when its owner goes.
        m_view = new CloseUpView(m_owner);
        if (m_drawn)
            m_view->showFigure(*m_drawn);
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
