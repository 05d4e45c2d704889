#include "AddressSanitized.h"
#include "KorvanaFixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

// Resident memory of this process, in KiB.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

class tst_Stress : public QObject {
    Q_OBJECT

private slots:
    void tenThousandDrawsAndClearsHoldTheirMemory();
};

void tst_Stress::tenThousandDrawsAndClearsHoldTheirMemory()
{
    KorvanaFixture korvana;
    QVERIFY(korvana.start());
    auto &listA = korvana.list(0);
    auto &listB = korvana.list(1);
    auto &draw = korvana.button(0);
    auto &clear = korvana.button(1);
    const forms::PictureModel &area = korvana.picture().model();

    constexpr int cycles = 10000;
    constexpr int warmUp = 100;
    long afterWarmUp = 0;
    QElapsedTimer clock;
    clock.start();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        // Every pair of frequencies in turn, each drawn, painted and cleared.
        const int pair = cycle % (19 * 19);
        listA.setListIndex(std::int16_t(pair / 19));
        listB.setListIndex(std::int16_t(pair % 19));
        draw.click();
        QCoreApplication::processEvents();
        QCOMPARE(area.pixel(area.width() * 3 / 4, area.height() / 2), 0xff000000u);
        clear.click();
        QCoreApplication::processEvents();
        if (cycle + 1 == warmUp)
            afterWarmUp = residentKiB();
    }
    const long afterAll = residentKiB();
    qInfo("%d draws and %d clears in %lld ms; resident memory %ld KiB after %d cycles, %ld KiB after all",
          cycles, cycles, clock.elapsed(), afterWarmUp, warmUp, afterAll);

    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            QCOMPARE(area.pixel(x, y), 0xffffffffu);
    // AddressSanitizer holds freed memory in quarantine, so its figures say nothing;
    // there LeakSanitizer checks for leaks instead.
    if (addressSanitized)
        QSKIP("resident memory is not meaningful under AddressSanitizer");
    QVERIFY2(afterAll * 100 <= afterWarmUp * 101,
             qPrintable(QStringLiteral("grew from %1 to %2 KiB").arg(afterWarmUp).arg(afterAll)));
}

QTEST_MAIN(tst_Stress)
#include "tst_stress.moc"
