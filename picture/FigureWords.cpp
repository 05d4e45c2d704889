#include "FigureWords.h"

#include "PictureTexts.h"
#include "TouchPoints.h"

#include <cmath>

namespace picture {

namespace {

QString writtenCount(int halves)
{
    return QString::fromStdString(figure::TouchPoints::countText(halves));
}

// A count of half touches in words: speech-dispatcher turns "1½" into "11⁄2", which
// a synthesizer reads as eleven and two.
QString spokenCount(int halves)
{
    const QString whole = QString::number(halves / 2);
    if (halves % 2 == 0)
        return whole;
    return halves == 1 ? halfSpoken : andAHalfSpoken.arg(whole);
}

} // namespace

QString degreesText(double phaseDegrees)
{
    return QString::number(figure::Phase::wholeDegrees(phaseDegrees));
}

QString frequenciesLine(figure::FrequencyPair frequencies, double phaseDegrees)
{
    const QString line = frequenciesFormat.arg(frequencies.a).arg(frequencies.b);
    if (figure::Phase::isWindow(phaseDegrees))
        return line;
    return line + phaseFormat.arg(degreesText(phaseDegrees));
}

QString touchCounts(const figure::TouchPoints &touches)
{
    return touchCountsFormat.arg(writtenCount(touches.topHalves()), writtenCount(touches.sideHalves()));
}

QString touchesLine(const figure::TouchPoints &touches)
{
    return touchesFormat.arg(touchCounts(touches));
}

QString readingLine(const figure::TouchPoints &touches)
{
    const figure::FrequencyPair reading = touches.reading();
    return readingFormat.arg(reading.b).arg(reading.a);
}

QString countsLine(const figure::TouchPoints &touches)
{
    return countsFormat.arg(touchesLine(touches), readingLine(touches));
}

QString figureTitle(figure::FrequencyPair frequencies, double phaseDegrees, const figure::TouchPoints &touches)
{
    const QString phase =
        figure::Phase::isWindow(phaseDegrees) ? QString() : phaseFormat.arg(degreesText(phaseDegrees));
    return titleFormat.arg(figureName, QString::number(frequencies.a), QString::number(frequencies.b), phase,
                           readingLine(touches));
}

QString figureDescription(double a, double b)
{
    return figureSpoken.arg(a).arg(b);
}

QString figureDescription(figure::FrequencyPair frequencies, const figure::TouchPoints &touches)
{
    return figureDescription(frequencies.a, frequencies.b)
           + touchesSpoken.arg(spokenCount(touches.topHalves()), spokenCount(touches.sideHalves()));
}

QString viewDescription(figure::FrequencyPair frequencies, double phaseDegrees, const figure::TouchPoints &touches)
{
    return viewFigureSpoken.arg(QString::number(frequencies.a), QString::number(frequencies.b), degreesText(phaseDegrees))
           + touchesSpoken.arg(spokenCount(touches.topHalves()), spokenCount(touches.sideHalves()));
}

} // namespace picture
