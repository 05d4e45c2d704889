#include "SheetPainter.h"

#include "FigurePalette.h"
#include "FigureWords.h"
#include "LengthUnits.h"
#include "SheetHeading.h"
#include "SheetLayout.h"
#include "SheetPages.h"
#include "SheetTexts.h"
#include "TouchSpacing.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace sheet {

namespace {

// The frame of every figure: black and thick enough that a copier keeps it.
constexpr double frameMillimetres = 0.25;
// The words under a figure fill this share of their line, and of its width.
constexpr double wordsShareOfLine = 0.72;
constexpr double wordsShareOfWidth = 0.86;
// On the quiz, the line to write on is a little longer than the words above it, and
// stands low in its own line, leaving room above it for the hand.
constexpr double answerLineShare = 1.2;
constexpr double writingLineShare = 0.85;

// A heading's type shrinks by this step where its lines do not fit; a wrapped text's
// height is taken in lines, give or take this share of one.
constexpr double shrinkStep = 0.95;
constexpr double wrapSlack = 0.25;

QFont sizedFont(const QFont &base, double pixels)
{
    QFont font = base;
    font.setPixelSize(std::max(1, int(pixels)));
    return font;
}

QFont bold(QFont font)
{
    font.setBold(true);
    return font;
}

// The font at pixels high on the device, smaller where text would be wider than room.
QFont fitted(const QFont &base, double pixels, const QString &text, double room, QPaintDevice *device)
{
    QFont font = sizedFont(base, pixels);
    const double width = QFontMetricsF(font, device).horizontalAdvance(text);
    return width > room ? sizedFont(base, pixels * room / width) : font;
}

// The first of the lines of words under figure i.
QRectF firstWordsLine(const SheetLayout &layout, int i)
{
    QRectF line = layout.words(i);
    line.setHeight(layout.lineHeight());
    return line;
}

// Words centred in their line, in base's face fitted to the line and to the share of
// its width they may take; the painter keeps that font.
void drawWords(QPainter &painter, const QFont &base, const QRectF &line, const QString &text)
{
    painter.setFont(fitted(base, line.height() * wordsShareOfLine, text, line.width() * wordsShareOfWidth,
                           painter.device()));
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, text);
}

// The title broken into lines in font: the first between the corners, the rest the
// whole width; at a space where it can be, inside a word too long for a line.
QStringList titleRows(const QString &title, const QFont &font, QPaintDevice *device, double width, double corner)
{
    QTextLayout layout(title, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList rows;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(rows.isEmpty() ? width - 2 * corner : width);
        rows << title.mid(row.textStart(), row.textLength()).trimmed();
    }
    layout.endLayout();
    return rows;
}

// "Page n of count" where the quiz, and so the key, take more than one; else nothing.
QString pageText(int n, int count)
{
    return count > 1 ? pageNumber.arg(n + 1).arg(count) : QString();
}

} // namespace

SheetPainter::SheetPainter(const Worksheet &sheet)
    : m_sheet(sheet)
{
    m_figures.reserve(sheet.pairs.size());
    for (const figure::FrequencyPair pair : sheet.pairs) {
        picture::FigurePainter &figure = m_figures.emplace_back(pair, sheet.phaseDegrees);
        figure.setInks(picture::FigurePalette::blackOnWhite());
    }
}

bool SheetPainter::paint(QPainter &painter, QPagedPaintDevice &device) const
{
    const double millimetre = painter.device()->logicalDpiY() / figureexport::LengthUnits::millimetresPerInch;
    std::vector<double> smallestSides;
    for (const picture::FigurePainter &figure : m_figures)
        smallestSides.push_back(TouchSpacing::smallestArea(figure.touches()) * millimetre);
    const std::vector<SheetPages::Page> pages = SheetPages::split(painter.viewport(), millimetre, smallestSides);
    // The quiz's pages, then the key's in the same order, each part numbered on its
    // own: the class is handed the first, the teacher keeps the rest.
    const int count = int(pages.size());
    for (const bool key : {false, true}) {
        if (key && !m_sheet.withKey)
            break;
        for (int n = 0; n < count; ++n) {
            if ((key || n > 0) && !device.newPage())
                return false;
            paintPage(painter, pages[std::size_t(n)], key, pageText(n, count), millimetre);
        }
    }
    return true;
}

void SheetPainter::paintPage(QPainter &painter, const SheetPages::Page &page, bool key, const QString &number,
                             double millimetre) const
{
    const SheetLayout &layout = page.layout;
    painter.save();
    painter.fillRect(painter.viewport(), picture::FigurePalette::paper);
    painter.setPen(picture::FigurePalette::caption);
    paintHeading(painter, layout.heading(), key, number, millimetre);
    for (int i = 0; i < layout.figures(); ++i) {
        const int n = page.first + i;
        picture::FigurePainter figure = m_figures[std::size_t(n)];
        figure.setTouchesMarked(key);
        figure.setFinestFrame(frameMillimetres * millimetre);
        figure.paint(painter, layout.figure(i), false);
        if (key)
            paintAnswer(painter, layout, i, n);
        else
            paintAnswerLine(painter, layout, i, n);
    }
    painter.restore();
}

