#include "CommandLine.h"

#include "FigureFile.h"
#include "FigurePainter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <tuple>

namespace figureexport {

namespace {

constexpr int smallestSize = 16;
constexpr int largestSize = 8192;

// A whole number from low to high, or nothing.
std::optional<int> wholeNumber(const QString &text, int low, int high)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (!isNumber || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    m_program = QFileInfo(arguments.value(0, QStringLiteral("korvana"))).fileName();

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
                                  QStringLiteral("The picture's side in pixels, 16 to 8192 (default 1200)."),
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
                m_problem = QStringLiteral("--%1 goes with --export").arg(exportOnly->names().constLast());
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
    const std::optional<int> pixels = wholeNumber(size, smallestSize, largestSize);
    if (!pixels)
        return QStringLiteral("--size '%1' is not a whole number from %2 to %3").arg(size).arg(smallestSize).arg(largestSize);
    m_size = *pixels;
    return {};
}

std::optional<int> CommandLine::runWithoutWindow() const
{
    switch (m_task) {
    case Task::OpenWindow:
        return std::nullopt;
    case Task::ShowHelp:
        std::fputs(qPrintable(m_help), stdout);
        return 0;
    case Task::ShowVersion:
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    case Task::Refuse:
        std::fprintf(stderr, "%s: %s (see %s --help)\n", qPrintable(m_program), qPrintable(m_problem),
                     qPrintable(m_program));
        return 2;
    case Task::Export:
        return runExport();
    }
    Q_UNREACHABLE();
}

int CommandLine::runExport() const
{
    // Fonts and painting need an application, but no screen.
    QByteArray programName = m_program.toLocal8Bit();
    QByteArray platformOption("-platform");
    QByteArray offscreen("offscreen");
    char *arguments[] = {programName.data(), platformOption.data(), offscreen.data(), nullptr};
    int count = 3;
    QGuiApplication application(count, arguments);

    const QString failure = FigureFile::write(m_file, closeup::FigurePainter(m_a, m_b), m_size, m_dots);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", qPrintable(m_program), qPrintable(m_file),
                     qPrintable(failure));
        return 1;
    }
    return 0;
}

} // namespace figureexport
