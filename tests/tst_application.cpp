// The application as the program makes it: Qt's texts in Bulgarian, and the roles a
// screen reader is told.
#include "Application.h"
#include "CommandButton.h"
#include "Korvana.h"
#include "ListBox.h"
#include "PictureBox.h"
#include "TextBox.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

class tst_Application : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsTellTheirRolesAndNames();
    void thePlotAreaDescribesWhatItShows();
    void errorBoxesSpeakBulgarian();

private:
    QAccessibleInterface *accessible(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

    std::unique_ptr<Korvana> m_window;
};

void tst_Application::init()
{
    m_window = std::make_unique<Korvana>();
    m_window->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_Application::cleanup()
{
    m_window.reset();
}

void tst_Application::controlsTellTheirRolesAndNames()
{
    QCOMPARE(accessible(m_window.get())->role(), QAccessible::Window);
    const struct {
        QWidget *control;
        QAccessible::Role role;
        QString name;
    } expected[] = {
        {&m_window->control<forms::TextBox>("Text1", 0), QAccessible::EditableText, "Помощ"},
        {&m_window->control<forms::PictureBox>("Picture1"), QAccessible::Graphic, "Фигура на Лисажу"},
        {&m_window->control<forms::ListBox>("List1", 0), QAccessible::List, "X"},
        {&m_window->control<forms::ListBox>("List1", 1), QAccessible::List, "Y"},
        {&m_window->control<forms::CommandButton>("Command1", 0), QAccessible::Button, "Изведи"},
        {&m_window->control<forms::CommandButton>("Command1", 1), QAccessible::Button, "Изчисти"},
        {&m_window->control<QWidget>("Label1", 1), QAccessible::StaticText, "X"},
    };
    for (const auto &control : expected) {
        QAccessibleInterface *interface = accessible(control.control);
        QVERIFY(interface);
        QCOMPARE(interface->role(), control.role);
        QCOMPARE(interface->text(QAccessible::Name), control.name);
    }
    QVERIFY(accessible(&m_window->control<forms::TextBox>("Text1", 0))->state().readOnly);
}

void tst_Application::thePlotAreaDescribesWhatItShows()
{
    QAccessibleInterface *plot = accessible(&m_window->control<forms::PictureBox>("Picture1"));
    QCOMPARE(plot->text(QAccessible::Description), QStringLiteral("Няма начертана фигура"));
    // Pressed through its accessibility action, as a screen reader does; Qt shows
    // the press for a moment before it clicks.
    QAccessibleInterface *draw = accessible(&m_window->control<forms::CommandButton>("Command1", 0));
    draw->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(plot->text(QAccessible::Description),
                 QStringLiteral("Фигура на Лисажу за a = 1 и b = 3; допирания: горе 3, отстрани 1"));
    m_window->control<forms::ListBox>("List1", 0).setListIndex(1);
    m_window->control<forms::CommandButton>("Command1", 0).click();
    QCOMPARE(plot->text(QAccessible::Description),
             QStringLiteral("Фигура на Лисажу за a = 2 и b = 3; допирания: горе 1 и половина, отстрани 1"));
    m_window->control<forms::CommandButton>("Command1", 1).click();
    QCOMPARE(plot->text(QAccessible::Description), QStringLiteral("Няма начертана фигура"));
}

void tst_Application::errorBoxesSpeakBulgarian()
{
    m_window->control<forms::ListBox>("List1", 0).addItem("x");
    m_window->control<forms::ListBox>("List1", 0).setListIndex(19);
    QString buttonText;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY(box->button(QMessageBox::Ok));
        buttonText = box->button(QMessageBox::Ok)->text();
        box->accept();
    });
    m_window->control<forms::CommandButton>("Command1", 0).click();
    QCOMPARE(buttonText, QStringLiteral("Добре"));
}

// The application is made as the program makes it.
int main(int argc, char *argv[])
{
    const auto application = forms::createApplication(argc, argv);
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
