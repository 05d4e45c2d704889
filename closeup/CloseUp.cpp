#include "CloseUp.h"

#include "CloseUpView.h"

#include <QWidget>

#include "FrequencyText.h"

namespace closeup {

CloseUp::CloseUp(QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
{
}

void CloseUp::showFigure(double a, double b)
{
    const std::optional<int> wholeA = figure::wholeFrequency(a);
    const std::optional<int> wholeB = figure::wholeFrequency(b);
    if (!wholeA || !wholeB) {
        showNoFigure();
        return;
    }
    m_figure = {*wholeA, *wholeB};
    if (m_view)
        m_view->showFigure(*wholeA, *wholeB);
}

void CloseUp::showNoFigure()
{
    m_figure.reset();
    if (m_view)
        m_view->showNoFigure();
}

void CloseUp::open(bool fullScreen)
{
    if (!m_view) {
        // A window of its own, but one that goes when its owner goes.
        m_view = new CloseUpView(m_owner);
        if (m_figure)
            m_view->showFigure(m_figure->first, m_figure->second);
        emit viewOpened(m_view);
    }
    if (!m_view->isVisible())
        m_view->show();
    if (fullScreen)
        m_view->setFullScreen(true);
    m_view->raise();
    m_view->activateWindow();
}

} // namespace closeup
