#include "FrequencyText.h"
#include "FigureError.h"

#include <QTest>

#include <string>

class tst_FrequencyText : public QObject {
    Q_OBJECT

private slots:
    void plainIntegersGiveTheirValue_data();
    void plainIntegersGiveTheirValue();
    void otherTextIsATypeMismatch_data();
    void otherTextIsATypeMismatch();
    void onlyTheListsFrequenciesMakeAFigure_data();
    void onlyTheListsFrequenciesMakeAFigure();
};

void tst_FrequencyText::plainIntegersGiveTheirValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("first item") << QByteArray("1") << 1.0;
    QTest::newRow("last item") << QByteArray("19") << 19.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    QTest::newRow("zero") << QByteArray("0") << 0.0;
    QTest::newRow("300 digits") << QByteArray("1" + QByteArray(300, '0')) << 1e300;
}

void tst_FrequencyText::plainIntegersGiveTheirValue()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(figure::frequencyFromText(text.toStdString()), value);
}

void tst_FrequencyText::otherTextIsATypeMismatch_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("leading blank") << QByteArray(" 3");
    QTest::newRow("trailing blank") << QByteArray("3 ");
    QTest::newRow("minus sign") << QByteArray("-3");
    QTest::newRow("plus sign") << QByteArray("+3");
    QTest::newRow("fraction") << QByteArray("3.5");
    QTest::newRow("exponent") << QByteArray("1e3");
    QTest::newRow("hexadecimal") << QByteArray("0x10");
    QTest::newRow("word") << QByteArray("три");
    QTest::newRow("arabic-indic digit") << QByteArray("٣");
    QTest::newRow("embedded nul") << QByteArray("1\0" "2", 3);
    QTest::newRow("too long for a double") << QByteArray("1" + QByteArray(400, '0'));
}

void tst_FrequencyText::otherTextIsATypeMismatch()
{
    QFETCH(QByteArray, text);
    try {
        figure::frequencyFromText(std::string(text.constData(), std::size_t(text.size())));
        QFAIL("no error raised");
    } catch (const figure::FigureError &error) {
        QCOMPARE(error.kind(), figure::FigureError::Kind::TypeMismatch);
    }
}

void tst_FrequencyText::onlyTheListsFrequenciesMakeAFigure_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("whole");
    QTest::newRow("1 and 19") << 1.0 << 19.0 << true;
    QTest::newRow("19 and 1") << 19.0 << 1.0 << true;
    QTest::newRow("0") << 0.0 << 3.0 << false;
    QTest::newRow("20") << 2.0 << 20.0 << false;
    QTest::newRow("2.5") << 2.5 << 3.0 << false;
    QTest::newRow("1e300") << 1e300 << 3.0 << false;
}

void tst_FrequencyText::onlyTheListsFrequenciesMakeAFigure()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, whole);
    const std::optional<figure::FrequencyPair> pair = figure::wholeFrequencies(a, b);
    QCOMPARE(pair.has_value(), whole);
    if (whole)
        QVERIFY(pair->a == a && pair->b == b);
}

QTEST_APPLESS_MAIN(tst_FrequencyText)
#include "tst_frequencytext.moc"
