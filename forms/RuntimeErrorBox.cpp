#include "RuntimeErrorBox.h"

#include "FormsTexts.h"

#include <QApplication>
#include <QMessageBox>

namespace forms {

void showRuntimeError(QWidget *parent, const RuntimeError &error)
{
    const QString text = runtimeErrorMessage.arg(QString::number(error.number()), error.description());
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}

} // namespace forms
