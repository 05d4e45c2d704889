// Worksheets from the command line, read back as a teacher's printer and a student
// would see them: pages, words and pictures of the pages, through Poppler's tools.
#include "KorvanaProcess.h"
#include "PairList.h"
#include "TouchPoints.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRectF>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
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
// (y = 1) and the right edge (x = 1), and b : a in lowest terms.
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
        top.push_back(std::sin(a * (0.5 * std::numbers::pi + 2 * std::numbers::pi * k) / b + phase));
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
    std::vector<bool> seen(std::size_t(std::max(0, area.width() * area.height())));
    const auto place = [&](const QPoint &p) {
        return std::size_t((p.y() - area.top()) * area.width() + p.x() - area.left());
    };
    std::vector<QRect> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            std::vector<QPoint> open{{x, y}};
            QRect bounds;
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                if (!area.contains(p) || seen[place(p)] || !passes(qGray(image.pixel(p))))
                    continue;
                seen[place(p)] = true;
                bounds |= QRect(p, QSize(1, 1));
                open.insert(open.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
            }
            if (!bounds.isNull())
                found.push_back(bounds);
        }
    return found;
}

// Measures on paper, in millimetres.
constexpr double millimetresPerInch = 25.4;
// Neighbouring touches on an edge, apart; the frame, thick; words clear of the next
// figure's ink.
constexpr double finestTouchSpacing = 1;
constexpr double finestFrame = 0.2;
constexpr double clearUnderWords = 3;
// Whole pages are looked at as a copier sees them; a frame as a printer prints it.
constexpr int pageDots = 100;
constexpr int frameDots = 1200;
// A pixel darker than this is ink.
constexpr int inkGrey = 128;

// The closest two of the positions, apart; very far for fewer than two.
double closestOf(std::vector<double> positions)
{
    std::sort(positions.begin(), positions.end());
    double closest = 1e9;
    for (std::size_t i = 1; i < positions.size(); ++i)
        closest = std::min(closest, positions[i] - positions[i - 1]);
    return closest;
}

// The closest two touches on an edge of figure a:b, in the figure's units (-1 to 1),
// whichever way its edges run.
double closestTouches(int a, int b, double phaseDegrees)
{
    const figure::TouchPoints touches(a, b, phaseDegrees);
    std::vector<double> top;
    for (const figure::TouchPoints::Touch &touch : touches.top())
        top.push_back(touch.x);
    std::vector<double> side;
    for (const figure::TouchPoints::Touch &touch : touches.side())
        side.push_back(touch.y);
    return std::min(closestOf(top), closestOf(side));
}

// The figures' squares on a quiz page: each its frame with the curve that touches it
// from inside, one part, square and larger than any letter; in rows, left to right.
std::vector<QRect> squaresOn(const QImage &page)
{
    constexpr double largerThanLetters = 8;
    const int smallest = int(largerThanLetters * pageDots / millimetresPerInch);
    std::vector<QRect> squares;
    for (const QRect &part : parts(page, page.rect(), [](int grey) { return grey < inkGrey; }))
        if (part.width() > smallest && std::abs(part.width() - part.height()) < 3)
            squares.push_back(part);
    std::sort(squares.begin(), squares.end(), [](const QRect &one, const QRect &other) {
        return std::abs(one.top() - other.top()) > 2 ? one.top() < other.top() : one.left() < other.left();
    });
    return squares;
}

