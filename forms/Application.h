#pragma once

#include <QApplication>

#include <memory>

namespace forms {

// Makes the application object that the program's windows run in: with Qt's own
// texts (such as a message box's buttons) in Bulgarian where Qt's translation is
// installed, with the fonts shipped beside the program in place of designed ones the
// system lacks, and with screen-reader roles for this layer's controls.
//
// Where no window can be opened (no display, no compositor, a platform Qt lacks),
// Qt would print several lines and abort; this prints one line that says what is
// missing and how to start the program, and exits with status 1; so too where memory,
// descriptors or stack are too short to start, before anything could crash for it.
// It starts no D-Bus session bus of its own where there is none.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

} // namespace forms
