#include "Application.h"
#include "Korvana.h"
#include "KorvanaIdentity.h"

int main(int argc, char *argv[])
{
    const auto app = forms::createApplication(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(korvanaName));
    QApplication::setApplicationVersion(QString::fromUtf8(korvanaVersion));
    QApplication::setDesktopFileName(QString::fromUtf8(korvanaApplicationId));
    Korvana window;
    window.start();
    return QApplication::exec();
}
