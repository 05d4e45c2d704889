#include "Offer.h"

#include <QAction>
#include <QMenu>
#include <QString>
#include <QWidget>

namespace forms {

void offer(QAction &action, bool on, const QString &whyNot)
{
    action.setEnabled(on);
    action.setToolTip(on ? QString() : whyNot);
    action.setStatusTip(on ? QString() : whyNot);
}

void offer(QWidget &control, bool on, const QString &whyNot, const QString &whatItDoes)
{
    control.setEnabled(on);
    control.setToolTip(on ? whatItDoes : whyNot);
    control.setAccessibleDescription(on ? QString() : whyNot);
}

void offerActionsMenu(QWidget &widget)
{
    widget.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&widget, &QWidget::customContextMenuRequested, &widget, [&widget](const QPoint &at) {
        QMenu menu(&widget);
        menu.addActions(widget.actions());
        menu.setToolTipsVisible(true);
        menu.exec(widget.mapToGlobal(at));
    });
}

} // namespace forms
