#include "RuntimeErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace forms {

void showRuntimeError(QWidget *parent, const RuntimeError &error)
{
    const QString text = QStringLiteral("Грешка при изпълнение '%1':\n\n%2")
                             .arg(error.number())
                             .arg(error.description());
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}

} // namespace forms
