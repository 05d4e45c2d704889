#pragma once

#include <QApplication>

#include <memory>

namespace forms {

// Makes the application object. Where no window can be opened (no display, or one
// that cannot be reached), Qt would print several lines and abort; this prints one
// line that says why and how to start the program, and exits with status 1.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

} // namespace forms
