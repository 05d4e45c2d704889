#include "WindowFrame.h"

#include "TitleBar.h"

#include <QGuiApplication>
#include <QLayout>

namespace frame {

bool WindowFrame::isNeeded()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

WindowFrame::WindowFrame(QWidget &window)
    : QMainWindow(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(window.windowTitle());
    setWindowIcon(window.windowIcon());
    setAccessibleName(window.accessibleName());
    setMenuWidget(new TitleBar(this));
    window.setParent(this, Qt::Widget);
    setCentralWidget(&window);
    // As fixed as the window inside: its size and the title bar's height.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

WindowFrame::~WindowFrame()
{
    takeCentralWidget();
}

} // namespace frame
