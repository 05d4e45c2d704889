#include "ToneGenerator.h"

#include "Phase.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace sound {

namespace {

constexpr double fullScale16 = std::numeric_limits<std::int16_t>::max();

// The way from one phase to another, in degrees, the shorter way round.
double shortestTurn(double from, double to)
{
    return std::remainder(to - from, figure::Phase::turnDegrees);
}

} // namespace

ToneGenerator::ToneGenerator(const Tones &tones, int sampleRate)
    : m_sampleRate(sampleRate)
    , m_target(tones)
    , m_sounding(tones.frequencies)
    , m_phaseDegrees(tones.phaseDegrees)
    , m_gainStep(1 / (fadeSeconds * sampleRate))
{
}

void ToneGenerator::follow(const Tones &tones)
{
    if (tones.baseHertz != m_target.baseHertz) {
        m_turnAtChange = std::fmod(m_turnAtChange + m_framesSinceChange * m_target.baseHertz / m_sampleRate, 1.0);
        m_framesSinceChange = 0;
    }
    const double glide = shortestTurn(m_phaseDegrees, tones.phaseDegrees);
    m_phaseStep = std::abs(glide) / (changeSeconds * m_sampleRate);
    m_target = tones;
    if (m_target.frequencies != m_sounding && !m_stopping) {
        // Down and up again, each in half the time a change may take.
        m_gainTarget = 0;
        m_gainStep = 2 / (changeSeconds * m_sampleRate);
    }
}

void ToneGenerator::stop()
{
    m_stopping = true;
    m_gainTarget = 0;
    m_gainStep = 1 / (fadeSeconds * m_sampleRate);
}

void ToneGenerator::moveGain()
{
    if (m_gain < m_gainTarget)
        m_gain = std::min(m_gainTarget, m_gain + m_gainStep);
    else if (m_gain > m_gainTarget)
        m_gain = std::max(m_gainTarget, m_gain - m_gainStep);
    // At silence the new frequencies come in, and the volume rises again.
    if (m_gain == 0 && !m_stopping && m_sounding != m_target.frequencies) {
        m_sounding = m_target.frequencies;
        m_gainTarget = 1;
    }
}

void ToneGenerator::next(double &left, double &right)
{
    const double glide = shortestTurn(m_phaseDegrees, m_target.phaseDegrees);
    m_phaseDegrees += std::clamp(glide, -m_phaseStep, m_phaseStep);
    const double turn = std::fmod(m_turnAtChange + m_framesSinceChange * m_target.baseHertz / m_sampleRate, 1.0);
    ++m_framesSinceChange;
    constexpr double twoPi = 2 * std::numbers::pi;
    // Whole multiples of the base tone's turn: a and b turns of it, exactly.
    const double leftTurns = std::fmod(m_sounding.a * turn, 1.0);
    const double rightTurns = std::fmod(m_sounding.b * turn, 1.0);
    const double level = peak * m_gain;
    left = level * std::sin(twoPi * leftTurns + figure::Phase::radians(m_phaseDegrees));
    right = level * std::sin(twoPi * rightTurns);
    moveGain();
}

void ToneGenerator::fill(std::int16_t *interleaved, std::size_t frames)
{
    for (std::size_t frame = 0; frame < frames; ++frame) {
        double left = 0, right = 0;
        next(left, right);
        interleaved[2 * frame] = std::int16_t(std::lround(left * fullScale16));
        interleaved[2 * frame + 1] = std::int16_t(std::lround(right * fullScale16));
    }
}

} // namespace sound
