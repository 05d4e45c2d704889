// The floor for start-up: a bare Qt Widgets window of Korvana's client size and
// background, with nothing in it. With --text it holds one label, to show what Qt's
// text machinery alone adds to a window.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(466, 424);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 255));
    window.setPalette(palette);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        new QLabel(QStringLiteral("Korvana"), &window);
    window.show();
    return QApplication::exec();
}
