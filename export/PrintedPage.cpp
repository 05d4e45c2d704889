#include "PrintedPage.h"

#include "FigurePainter.h"
#include "FigurePalette.h"
#include "PictureTexts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace figureexport {

namespace {

// The heading: a twentieth of the page's shorter side high, bold, so that it stands a
// little above the caption, which the figure's size sets.
constexpr double headingsPerSide = 20;
// Between the heading and the room under it, half its line.
constexpr double headingGap = 0.5;

// Paints the heading at the top of page and gives the room left under it.
QRectF paintHeading(QPainter &painter, const QRectF &page)
{
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(std::min(page.width(), page.height()) / headingsPerSide)));
    font.setBold(true);
    const double line = QFontMetricsF(font, painter.device()).height();
    painter.save();
    painter.setFont(font);
    painter.setPen(picture::FigurePalette::caption);
    // Some nine times its height wide: within the width of any page at this size.
    painter.drawText(QRectF(page.left(), page.top(), page.width(), line), Qt::AlignHCenter | Qt::AlignTop,
                     picture::figureName);
    painter.restore();
    const double top = page.top() + line * (1 + headingGap);
    return {page.left(), top, page.width(), std::max(0.0, page.bottom() - top)};
}

} // namespace

void PrintedPage::paint(QPainter &painter, const picture::FigurePainter &figure, bool withDots)
{
    const QRectF room = paintHeading(painter, painter.viewport());
    const double side = std::min(room.width(), room.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(room.center());
    // Centred by what is drawn, the marks on two edges and the caption in whatever
    // font the system gives, rather than by the square the figure is laid out in.
    const QPointF offCentre = room.center() - figure.drawnWithCaption(painter, square).center();
    figure.paintWithCaption(painter, square.translated(offCentre), withDots);
}

} // namespace figureexport
