#include "Announcer.h"

namespace forms {

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
}

void Announcer::announce(const QString &message)
{
    setAccessibleName(message);
    // Hidden and shown again, so that a repeated message is spoken again.
    hide();
    show();
}

} // namespace forms
