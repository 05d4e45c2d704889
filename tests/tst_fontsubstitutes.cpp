#include "FontSubstitutes.h"

#include <QFont>
#include <QFontInfo>
#include <QTest>

#include <array>

namespace {

// Where Debian's fonts-liberation2, which the build installs, keeps its files.
const QString liberationFolder = QStringLiteral("/usr/share/fonts/truetype/liberation2");
// The family that its LiberationSerif-Regular.ttf holds.
constexpr const char *substitute = "Liberation Serif";

} // namespace

class tst_FontSubstitutes : public QObject {
    Q_OBJECT

private slots:
    void onlyMissingFamiliesAreSubstituted_data();
    void onlyMissingFamiliesAreSubstituted();
};

void tst_FontSubstitutes::onlyMissingFamiliesAreSubstituted_data()
{
    QTest::addColumn<QByteArray>("designed");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("substituted");
    QTest::newRow("missing, file shipped")
        << QByteArray("Korvana Missing Serif") << QByteArray("LiberationSerif-Regular.ttf") << true;
    QTest::newRow("present")
        << QByteArray("Liberation Sans") << QByteArray("LiberationSerif-Regular.ttf") << false;
    QTest::newRow("missing, file not shipped")
        << QByteArray("Korvana Missing Roman") << QByteArray("NotShipped-Regular.ttf") << false;
}

// A missing family is drawn in its substitute; a present one keeps its own.
void tst_FontSubstitutes::onlyMissingFamiliesAreSubstituted()
{
    QFETCH(QByteArray, designed);
    QFETCH(QByteArray, file);
    QFETCH(bool, substituted);
    const std::array substitutes{forms::FontSubstitute{designed.constData(), substitute, file.constData()}};
    forms::substituteMissingFonts(substitutes, liberationFolder);

    const QString family = QString::fromUtf8(designed);
    QCOMPARE(!QFont::substitutes(family).isEmpty(), substituted);
    if (substituted)
        QCOMPARE(QFontInfo(QFont(family)).family(), QString::fromUtf8(substitute));
}

QTEST_MAIN(tst_FontSubstitutes)
#include "tst_fontsubstitutes.moc"
