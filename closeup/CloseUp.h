#pragma once

#include "CloseUpView.h"

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

    // The window's figure: the close-up is painted only while a view is open.
    void showFigure(figure::FrequencyPair frequencies);
    void showNoFigure();

    void open(Mode mode);
    // The frequencies of the figure drawn last, if any, and the view, while it is open.
    std::optional<figure::FrequencyPair> frequencies() const { return m_drawn; }
    CloseUpView *view() const { return m_view; }

signals:
    // A new view, for the window to add what else it offers there.
    void viewOpened(CloseUpView *view);

private:
    QWidget *m_owner;
    std::optional<figure::FrequencyPair> m_drawn;
    QPointer<CloseUpView> m_view;
};

} // namespace closeup
