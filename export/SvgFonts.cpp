#include "SvgFonts.h"

#include <QFont>
#include <QFontInfo>
#include <QSet>
#include <QString>
#include <QStringList>

#include <utility>

namespace figureexport {

namespace {

const QStringList fallbackFamilies{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                   QStringLiteral("Helvetica")};
const QString genericFamily = QStringLiteral("sans-serif");
const QByteArray familyAttribute = QByteArrayLiteral("font-family=\"");

// A family's name as a CSS string: quoted, with its quotes and backslashes escaped.
QString cssQuoted(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + name + QLatin1Char('\'');
}

// The family Qt drew a named font in, then the fallbacks, as a CSS list within an XML
// attribute, the generic family last.
QByteArray cssFamilies(const QString &named)
{
    QStringList families{QFontInfo(QFont(named)).family()};
    families += fallbackFamilies;
    families.removeDuplicates();
    QStringList css;
    for (const QString &family : std::as_const(families))
        css << cssQuoted(family);
    css << genericFamily;
    return css.join(QLatin1String(", ")).toHtmlEscaped().toUtf8();
}

} // namespace

QByteArray SvgFonts::withFallbacks(QByteArray svg)
{
    QSet<QByteArray> named;
    for (qsizetype at = svg.indexOf(familyAttribute); at >= 0; at = svg.indexOf(familyAttribute, at + 1)) {
        const qsizetype start = at + familyAttribute.size();
        named.insert(svg.mid(start, svg.indexOf('"', start) - start));
    }
    for (const QByteArray &family : std::as_const(named))
        svg.replace(familyAttribute + family + '"', familyAttribute + cssFamilies(QString::fromUtf8(family)) + '"');
    return svg;
}

} // namespace figureexport