// The figures' numbers on a page, in the order they are written.
std::vector<int> numbersOn(const QString &text)
{
    std::vector<int> numbers;
    static const QRegularExpression number(QStringLiteral("(?:^|\\s)(\\d+)\\.\\s"));
    for (const QRegularExpressionMatch &match : number.globalMatch(text))
        numbers.push_back(match.captured(1).toInt());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The clear paper, in millimetres, between the words under square above and the
// first ink of square below in its columns: its frame on the quiz; on the key its
// marks, which stand in a tenth of its side above it.
double clearOver(const QImage &page, const QRect &above, const QRect &below, bool marked)
{
    const int band = below.width() / 10;
    const auto inkIn = [&](int y) {
        for (int x = below.left(); x <= below.right() + band; ++x)
            if (qGray(page.pixel(x, y)) < inkGrey)
                return true;
        return false;
    };
    int y = below.top() - 1;
    if (marked) {
        while (y > below.top() - band && !inkIn(y))
            --y;
        while (y > below.top() - band && inkIn(y))
            --y;
    }
    int clear = 0;
    for (; y > above.bottom() && !inkIn(y); --y)
        ++clear;
    return clear * millimetresPerInch / pageDots;
}

// The left side of a square's frame, printed: how thin it is at its thinnest over the
// middle half of its height, in millimetres, and how grey its darkest dot is there
// (0 for black).
struct Frame {
    double thickness = 0;
    int grey = 255;
};

Frame frameOf(const QString &file, int page, const QRect &square, const QString &picture)
{
    constexpr int scale = frameDots / pageDots;
    constexpr int outside = 2 * scale;
    const QRect crop(square.left() * scale - outside, (square.top() + square.height() / 4) * scale, 3 * outside,
                     square.height() / 2 * scale);
    poppler("pdftoppm", {"-f", QString::number(page), "-l", QString::number(page), "-r", QString::number(frameDots),
                         "-gray", "-x", QString::number(crop.x()), "-y", QString::number(crop.y()), "-W",
                         QString::number(crop.width()), "-H", QString::number(crop.height()), "-png", "-singlefile",
                         file, picture});
    const QImage image(picture + ".png");
    Frame frame{.thickness = 1e9, .grey = 0};
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < image.width() && qGray(image.pixel(x, y)) >= inkGrey)
            ++x;
        int run = 0;
        int darkest = 255;
        for (; x < image.width() && qGray(image.pixel(x, y)) < inkGrey; ++x, ++run)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
        frame.thickness = std::min(frame.thickness, run * millimetresPerInch / frameDots);
        frame.grey = std::max(frame.grey, darkest);
    }
    return image.isNull() ? Frame{} : frame;
}

// A word of a page as pdftotext -bbox reads it, in points.
struct Word {
    QString text;
    QRectF box;
};

