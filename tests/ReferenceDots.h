#pragma once

#include <QFile>
#include <QPointF>
#include <QTest>

#include <vector>

// The figures in data/reference-dots.txt, computed apart from the program: the pairs
// (1, 1), (1, 3), (2, 3) and (19, 18), 2001 dots each, in plot units.
inline std::vector<QPointF> referenceDots(int a, int b)
{
    QFile file(QFINDTESTDATA("data/reference-dots.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("data/reference-dots.txt cannot be read");
    const QByteArray header = QByteArrayLiteral("pair %1 %2").replace("%1", QByteArray::number(a)).replace("%2", QByteArray::number(b));
    std::vector<QPointF> dots;
    bool inPair = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("pair ")) {
            inPair = line == header;
        } else if (inPair) {
            const QList<QByteArray> xy = line.split(' ');
            dots.emplace_back(xy[0].toDouble(), xy[1].toDouble());
        }
    }
    if (dots.size() != 2001)
        qFatal("data/reference-dots.txt has no figure for (%d, %d)", a, b);
    return dots;
}
