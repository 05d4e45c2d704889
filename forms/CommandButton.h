#pragma once

#include <QPushButton>

namespace forms {

// A push button with a caption; its clicks go to its control array's handler.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);
};

} // namespace forms
