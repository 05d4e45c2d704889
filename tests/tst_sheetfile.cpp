// Worksheets from the command line, read back as a teacher's printer and a student
// would see them: pages, words and pictures of the pages, through Poppler's tools.
#include "KorvanaProcess.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <map>
#include <numbers>
#include <numeric>
#include <set>
#include <vector>

namespace {

// One of Poppler's tools on a file: what it printed, empty where it is missing.
QString poppler(const QString &name, const QStringList &arguments)
{
    const std::optional<Run> run = tool(name, arguments);
    return run ? run->output : QString();
}

// What a student reads off figure a:b at a phase, worked out here from the curve
// x = sin(a t + φ), y = sin(b t): the distinct places where it reaches the top edge
// (y = -1) and the right edge (x = 1), and b : a in lowest terms.
struct Model {
    int marks;
    QString ratio;
};

Model model(int a, int b, double phaseDegrees = 90)
{
    const double phase = phaseDegrees * std::numbers::pi / 180;
    const auto distinct = [](std::vector<double> values) {
        std::set<long long> rounded;
        for (double value : values)
            rounded.insert(std::llround(value * 1e6));
        return int(rounded.size());
    };
    std::vector<double> top;
    for (int k = 0; k < b; ++k)
        top.push_back(std::sin(a * (1.5 * std::numbers::pi + 2 * std::numbers::pi * k) / b + phase));
    std::vector<double> side;
    for (int m = 0; m < a; ++m)
        side.push_back(std::sin(b * (std::numbers::pi / 2 - phase + 2 * std::numbers::pi * m) / a));
    const int common = std::gcd(a, b);
    return {distinct(top) + distinct(side), QStringLiteral("%1 : %2").arg(b / common).arg(a / common)};
}

// The connected parts of the pixels that pass within a rectangle, by their bounds.
template <class Passes>
std::vector<QRect> parts(const QImage &image, const QRect &within, Passes passes)
{
    const QRect area = within & image.rect();
    QSet<std::pair<int, int>> seen;
    std::vector<QRect> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            std::vector<QPoint> open{{x, y}};
            QRect bounds;
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                if (!area.contains(p) || seen.contains({p.x(), p.y()}) || !passes(qGray(image.pixel(p))))
                    continue;
                seen.insert({p.x(), p.y()});
                bounds |= QRect(p, QSize(1, 1));
                open.insert(open.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
            }
            if (!bounds.isNull())
                found.push_back(bounds);
        }
    return found;
}

} // namespace

class tst_SheetFile : public QObject {
    Q_OBJECT

private slots:
    void quizHidesWhatTheKeyTells_data();
    void quizHidesWhatTheKeyTells();
    void figuresAndMarksOnThePages();
    void theSameSeedGivesTheSameSheet();
    void badInputIsRefusedAndWritesNothing_data();
    void badInputIsRefusedAndWritesNothing();

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_runtime;
    Run korvana(const QStringList &arguments) const { return ::korvana(arguments, m_runtime.path()); }
    QString path(const QString &name) const { return m_folder.filePath(name); }
};

void tst_SheetFile::quizHidesWhatTheKeyTells_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("pages");
    QTest::newRow("four with a key")
        << QStringList{"--pairs", "1:1,1:2,2:3,19:18", "--answers", "--title", "Контролна работа"} << "2 A4";
    QTest::newRow("on letter without a key") << QStringList{"--pairs", "2:1,3:1,1:3", "--paper", "letter"} << "1 letter";
    QTest::newRow("at 30 degrees") << QStringList{"--pairs", "1:2,2:3,3:5", "--phase", "30", "--answers"} << "2 A4";
    QTest::newRow("forty-eight at random") << QStringList{"--random", "48", "--seed", "11", "--answers"} << "2 A4";
}

