#pragma once

#include <QWidget>

namespace forms {

// Speaks a message through a screen reader without showing anything: an empty,
// zero-sized notification that appears again with each message. Screen readers
// speak a notification as it appears, wherever the focus is, whereas they speak a
// changed name or description only on the focused control, and Qt 6.4 passes them
// no text for those changes.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};

} // namespace forms
