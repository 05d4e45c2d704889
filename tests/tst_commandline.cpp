// Reading the command line, as a pure function from the arguments to a task: no
// application object exists here, and nothing is printed. What is wrong is said in
// English, or in Bulgarian for a Bulgarian user.
#include "CommandLine.h"
#include "Language.h"

#include <QTest>

namespace {

// A task in a line, for comparing with what a row expects.
QString described(const commandline::Task &task)
{
    if (std::holds_alternative<commandline::OpenWindow>(task))
        return QStringLiteral("window");
    if (std::holds_alternative<commandline::ShowHelp>(task))
        return QStringLiteral("help");
    if (std::holds_alternative<commandline::ShowVersion>(task))
        return QStringLiteral("version");
    if (const auto *refused = std::get_if<commandline::Refuse>(&task))
        return QStringLiteral("refused: ") + refused->problem;
    if (const auto *sheet = std::get_if<commandline::WriteSheet>(&task)) {
        QStringList pairs;
        for (const auto &[a, b] : sheet->sheet.pairs)
            pairs << QStringLiteral("%1:%2").arg(a).arg(b);
        if (sheet->randomCount)
            pairs << QStringLiteral("random %1 seed %2")
                         .arg(*sheet->randomCount)
                         .arg(sheet->sheet.seed ? QString::number(*sheet->sheet.seed) : QStringLiteral("new"));
        return QStringLiteral("sheet %1 %2 phase=%3 '%4'%5 %6")
            .arg(sheet->file, pairs.join(','))
            .arg(sheet->sheet.phaseDegrees)
            .arg(sheet->sheet.title, sheet->sheet.withKey ? QStringLiteral(" key") : QString(),
                 sheet->paper == QPageSize::Letter ? QStringLiteral("letter") : QStringLiteral("a4"));
    }
    if (const auto *tones = std::get_if<commandline::WriteTones>(&task))
        return QStringLiteral("tones %1 a=%2 b=%3 phase=%4 base=%5 seconds=%6")
            .arg(tones->file)
            .arg(tones->tones.frequencies.a)
            .arg(tones->tones.frequencies.b)
            .arg(tones->tones.phaseDegrees)
            .arg(tones->tones.baseHertz)
            .arg(tones->seconds);
    const auto &request = std::get<figureexport::FigureExport>(task);
    return QStringLiteral("export %1 a=%2 b=%3 size=%4 phase=%5%6")
        .arg(request.file)
        .arg(request.frequencies.a)
        .arg(request.frequencies.b)
        .arg(request.size)
        .arg(request.phaseDegrees)
        .arg(request.withDots ? QStringLiteral(" dots") : QString());
}

} // namespace

class tst_CommandLine : public QObject {
    Q_OBJECT

private slots:
    void readsTheTask_data();
    void readsTheTask();
};

