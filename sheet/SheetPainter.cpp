#include "SheetPainter.h"

#include "ExportLimits.h"
#include "FigurePalette.h"
#include "FigureWords.h"
#include "SheetLayout.h"
#include "SheetTexts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace sheet {

namespace {

// The heading, in millimetres: a title, then up to three lines (a name line or what
// the key shows, the task, the phase), each type size with the height of its line.
constexpr double titleMillimetres = 6;
constexpr double titleLineMillimetres = 8;
constexpr double headingGapMillimetres = 3;
constexpr double headingTypeMillimetres = 3.6;
constexpr double headingLineMillimetres = 6;
constexpr int headingLines = 3;
constexpr double headingMillimetres =
    titleLineMillimetres + headingGapMillimetres + headingLines * headingLineMillimetres + headingGapMillimetres;
// The words under a figure fill this share of their line, and of its width.
constexpr double wordsShareOfLine = 0.72;
constexpr double wordsShareOfWidth = 0.86;
// On the quiz, the line to write on is a little longer than the words above it, and
// stands low in its own line, leaving room above it for the hand.
constexpr double answerLineShare = 1.2;
constexpr double writingLineShare = 0.85;

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

} // namespace

SheetPainter::SheetPainter(const Worksheet &sheet)
    : m_sheet(sheet)
{
    m_figures.reserve(sheet.pairs.size());
    for (const figure::FrequencyPair pair : sheet.pairs) {
        closeup::FigurePainter &figure = m_figures.emplace_back(pair, sheet.phaseDegrees);
        figure.setInks(closeup::FigurePalette::blackOnWhite());
    }
}

bool SheetPainter::paint(QPainter &painter, QPagedPaintDevice &device) const
{
    paintPage(painter, false);
    if (!m_sheet.withKey)
        return true;
    if (!device.newPage())
        return false;
    paintPage(painter, true);
    return true;
}

void SheetPainter::paintPage(QPainter &painter, bool key) const
{
    const QRectF page = painter.viewport();
    const double millimetre = painter.device()->logicalDpiY() / figureexport::ExportLimits::millimetresPerInch;
    const SheetLayout layout(page, int(m_figures.size()), headingMillimetres * millimetre, millimetre);
    painter.save();
    painter.fillRect(page, closeup::FigurePalette::paper);
    painter.setPen(closeup::FigurePalette::caption);
    paintHeading(painter, layout.heading(), key, millimetre);
    for (int i = 0; i < int(m_figures.size()); ++i) {
        closeup::FigurePainter figure = m_figures[std::size_t(i)];
        figure.setTouchesMarked(key);
        figure.paint(painter, layout.figure(i), false);
        if (key)
            paintAnswer(painter, layout, i);
        else
            paintAnswerLine(painter, layout, i);
    }
    painter.restore();
}

void SheetPainter::paintHeading(QPainter &painter, const QRectF &heading, bool key, double millimetre) const
{
    const QString title = !key ? m_sheet.title : m_sheet.title.isEmpty() ? keyAlone : keyTitle.arg(m_sheet.title);
    QStringList lines = key ? QStringList{keyExplained} : QStringList{studentLine, task};
    if (!figure::Phase::isWindow(m_sheet.phaseDegrees))
        lines << phaseLine.arg(closeup::degreesText(m_sheet.phaseDegrees));

    QPaintDevice *device = painter.device();
    const QFont base = painter.font();
    QRectF line(heading.left(), heading.top(), heading.width(), titleLineMillimetres * millimetre);
    if (m_sheet.seed) {
        // In a corner, where the title leaves room: a teacher's note more than a heading.
        const QString variant = variantText.arg(*m_sheet.seed);
        painter.setFont(sizedFont(base, headingTypeMillimetres * millimetre));
        painter.drawText(line, Qt::AlignRight | Qt::AlignTop, variant);
        line.adjust(0, 0, -2 * QFontMetricsF(painter.font(), device).horizontalAdvance(variant), 0);
        line.moveLeft(heading.left() + (heading.width() - line.width()) / 2);
    }
    painter.setFont(fitted(bold(base), titleMillimetres * millimetre, title, line.width(), device));
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, title);
    line = QRectF(heading.left(), line.bottom() + headingGapMillimetres * millimetre, heading.width(),
                  headingLineMillimetres * millimetre);
    for (const QString &text : std::as_const(lines)) {
        painter.setFont(fitted(base, headingTypeMillimetres * millimetre, text, heading.width(), device));
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
        line.moveTop(line.bottom());
    }
    painter.setFont(base);
}

void SheetPainter::paintAnswer(QPainter &painter, const SheetLayout &layout, int i) const
{
    const figure::TouchPoints &touches = m_figures[std::size_t(i)].touches();
    const QFont base = painter.font();
    QRectF line = firstWordsLine(layout, i);
    for (const QString &text : {numbered.arg(i + 1).arg(closeup::readingLine(touches)), closeup::touchCounts(touches)}) {
        drawWords(painter, base, line, text);
        line.moveTop(line.bottom());
    }
    painter.setFont(base);
}

void SheetPainter::paintAnswerLine(QPainter &painter, const SheetLayout &layout, int i) const
{
    // The number and "b : a =", and under them a line to write the answer on, as wide
    // as the cell lets a hand write "11 : 10".
    const QString lead = numbered.arg(i + 1).arg(answerLead);
    const QRectF line = firstWordsLine(layout, i);
    const QFont base = painter.font();
    drawWords(painter, base, line, lead);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double length = std::min(line.width() * wordsShareOfWidth, metrics.horizontalAdvance(lead) * answerLineShare);
    const double writingLine = line.bottom() + layout.lineHeight() * writingLineShare;
    painter.save();
    painter.setPen(QPen(closeup::FigurePalette::caption, metrics.lineWidth()));
    painter.drawLine(QPointF(line.center().x() - length / 2, writingLine),
                     QPointF(line.center().x() + length / 2, writingLine));
    painter.restore();
    painter.setFont(base);
}

} // namespace sheet