void tst_SheetFile::quizHidesWhatTheKeyTells()
{
    QFETCH(QStringList, options);
    QFETCH(QString, pages);
    for (const char *tool : {"pdfinfo", "pdftotext"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP("Poppler's tools (poppler-utils) are not installed");
    const QString file = path(QStringLiteral("sheet.pdf"));
    const Run made = korvana(QStringList{"--sheet", file} + options);
    QCOMPARE(made.errors, QString());
    QCOMPARE(made.status, 0);

    const QString info = poppler("pdfinfo", {file});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+" + pages.section(' ', 0, 0) + "\\n")), qPrintable(info));
    QVERIFY2(info.contains("(" + pages.section(' ', 1) + ")"), qPrintable(info));
    const int title = int(options.indexOf("--title"));
    const QString expectedTitle = title >= 0 ? options[title + 1] : QStringLiteral("Фигури на Лисажу");
    QVERIFY2(info.contains(QRegularExpression("Title:\\s+" + expectedTitle)), qPrintable(info));

    const QString quiz = poppler("pdftotext", {"-f", "1", "-l", "1", file, "-"});
    QVERIFY(quiz.contains(expectedTitle));
    // Each figure numbered, none answered.
    const int pairsAt = int(options.indexOf("--pairs"));
    const QStringList pairs = pairsAt >= 0 ? options[pairsAt + 1].split(',') : QStringList();
    const int count = pairsAt >= 0 ? int(pairs.size()) : options[options.indexOf("--random") + 1].toInt();
    for (int n = 1; n <= count; ++n)
        QVERIFY2(quiz.contains(QRegularExpression(QStringLiteral("(^|\\s)%1\\.\\s").arg(n))), qPrintable(quiz));
    QVERIFY2(!quiz.contains(QRegularExpression(QStringLiteral("b : a = \\d"))), qPrintable(quiz));
    // Random figures name their seed, to make the same sheet and key again.
    const int seedAt = int(options.indexOf("--seed"));
    if (seedAt >= 0)
        QVERIFY2(quiz.contains("Вариант " + options[seedAt + 1]), qPrintable(quiz));
    if (!options.contains("--answers"))
        return;

    // The key answers each figure, as the model reads it.
    const QString key = poppler("pdftotext", {"-f", "2", "-l", "2", file, "-"});
    std::map<int, QString> answers;
    QRegularExpression answer(QStringLiteral("(\\d+)\\.\\s+b : a = (\\d+ : \\d+)"));
    for (const QRegularExpressionMatch &match : answer.globalMatch(key))
        answers[match.captured(1).toInt()] = match.captured(2);
    QCOMPARE(int(answers.size()), count);
    const int phaseAt = int(options.indexOf("--phase"));
    const double phase = phaseAt >= 0 ? options[phaseAt + 1].toDouble() : 90;
    for (int n = 1; n <= int(pairs.size()); ++n) {
        const QStringList frequencies = pairs[n - 1].split(':');
        QCOMPARE(answers[n], model(frequencies[0].toInt(), frequencies[1].toInt(), phase).ratio);
    }
}

void tst_SheetFile::figuresAndMarksOnThePages()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm is not installed");
    const std::vector<std::pair<int, int>> pairs{{1, 1}, {1, 2}, {2, 3}, {3, 2}};
    const QString file = path(QStringLiteral("marks.pdf"));
    QCOMPARE(korvana({"--sheet", file, "--pairs", "1:1,1:2,2:3,3:2", "--answers"}).status, 0);
    // In grey, unsmoothed, as a black-and-white copier sees it.
    poppler("pdftoppm", {"-gray", "-r", "100", "-aa", "no", "-aaVector", "no", "-png", file, path("page")});
    const QImage quiz(path(QStringLiteral("page-1.png")));
    const QImage key(path(QStringLiteral("page-2.png")));
    QVERIFY(!quiz.isNull() && !key.isNull());
    // On the quiz, a figure is its frame with the curve that touches it from inside:
    // one part, square and large; the words stand below it.
    std::vector<QRect> squares;
    for (const QRect &part : parts(quiz, quiz.rect(), [](int grey) { return grey < 200; }))
        if (part.width() > quiz.width() / 10 && std::abs(part.width() - part.height()) < 3)
            squares.push_back(part);
    QCOMPARE(int(squares.size()), int(pairs.size()));
    std::sort(squares.begin(), squares.end(), [](const QRect &one, const QRect &other) {
        return std::pair(one.top() / 10, one.left()) < std::pair(other.top() / 10, other.left());
    });
    // Marks stand outside each square, above it and right of it, clear of the line
    // where it meets the edges: none on the quiz, each touch on the key, whose grid
    // is the quiz's.
    const auto isInk = [](int grey) { return grey < 100; };
    const auto marksOn = [&](const QImage &page, const QRect &square) {
        const int band = square.width() / 10;
        const int clear = 3;
        const QRect above(square.left() - clear, square.top() - band, square.width() + 2 * clear, band - clear);
        const QRect right(square.right() + clear, square.top() - clear, band - clear, square.height() + 2 * clear);
        return int(parts(page, above, isInk).size() + parts(page, right, isInk).size());
    };
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const auto [a, b] = pairs[i];
        QCOMPARE(marksOn(quiz, squares[i]), 0);
        QCOMPARE(marksOn(key, squares[i]), model(a, b).marks);
    }
}

