#pragma once

#include "FigurePalette.h"
#include "Frequencies.h"
#include "TouchPoints.h"

#include <QPointF>
#include <QFont>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace picture {

// Draws the Lissajous figure for whole frequencies a and b and a phase difference as
// a teacher shows it: the curve x = sin(a t + phase), y = sin(b t) (figure::Curve) as
// one smooth line over a full period, the square it is inscribed in, a tick outside
// the square for each touch on the top and right edges (a free end, which counts
// half, has a tick half as long, on each edge it touches) and, if asked, the
// program's own dots (which belong to the window's figure, at 90°, and only there).
// One routine for every surface: a window, an image, a vector file, a printer.
class FigurePainter {
public:
    // A figure drawn from real signals, as an oscilloscope in XY mode draws it: left
    // across, right upward, in the figure's units (beyond ±1 it stops at the square's
    // edge, as a trace at the screen's); with the words of whoever measured it.
    struct Signal {
        std::vector<QPointF> points;
        // Two lines.
        QString caption;
        QString title;
        QString description;
    };

    explicit FigurePainter(figure::FrequencyPair frequencies, double phaseDegrees = figure::Phase::windowDegrees);
    // Without touches marked: the student counts them.
    explicit FigurePainter(Signal signal);

    figure::FrequencyPair frequencies() const { return m_frequencies; }
    double phaseDegrees() const { return m_phaseDegrees; }
    // Whether it is the window's own figure, on which the program's dots lie.
    bool isWindowFigure() const { return figure::Phase::isWindow(m_phaseDegrees); }
    const figure::TouchPoints &touches() const { return m_touches; }
    // A file's title and what a screen reader hears of the figure.
    QString title() const;
    QString description() const;

    // In colour unless told otherwise; with its touches marked unless told not to, as
    // on a quiz, where counting them is the student's task.
    void setInks(const FigureInks &inks) { m_inks = inks; }
    void setTouchesMarked(bool marked) { m_touchesMarked = marked; }
    // The frame never thinner than this, in the painter's units: on paper, a line a
    // copier keeps.
    void setFinestFrame(double width) { m_finestFrame = width; }

    // Paints onto paper filling area, the figure's square centred in it.
    void paint(QPainter &painter, const QRectF &area, bool withDots) const;
    // The figure's square in area, where paint puts it.
    static QRectF squareIn(const QRectF &area);
    // The curve's line width on a square of this side: thicker as the picture grows.
    static double lineWidthFor(double side);
    // The figure with its caption beneath, the frequencies and the touch counts, as
    // the view shows them: the picture for a worksheet, a slide or a printed page.
    void paintWithCaption(QPainter &painter, const QRectF &area, bool withDots) const;
    // The box of what paintWithCaption draws in area with painter's font: the figure's
    // lines and marks and the caption's lines, by which a page centres it.
    QRectF drawnWithCaption(const QPainter &painter, const QRectF &area) const;
    // The box of what paint draws in area besides the paper, and of the pixels its
    // edges' antialiasing tints: everywhere else paint leaves plain paper.
    QRectF paintedIn(const QRectF &area) const;

private:
    struct Layout;

    // The box of the figure's lines and marks.
    QRectF drawnIn(const Layout &layout) const;
    double frameWidth(const Layout &layout) const;
    void paintFrame(QPainter &painter, const Layout &layout) const;
    void paintCurve(QPainter &painter, const Layout &layout) const;
    void paintDots(QPainter &painter, const Layout &layout) const;
    void paintTouches(QPainter &painter, const Layout &layout) const;
    void paintCaption(QPainter &painter, const QRectF &area) const;
    QString captionText() const;
    QFont captionFont(const QPainter &painter, const QRectF &area) const;
    static QRectF figureAreaOf(const QRectF &area);
    static QRectF captionAreaOf(const QRectF &area);

    figure::FrequencyPair m_frequencies;
    double m_phaseDegrees;
    figure::TouchPoints m_touches;
    FigureInks m_inks = FigurePalette::inColour();
    bool m_touchesMarked = true;
    double m_finestFrame = 0;
    // In the figure's own coordinates, -1 to 1 on both axes, y upward.
    std::vector<QPointF> m_curve;
    std::vector<QPointF> m_dots;
    // A signal's own words, where the figure is a signal's.
    std::optional<Signal> m_signalWords;
};

} // namespace picture
