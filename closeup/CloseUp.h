#pragma once

#include "CloseUpView.h"
#include "FigurePainter.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace closeup {

// Keeps the close-up view in step with the window it belongs to: it holds the figure
// drawn last, opens the view on request and shows an open view every new draw and
// clear. The view is made when opened and forgotten when closed.
class CloseUp : public QObject {
    Q_OBJECT

public:
    enum class Mode { Windowed, FullScreen };

    explicit CloseUp(QWidget *owner);

    // The window's figure and its touches, found already: the close-up is painted
    // from them only while a view is open.
    void showFigure(figure::FrequencyPair frequencies, const figure::TouchPoints &touches);
    void showNoFigure();

    void open(Mode mode);
    // The frequencies of the figure drawn last, if any, and the view, while it is open.
    std::optional<figure::FrequencyPair> frequencies() const
    {
        return m_drawn ? std::optional(m_drawn->frequencies) : std::nullopt;
    }
    CloseUpView *view() const { return m_view; }

signals:
    // A new view, for the window to add what else it offers there.
    void viewOpened(CloseUpView *view);

private:
    QWidget *m_owner;
    struct Drawn {
        figure::FrequencyPair frequencies;
        figure::TouchPoints touches;
    };
    // The view's figure, at the window's phase.
    picture::FigurePainter painter() const { return picture::FigurePainter(m_drawn->frequencies, figure::Phase::windowDegrees, m_drawn->touches); }

    std::optional<Drawn> m_drawn;
    QPointer<CloseUpView> m_view;
};

} // namespace closeup
