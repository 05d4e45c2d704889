#pragma once

class QPainter;

namespace picture {
class FigurePainter;
}

namespace figureexport {

// A figure printed on a page of its own, on a printer or into a PDF file.
class PrintedPage {
public:
    // A heading at the page's top and, under it, the figure with its caption, square,
    // as large as fits and centred in the room left.
    static void paint(QPainter &painter, const picture::FigurePainter &figure, bool withDots);
};

} // namespace figureexport
