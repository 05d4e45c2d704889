#include "Application.h"

#include "Accessibility.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace forms {

namespace {

// Qt's platform plugin reports a missing display as warnings and then a fatal
// message; the warnings are dropped while the application is made, and the fatal
// message becomes one line and a plain exit.
void reportNoDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // The application object is half made, but knows the program it runs.
        const QByteArray program = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toLocal8Bit();
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr,
                     "%s: no display to open the window on (DISPLAY=%s); start it on a "
                     "desktop, or without one as: xvfb-run %s\n",
                     program.constData(), display.isEmpty() ? "unset" : display.constData(),
                     program.constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(reportNoDisplay);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);

    // Without the translation installed, Qt's texts stay in English.
    auto *qtTexts = new QTranslator(application.get());
    if (qtTexts->load(QLocale(QLocale::Bulgarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);

    installAccessibleRoles();
    return application;
}

} // namespace forms
