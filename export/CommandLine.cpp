#include "CommandLine.h"

#include "ControlCharacters.h"
#include "ExportLimits.h"
#include "FigureFile.h"
#include "FigurePainter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <tuple>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace figureexport {

namespace {

// A whole number from low to high, or nothing.
std::optional<int> wholeNumber(const QString &text, int low, int high)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (!isNumber || value < low || value > high)
        return std::nullopt;
    return value;
}

// The option as the user spelled it, -y or --y, for a message about it.
QString spelledAs(const QStringList &arguments, const QCommandLineOption &option)
{
    for (const QString &name : option.names()) {
        for (const QString &dashes : {QStringLiteral("-"), QStringLiteral("--")}) {
            const QString spelled = dashes + name;
            for (const QString &argument : arguments)
                if (argument == spelled || argument.startsWith(spelled + QLatin1Char('=')))
                    return spelled;
        }
    }
    const QString name = option.names().constLast();
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Writes text to standard output, and says whether all of it got there.
bool printed(const QByteArray &text)
{
    return std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size())
           && std::fflush(stdout) == 0;
}

// Qt makes a runtime folder in /tmp, with a warning, when it starts where
// XDG_RUNTIME_DIR names none that is the user's alone; an export leaves nothing
// behind but its file.
bool hasRuntimeFolder()
{
#ifdef Q_OS_UNIX
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                               | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    return info.isDir() && info.ownerId() == ::geteuid() && info.permissions() == ownerOnly;
#else
    return true; // Only Qt on Unix looks for one.
#endif
}

