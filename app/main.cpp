#include "Korvana.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvana"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    Korvana window;
    window.start();
    return app.exec();
}
