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

    void showFigure(const FigurePainter &figure);
    void showNoFigure();

    void open(Mode mode);
    // The figure drawn last, if any, and the view, while it is open.
    const FigurePainter *figure() const { return m_figure ? &*m_figure : nullptr; }
    CloseUpView *view() const { return m_view; }

signals:
    // A new view, for the window to add what else it offers there.
    void viewOpened(CloseUpView *view);

private:
    QWidget *m_owner;
    std::optional<FigurePainter> m_figure;
    QPointer<CloseUpView> m_view;
};

} // namespace closeup
