#include "PairList.h"

#include "SheetFile.h"
#include "TouchPoints.h"
#include "TouchSpacing.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <utility>

namespace sheet::pairlist {

namespace {

using figure::Frequencies;
using figure::FrequencyPair;

std::optional<int> frequency(QStringView text)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    if (!isNumber || !Frequencies::contains(value))
        return std::nullopt;
    return value;
}

std::optional<FrequencyPair> pair(QStringView item)
{
    const QList<QStringView> parts = item.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<int> a = frequency(parts[0]);
    const std::optional<int> b = frequency(parts[1]);
    if (!a || !b)
        return std::nullopt;
    return FrequencyPair{*a, *b};
}

// A figure in lowest terms and the side it needs for its touches to be counted.
struct Candidate {
    FrequencyPair pair;
    double side;
};

std::vector<Candidate> everyFigure(double phaseDegrees)
{
    std::vector<Candidate> figures;
    for (int a = Frequencies::lowest; a <= Frequencies::highest; ++a)
        for (int b = Frequencies::lowest; b <= Frequencies::highest; ++b)
            if (std::gcd(a, b) == 1)
                figures.push_back({{a, b}, TouchSpacing::smallestArea(figure::TouchPoints(a, b, phaseDegrees))});
    return figures;
}

// The simplest figures that leave a choice and can be counted on one page of count
// figures: frequencies up to the lowest bound that gives twice as many such figures as
// asked, so that a short quiz has figures a student can count, and a long one still
// finds enough. Where too few fit, the least crowded of the rest make up the number,
// and the sheet takes more pages.
std::vector<FrequencyPair> poolFor(int count, const std::vector<Candidate> &figures)
{
    constexpr int choicesPerFigure = 2;
    constexpr int fewestHighest = 5;
    const double room = SheetFile::figureRoom(count);
    std::vector<FrequencyPair> pool;
    for (int highest = fewestHighest; highest <= Frequencies::highest; ++highest) {
        pool.clear();
        for (const auto &[pair, side] : figures)
            if (std::max(pair.a, pair.b) <= highest && side <= room)
                pool.push_back(pair);
        if (pool.size() >= std::size_t(choicesPerFigure * count))
            return pool;
    }
    std::vector<Candidate> rest;
    std::copy_if(figures.begin(), figures.end(), std::back_inserter(rest),
                 [&](const Candidate &candidate) { return candidate.side > room; });
    std::stable_sort(rest.begin(), rest.end(),
                     [](const Candidate &one, const Candidate &other) { return one.side < other.side; });
    for (std::size_t i = 0; pool.size() < std::size_t(count) && i < rest.size(); ++i)
        pool.push_back(rest[i].pair);
    return pool;
}

} // namespace

Parsed parse(QStringView text)
{
    Parsed parsed;
    // Empty items are no mistake: a comma typed ahead of the next pair, or doubled.
    for (QStringView item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (item.trimmed().isEmpty())
            continue;
        const std::optional<FrequencyPair> found = pair(item);
        if (!found)
            return {{}, item.trimmed().toString()};
        parsed.pairs.push_back(*found);
    }
    return parsed;
}

QString text(const std::vector<figure::FrequencyPair> &pairs)
{
    QStringList items;
    for (const auto &[a, b] : pairs)
        items << QStringLiteral("%1:%2").arg(a).arg(b);
    return items.join(QStringLiteral(", "));
}

std::vector<figure::FrequencyPair> random(int count, std::uint32_t seed, double phaseDegrees)
{
    count = std::max(count, 0);
    std::vector<FrequencyPair> pool = poolFor(count, everyFigure(phaseDegrees));
    // The first count places of a shuffle. Qt's generator and its bounded() are the
    // same everywhere, where the standard library's distributions are not.
    QRandomGenerator generator(seed);
    const std::size_t drawn = std::min(pool.size(), std::size_t(count));
    for (std::size_t i = 0; i < drawn; ++i)
        std::swap(pool[i], pool[i + generator.bounded(quint32(pool.size() - i))]);
    pool.resize(drawn);
    return pool;
}

Worksheet withRandomPairs(Worksheet sheet, int count)
{
    if (!sheet.seed)
        sheet.seed = QRandomGenerator::global()->bounded(Worksheet::proposedSeeds);
    sheet.pairs = random(count, *sheet.seed, sheet.phaseDegrees);
    return sheet;
}

} // namespace sheet::pairlist
