#include "CommandLine.h"

#include "CommandLineTexts.h"
#include "ControlCharacters.h"
#include "ExportLimits.h"
#include "FigureFile.h"
#include "Frequencies.h"
#include "Lissajous.h"
#include "Phase.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringList>

#include <optional>

namespace commandline {

namespace {

using figureexport::ExportLimits;
using figure::Frequencies;
using figure::Phase;

// Every option korvana takes, with its help.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, helpOption};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, versionOption};
    QCommandLineOption exportTo{QStringLiteral("export"), exportOption, QStringLiteral("FILE")};
    QCommandLineOption x{QStringLiteral("x"), xOption.arg(Frequencies::lowest).arg(Frequencies::highest),
                         QStringLiteral("A")};
    QCommandLineOption y{QStringLiteral("y"), yOption.arg(Frequencies::lowest).arg(Frequencies::highest),
                         QStringLiteral("B")};
    QCommandLineOption size{QStringLiteral("size"),
                            sizeOption.arg(ExportLimits::smallestSide)
                                .arg(ExportLimits::largestSide)
                                .arg(ExportLimits::defaultSide),
                            QStringLiteral("PIXELS"), QString::number(ExportLimits::defaultSide)};
    QCommandLineOption phase{QStringLiteral("phase"),
                             phaseOption.arg(Phase::lowestDegrees).arg(Phase::highestDegrees).arg(Phase::windowDegrees),
                             QStringLiteral("DEG"), QString::number(Phase::windowDegrees)};
    QCommandLineOption dots{QStringLiteral("dots"), dotsOption.arg(figure::Lissajous::dotCount)};

    void addTo(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(description);
        parser.addOptions({help, version, exportTo, x, y, size, phase, dots});
    }
};

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

// The export the options ask for, or what is wrong with them.
Task exportTask(const QCommandLineParser &parser, const Options &options, const QStringList &arguments)
{
    figureexport::FigureExport request{.file = parser.value(options.exportTo), .withDots = parser.isSet(options.dots)};
    if (request.file.isEmpty())
        return Refuse{noFileName};
    if (!figureexport::formatOfFile(request.file))
        return Refuse{unknownFileType.arg(request.file)};
    for (const auto &[option, frequency] : {std::pair{&options.x, &request.frequencies.a}, {&options.y, &request.frequencies.b}}) {
        const QString name = option->names().constFirst();
        const QString text = parser.value(*option);
        // Filled in one call: a value is the user's, and a % in it is no place marker.
        const QString lowest = QString::number(Frequencies::lowest);
        const QString highest = QString::number(Frequencies::highest);
        if (text.isEmpty())
            return Refuse{missingFrequency.arg(name, lowest, highest)};
        const std::optional<int> value = wholeNumber(text, Frequencies::lowest, Frequencies::highest);
        if (!value)
            return Refuse{notInRange.arg(spelledAs(arguments, *option), text, lowest, highest)};
        *frequency = *value;
    }
    const QString sizeText = parser.value(options.size);
    const std::optional<int> size = wholeNumber(sizeText, ExportLimits::smallestSide, ExportLimits::largestSide);
    if (!size)
        return Refuse{notInRange.arg(spelledAs(arguments, options.size), sizeText,
                                     QString::number(ExportLimits::smallestSide),
                                     QString::number(ExportLimits::largestSide))};
    request.size = *size;
    const QString phaseText = parser.value(options.phase);
    const std::optional<int> phase = wholeNumber(phaseText, Phase::lowestDegrees, Phase::highestDegrees);
    if (!phase)
        return Refuse{notInRange.arg(spelledAs(arguments, options.phase), phaseText,
                                     QString::number(Phase::lowestDegrees), QString::number(Phase::highestDegrees))};
    request.phaseDegrees = *phase;
    return request;
}

} // namespace

Task parse(const QList<QByteArray> &bytes)
{
    QStringList arguments;
    for (const QByteArray &argument : bytes) {
        arguments << QFile::decodeName(argument);
        // A name that does not survive the way into a QString and back would be
        // written under another name: refused instead.
        if (arguments.size() > 1 && QFile::encodeName(arguments.constLast()) != argument)
            return Refuse{notUtf8.arg(forms::quoteControlCharacters(argument))};
    }

    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    if (!parser.parse(arguments))
        return Refuse{parser.errorText()};
    if (parser.isSet(options.help))
        return ShowHelp{};
    if (parser.isSet(options.version))
        return ShowVersion{};
    if (!parser.positionalArguments().isEmpty())
        return Refuse{unexpectedArgument.arg(parser.positionalArguments().constFirst())};
    if (parser.isSet(options.exportTo))
        return exportTask(parser, options, arguments);
    for (const QCommandLineOption *exportOnly : {&options.x, &options.y, &options.size, &options.phase, &options.dots}) {
        if (parser.isSet(*exportOnly))
            return Refuse{onlyWithExport.arg(spelledAs(arguments, *exportOnly))};
    }
    return OpenWindow{};
}

Task parse(int argc, const char *const argv[])
{
    QList<QByteArray> arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return parse(arguments);
}

QString helpText()
{
    QCommandLineParser parser;
    Options().addTo(parser);
    return parser.helpText();
}

} // namespace commandline
