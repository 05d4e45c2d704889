#include "CommandLine.h"

#include "CommandLineTexts.h"
#include "ControlCharacters.h"
#include "ExportLimits.h"
#include "FigureFile.h"
#include "Frequencies.h"
#include "Lissajous.h"
#include "ParserTexts.h"
#include "PairList.h"
#include "RecordingFigure.h"
#include "Phase.h"
#include "SheetHeading.h"
#include "ToneFile.h"
#include "WaveFile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringList>

#include <climits>
#include <limits>
#include <optional>

namespace commandline {

namespace {

using figureexport::ExportLimits;
using figureexport::RecordingFigure;
using figure::Frequencies;
using figure::Phase;

// Every option korvana takes, with its help in the language.
struct Options {
    explicit Options(const Language &language)
        : help({QStringLiteral("h"), QStringLiteral("help")}, language.text(helpOption))
        , version({QStringLiteral("v"), QStringLiteral("version")}, language.text(versionOption))
        , exportTo(QStringLiteral("export"), language.text(exportOption), language.text(fileValue))
        , x(QStringLiteral("x"), language.text(xOption).arg(Frequencies::lowest).arg(Frequencies::highest),
            QStringLiteral("A"))
        , y(QStringLiteral("y"), language.text(yOption).arg(Frequencies::lowest).arg(Frequencies::highest),
            QStringLiteral("B"))
        , size(QStringLiteral("size"),
               language.text(sizeOption)
                   .arg(ExportLimits::smallestSide)
                   .arg(ExportLimits::largestSide)
                   .arg(ExportLimits::defaultSide),
               language.text(pixelsValue), QString::number(ExportLimits::defaultSide))
        , phase(QStringLiteral("phase"),
                language.text(phaseOption).arg(Phase::lowestDegrees).arg(Phase::highestDegrees).arg(Phase::windowDegrees),
                language.text(degreesValue), QString::number(Phase::windowDegrees))
        , dots(QStringLiteral("dots"), language.text(dotsOption).arg(figure::Lissajous::dotCount))
        , base(QStringLiteral("base"),
               language.text(baseOption).arg(sound::Tones::lowestBase).arg(sound::Tones::highestBase).arg(sound::Tones::usualBase),
               language.text(hertzValue), QString::number(sound::Tones::usualBase))
        , seconds(QStringLiteral("seconds"),
                  language.text(secondsOption)
                      .arg(sound::WaveFile::shortestSeconds)
                      .arg(sound::WaveFile::longestSeconds)
                      .arg(sound::WaveFile::usualSeconds),
                  language.text(secondsValue), QString::number(sound::WaveFile::usualSeconds))
        , from(QStringLiteral("from"), language.text(fromOption), language.text(fileValue))
        , at(QStringLiteral("at"), language.text(atOption), language.text(secondsValue), QStringLiteral("0"))
        , span(QStringLiteral("span"),
               language.text(spanOption)
                   .arg(RecordingFigure::shortestSpanMilliseconds)
                   .arg(RecordingFigure::longestSpanMilliseconds)
                   .arg(RecordingFigure::usualSpanMilliseconds),
               language.text(millisecondsValue), QString::number(RecordingFigure::usualSpanMilliseconds))
        , sheet(QStringLiteral("sheet"), language.text(sheetOption), language.text(fileValue))
        , pairs(QStringLiteral("pairs"), language.text(pairsOption).arg(sheet::Worksheet::fewestFigures).arg(sheet::Worksheet::mostFigures),
                language.text(listValue))
        , random(QStringLiteral("random"), language.text(randomOption).arg(sheet::Worksheet::fewestFigures).arg(sheet::Worksheet::mostFigures),
                 language.text(countValue))
        , seed(QStringLiteral("seed"), language.text(seedOption).arg(std::numeric_limits<std::uint32_t>::max()),
               language.text(seedValue))
        , title(QStringLiteral("title"), language.text(titleOption).arg(sheet::defaultTitle), language.text(textValue),
                sheet::defaultTitle)
        , answers(QStringLiteral("answers"), language.text(answersOption))
        , paper(QStringLiteral("paper"), language.text(paperOption), language.text(paperValue), a4)
        , about(language.text(description))
    {
    }

