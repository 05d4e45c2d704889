#include "Application.h"

#include "Accessibility.h"
#include "ControlCharacters.h"
#include "FormsTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace forms {

namespace {

// Where the variable is unset, says so.
QString environmentValue(const char *name)
{
    return qEnvironmentVariableIsSet(name) ? quoteControlCharacters(qEnvironmentVariable(name))
                                           : unsetValue;
}

// The platforms Qt lists as installed in its message that none could be started.
QStringList availablePlatforms(const QString &fatalMessage)
{
    const QString heading = QStringLiteral("Available platform plugins are: ");
    const qsizetype start = fatalMessage.indexOf(heading);
    if (start < 0)
        return {};
    QString list = fatalMessage.mid(start + heading.size()).trimmed();
    if (list.endsWith(QLatin1Char('.')))
        list.chop(1);
    return list.split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

// What is missing for the platform that was asked for, in words and with a way out.
QString whyNoWindow(const QString &program, const QString &fatalMessage)
{
    const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (asked.isEmpty() || asked.startsWith(QLatin1String("xcb")))
        return noXDisplay.arg(environmentValue("DISPLAY"), program);
    if (asked.startsWith(QLatin1String("wayland")))
        return noCompositor.arg(environmentValue("WAYLAND_DISPLAY"), environmentValue("XDG_RUNTIME_DIR"));
    const QStringList available = availablePlatforms(fatalMessage);
    const QString name = asked.section(QLatin1Char(':'), 0, 0);
    if (!available.isEmpty() && !available.contains(name))
        return noSuchPlatform.arg(quoteControlCharacters(asked), available.join(QStringLiteral(", ")));
    return platformFailed.arg(quoteControlCharacters(asked));
}

// While the platform plugin starts, its warnings only restate what its fatal message
// says when it cannot start; they are dropped, and the fatal message becomes one line
// that says what is missing, and a plain exit.
// The per-user bus that systemd keeps in the runtime folder.
bool hasUserBus()
{
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return false;
    struct stat info {};
    return ::stat(QFile::encodeName(runtime + QStringLiteral("/bus")).constData(), &info) == 0
           && S_ISSOCK(info.st_mode);
#else
    return true; // No session bus to start by accident.
#endif
}

[[noreturn]] void exitWithNoWindow(const QString &program, const QString &fatalMessage)
{
    const QString line = noWindowLine.arg(program, whyNoWindow(program, fatalMessage));
    std::fprintf(stderr, "%s\n", quoteControlCharacters(line).toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

void reportNoDisplay(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The application object is half made, but knows the program it runs.
    if (type == QtFatalMsg)
        exitWithNoWindow(QFileInfo(QCoreApplication::applicationFilePath()).fileName(), message);
}

} // namespace

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    // Without a session bus, libdbus would start one (dbus-launch) that outlives the
    // program; with none, the program only goes without what the bus would bring. A
    // user's bus in the runtime folder, which libdbus finds by itself, is kept.
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") && !hasUserBus())
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    // Wayland without its runtime folder has no compositor to find, and libwayland
    // would say so on stderr, in a line of its own, before Qt does.
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("wayland")
        && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        exitWithNoWindow(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName(), {});
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
