#include "Application.h"

#include "Accessibility.h"
#include "ControlCharacters.h"
#include "FontSubstitutes.h"
#include "FormsTexts.h"
#include "QuietStderr.h"
#include "StartupRoom.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

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

// What is too short to start with, in a line.
QString whatIsShort(const StartupRoom::Shortage &shortage)
{
    switch (shortage.what) {
    case StartupRoom::Short::memory:
        return noMemoryToStart;
    case StartupRoom::Short::descriptors:
        return fewDescriptorsToStart.arg(shortage.limit).arg(shortage.needed);
    case StartupRoom::Short::stack:
        return smallStackToStart.arg(shortage.limit).arg(shortage.needed);
    }
    Q_UNREACHABLE();
}

[[noreturn]] void exitWithLine(const QString &program, const QString &problem)
{
    const QString line = noWindowLine.arg(program, problem);
    QuietStderr::say(quoteControlCharacters(line).toLocal8Bit());
    std::_Exit(1);
}

[[noreturn]] void exitWithNoWindow(const QString &program, const QString &fatalMessage)
{
    exitWithLine(program, whyNoWindow(program, fatalMessage));
}

void reportNoDisplay(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg)
        return;
    // The application object is half made, but knows the program it runs. A platform
    // that failed for want of memory says nothing of a display.
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (const auto shortage = StartupRoom::check())
        exitWithLine(program, whatIsShort(*shortage));
    exitWithNoWindow(program, message);
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
    const QString program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("wayland")
        && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        exitWithNoWindow(program, {});
    // The platform and fontconfig do not survive going short of memory, descriptors or
    // stack, and their complaints on the way say nothing to a user: the room is
    // checked first, and they load with stderr quiet.
    if (const auto shortage = StartupRoom::check())
        exitWithLine(program, whatIsShort(*shortage));
    std::unique_ptr<QApplication> application;
    {
        const QuietStderr quiet;
        const QtMessageHandler previous = qInstallMessageHandler(reportNoDisplay);
        application = std::make_unique<QApplication>(argc, argv);
        QFontDatabase::families();
        qInstallMessageHandler(previous);
    }

    // Without the translation installed, Qt's texts stay in English.
    auto *qtTexts = new QTranslator(application.get());
    if (qtTexts->load(QLocale(windowLanguage), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);

    substituteMissingFonts(shippedFontSubstitutes(), shippedFontFolder());
    installAccessibleRoles();
    return application;
}

} // namespace forms
