#pragma once

#include <QByteArray>

namespace figureexport {

// The fonts an SVG's text is named in, so that a viewer without the one it was laid
// out in keeps the text whole in a font of the same widths.
class SvgFonts {
public:
    // QSvgGenerator names only a font's first family, as it was asked for ("Sans
    // Serif", which no viewer knows): each becomes the family Qt drew it in, then
    // families of Helvetica's widths that most systems have, then the viewer's own
    // sans-serif.
    static QByteArray withFallbacks(QByteArray svg);
};

} // namespace figureexport
