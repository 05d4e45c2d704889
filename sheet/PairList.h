#pragma once

#include "Frequencies.h"
#include "Phase.h"
#include "Worksheet.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace sheet {

// The figures of a sheet as a teacher names them, "1:2, 2:3, 19:18" (a:b), or drawn
// at random: the same seed gives the same pairs, on every machine.
namespace pairlist {

// The pairs; or none, with the first item that is not a:b of whole frequencies in
// range, for a message.
struct Parsed {
    std::vector<figure::FrequencyPair> pairs;
    QString wrongItem;
};
Parsed parse(QStringView text);
QString text(const std::vector<figure::FrequencyPair> &pairs);

// count different figures, each a ratio in lowest terms, so that no two on a sheet
// are the same figure drawn twice over, from the simplest figures at the phase that
// leave a choice and can be counted with count of them on a page.
std::vector<figure::FrequencyPair> random(int count, std::uint32_t seed,
                                          double phaseDegrees = figure::Phase::windowDegrees);
// The sheet with count random figures at its phase drawn from its seed, or from a new
// one that it then keeps.
Worksheet withRandomPairs(Worksheet sheet, int count);

} // namespace pairlist

} // namespace sheet
