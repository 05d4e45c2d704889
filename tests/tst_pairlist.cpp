#include "PairList.h"

#include <QTest>

#include <numeric>
#include <set>

using figure::FrequencyPair;
using Pairs = std::vector<FrequencyPair>;

// The figures of a sheet, as a teacher types them and as the random draw makes them.
class TestPairList : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void random_data();
    void random();
};

void TestPairList::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Pairs>("pairs");
    QTest::addColumn<QString>("wrongItem");
    QTest::newRow("three") << "1:2,2:3,19:18" << Pairs{{1, 2}, {2, 3}, {19, 18}} << QString();
    QTest::newRow("spaces and a trailing comma") << " 1 : 2 ,3:4, " << Pairs{{1, 2}, {3, 4}} << QString();
    QTest::newRow("nothing") << "  " << Pairs{} << QString();
    QTest::newRow("zero") << "1:2,0:3" << Pairs{} << "0:3";
    QTest::newRow("dash") << "2-3" << Pairs{} << "2-3";
    QTest::newRow("above the highest") << "20:1" << Pairs{} << "20:1";
    QTest::newRow("three numbers") << "1:2:3" << Pairs{} << "1:2:3";
    QTest::newRow("a fraction") << "1:2, 1.5:2" << Pairs{} << "1.5:2";
    QTest::newRow("letters") << "a:b" << Pairs{} << "a:b";
}

void TestPairList::parse()
{
    QFETCH(QString, text);
    QFETCH(Pairs, pairs);
    QFETCH(QString, wrongItem);
    const sheet::pairlist::Parsed parsed = sheet::pairlist::parse(text);
    QCOMPARE(parsed.pairs, pairs);
    QCOMPARE(parsed.wrongItem, wrongItem);
    if (!pairs.empty())
        QCOMPARE(sheet::pairlist::parse(sheet::pairlist::text(pairs)).pairs, pairs);
}

void TestPairList::random_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("one") << 1 << 5u;
    QTest::newRow("a quiz") << 12 << 2026u;
    QTest::newRow("the most") << 48 << 4294967295u;
}

void TestPairList::random()
{
    QFETCH(int, count);
    QFETCH(quint32, seed);
    const Pairs pairs = sheet::pairlist::random(count, seed);
    QCOMPARE(int(pairs.size()), count);
    QCOMPARE(sheet::pairlist::random(count, seed), pairs);
    std::set<std::pair<int, int>> seen;
    for (const auto &[a, b] : pairs) {
        QVERIFY(a >= 1 && a <= 19 && b >= 1 && b <= 19);
        // In lowest terms, and never the same figure twice.
        QCOMPARE(std::gcd(a, b), 1);
        QVERIFY(seen.insert({a, b}).second);
    }
    // Another seed draws other figures, or in another order.
    if (count > 1)
        QVERIFY(sheet::pairlist::random(count, seed - 1) != pairs);
}

QTEST_APPLESS_MAIN(TestPairList)
#include "tst_pairlist.moc"
