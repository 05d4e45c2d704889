#include "Language.h"

#include "FormsTexts.h"

#include <QCoreApplication>

namespace commandline {

namespace {

// The translations built from app/translations/korvana_<language>.ts, as resources.
constexpr char fileName[] = "korvana";
constexpr char languagePrefix[] = "_";
constexpr char folder[] = ":/translations";

} // namespace

Language::Language(const QLocale &locale)
{
    // Where none is found the translator stays empty, and every text its English self.
    (void)m_translator.load(locale, QLatin1String(fileName), QLatin1String(languagePrefix), QLatin1String(folder));
}

QString Language::text(const char *source) const
{
    return text(context, source);
}

QString Language::text(const char *sourceContext, const char *source) const
{
    const QString translated = m_translator.translate(sourceContext, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

bool Language::isWindowLanguage() const
{
    return QLocale(m_translator.language()).language() == forms::windowLanguage;
}

void Language::installInApplication()
{
    QCoreApplication::installTranslator(&m_translator);
}

} // namespace commandline
