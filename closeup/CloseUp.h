#pragma once

#include "CloseUpView.h"

#include <QObject>
#include <QPointer>

#include <optional>
#include <utility>

namespace closeup {

// Keeps the close-up view in step with the window it belongs to: it knows the figure
// drawn last, opens the view on request and tells an open view of every new draw
// and clear. The view is made when opened and forgotten when closed.
class CloseUp : public QObject {
    Q_OBJECT

public:
    explicit CloseUp(QWidget *owner);

    // The figure drawn last. Only whole frequencies make a figure to look at;
    // others count as none.
    void showFigure(double a, double b);
    void showNoFigure();

    void open(bool fullScreen);
    // The whole frequencies of the figure drawn last, if any.
    std::optional<std::pair<int, int>> figure() const { return m_figure; }

signals:
    // A new view, for the window to add what else it offers there.
    void viewOpened(CloseUpView *view);

private:
    QWidget *m_owner;
    std::optional<std::pair<int, int>> m_figure;
    QPointer<CloseUpView> m_view;
};

} // namespace closeup