void tst_CommandLine::readsTheTask_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<QString>("task");
    const auto rowIn = [](const char *locale, const char *name, QList<QByteArray> arguments, const char *task) {
        arguments.prepend("korvana");
        QTest::newRow(name) << QString::fromLatin1(locale) << arguments << QString::fromUtf8(task);
    };
    const auto row = [&](const char *name, QList<QByteArray> arguments, const char *task) {
        rowIn("en_GB", name, arguments, task);
    };
    row("nothing", {}, "window");
    row("--help", {"--help"}, "help");
    row("-h before a bad value", {"-h", "--size", "0"}, "help");
    row("-v", {"-v"}, "version");
    row("an SVG", {"--export", "f.svg", "-x", "2", "-y", "3"}, "export f.svg a=2 b=3 size=1200 phase=90");
    row("every option, = spelled", {"--export=f.PNG", "--x=19", "-y", "18", "--size", "16", "--phase=0", "--dots"},
        "export f.PNG a=19 b=18 size=16 phase=0 dots");
    row("the largest size and phase", {"--export", "f.pdf", "-x", "1", "-y", "1", "--size", "8192", "--phase", "359"},
        "export f.pdf a=1 b=1 size=8192 phase=359");
    row("a whole turn", {"--export", "f.png", "-x", "1", "-y", "1", "--phase", "360"},
        "refused: --phase '360' is not a whole number from 0 to 359");
    row("a negative phase", {"--export", "f.png", "-x", "1", "-y", "1", "--phase=-5"},
        "refused: --phase '-5' is not a whole number from 0 to 359");
    row("a sheet with its key", {"--sheet", "q.PDF", "--pairs", "1:2, 19:18", "--answers", "--paper", "Letter"},
        "sheet q.PDF 1:2,19:18 phase=90 'Фигури на Лисажу' key letter");
    row("a sheet's own title and phase", {"--sheet", "q.pdf", "--pairs", "3:1", "--title", " Тест\n\x1b[31m 1\u202e\x7f ", "--phase", "0"},
        "sheet q.pdf 3:1 phase=0 'Тест [31m 1' a4");
    // Counted in characters, as a reader counts them: 56 letters and a face that UTF-16
    // writes in two units are 57, one more than two lines of the sheet's title hold.
    row("a title too long for two lines",
        {"--sheet", "q.pdf", "--pairs", "1:2", "--title", QByteArray("д").repeated(56) + "\xf0\x9f\x98\x80"},
        "refused: --title has 57 characters: a sheet's two title lines hold at most 56");
    row("random figures from a seed", {"--sheet", "q.pdf", "--random", "12", "--seed", " +4294967295"},
        "sheet q.pdf random 12 seed 4294967295 phase=90 'Фигури на Лисажу' a4");
    row("random figures from a new seed", {"--sheet", "q.pdf", "--random", "1", "--paper", " A4 "},
        "sheet q.pdf random 1 seed new phase=90 'Фигури на Лисажу' a4");
    row("pairs and random", {"--sheet", "q.pdf", "--pairs", "1:2", "--random", "3"},
        "refused: --pairs and --random do not go together");
    row("a sheet's option with an export", {"--export", "f.png", "-x", "1", "-y", "2", "--answers"},
        "refused: --answers goes with --sheet");
    row("an export's option with a sheet", {"--sheet", "q.pdf", "--random", "3", "--dots"},
        "refused: --dots goes with --export");
    row("a seed for named pairs", {"--sheet", "q.pdf", "--pairs", "1:2", "--seed", "4"},
        "refused: --seed goes with --random");
    row("a phase without --export", {"--phase", "30"}, "refused: --phase goes with --export or --sheet");

    row("x below the range", {"--export", "f.png", "-x", "0", "-y", "3"},
        "refused: -x '0' is not a whole number from 1 to 19");
    row("y above it, as --y", {"--export", "f.png", "-x", "2", "--y=20"},
        "refused: --y '20' is not a whole number from 1 to 19");
    row("a fraction", {"--export", "f.png", "-x", "2.5", "-y", "3"},
        "refused: -x '2.5' is not a whole number from 1 to 19");
    row("a place marker as x", {"--export", "f.png", "-x", "%1", "-y", "3"},
        "refused: -x '%1' is not a whole number from 1 to 19");
    row("a place marker as size", {"--export", "f.png", "-x", "2", "-y", "3", "--size", "%2"},
        "refused: --size '%2' is not a whole number from 16 to 8192");
    row("no y", {"--export", "f.png", "-x", "2"}, "refused: --export needs -y, a frequency from 1 to 19");
    row("size too small", {"--export", "f.png", "-x", "2", "-y", "3", "--size", "15"},
        "refused: --size '15' is not a whole number from 16 to 8192");
    row("size too large", {"--export", "f.png", "-x", "2", "-y", "3", "--size", "8193"},
        "refused: --size '8193' is not a whole number from 16 to 8192");
    row("unknown ending", {"--export", "f.gif", "-x", "2", "-y", "3"},
        "refused: cannot tell the file type of 'f.gif': use .png, .svg, .pdf or .wav");
    row("a sound, as it comes", {"--export", "t.WAV", "-x", "2", "-y", "3"},
        "tones t.WAV a=2 b=3 phase=90 base=220 seconds=5");
    row("a sound, every option at its ends", {"--export", "t.wav", "-x", "19", "-y", "1", "--phase", "0", "--base=1000",
                                              "--seconds", "0.1"},
        "tones t.wav a=19 b=1 phase=0 base=1000 seconds=0.1");
    row("a sound's size", {"--export", "t.wav", "-x", "2", "-y", "3", "--size", "100"},
        "refused: --size goes with a picture, not a sound");
    row("a picture's length", {"--export", "f.png", "-x", "2", "-y", "3", "--seconds", "2"},
        "refused: --seconds goes with a sound, a .wav file");
    row("a base tone below hearing", {"--export", "t.wav", "-x", "2", "-y", "3", "--base", "19"},
        "refused: --base '19' is not a whole number from 20 to 1000");
    row("a sound of ten minutes and a second", {"--export", "t.wav", "-x", "2", "-y", "3", "--seconds", "601"},
        "refused: --seconds '601' is not a number from 0.1 to 600");
    row("a base tone without --export", {"--base", "440"}, "refused: --base goes with --export");
    row("empty file name", {"--export", "", "-x", "2", "-y", "3"}, "refused: --export needs a file name");
    row("a value without --export", {"--dots"}, "refused: --dots goes with --export");
    row("a stray word", {"figure.png"}, "refused: unexpected argument 'figure.png'");
    row("an unknown option", {"--colour"}, "refused: Unknown option 'colour'.");
    row("a name not in UTF-8", {"--export", "\xff.png", "-x", "2", "-y", "3"},
        "refused: '\\xff.png' is not valid UTF-8: only UTF-8 names and values are taken");
    // A byte-order mark is valid UTF-8: a name that starts with one is taken as given;
    // a title too, the invisible mark left off the page like other format characters.
    row("a name after a byte-order mark", {"--export", "\xef\xbb\xbf" "f.png", "-x", "2", "-y", "3"},
        "export \xef\xbb\xbf" "f.png a=2 b=3 size=1200 phase=90");
    row("a title after a byte-order mark", {"--sheet", "q.pdf", "--pairs", "1:2", "--title", "\xef\xbb\xbf" "Тест"},
        "sheet q.pdf 1:2 phase=90 'Тест' a4");

    // Qt's own errors as well as korvana's.
    rowIn("bg_BG", "bg: an unknown option", {"--colour"}, "refused: Непозната опция „colour“.");
    rowIn("bg_BG", "bg: no value", {"--export", "f.png", "-y", "3", "-x"}, "refused: Липсва стойност след „-x“.");
    rowIn("bg_BG", "bg: a fraction", {"--export", "f.png", "-x", "2.5", "-y", "3"},
          "refused: -x „2.5“ не е цяло число от 1 до 19");
    rowIn("bg_BG", "bg: a size without --export", {"--size", "100"}, "refused: --size се използва само с --export");
    rowIn("bg_BG", "bg: a stray word", {"figure.png"}, "refused: неочакван аргумент „figure.png“");
    rowIn("bg_BG", "bg: help", {"-h"}, "help");
    rowIn("de_DE", "a language korvana does not speak", {"--colour"}, "refused: Unknown option 'colour'.");
}

void tst_CommandLine::readsTheTask()
{
    QFETCH(QString, locale);
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(QString, task);
    const commandline::Language language{QLocale(locale)};
    QCOMPARE(described(commandline::parse(arguments, language)), task);
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