// Qt's warnings while exporting (a missing runtime folder, a picture too large) say
// nothing the one line of an export's failure does not.
void dropWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(forms::quoteControlCharacters(qFormatLogMessage(type, context, message))));
}

} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    m_program = QFileInfo(arguments.value(0, QStringLiteral("korvana"))).fileName();
    // A name that does not survive the way into a QString and back would be written
    // under another name: refused instead.
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(arguments.at(i)) != QByteArray(argv[i])) {
            m_task = Task::Refuse;
            m_problem = QStringLiteral("'%1' is not valid UTF-8: only UTF-8 names and values are taken")
                            .arg(forms::quoteControlCharacters(QByteArray(argv[i])));
            return;
        }
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws Lissajous figures for the physics classroom. Without options it opens its window;\n"
                       "with --export it writes the figure for two frequencies to a PNG, SVG or PDF file."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption exportTo(QStringLiteral("export"),
                                      QStringLiteral("Write the figure to FILE, without a window; the type comes from "
                                                     "its ending: .png, .svg or .pdf."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption x(QStringLiteral("x"), QStringLiteral("The frequency a of list X, 1 to 19."),
                               QStringLiteral("A"));
    const QCommandLineOption y(QStringLiteral("y"), QStringLiteral("The frequency b of list Y, 1 to 19."),
                               QStringLiteral("B"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("The picture's side in pixels, %1 to %2 (default %3).")
                                      .arg(ExportLimits::smallestSide)
                                      .arg(ExportLimits::largestSide)
                                      .arg(ExportLimits::defaultSide),
                                  QStringLiteral("PIXELS"), QString::number(m_size));
    const QCommandLineOption dots(QStringLiteral("dots"), QStringLiteral("Lay the program's 2001 dots over the line."));
    parser.addOptions({help, version, exportTo, x, y, size, dots});

    if (!parser.parse(arguments)) {
        m_task = Task::Refuse;
        m_problem = parser.errorText();
    } else if (parser.isSet(help)) {
        // Qt words the help from the running application's arguments.
        QCoreApplication application(argc, argv);
        m_task = Task::ShowHelp;
        m_help = parser.helpText();
    } else if (parser.isSet(version)) {
        m_task = Task::ShowVersion;
    } else if (!parser.positionalArguments().isEmpty()) {
        m_task = Task::Refuse;
        m_problem = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(exportTo)) {
        m_problem = readExport(parser.value(exportTo), parser.value(x), parser.value(y), parser.value(size));
        m_task = m_problem.isEmpty() ? Task::Export : Task::Refuse;
        m_dots = parser.isSet(dots);
    } else {
        for (const QCommandLineOption *exportOnly : {&x, &y, &size, &dots}) {
            if (parser.isSet(*exportOnly)) {
                m_task = Task::Refuse;
                m_problem = QStringLiteral("%1 goes with --export").arg(spelledAs(arguments, *exportOnly));
                break;
            }
        }
    }
}

QString CommandLine::readExport(const QString &file, const QString &a, const QString &b, const QString &size)
{
    if (file.isEmpty())
        return QStringLiteral("--export needs a file name");
    if (!formatOfFile(file))
        return QStringLiteral("cannot tell the file type of '%1': use .png, .svg or .pdf").arg(file);
    m_file = file;
    for (const auto &[name, text, frequency] : {std::tuple{"x", a, &m_a}, std::tuple{"y", b, &m_b}}) {
        if (text.isEmpty())
            return QStringLiteral("--export needs -%1, a frequency from 1 to 19").arg(QLatin1String(name));
        const std::optional<int> value = wholeNumber(text, 1, 19);
        if (!value)
            return QStringLiteral("-%1 '%2' is not a whole number from 1 to 19").arg(QLatin1String(name), text);
        *frequency = *value;
    }
    const std::optional<int> pixels = wholeNumber(size, ExportLimits::smallestSide, ExportLimits::largestSide);
    if (!pixels)
        return QStringLiteral("--size '%1' is not a whole number from %2 to %3")
            .arg(size, QString::number(ExportLimits::smallestSide), QString::number(ExportLimits::largestSide));
    m_size = *pixels;
    return {};
}

std::optional<int> CommandLine::runWithoutWindow() const
{
    switch (m_task) {
    case Task::OpenWindow:
        return std::nullopt;
    case Task::ShowHelp:
        return print(m_help);
    case Task::ShowVersion:
        return print(QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                   QCoreApplication::applicationVersion()));
    case Task::Refuse:
        complain(QStringLiteral("%1 (see %2 --help)").arg(m_problem, m_program));
        return 2;
    case Task::Export:
        return runExport();
    }
    Q_UNREACHABLE();
}

void CommandLine::complain(const QString &problem) const
{
    const QString line = QStringLiteral("%1: %2").arg(m_program, problem);
    std::fprintf(stderr, "%s\n", forms::quoteControlCharacters(line).toLocal8Bit().constData());
}

int CommandLine::print(const QString &text) const
{
    if (printed(text.toLocal8Bit()))
        return 0;
    complain(QStringLiteral("cannot write to standard output: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    return 1;
}

int CommandLine::runExport() const
{
    const QtMessageHandler previous = qInstallMessageHandler(dropWarnings);
    // Fonts and painting need an application, but no screen.
    QByteArray programName = m_program.toLocal8Bit();
    QByteArray platformOption("-platform");
    QByteArray offscreen("offscreen");
    char *arguments[] = {programName.data(), platformOption.data(), offscreen.data(), nullptr};
    int count = 3;
    const std::unique_ptr<QGuiApplication> application = makeApplication(count, arguments);
    // The fonts are loaded before any picture is made: short of memory, the picture's
    // allocation is checked, fontconfig's is not.
    QFontDatabase::families();

    const QString failure = FigureFile::write(m_file, closeup::FigurePainter(m_a, m_b), m_size, m_dots);
    qInstallMessageHandler(previous);
    if (!failure.isEmpty()) {
        complain(QStringLiteral("cannot write %1: %2").arg(m_file, failure));
        return 1;
    }
    return 0;
}

std::unique_ptr<QGuiApplication> CommandLine::makeApplication(int &count, char **arguments) const
{
    // Qt only looks at the folder while the application is made: it is gone again
    // before anything could leave it behind. It goes in the temporary folder, or where
    // that is missing, beside the file, where the export may write anyway.
    std::optional<QTemporaryDir> runtime;
    if (!hasRuntimeFolder()) {
        for (const QString &folder : {QDir::tempPath(), QFileInfo(m_file).absolutePath()}) {
            runtime.emplace(QDir(folder).filePath(QStringLiteral(".korvana-XXXXXX")));
            if (runtime->isValid()) {
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
                break;
            }
        }
    }
    return std::make_unique<QGuiApplication>(count, arguments);
}

} // namespace figureexport
