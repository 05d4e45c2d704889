// The numbers the manual page and the AppStream description write by hand, as the
// build made them, against the program's own constants and the help it prints.
#include "ExportLimits.h"
#include "Frequencies.h"
#include "Lissajous.h"
#include "Phase.h"
#include "Tones.h"
#include "WaveFile.h"
#include "Worksheet.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cstdint>
#include <limits>

namespace {

using figure::Frequencies;
using figure::Phase;
using figureexport::ExportLimits;
using sheet::Worksheet;

using Numbers = QList<qint64>;

// Each text with every run of spaces and line ends made one space, so that a sentence
// reads the same wherever troff's source or the help's wrapping breaks it.
QString fileText(const char *variable)
{
    QFile file(qEnvironmentVariable(variable));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).simplified() : QString();
}

} // namespace

class tst_Documents : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sayTheProgramsNumbers_data();
    void sayTheProgramsNumbers();

private:
    QHash<QString, QString> m_texts;
};

void tst_Documents::initTestCase()
{
    m_texts[QStringLiteral("man")] = fileText("KORVANA_MANUAL");
    m_texts[QStringLiteral("metainfo")] = fileText("KORVANA_METAINFO");
    QProcess help;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(name);
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    help.setProcessEnvironment(environment);
    help.start(qEnvironmentVariable("KORVANA"), {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(20000) && help.exitCode() == 0);
    m_texts[QStringLiteral("help")] = QString::fromUtf8(help.readAllStandardOutput()).simplified();
    for (auto text = m_texts.cbegin(); text != m_texts.cend(); ++text)
        QVERIFY2(!text.value().isEmpty(), qPrintable(text.key()));
}

void tst_Documents::sayTheProgramsNumbers_data()
{
    QTest::addColumn<QString>("document");
    // Where the numbers stand, each caught by a group.
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Numbers>("numbers");
    const Numbers frequencies{Frequencies::lowest, Frequencies::highest};
    const Numbers figures{Worksheet::fewestFigures, Worksheet::mostFigures};
    const Numbers sides{ExportLimits::smallestSide, ExportLimits::largestSide, ExportLimits::defaultSide};
    const Numbers phases{Phase::lowestDegrees, Phase::highestDegrees, qint64(Phase::windowDegrees)};
    const Numbers seeds{std::numeric_limits<std::uint32_t>::min(), std::numeric_limits<std::uint32_t>::max()};
    const Numbers dots{figure::Lissajous::dotCount};
    const Numbers bases{sound::Tones::lowestBase, sound::Tones::highestBase, sound::Tones::usualBase};
    // The shortest sound, a tenth of a second, stands in the patterns themselves.
    const Numbers lengths{qint64(sound::WaveFile::longestSeconds), qint64(sound::WaveFile::usualSeconds)};
    const auto row = [](const char *document, const char *name, const char *pattern, const Numbers &numbers) {
        QTest::addRow("%s: %s", document, name)
            << QString::fromUtf8(document) << QString::fromUtf8(pattern) << numbers;
    };
    row("man", "frequencies", R"(\.IR b , (\d+) to (\d+)\.)", frequencies);
    row("man", "dots", R"(plots (\d+) dots of the curve)", dots);
    row("man", "the plot area's dots", R"(its own (\d+)-dot picture)", dots);
    row("man", "-x", R"(\(list X\), a whole number from (\d+) to (\d+)\.)", frequencies);
    row("man", "-y", R"(\(list Y\), a whole number from (\d+) to (\d+)\.)", frequencies);
    row("man", "--size", R"(The picture's side, (\d+) to (\d+) pixels; (\d+) unless given\.)", sides);
    row("man", "--phase", R"(degrees from (\d+) to (\d+); (\d+) unless given\.)", phases);
    row("man", "--dots", R"(Lay the program's (\d+) dots)", dots);
    row("man", "--base", R"(hertz from (\d+) to (\d+); (\d+) unless given\.)", bases);
    row("man", "--seconds", R"(seconds, from 0\.1 to (\d+); (\d+) unless given\.)", lengths);
    row("man", "--pairs", R"(19:18; (\d+) to (\d+) of them, each frequency from (\d+) to (\d+)\.)",
        figures + frequencies);
    row("man", "--random", R"(N different figures \((\d+) to (\d+)\))", figures);
    row("man", "--seed", R"(The seed of the random draw, (\d+) to (\d+):)", seeds);
    row("man", "a new seed", R"(A new seed, below (\d+),)", {Worksheet::proposedSeeds});
    row("man", "exit status", R"(not a:b of frequencies from (\d+) to (\d+),)", frequencies);
    row("metainfo", "English", R"(frequencies, (\d+) to (\d+), and the program plots (\d+) dots)", frequencies + dots);
    row("metainfo", "Bulgarian", R"(цели честоти от (\d+) до (\d+) и програмата нанася (\d+) точки)", frequencies + dots);
    row("help", "-x", R"(list X, (\d+) to (\d+)\.)", frequencies);
    row("help", "-y", R"(list Y, (\d+) to (\d+)\.)", frequencies);
    row("help", "--size", R"(side in pixels, (\d+) to (\d+) \(default (\d+)\))", sides);
    row("help", "--phase", R"(in degrees, (\d+) to (\d+) \(default (\d+)\))", phases);
    row("help", "--dots", R"(Lay the program's (\d+) dots)", dots);
    row("help", "--base", R"(in hertz, (\d+) to (\d+) \(default (\d+)\))", bases);
    row("help", "--seconds", R"(in seconds, 0\.1 to (\d+) \(default (\d+)\))", lengths);
    row("help", "--pairs", R"(19:18, (\d+) to (\d+) of them)", figures);
    row("help", "--random", R"(drawn at random, (\d+) to (\d+)\.)", figures);
    row("help", "--seed", R"(The seed of the draw, (\d+) to (\d+):)", seeds);
}

void tst_Documents::sayTheProgramsNumbers()
{
    QFETCH(QString, document);
    QFETCH(QString, pattern);
    QFETCH(Numbers, numbers);
    const QRegularExpressionMatch found = QRegularExpression(pattern).match(m_texts.value(document));
    QVERIFY2(found.hasMatch(), qPrintable(pattern));
    Numbers said;
    for (int group = 1; group <= found.lastCapturedIndex(); ++group)
        said << found.captured(group).toLongLong();
    QCOMPARE(said, numbers);
}

QTEST_GUILESS_MAIN(tst_Documents)
#include "tst_documents.moc"
