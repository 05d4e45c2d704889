#include "PairList.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
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
    if (!isNumber || value < Frequencies::lowest || value > Frequencies::highest)
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

std::vector<figure::FrequencyPair> random(int count, std::uint32_t seed)
{
    // The simplest figures that leave a choice: frequencies up to the lowest bound that
    // gives twice as many figures as asked, so that a short quiz has figures a student
    // can count, and a long one still finds enough.
    constexpr int choicesPerFigure = 2;
    constexpr int fewestHighest = 5;
    count = std::max(count, 0);
    std::vector<FrequencyPair> pool;
    for (int highest = fewestHighest; highest <= Frequencies::highest; ++highest) {
        pool.clear();
        for (int a = Frequencies::lowest; a <= highest; ++a)
            for (int b = Frequencies::lowest; b <= highest; ++b)
                if (std::gcd(a, b) == 1)
                    pool.push_back({a, b});
        if (pool.size() >= std::size_t(choicesPerFigure * count))
            break;
    }
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
    sheet.pairs = random(count, *sheet.seed);
    return sheet;
}

} // namespace sheet::pairlist
