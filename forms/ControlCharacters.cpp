#include "ControlCharacters.h"

#include <QList>
#include <QStringDecoder>

namespace forms {

namespace {

QString escaped(char32_t code)
{
    switch (code) {
    case U'\n':
        return QStringLiteral("\\n");
    case U'\r':
        return QStringLiteral("\\r");
    case U'\t':
        return QStringLiteral("\\t");
    case U'\x1b':
        return QStringLiteral("\\e");
    }
    if (code < 0x100)
        return QStringLiteral("\\x%1").arg(uint(code), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(uint(code), 4, 16, QLatin1Char('0'));
}

// The marks that turn text right to left and back, with which a name could be shown
// as another.
bool isDirectionMark(char32_t code)
{
    return code == U'\x061c' || code == U'\x200e' || code == U'\x200f' || (code >= U'\x202a' && code <= U'\x202e')
           || (code >= U'\x2066' && code <= U'\x2069');
}

bool isControl(char32_t code)
{
    const QChar::Category category = QChar::category(code);
    return category == QChar::Other_Control || category == QChar::Separator_Line
           || category == QChar::Separator_Paragraph || isDirectionMark(code);
}

} // namespace

QString quoteControlCharacters(const QString &text)
{
    QString quoted;
    quoted.reserve(text.size());
    for (const char32_t code : text.toUcs4()) {
        if (isControl(code))
            quoted += escaped(code);
        else
            quoted += QString::fromUcs4(&code, 1);
    }
    return quoted;
}

QString withoutControlCharacters(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const char32_t code : text.toUcs4()) {
        if (!isControl(code) || QChar::isSpace(code))
            kept += QString::fromUcs4(&code, 1);
    }
    return kept;
}

QString fromUtf8KeepingByteOrderMark(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

QString quoteControlCharacters(const QByteArray &bytes)
{
    // Valid UTF-8 round-trips through QString; where it does not, every byte above
    // ASCII is shown as it is, since which of them broke the text is not ours to guess.
    const QString text = fromUtf8KeepingByteOrderMark(bytes);
    if (text.toUtf8() == bytes)
        return quoteControlCharacters(text);
    QString quoted;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        quoted += code >= 0x80 ? escaped(code) : quoteControlCharacters(QString(QLatin1Char(byte)));
    }
    return quoted;
}

} // namespace forms
