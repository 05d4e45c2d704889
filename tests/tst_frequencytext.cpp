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

QTEST_APPLESS_MAIN(tst_FrequencyText)
#include "tst_frequencytext.moc"
