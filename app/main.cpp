#include "Korvana.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Korvana window;
    window.start();
    return app.exec();
}
