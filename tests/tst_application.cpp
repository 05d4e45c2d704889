// The application as the program makes it: Qt's texts in Bulgarian, and the roles a
// screen reader is told.
#include "Application.h"
#include "KorvanaFixture.h"
#include "ModalBox.h"
#include "TextBox.h"

#include <QAccessible>
#include <QDir>
#include <QLibraryInfo>
#include <QTest>

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

    KorvanaFixture m_korvana;
};

void tst_Application::init()
{
    QVERIFY(m_korvana.start());
}

void tst_Application::cleanup()
{
    m_korvana.reset();
}

void tst_Application::controlsTellTheirRolesAndNames()
{
    Korvana &window = m_korvana.window();
    QCOMPARE(accessible(&window)->role(), QAccessible::Window);
    const struct {
        QWidget *control;
        QAccessible::Role role;
        QString name;
    } expected[] = {
        {&window.control<forms::TextBox>("Text1", 0), QAccessible::EditableText, "Помощ"},
        {&m_korvana.picture(), QAccessible::Graphic, "Фигура на Лисажу"},
        {&m_korvana.list(0), QAccessible::List, "X"},
        {&m_korvana.list(1), QAccessible::List, "Y"},
        {&m_korvana.button(0), QAccessible::Button, "Изведи"},
        {&m_korvana.button(1), QAccessible::Button, "Изчисти"},
        {&window.control<QWidget>("Label1", 1), QAccessible::StaticText, "X"},
    };
    for (const auto &control : expected) {
        QAccessibleInterface *interface = accessible(control.control);
        QVERIFY(interface);
        QCOMPARE(interface->role(), control.role);
        QCOMPARE(interface->text(QAccessible::Name), control.name);
    }
    QVERIFY(accessible(&window.control<forms::TextBox>("Text1", 0))->state().readOnly);
}

void tst_Application::thePlotAreaDescribesWhatItShows()
{
    QAccessibleInterface *plot = accessible(&m_korvana.picture());
    QCOMPARE(plot->text(QAccessible::Description), QStringLiteral("Няма начертана фигура"));
    // Pressed through its accessibility action, as a screen reader does; Qt shows
    // the press for a moment before it clicks.
    QAccessibleInterface *draw = accessible(&m_korvana.button(0));
    draw->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(plot->text(QAccessible::Description),
                 QStringLiteral("Фигура на Лисажу за a = 1 и b = 3; допирания: горе 3, отстрани 1"));
    m_korvana.list(0).setListIndex(1);
    m_korvana.button(0).click();
    QCOMPARE(plot->text(QAccessible::Description),
             QStringLiteral("Фигура на Лисажу за a = 2 и b = 3; допирания: горе 1 и половина, отстрани 1"));
    m_korvana.button(1).click();
    QCOMPARE(plot->text(QAccessible::Description), QStringLiteral("Няма начертана фигура"));
}

void tst_Application::errorBoxesSpeakBulgarian()
{
    if (!QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(QStringLiteral("qtbase_bg.qm")))
        QSKIP("needs Qt's Bulgarian translations, qtbase_bg.qm (Debian package qt6-translations-l10n)");
    m_korvana.list(0).addItem("x");
    m_korvana.list(0).setListIndex(19);
    const auto okText = modalBox([&] { m_korvana.button(0).click(); }, [](QMessageBox &box) {
        return box.button(QMessageBox::Ok) ? box.button(QMessageBox::Ok)->text() : QStringLiteral("no OK button");
    });
    QVERIFY2(okText.has_value(), "no message box");
    QCOMPARE(*okText, QStringLiteral("Добре"));
}

// The application is made as the program makes it.
int main(int argc, char *argv[])
{
    const auto application = forms::createApplication(argc, argv);
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
