#include "FontSubstitutes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

#include <array>

namespace forms {

namespace {

constexpr std::array shipped{
    FontSubstitute{"Times New Roman", "Liberation Serif", "LiberationSerif-Regular.ttf"},
};

// Loads the font file; says so where it exists but does not give the family.
bool loadsFamily(const QString &path, const QString &family)
{
    if (!QFile::exists(path))
        return false;
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0 || !QFontDatabase::applicationFontFamilies(id).contains(family)) {
        qWarning("%s holds no font of the family %s", qPrintable(QDir::toNativeSeparators(path)),
                 qPrintable(family));
        return false;
    }
    return true;
}

} // namespace

std::span<const FontSubstitute> shippedFontSubstitutes()
{
    return shipped;
}

QString shippedFontFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/fonts");
}

void substituteMissingFonts(std::span<const FontSubstitute> substitutes, const QString &folder)
{
    for (const FontSubstitute &font : substitutes) {
        const QString designed = QString::fromUtf8(font.designed);
        const QString substitute = QString::fromUtf8(font.substitute);
        if (!QFontDatabase::hasFamily(designed)
            && loadsFamily(QDir(folder).filePath(QString::fromUtf8(font.file)), substitute))
            QFont::insertSubstitution(designed, substitute);
    }
}

} // namespace forms
