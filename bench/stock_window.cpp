// The honest floor for start-up and memory: Korvana's window of ten controls made
// from stock Qt widgets, with the same places, texts, colours and font, but none of
// Korvana's own code.
#include "KorvanaTexts.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void colour(QWidget *widget, QPalette::ColorRole role, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

QLabel *label(const QString &caption, QRect geometry, QWidget *window)
{
    auto *label = new QLabel(caption, window);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    colour(label, QPalette::Window, QColor(255, 192, 128));
    return label;
}

QListWidget *list(QRect geometry, int selected, QWidget *window)
{
    auto *list = new QListWidget(window);
    list->setGeometry(geometry);
    for (int frequency = 1; frequency <= 19; ++frequency)
        list->addItem(QString::number(frequency));
    list->setCurrentRow(selected);
    return list;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Stock window"));
    window.setFixedSize(466, 424);
    colour(&window, QPalette::Window, QColor(192, 192, 255));
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setStyleHint(QFont::Serif);
    window.setFont(font);

    auto *help = new QPlainTextEdit(text(helpText), &window);
    help->setReadOnly(true);
    help->setGeometry(8, 256, 449, 161);
    auto *aphorismBox = new QPlainTextEdit(text(aphorism), &window);
    aphorismBox->setGeometry(40, 312, 449, 121);
    aphorismBox->hide();
    label(QStringLiteral("Korvana"), {88, 0, 305, 25}, &window);
    auto *plot = new QLabel(&window);
    plot->setGeometry(8, 32, 213, 213);
    plot->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    plot->setLineWidth(2);
    colour(plot, QPalette::Window, Qt::white);
    list({272, 72, 57, 99}, 0, &window);
    label(QStringLiteral("X"), {272, 48, 57, 25}, &window);
    list({400, 72, 57, 99}, 2, &window);
    label(QStringLiteral("Y"), {400, 48, 57, 25}, &window);
    auto *draw = new QPushButton(QStringLiteral("Изведи"), &window);
    draw->setGeometry(272, 184, 89, 33);
    colour(draw, QPalette::Button, QColor(128, 255, 128));
    auto *clear = new QPushButton(QStringLiteral("Изчисти"), &window);
    clear->setGeometry(368, 216, 89, 33);
    colour(clear, QPalette::Button, QColor(255, 0, 0));

    window.show();
    return QApplication::exec();
}
