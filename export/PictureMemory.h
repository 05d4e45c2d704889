#pragma once

#include <QImage>
#include <QSize>

namespace figureexport {

// Memory for a large picture. On Linux it is mapped in huge pages where the system has
// them to give: a picture of 1200 pixels square is then filled with a few page faults
// instead of 1,400, each of which stops the program while the system finds and clears
// a page. Elsewhere it is an image like any other.
class PictureMemory {
public:
    // An image laid out as QImage lays out its own, or a null one where there is no
    // memory for it.
    static QImage image(QSize size, QImage::Format format);
};

} // namespace figureexport
