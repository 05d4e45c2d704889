#include "SignalWords.h"

#include "PictureTexts.h"

#include <QLocale>

#include <cmath>

namespace picture {

namespace {

QString hertzOf(const sound::ChannelReading &channel)
{
    if (!channel.hertz)
        return noSignal;
    return signalHertzFormat.arg(std::lround(*channel.hertz));
}

// Hertz and seconds as the view writes them, with a decimal comma.
QString decimal(double value, int places)
{
    return QLocale(QLocale::Bulgarian).toString(value, 'f', places);
}

} // namespace

QString signalFrequencies(const sound::SignalReading &reading)
{
    return signalFrequenciesFormat.arg(hertzOf(reading.x), hertzOf(reading.y));
}

QString fractionLine(const sound::SignalReading &reading)
{
    if (!reading.fraction)
        return reading.x.hertz && reading.y.hertz ? noNearFraction : QString();
    return nearFractionFormat.arg(reading.fraction->b).arg(reading.fraction->a);
}

QString signalTrouble(const sound::SignalReading &reading)
{
    return reading.clipped() ? clipping : QString();
}

QString mismatchLine(const sound::SignalReading &reading)
{
    // A mismatch below a thousandth of a hertz is a figure that stands.
    constexpr double standing = 0.001;
    if (!reading.fraction || reading.mismatchHertz < standing)
        return {};
    constexpr int hertzPlaces = 3;
    constexpr int secondsPlaces = 1;
    return mismatchFormat.arg(decimal(reading.mismatchHertz, hertzPlaces), decimal(1 / reading.mismatchHertz, secondsPlaces));
}

QString recordingTitle(const sound::SignalReading &reading)
{
    const QString fraction = fractionLine(reading);
    if (fraction.isEmpty())
        return recordingTitleFormat.arg(signalFrequencies(reading));
    return recordingTitleFormat.arg(signalFrequencies(reading) + withFraction.arg(fraction));
}

QString inputDescription(const sound::SignalReading &reading)
{
    const QString fraction = fractionLine(reading);
    if (fraction.isEmpty())
        return inputSpokenFormat.arg(signalFrequencies(reading));
    return inputSpokenFormat.arg(signalFrequencies(reading) + spokenWithFraction.arg(fraction));
}

} // namespace picture