    void addTo(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(about);
        parser.addOptions({help, version, exportTo, x, y, size, phase, dots, base, seconds, from, at, span, sheet, pairs,
                           random, seed, title, answers, paper});
    }

    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption exportTo;
    QCommandLineOption x;
    QCommandLineOption y;
    QCommandLineOption size;
    QCommandLineOption phase;
    QCommandLineOption dots;
    QCommandLineOption base;
    QCommandLineOption seconds;
    QCommandLineOption from;
    QCommandLineOption at;
    QCommandLineOption span;
    QCommandLineOption sheet;
    QCommandLineOption pairs;
    QCommandLineOption random;
    QCommandLineOption seed;
    QCommandLineOption title;
    QCommandLineOption answers;
    QCommandLineOption paper;
    QString about;

    static inline const QString a4 = QStringLiteral("a4");
    static inline const QString letter = QStringLiteral("letter");
};

// The longest path the system takes in one piece (PATH_MAX counts the closing zero).
// A longer one could not be opened again by anyone, and Qt's file names go wrong
// past 32767 characters: such a name is refused before anything is made.
constexpr qsizetype longestPath = PATH_MAX - 1;

std::optional<Refuse> pathRefused(const QString &file, const Language &language)
{
    const qsizetype bytes = QFile::encodeName(file).size();
    if (bytes <= longestPath)
        return std::nullopt;
    return Refuse{language.text(pathTooLong).arg(QString::number(bytes), QString::number(longestPath))};
}

// QCommandLineParser's error in the language. Without an application it words its
// errors in English, in one of its own texts with the option for %1.
QString parserError(const QString &english, const Language &language)
{
    for (const char *error : parserErrors) {
        const QString form = QLatin1String(error);
        const qsizetype marker = form.indexOf(QLatin1String("%1"));
        const QStringView before = QStringView(form).left(marker);
        const QStringView after = QStringView(form).mid(marker + 2);
        if (english.size() >= before.size() + after.size() && english.startsWith(before) && english.endsWith(after))
            return language.text(parserContext, error)
                .arg(english.mid(before.size(), english.size() - before.size() - after.size()));
    }
    return english;
}

// A whole number, or nothing.
std::optional<int> wholeNumber(const QString &text)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return value;
}

// A whole number from low to high, or nothing.
std::optional<int> wholeNumber(const QString &text, int low, int high)
{
    const std::optional<int> value = wholeNumber(text);
    if (!value || *value < low || *value > high)
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

// An option's value that is not a whole number from lowest to highest, with the
// option as the user spelled it.
Refuse outOfRange(const QString &option, const QString &value, qint64 lowest, qint64 highest, const Language &language)
{
    // Filled in one call: a value is the user's, and a % in it is no place marker.
    return Refuse{language.text(notInRange).arg(option, value, QString::number(lowest), QString::number(highest))};
}

// The phase asked for, or nothing where it is not a whole number of degrees in range.
std::optional<int> phaseOf(const QCommandLineParser &parser, const Options &options)
{
    return wholeNumber(parser.value(options.phase), Phase::lowestDegrees, Phase::highestDegrees);
}

Refuse phaseRefused(const QCommandLineParser &parser, const Options &options, const QStringList &arguments,
                    const Language &language)
{
    return outOfRange(spelledAs(arguments, options.phase), parser.value(options.phase), Phase::lowestDegrees,
                      Phase::highestDegrees, language);
}

// The frequencies -x and -y give, or what is wrong with them.
std::variant<figure::FrequencyPair, Refuse> frequenciesOf(const QCommandLineParser &parser, const Options &options,
                                                          const QStringList &arguments, const Language &language)
{
    figure::FrequencyPair frequencies;
    for (const auto &[option, frequency] : {std::pair{&options.x, &frequencies.a}, {&options.y, &frequencies.b}}) {
        const QString text = parser.value(*option);
        if (text.isEmpty())
            return Refuse{language.text(missingFrequency)
                              .arg(option->names().constFirst(), QString::number(Frequencies::lowest),
                                   QString::number(Frequencies::highest))};
        const std::optional<int> value = wholeNumber(text);
        if (!value || !Frequencies::contains(*value))
            return outOfRange(spelledAs(arguments, *option), text, Frequencies::lowest, Frequencies::highest, language);
        *frequency = *value;
    }
    return frequencies;
}

// A number from lowest to highest, or nothing.
std::optional<double> numberIn(const QString &text, double lowest, double highest)
{
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (!isNumber || !(value >= lowest && value <= highest))
        return std::nullopt;
    return value;
}

// The sound the options ask for, with frequencies, or what is wrong with them.
Task tonesTask(const QString &file, figure::FrequencyPair frequencies, const QCommandLineParser &parser,
               const Options &options, const QStringList &arguments, const Language &language)
{
    WriteTones request{.file = file, .tones = {.frequencies = frequencies}, .seconds = sound::WaveFile::usualSeconds};
    const QString baseText = parser.value(options.base);
    const std::optional<int> base = wholeNumber(baseText, sound::Tones::lowestBase, sound::Tones::highestBase);
    if (!base)
        return outOfRange(spelledAs(arguments, options.base), baseText, sound::Tones::lowestBase,
                          sound::Tones::highestBase, language);
    request.tones.baseHertz = *base;
    const QString secondsText = parser.value(options.seconds);
    const std::optional<double> seconds =
        numberIn(secondsText, sound::WaveFile::shortestSeconds, sound::WaveFile::longestSeconds);
    if (!seconds)
        return Refuse{language.text(notANumberInRange)
                          .arg(spelledAs(arguments, options.seconds), secondsText,
                               QString::number(sound::WaveFile::shortestSeconds),
                               QString::number(sound::WaveFile::longestSeconds))};
    request.seconds = *seconds;
    const std::optional<int> phase = phaseOf(parser, options);
    if (!phase)
        return phaseRefused(parser, options, arguments, language);
    request.tones.phaseDegrees = *phase;
    return request;
}

// The picture's side the options ask for, or what is wrong with it.
std::variant<int, Refuse> sizeOf(const QCommandLineParser &parser, const Options &options, const QStringList &arguments,
                                 const Language &language)
{
    const QString sizeText = parser.value(options.size);
    const std::optional<int> size = wholeNumber(sizeText, ExportLimits::smallestSide, ExportLimits::largestSide);
    if (!size)
        return outOfRange(spelledAs(arguments, options.size), sizeText, ExportLimits::smallestSide,
                          ExportLimits::largestSide, language);
    return *size;
}

// A recording's figure the options ask for, or what is wrong with them. The recording
// itself is looked at only when the task is run.
Task recordingTask(const QString &file, const QCommandLineParser &parser, const Options &options,
                   const QStringList &arguments, const Language &language)
{
    DrawRecording request{.file = file, .recording = parser.value(options.from)};
    if (request.recording.isEmpty())
        return Refuse{language.text(noRecordingName)};
    if (std::optional<Refuse> refused = pathRefused(request.recording, language))
        return *refused;
    for (const QCommandLineOption *option : {&options.x, &options.y, &options.phase, &options.dots})
        if (parser.isSet(*option))
            return Refuse{language.text(notWithRecording).arg(spelledAs(arguments, *option))};
    const std::variant<int, Refuse> size = sizeOf(parser, options, arguments, language);
    if (const auto *refused = std::get_if<Refuse>(&size))
        return *refused;
    request.size = std::get<int>(size);
    const QString atText = parser.value(options.at);
    const std::optional<double> at = numberIn(atText, 0, RecordingFigure::latestAtSeconds);
    if (!at)
        return Refuse{language.text(notANumberInRange)
                          .arg(spelledAs(arguments, options.at), atText, QString::number(0),
                               QString::number(RecordingFigure::latestAtSeconds))};
    request.atSeconds = *at;
    const QString spanText = parser.value(options.span);
    const std::optional<double> span = numberIn(spanText, RecordingFigure::shortestSpanMilliseconds,
                                                RecordingFigure::longestSpanMilliseconds);
    if (!span)
        return Refuse{language.text(notANumberInRange)
                          .arg(spelledAs(arguments, options.span), spanText,
                               QString::number(RecordingFigure::shortestSpanMilliseconds),
                               QString::number(RecordingFigure::longestSpanMilliseconds))};
    request.spanMilliseconds = *span;
    return request;
}

// The export the options ask for, a picture or a sound, or what is wrong with them.
Task exportTask(const QCommandLineParser &parser, const Options &options, const QStringList &arguments,
               const Language &language)
{
    figureexport::FigureExport request{.file = parser.value(options.exportTo), .withDots = parser.isSet(options.dots)};
    if (request.file.isEmpty())
        return Refuse{language.text(noFileName)};
    if (std::optional<Refuse> refused = pathRefused(request.file, language))
        return *refused;
    const bool sound = figureexport::ToneFile::isSound(request.file);
    if (!sound && !figureexport::formatOfFile(request.file))
        return Refuse{language.text(unknownFileType).arg(request.file)};
    // Each option with the kind of file it belongs to, said before any value is read.
    for (const QCommandLineOption *option : {&options.size, &options.dots})
        if (sound && parser.isSet(*option))
            return Refuse{language.text(onlyWithPicture).arg(spelledAs(arguments, *option))};
    for (const QCommandLineOption *option : {&options.base, &options.seconds})
        if (!sound && parser.isSet(*option))
            return Refuse{language.text(onlyWithSound).arg(spelledAs(arguments, *option))};
    if (parser.isSet(options.from))
        return sound ? Task(Refuse{language.text(recordingToSound)})
                     : recordingTask(request.file, parser, options, arguments, language);
    const std::variant<figure::FrequencyPair, Refuse> frequencies = frequenciesOf(parser, options, arguments, language);
    if (const auto *refused = std::get_if<Refuse>(&frequencies))
        return *refused;
    request.frequencies = std::get<figure::FrequencyPair>(frequencies);
    if (sound)
        return tonesTask(request.file, request.frequencies, parser, options, arguments, language);
    const std::variant<int, Refuse> size = sizeOf(parser, options, arguments, language);
    if (const auto *refused = std::get_if<Refuse>(&size))
        return *refused;
    request.size = std::get<int>(size);
    const std::optional<int> phase = phaseOf(parser, options);
    if (!phase)
        return phaseRefused(parser, options, arguments, language);
    request.phaseDegrees = *phase;
    return request;
}

// The figures a sheet asks for, by name or at random, put into request; or what is
// wrong with them.
std::optional<Refuse> sheetPairs(WriteSheet &request, const QCommandLineParser &parser, const Options &options,
                                 const QStringList &arguments, const Language &language)
{
    if (parser.isSet(options.pairs) && parser.isSet(options.random))
        return Refuse{language.text(pairsAndRandom)};
    if (!parser.isSet(options.pairs) && !parser.isSet(options.random))
        return Refuse{language.text(pairsOrRandom)};
    if (parser.isSet(options.seed) && !parser.isSet(options.random))
        return Refuse{language.text(onlyWithRandom).arg(spelledAs(arguments, options.seed))};
    if (parser.isSet(options.pairs)) {
        const sheet::pairlist::Parsed named = sheet::pairlist::parse(parser.value(options.pairs));
        if (!named.wrongItem.isEmpty())
            return Refuse{language.text(notAPair)
                              .arg(named.wrongItem, QString::number(Frequencies::lowest),
                                   QString::number(Frequencies::highest))};
        const int count = int(named.pairs.size());
        if (!sheet::Worksheet::takes(count))
            return Refuse{language.text(pairCount)
                              .arg(QString::number(count), QString::number(sheet::Worksheet::fewestFigures),
                                   QString::number(sheet::Worksheet::mostFigures))};
        request.sheet.pairs = named.pairs;
        return std::nullopt;
    }
    const QString countText = parser.value(options.random);
    const std::optional<int> count = wholeNumber(countText);
    if (!count || !sheet::Worksheet::takes(*count))
        return outOfRange(spelledAs(arguments, options.random), countText, sheet::Worksheet::fewestFigures,
                          sheet::Worksheet::mostFigures, language);
    request.randomCount = *count;
    if (parser.isSet(options.seed)) {
        bool isNumber = false;
        const QString seedText = parser.value(options.seed);
        const std::uint32_t seed = seedText.toUInt(&isNumber);
        // Read as the other numbers are, but never with a minus sign, which toUInt
        // would take for a count down from the largest number.
        if (!isNumber || seedText.trimmed().startsWith(QLatin1Char('-')))
            return outOfRange(spelledAs(arguments, options.seed), seedText, std::numeric_limits<std::uint32_t>::min(),
                              std::numeric_limits<std::uint32_t>::max(), language);
        request.sheet.seed = seed;
    }
    return std::nullopt;
}

// The worksheet the options ask for, or what is wrong with them.
Task sheetTask(const QCommandLineParser &parser, const Options &options, const QStringList &arguments,
               const Language &language)
{
    WriteSheet request{.file = parser.value(options.sheet)};
    if (std::optional<Refuse> refused = pathRefused(request.file, language))
        return *refused;
    if (figureexport::formatOfFile(request.file) != figureexport::FigureFormat::Pdf)
        return Refuse{language.text(sheetNotPdf).arg(request.file)};
    if (const std::optional<Refuse> refused = sheetPairs(request, parser, options, arguments, language))
        return *refused;
    const std::optional<int> phase = phaseOf(parser, options);
    if (!phase)
        return phaseRefused(parser, options, arguments, language);
    request.sheet.phaseDegrees = *phase;
    request.sheet.title = sheet::titleFrom(parser.value(options.title));
    if (!sheet::SheetHeading::holds(request.sheet.title))
        return Refuse{language.text(titleTooLong)
                          .arg(QString::number(sheet::SheetHeading::lengthOf(request.sheet.title)),
                               QString::number(sheet::SheetHeading::longestTitle))};
    request.sheet.withKey = parser.isSet(options.answers);
    const QString paper = parser.value(options.paper).trimmed().toLower();
    if (paper != Options::a4 && paper != Options::letter)
        return Refuse{language.text(unknownPaper).arg(parser.value(options.paper))};
    request.paper = paper == Options::letter ? QPageSize::Letter : QPageSize::A4;
    return request;
}

} // namespace

Task parse(const QList<QByteArray> &bytes, const Language &language)
{
    QStringList arguments;
    for (const QByteArray &argument : bytes) {
        arguments << forms::fromUtf8KeepingByteOrderMark(argument);
        // A name that does not survive the way into a QString and back would be
        // written under another name: refused instead.
        if (arguments.size() > 1 && QFile::encodeName(arguments.constLast()) != argument)
            return Refuse{language.text(notUtf8).arg(forms::quoteControlCharacters(argument))};
    }

    const Options options(language);
    QCommandLineParser parser;
    options.addTo(parser);
    if (!parser.parse(arguments))
        return Refuse{parserError(parser.errorText(), language)};
    if (parser.isSet(options.help))
        return ShowHelp{};
    if (parser.isSet(options.version))
        return ShowVersion{};
    if (!parser.positionalArguments().isEmpty())
        return Refuse{language.text(unexpectedArgument).arg(parser.positionalArguments().constFirst())};
    const bool exporting = parser.isSet(options.exportTo);
    const bool writingSheet = parser.isSet(options.sheet);
    if (exporting && writingSheet)
        return Refuse{language.text(exportOrSheet)};
    // Each option with the task it belongs to, said before anything else is checked.
    const auto refuseAny = [&](std::initializer_list<const QCommandLineOption *> belonging, const char *message)
        -> std::optional<Refuse> {
        for (const QCommandLineOption *option : belonging)
            if (parser.isSet(*option))
                return Refuse{language.text(message).arg(spelledAs(arguments, *option))};
        return std::nullopt;
    };
    const std::optional<Refuse> misplaced =
        !exporting ? refuseAny({&options.x, &options.y, &options.size, &options.dots, &options.base, &options.seconds,
                                &options.from},
                               onlyWithExport)
        : std::nullopt;
    if (misplaced)
        return *misplaced;
    if (!parser.isSet(options.from))
        if (auto refused = refuseAny({&options.at, &options.span}, onlyWithFrom))
            return *refused;
    if (!writingSheet)
        if (auto refused = refuseAny({&options.pairs, &options.random, &options.seed, &options.title,
                                      &options.answers, &options.paper},
                                     onlyWithSheet))
            return *refused;
    if (exporting)
        return exportTask(parser, options, arguments, language);
    if (writingSheet)
        return sheetTask(parser, options, arguments, language);
    if (auto refused = refuseAny({&options.phase}, onlyWithExportOrSheet))
        return *refused;
    return OpenWindow{};
}

Task parse(int argc, const char *const argv[], const Language &language)
{
    QList<QByteArray> arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return parse(arguments, language);
}

QString helpText(const Language &language)
{
    QCommandLineParser parser;
    Options(language).addTo(parser);
    return parser.helpText();
}

} // namespace commandline