void tst_SheetFile::theSameSeedGivesTheSameSheet()
{
    const auto sheet = [&](const QString &seed) {
        const QString file = path("seed-" + seed + ".pdf");
        if (korvana({"--sheet", file, "--random", "24", "--seed", seed, "--answers"}).status != 0)
            return QByteArray();
        QFile written(file);
        if (!written.open(QIODevice::ReadOnly))
            return QByteArray();
        // All but the moment it was made.
        return QString::fromLatin1(written.readAll())
            .remove(QRegularExpression("/CreationDate \\(D:[^)]*\\)"))
            .toLatin1();
    };
    const QByteArray first = sheet("3");
    QVERIFY(!first.isEmpty());
    QCOMPARE(sheet("3"), first);
    QVERIFY(sheet("4") != first);
}

void tst_SheetFile::badInputIsRefusedAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString sheet = QStringLiteral("bad.pdf");
    QTest::newRow("a zero") << QStringList{"--sheet", sheet, "--pairs", "0:3"};
    QTest::newRow("a dash") << QStringList{"--sheet", sheet, "--pairs", "1:2,2-3"};
    QTest::newRow("above 19") << QStringList{"--sheet", sheet, "--pairs", "20:1"};
    QTest::newRow("no pairs") << QStringList{"--sheet", sheet, "--pairs", ","};
    QTest::newRow("49 pairs") << QStringList{"--sheet", sheet, "--pairs", QStringLiteral("1:2,").repeated(48) + "1:3"};
    QTest::newRow("none at random") << QStringList{"--sheet", sheet, "--random", "0"};
    QTest::newRow("49 at random") << QStringList{"--sheet", sheet, "--random", "49"};
    QTest::newRow("a seed in words") << QStringList{"--sheet", sheet, "--random", "4", "--seed", "seven"};
    QTest::newRow("a negative seed") << QStringList{"--sheet", sheet, "--random", "4", "--seed", "-1"};
    QTest::newRow("a seed too large") << QStringList{"--sheet", sheet, "--random", "4", "--seed", "4294967296"};
    QTest::newRow("not a PDF") << QStringList{"--sheet", "bad.png", "--pairs", "1:2"};
    QTest::newRow("pairs and random") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--random", "3"};
    QTest::newRow("neither") << QStringList{"--sheet", sheet};
    QTest::newRow("another paper") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--paper", "a3"};
    QTest::newRow("a phase too large") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--phase", "360"};
    QTest::newRow("a sheet and an export") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--export", "f.png"};
    QTest::newRow("pairs without a sheet") << QStringList{"--pairs", "1:2"};
    QTest::newRow("a seed without random") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--seed", "3"};
}

void tst_SheetFile::badInputIsRefusedAndWritesNothing()
{
    QFETCH(QStringList, arguments);
    for (QString &argument : arguments)
        if (argument.startsWith("bad.") || argument == "f.png")
            argument = path(argument);
    const Run refused = korvana(arguments);
    QCOMPARE(refused.status, 2);
    QCOMPARE(refused.errors.count('\n'), 1);
    QVERIFY(QDir(m_folder.path()).entryList(QDir::Files).filter("bad").isEmpty());
    QVERIFY(!QFile::exists(path("f.png")));
}

QTEST_GUILESS_MAIN(tst_SheetFile)
#include "tst_sheetfile.moc"
