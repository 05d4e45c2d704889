#pragma once

#include "ReferenceDots.h"

#include <QImage>

#include <cmath>

// The picture those dots make on a white plot area of the given inner size, 1000
// units a side: pixel x = x · width / 1000 and pixel y = y · height / 1000, from the
// inner top-left corner, and the dot is the pixel that contains that position.
inline QImage referencePicture(int a, int b, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (const QPointF &dot : referenceDots(a, b)) {
        const int column = int(std::floor(float(dot.x()) * double(size.width()) / 1000));
        const int row = int(std::floor(float(dot.y()) * double(size.height()) / 1000));
        picture.setPixel(column, row, qRgb(0, 0, 0));
    }
    return picture;
}

inline QImage blankPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}