void SheetPainter::paintHeading(QPainter &painter, const QRectF &heading, bool key, const QString &number,
                                double millimetre) const
{
    const QString title = !key ? m_sheet.title : m_sheet.title.isEmpty() ? keyAlone : keyTitle.arg(m_sheet.title);
    QStringList lines = key ? QStringList{keyExplained} : QStringList{studentLine, task, freeEndCounts};
    if (!figure::Phase::isWindow(m_sheet.phaseDegrees))
        lines << phaseLine.arg(picture::degreesText(m_sheet.phaseDegrees));

    QPaintDevice *device = painter.device();
    const QFont base = painter.font();
    const QRectF line(heading.left(), heading.top(), heading.width(), SheetHeading::titleLine * millimetre);
    // In the corners, where the title leaves room, the page's number and the variant:
    // a teacher's notes more than a heading.
    painter.setFont(sizedFont(base, SheetHeading::type * millimetre));
    const QFontMetricsF corners(painter.font(), device);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, number);
    double corner = corners.horizontalAdvance(number);
    if (m_sheet.seed) {
        const QString variant = variantText.arg(*m_sheet.seed);
        painter.drawText(line, Qt::AlignRight | Qt::AlignTop, variant);
        corner = std::max(corner, corners.horizontalAdvance(variant));
    }
    paintTitle(painter, title, line, corner, millimetre);
    // The lines in one type, a long one wrapped onto the next line; smaller only where
    // the heading's lines would not hold them all.
    const double lineHeight = SheetHeading::line * millimetre;
    const auto linesNeeded = [&](const QFont &font) {
        const QFontMetricsF metrics(font, device);
        int needed = 0;
        for (const QString &text : std::as_const(lines))
            needed += std::max(1, int(std::ceil(metrics.boundingRect(QRectF(0, 0, heading.width(), 0),
                                                                     Qt::TextWordWrap, text).height()
                                                / metrics.lineSpacing() - wrapSlack)));
        return needed;
    };
    QFont type = sizedFont(base, SheetHeading::type * millimetre);
    while (linesNeeded(type) > SheetHeading::lines && type.pixelSize() > 1)
        type = sizedFont(base, type.pixelSize() * shrinkStep);
    painter.setFont(type);
    const double spacing = QFontMetricsF(type, device).lineSpacing();
    double top = line.bottom() + SheetHeading::titleGap * millimetre;
    for (const QString &text : std::as_const(lines)) {
        const QRectF wrapped = painter.boundingRect(QRectF(heading.left(), 0, heading.width(), 0),
                                                    Qt::TextWordWrap, text);
        const int rows = std::max(1, int(std::ceil(wrapped.height() / spacing - wrapSlack)));
        painter.drawText(QRectF(heading.left(), top, heading.width(), rows * lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
        top += rows * lineHeight;
    }
    painter.setFont(base);
}

void SheetPainter::paintTitle(QPainter &painter, const QString &title, const QRectF &line, double corner,
                              double millimetre) const
{
    const QFont base = painter.font();
    const QFont type = bold(base);
    const double least = SheetHeading::leastTitleType * millimetre;
    // From the largest type down: one line wherever it fits; two only in a type small
    // enough that both stand in the title's line.
    QStringList rows;
    double pixels = SheetHeading::titleType * millimetre;
    for (;;) {
        const QFont font = sizedFont(type, pixels);
        rows = titleRows(title, font, painter.device(), line.width(), corner);
        const bool fits = rows.size() <= 1
                          || (rows.size() <= SheetHeading::titleLines
                              && SheetHeading::titleLines * QFontMetricsF(font, painter.device()).lineSpacing()
                                     <= line.height());
        if (fits || pixels <= least)
            break;
        pixels = std::max(least, pixels * shrinkStep);
    }
    painter.setFont(sizedFont(type, pixels));
    if (rows.size() == 1) {
        painter.drawText(line.adjusted(corner, 0, -corner, 0), Qt::AlignHCenter | Qt::AlignVCenter, rows.front());
    } else {
        // Never more than its lines: what the limit on a title's length lets through fits.
        const QFontMetricsF metrics(painter.font(), painter.device());
        const double height = line.height() / SheetHeading::titleLines;
        for (int i = 0; i < SheetHeading::titleLines && i < rows.size(); ++i) {
            const bool last = i + 1 == SheetHeading::titleLines;
            const QRectF row = QRectF(line.left(), line.top() + i * height, line.width(), height)
                                   .adjusted(i == 0 ? corner : 0, 0, i == 0 ? -corner : 0, 0);
            const QString text = last ? metrics.elidedText(rows.mid(i).join(QLatin1Char(' ')), Qt::ElideRight,
                                                           row.width())
                                      : rows[i];
            painter.drawText(row, Qt::AlignHCenter | Qt::AlignVCenter, text);
        }
    }
    painter.setFont(base);
}

void SheetPainter::paintAnswer(QPainter &painter, const SheetLayout &layout, int i, int n) const
{
    const figure::TouchPoints &touches = m_figures[std::size_t(n)].touches();
    const QFont base = painter.font();
    QRectF line = firstWordsLine(layout, i);
    const QString reading = numbered.arg(n + 1).arg(picture::readingLine(touches));
    for (const QString &text : {reading, picture::touchCounts(touches)}) {
        drawWords(painter, base, line, text);
        line.moveTop(line.bottom());
    }
    painter.setFont(base);
}

void SheetPainter::paintAnswerLine(QPainter &painter, const SheetLayout &layout, int i, int n) const
{
    // The number and "b : a =", and under them a line to write the answer on, as wide
    // as the cell lets a hand write "11 : 10".
    const QString lead = numbered.arg(n + 1).arg(answerLead);
    const QRectF line = firstWordsLine(layout, i);
    const QFont base = painter.font();
    drawWords(painter, base, line, lead);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double length = std::min(line.width() * wordsShareOfWidth, metrics.horizontalAdvance(lead) * answerLineShare);
    const double writingLine = line.bottom() + layout.lineHeight() * writingLineShare;
    painter.save();
    painter.setPen(QPen(picture::FigurePalette::caption, metrics.lineWidth()));
    painter.drawLine(QPointF(line.center().x() - length / 2, writingLine),
                     QPointF(line.center().x() + length / 2, writingLine));
    painter.restore();
    painter.setFont(base);
}

} // namespace sheet
