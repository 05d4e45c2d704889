#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace commandline {

// The language the command line speaks: the user's, where korvana has a translation
// for it, and English, the language its texts are written in, otherwise. It needs no
// application object, so that a refused command line is said without a display.
class Language {
public:
    // The context the command line's own texts are marked in, for lupdate:
    // QT_TRANSLATE_NOOP("CommandLine", "...").
    static constexpr char context[] = "CommandLine";

    explicit Language(const QLocale &locale);

    // One of the command line's own texts, in this language.
    QString text(const char *source) const;
    // A text of another context, such as Qt's own "QCommandLineParser", in this language.
    QString text(const char *sourceContext, const char *source) const;
    // Whether it is the language the windows speak, whose words the command line can
    // take from them.
    bool isWindowLanguage() const;

    // Qt's own texts (the help's "Usage:" and "Options:") speak this language too, for
    // as long as the application lasts.
    void installInApplication();

private:
    QTranslator m_translator;
};

} // namespace commandline