std::vector<Word> wordsOn(const QString &file, int page)
{
    const QString html = poppler("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), file, "-"});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Word> words;
    for (const QRegularExpressionMatch &match : word.globalMatch(html))
        words.push_back({match.captured(5), QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                                   QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
    return words;
}

} // namespace

class tst_SheetFile : public QObject {
    Q_OBJECT

private slots:
    void quizHidesWhatTheKeyTells_data();
    void quizHidesWhatTheKeyTells();
    void figuresAndMarksOnThePages();
    void marksStandWhereTheFormulaPutsThem_data();
    void marksStandWhereTheFormulaPutsThem();
    void everyFigureCanBeCounted_data();
    void everyFigureCanBeCounted();
    void theSameSeedGivesTheSameSheet();
    void aLongTitleTakesTwoReadableLines_data();
    void aLongTitleTakesTwoReadableLines();
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
    // How a free end counts, said where a student reads the task.
    const QString freeEnd = QStringLiteral("Свободен край на кривата се брои за половин допиране.");
    QVERIFY2(quiz.contains(freeEnd), qPrintable(quiz));
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
    // Each answer is what the touches under it give, top : side in lowest terms (a
    // half doubled); random figures are each a different ratio.
    static const QRegularExpression ratio(QStringLiteral("b : a = (\\d+) : (\\d+)"));
    static const QRegularExpression touches(QStringLiteral("горе (\\d*)(½?), отстрани (\\d*)(½?)"));
    const auto halves = [](const QRegularExpressionMatch &counts, int at) {
        return 2 * counts.captured(at).toInt() + int(!counts.captured(at + 1).isEmpty());
    };
    QRegularExpressionMatchIterator counts = touches.globalMatch(key);
    QSet<QString> different;
    for (const QRegularExpressionMatch &read : ratio.globalMatch(key)) {
        QVERIFY(counts.hasNext());
        const QRegularExpressionMatch under = counts.next();
        const int top = halves(under, 1);
        const int side = halves(under, 3);
        const int common = std::gcd(top, side);
        const QString answered = QStringLiteral("%1 : %2").arg(read.captured(1), read.captured(2));
        QCOMPARE(QStringLiteral("%1 : %2").arg(top / common).arg(side / common), answered);
        different.insert(answered);
    }
    if (pairsAt < 0)
        QCOMPARE(int(different.size()), count);
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

void tst_SheetFile::marksStandWhereTheFormulaPutsThem_data()
{
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<int>("phase");
    QTest::newRow("1:1 at 0°") << "1:1" << 0;
    QTest::newRow("1:1 and 1:2 at 45°") << "1:1,1:2" << 45;
    QTest::newRow("2:3 at 30°") << "2:3" << 30;
}

void tst_SheetFile::marksStandWhereTheFormulaPutsThem()
{
    // The figure right way up on paper: from x = sin(a t + φ), y = sin(b t), y upward,
    // the top edge (y = 1) is reached where b t = 90° + 360° k, the right edge (x = 1)
    // where a t + φ = 90° + 360° k; the key's marks stand there, across the edge.
    QFETCH(QString, pairs);
    QFETCH(int, phase);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm is not installed");
    const QString file = path(QStringLiteral("formula.pdf"));
    QCOMPARE(korvana({"--sheet", file, "--pairs", pairs, "--phase", QString::number(phase), "--answers"}).status, 0);
    poppler("pdftoppm", {"-gray", "-r", QString::number(pageDots), "-png", file, path("formula")});
    const QImage quiz(path(QStringLiteral("formula-1.png")));
    const QImage key(path(QStringLiteral("formula-2.png")));
    QVERIFY(!quiz.isNull() && !key.isNull());
    const std::vector<QRect> squares = squaresOn(quiz);
    const QStringList named = pairs.split(QLatin1Char(','));
    QCOMPARE(int(squares.size()), int(named.size()));
    constexpr double tolerance = 3;
    const double radians = phase * std::numbers::pi / 180;
    const auto isInk = [](int grey) { return grey < inkGrey; };
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const int a = named[int(i)].section(QLatin1Char(':'), 0, 0).toInt();
        const int b = named[int(i)].section(QLatin1Char(':'), 1, 1).toInt();
        const QRectF square = QRectF(squares[i]).adjusted(1, 1, -1, -1);
        const int band = squares[i].width() / 10;
        const int clear = 3;
        std::vector<double> found;
        for (const QRect &mark : parts(key, QRect(squares[i].left() - clear, squares[i].top() - band,
                                                  squares[i].width() + 2 * clear, band - clear), isInk))
            found.push_back(QRectF(mark).center().x());
        for (const QRect &mark : parts(key, QRect(squares[i].right() + clear, squares[i].top() - clear,
                                                  band - clear, squares[i].height() + 2 * clear), isInk))
            found.push_back(-QRectF(mark).center().y());
        // Each touch of the formula has its mark, and no mark stands elsewhere.
        std::vector<double> expected;
        for (int k = 0; k < b; ++k)
            expected.push_back(square.left() + square.width() / 2
                               * (1 + std::sin(a * (std::numbers::pi / 2 + 2 * std::numbers::pi * k) / b + radians)));
        for (int k = 0; k < a; ++k)
            expected.push_back(-(square.top() + square.height() / 2
                                 * (1 - std::sin(b * (std::numbers::pi / 2 - radians + 2 * std::numbers::pi * k) / a))));
        const auto near = [&](const std::vector<double> &in, double where) {
            return std::any_of(in.begin(), in.end(), [&](double there) { return std::abs(there - where) <= tolerance; });
        };
        for (double where : expected)
            QVERIFY2(near(found, where), qPrintable(QStringLiteral("%1: no mark at %2").arg(named[int(i)]).arg(where)));
        for (double where : found)
            QVERIFY2(near(expected, where), qPrintable(QStringLiteral("%1: a mark at %2").arg(named[int(i)]).arg(where)));
    }
}

void tst_SheetFile::everyFigureCanBeCounted_data()
{
    QTest::addColumn<QStringList>("options");
    // The quiz's pages, where a page is sure to hold every figure; 0 elsewhere.
    QTest::addColumn<int>("quizPages");
    // Every a:b in lowest terms with b below a, from a = 19 down to 16: the 48 figures
    // whose touches crowd closest.
    QStringList crowded;
    for (int a = 19; crowded.size() < 48; --a)
        for (int b = 1; b < a; ++b)
            if (std::gcd(a, b) == 1)
                crowded << QStringLiteral("%1:%2").arg(a).arg(b);
    QTest::newRow("48 crowded on letter") << QStringList{"--pairs", crowded.join(','), "--paper", "letter"} << 0;
    // Random figures are drawn among those that a page of them can show.
    QTest::newRow("48 at random on letter")
        << QStringList{"--random", "48", "--seed", "2026", "--paper", "letter"} << 1;
    QTest::newRow("12 at random") << QStringList{"--random", "12", "--seed", "2026"} << 1;
    QTest::newRow("at 30 degrees") << QStringList{"--pairs", "1:2,3:5,7:4,19:18,13:11,9:2", "--phase", "30"} << 0;
}

void tst_SheetFile::everyFigureCanBeCounted()
{
    QFETCH(QStringList, options);
    QFETCH(int, quizPages);
    for (const char *tool : {"pdfinfo", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP("Poppler's tools (poppler-utils) are not installed");
    const QString file = path(QStringLiteral("countable.pdf"));
    QCOMPARE(korvana(QStringList{"--sheet", file, "--answers"} + options).status, 0);
    const int phaseAt = int(options.indexOf("--phase"));
    const double phase = phaseAt >= 0 ? options[phaseAt + 1].toDouble() : 90;
    const int pairsAt = int(options.indexOf("--pairs"));
    std::vector<std::pair<int, int>> pairs;
    if (pairsAt >= 0)
        for (const QString &pair : options[pairsAt + 1].split(','))
            pairs.emplace_back(pair.section(':', 0, 0).toInt(), pair.section(':', 1).toInt());
    else
        for (const auto &[a, b] : sheet::pairlist::random(options[options.indexOf("--random") + 1].toInt(),
                                                          options[options.indexOf("--seed") + 1].toUInt(), phase))
            pairs.emplace_back(a, b);

    // The quiz's pages, then the key's, page for page.
    const QRegularExpressionMatch pagesLine = QRegularExpression("Pages:\\s+(\\d+)").match(poppler("pdfinfo", {file}));
    const int pages = pagesLine.captured(1).toInt();
    QVERIFY2(pages > 0 && pages % 2 == 0, qPrintable(pagesLine.captured()));
    if (quizPages)
        QCOMPARE(pages / 2, quizPages);
    poppler("pdftoppm", {"-gray", "-r", QString::number(pageDots), "-aa", "no", "-aaVector", "no", "-png", file,
                         path("countable")});
    const int digits = int(QString::number(pages).size());
    const auto picture = [&](int page) {
        return QImage(path(QStringLiteral("countable-%1.png").arg(page, digits, 10, QLatin1Char('0'))));
    };
    int next = 1;
    for (int page = 1; page <= pages / 2; ++page) {
        const int keyPage = page + pages / 2;
        const QImage quiz = picture(page);
        const QImage key = picture(keyPage);
        QVERIFY(!quiz.isNull() && !key.isNull());
        // The figures in order, each answered on the key where it stood on the quiz.
        const std::vector<QRect> squares = squaresOn(quiz);
        std::vector<int> numbers(squares.size());
        std::iota(numbers.begin(), numbers.end(), next);
        const QString onPage = QString::number(page);
        const QString onKey = QString::number(keyPage);
        QCOMPARE(numbersOn(poppler("pdftotext", {"-f", onPage, "-l", onPage, file, "-"})), numbers);
        QCOMPARE(numbersOn(poppler("pdftotext", {"-f", onKey, "-l", onKey, file, "-"})), numbers);
        QVERIFY(!squares.empty());

        // Frames black and thick, on both pages.
        const Frame frame = frameOf(file, page, squares.front(), path("frame"));
        QVERIFY2(frame.thickness >= finestFrame && frame.grey < inkGrey / 4,
                 qPrintable(QStringLiteral("page %1: %2 mm, grey %3").arg(page).arg(frame.thickness).arg(frame.grey)));
        const Frame keyFrame = frameOf(file, keyPage, squares.front(), path("frame"));
        QVERIFY(keyFrame.thickness >= finestFrame && keyFrame.grey < inkGrey / 4);

        for (std::size_t i = 0; i < squares.size(); ++i, ++next) {
            const QRect &square = squares[i];
            // Touches far enough apart to count, as far as a dot of the picture tells.
            const auto [a, b] = pairs[std::size_t(next - 1)];
            const double side = square.width() * millimetresPerInch / pageDots - frame.thickness;
            const double spacing = side / 2 * closestTouches(a, b, phase);
            QVERIFY2(spacing >= finestTouchSpacing * (1 - 1.0 / square.width()),
                     qPrintable(QStringLiteral("%1:%2 on page %3: %4 mm").arg(a).arg(b).arg(page).arg(spacing)));
            // Clear paper between the words of the figure above and this one.
            const auto above = std::find_if(squares.rbegin() + std::ptrdiff_t(squares.size() - i), squares.rend(),
                                            [&](const QRect &other) {
                                                return std::abs(other.center().x() - square.center().x()) < 3;
                                            });
            if (above == squares.rend())
                continue;
            for (const auto &[shown, marked] : {std::pair{&quiz, false}, std::pair{&key, true}}) {
                const double clear = clearOver(*shown, *above, square, marked);
                QVERIFY2(clear >= clearUnderWords, qPrintable(QStringLiteral("above figure %1 on the %2: %3 mm")
                                                                  .arg(next)
                                                                  .arg(marked ? "key" : "quiz")
                                                                  .arg(clear)));
            }
        }
    }
    QCOMPARE(next - 1, int(pairs.size()));
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
    const QByteArray other = sheet("4");
    QVERIFY(!other.isEmpty());
    QVERIFY(other != first);
}

void tst_SheetFile::aLongTitleTakesTwoReadableLines_data()
{
    QTest::addColumn<QString>("title");
    // As long as a title may be, 56 characters, on A4, the narrower paper, beside the
    // widest variant; on the key with " — отговори" after it.
    QTest::newRow("the widest capital") << QStringList(7, QStringLiteral("ЮЮЮЮЮЮЮ")).join(' ') + "Ю";
    QTest::newRow("a teacher's title")
        << QStringLiteral("Контролна работа по физика — трептения и вълни, X клас Б");
}

void tst_SheetFile::aLongTitleTakesTwoReadableLines()
{
    QFETCH(QString, title);
    QCOMPARE(title.size(), 56);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("Poppler's tools (poppler-utils) are not installed");
    const QString file = path(QStringLiteral("long-title.pdf"));
    const Run made = korvana({"--sheet", file, "--random", "8", "--seed", "4294967295", "--answers", "--title", title});
    QCOMPARE(made.errors, QString());
    QCOMPARE(made.status, 0);
    constexpr double pointsPerMillimetre = 72 / millimetresPerInch;
    constexpr double margin = 15 * pointsPerMillimetre;
    constexpr double a4Width = 210 * pointsPerMillimetre;
    static const QRegularExpression corner(QStringLiteral("^(Страница|от|\\d+|Вариант)$"));
    // The quiz's page, then the key's.
    for (const auto &[page, words] : {std::pair{1, title}, {2, title + QStringLiteral(" — отговори")}}) {
        const std::vector<Word> all = wordsOn(file, page);
        QVERIFY(!all.empty());
        // The title stands over the heading's first line, in type no smaller than it.
        const auto under = std::find_if(all.begin(), all.end(), [](const Word &word) {
            return word.text == QStringLiteral("Име:") || word.text == QStringLiteral("Под");
        });
        QVERIFY(under != all.end());
        std::vector<Word> heading;
        std::vector<Word> corners;
        for (const Word &word : all)
            if (word.box.bottom() <= under->box.top())
                (corner.match(word.text).hasMatch() ? corners : heading).push_back(word);
        std::sort(heading.begin(), heading.end(), [](const Word &one, const Word &other) {
            return std::abs(one.box.top() - other.box.top()) > 1 ? one.box.top() < other.box.top()
                                                                  : one.box.left() < other.box.left();
        });
        QStringList read;
        std::set<long> rows;
        for (const Word &word : heading) {
            read << word.text;
            rows.insert(std::lround(word.box.top()));
            QVERIFY2(word.box.height() >= under->box.height() * 0.99,
                     qPrintable(QStringLiteral("'%1' is %2 pt high, the line under it %3")
                                    .arg(word.text).arg(word.box.height()).arg(under->box.height())));
            QVERIFY2(word.box.left() >= margin - 1 && word.box.right() <= a4Width - margin + 1, qPrintable(word.text));
            for (const Word &note : corners)
                QVERIFY2(!word.box.intersects(note.box), qPrintable(word.text + " covers " + note.text));
        }
        // Every word, the first and the last among them, in two lines at most: one
        // where the system's font is narrow enough.
        QCOMPARE(read.join(' '), words);
        QVERIFY2(!rows.empty() && rows.size() <= 2, qPrintable(QString::number(rows.size())));
    }
}

void tst_SheetFile::badInputIsRefusedAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    // What korvana says in English, between its name and the pointer to its help.
    QTest::addColumn<QString>("problem");
    const QString sheet = QStringLiteral("bad.pdf");
    const QString pair = QStringLiteral("--pairs: '%1' is not a:b with whole frequencies from 1 to 19");
    const QString count = QStringLiteral("--random '%1' is not a whole number from 1 to 48");
    const QString seed = QStringLiteral("--seed '%1' is not a whole number from 0 to 4294967295");
    QTest::newRow("a zero") << QStringList{"--sheet", sheet, "--pairs", "0:3"} << pair.arg("0:3");
    QTest::newRow("a dash") << QStringList{"--sheet", sheet, "--pairs", "1:2,2-3"} << pair.arg("2-3");
    QTest::newRow("above 19") << QStringList{"--sheet", sheet, "--pairs", "20:1"} << pair.arg("20:1");
    QTest::newRow("no pairs") << QStringList{"--sheet", sheet, "--pairs", ","}
                              << "--pairs names 0 figures: a sheet takes 1 to 48";
    QTest::newRow("49 pairs") << QStringList{"--sheet", sheet, "--pairs", QStringLiteral("1:2,").repeated(48) + "1:3"}
                              << "--pairs names 49 figures: a sheet takes 1 to 48";
    QTest::newRow("none at random") << QStringList{"--sheet", sheet, "--random", "0"} << count.arg("0");
    QTest::newRow("49 at random") << QStringList{"--sheet", sheet, "--random", "49"} << count.arg("49");
    QTest::newRow("a seed in words") << QStringList{"--sheet", sheet, "--random", "4", "--seed", "seven"}
                                     << seed.arg("seven");
    QTest::newRow("a negative seed") << QStringList{"--sheet", sheet, "--random", "4", "--seed", "-1"} << seed.arg("-1");
    QTest::newRow("a seed too large") << QStringList{"--sheet", sheet, "--random", "4", "--seed", "4294967296"}
                                      << seed.arg("4294967296");
    QTest::newRow("not a PDF") << QStringList{"--sheet", "bad.png", "--pairs", "1:2"}
                               << "a worksheet is written as a PDF: 'bad.png' does not end in .pdf";
    QTest::newRow("pairs and random") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--random", "3"}
                                      << "--pairs and --random do not go together";
    QTest::newRow("neither") << QStringList{"--sheet", sheet} << "--sheet needs either --pairs or --random";
    QTest::newRow("another paper") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--paper", "a3"}
                                   << "--paper 'a3' is neither a4 nor letter";
    QTest::newRow("a phase too large") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--phase", "360"}
                                       << "--phase '360' is not a whole number from 0 to 359";
    QTest::newRow("a sheet and an export") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--export", "f.png"}
                                           << "--export and --sheet do not go together";
    QTest::newRow("pairs without a sheet") << QStringList{"--pairs", "1:2"} << "--pairs goes with --sheet";
    QTest::newRow("a seed without random") << QStringList{"--sheet", sheet, "--pairs", "1:2", "--seed", "3"}
                                           << "--seed goes with --random";
}

void tst_SheetFile::badInputIsRefusedAndWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    for (QString &argument : arguments)
        if (argument.startsWith("bad.") || argument == "f.png")
            argument = path(argument);
    problem.replace("'bad.png'", "'" + path("bad.png") + "'");
    const Run refused = ::korvana(arguments, m_runtime.path(), {}, {"LANG=C.UTF-8"});
    QCOMPARE(refused.status, 2);
    QCOMPARE(refused.errors, QStringLiteral("korvana: %1 (see korvana --help)\n").arg(problem));
    QVERIFY(QDir(m_folder.path()).entryList(QDir::Files).filter("bad").isEmpty());
    QVERIFY(!QFile::exists(path("f.png")));
}

QTEST_GUILESS_MAIN(tst_SheetFile)
#include "tst_sheetfile.moc"
