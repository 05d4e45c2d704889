#include "SheetPainter.h"

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

constexpr double millimetresPerInch = 25.4;
// Text heights in millimetres: the title, then the lines under it.
constexpr double titleMillimetres = 6;
constexpr double headingLineMillimetres = 3.6;
constexpr double headingGapMillimetres = 3;
// The heading's lines stand apart by a third of their height.
constexpr double headingLineSpacing = 1.3;
// The words under a figure fill this share of their line, and of its width.
constexpr double wordsShareOfLine = 0.72;
constexpr double wordsShareOfWidth = 0.96;

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

// The font at pixels high, smaller where text would be wider than room.
QFont fitted(const QFont &base, double pixels, const QString &text, double room)
{
    QFont font = sizedFont(base, pixels);
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    return width > room ? sizedFont(base, pixels * room / width) : font;
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
    const double millimetre = painter.device()->logicalDpiY() / millimetresPerInch;
    const SheetLayout layout(page, int(m_figures.size()), millimetre);
    painter.save();
    painter.fillRect(page, closeup::FigurePalette::paper);
    paintHeading(painter, layout.heading(), key, millimetre);
    for (int i = 0; i < int(m_figures.size()); ++i) {
        closeup::FigurePainter figure = m_figures[std::size_t(i)];
        figure.setTouchesMarked(key);
        figure.paint(painter, layout.figure(i), false);
        paintWords(painter, layout, i, key);
    }
    painter.restore();
}

void SheetPainter::paintHeading(QPainter &painter, const QRectF &heading, bool key, double millimetre) const
{
    const QString title = !key ? m_sheet.title : m_sheet.title.isEmpty() ? keyAlone : keyTitle.arg(m_sheet.title);
    QStringList lines;
    if (!key)
        lines << studentLine << task;
    if (!figure::Phase::isWindow(m_sheet.phaseDegrees))
        lines << phaseLine.arg(closeup::degreesText(m_sheet.phaseDegrees));

    painter.setPen(closeup::FigurePalette::caption);
    const QFont base = painter.font();
    painter.setFont(fitted(bold(base), titleMillimetres * millimetre, title, heading.width()));
    QRectF line(heading.left(), heading.top(), heading.width(), QFontMetricsF(painter.font()).lineSpacing());
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, title);
    line.moveTop(line.bottom() + headingGapMillimetres * millimetre);
    for (const QString &text : std::as_const(lines)) {
        painter.setFont(fitted(base, headingLineMillimetres * millimetre, text, heading.width()));
        line.setHeight(QFontMetricsF(painter.font()).lineSpacing() * headingLineSpacing);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
        line.moveTop(line.bottom());
    }
    painter.setFont(base);
}

void SheetPainter::paintWords(QPainter &painter, const SheetLayout &layout, int i, bool key) const
{
    const closeup::FigurePainter &figure = m_figures[std::size_t(i)];
    const QString first = numbered.arg(i + 1).arg(key ? closeup::readingLine(figure.touches()) : answerBlank);
    const QStringList lines = key ? QStringList{first, closeup::touchesLine(figure.touches())} : QStringList{first};
    const QFont base = painter.font();
    QRectF line = layout.words(i);
    const double room = line.width() * wordsShareOfWidth;
    line.setHeight(layout.lineHeight());
    for (const QString &text : lines) {
        painter.setFont(fitted(base, layout.lineHeight() * wordsShareOfLine, text, room));
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, text);
        line.moveTop(line.bottom());
    }
    painter.setFont(base);
}

} // namespace sheet
