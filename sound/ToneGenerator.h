#pragma once

#include "Tones.h"

#include <cstddef>
#include <cstdint>

namespace sound {

// Makes the samples of two tones, left and right, interleaved, and follows their
// changes as a listener would want: never a jump in the wave, so never a click. It
// fades in over fadeSeconds when made and fades out when told to stop; a new phase
// is glided to within changeSeconds; new frequencies come in after a dip of the
// volume, down and up again within changeSeconds; a new base tone takes over at once,
// where the wave stands. Plain arithmetic, for a sound card or a file alike.
class ToneGenerator {
public:
    // Six decibels below full scale at the peak, each channel.
    static constexpr double peak = 0.50118723362727228;
    static constexpr double fadeSeconds = 0.010;
    static constexpr double changeSeconds = 0.005;

    ToneGenerator(const Tones &tones, int sampleRate);

    void follow(const Tones &tones);
    // Fades out; then only silence comes.
    void stop();

    // frames pairs of left and right 16-bit samples, as a sound card and a WAV file
    // take them.
    void fill(std::int16_t *interleaved, std::size_t frames);

private:
    // The next frame, left and right.
    void next(double &left, double &right);
    void moveGain();

    int m_sampleRate;
    // What was asked for last, and what sounds now: a and b switch at silence.
    Tones m_target;
    figure::FrequencyPair m_sounding;
    double m_phaseDegrees;
    double m_phaseStep = 0;
    // The base tone's position in its turn, kept from where the base tone last
    // changed, so that a long sound does not wander.
    double m_turnAtChange = 0;
    std::int64_t m_framesSinceChange = 0;
    double m_gain = 0;
    double m_gainTarget = 1;
    double m_gainStep;
    bool m_stopping = false;
};

} // namespace sound
