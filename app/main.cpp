#include "Application.h"
#include "Korvana.h"

int main(int argc, char *argv[])
{
    const auto app = forms::createApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvana"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("example.korvana.Korvana"));
    Korvana window;
    window.start();
    return QApplication::exec();
}
