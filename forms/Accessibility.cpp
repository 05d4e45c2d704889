#include "Accessibility.h"

#include "Announcer.h"
#include "Form.h"
#include "PictureBox.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

// The property that marks a widget as a graphic.
constexpr char graphicProperty[] = "formsGraphic";

QAccessibleInterface *accessibleControl(const QString &, QObject *object)
{
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->property(graphicProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    // Put in a frame of the program's own, a form is the frame's client area.
    if (auto *form = qobject_cast<Form *>(object))
        return new QAccessibleWidget(form, form->isWindow() ? QAccessible::Window : QAccessible::Client);
    return nullptr;
}

} // namespace

void makeGraphic(QWidget &widget)
{
    widget.setProperty(graphicProperty, true);
}

void installAccessibleRoles()
{
    QAccessible::installFactory(accessibleControl);
}

} // namespace forms
