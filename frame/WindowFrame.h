#pragma once

#include <QMainWindow>

namespace frame {

// A frame of the program's own around a fixed-size window: the title bar above it,
// the window unchanged below. On Wayland the compositor leaves the frame to the
// program, and Qt's generic one offers to maximise a window that cannot grow, cuts
// its title without an ellipsis and declares a size that leaves itself out; this
// frame is a plain window to the compositor, of exactly its own fixed size.
class WindowFrame : public QMainWindow {
    Q_OBJECT

public:
    // Whether the platform leaves the window's frame to the program.
    static bool isNeeded();

    // Takes the window in, with its title, icon and the name a screen reader says.
    explicit WindowFrame(QWidget &window);
    // Gives the window back to its owner.
    ~WindowFrame() override;
};

} // namespace frame
