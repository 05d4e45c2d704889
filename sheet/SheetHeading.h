#pragma once

namespace sheet {

// The heading at the top of every page, in millimetres: the title, then up to five
// lines (the name line, the task, which may take two, and how a free end counts, or
// what the key shows; the phase), each type size with the height of its line.
struct SheetHeading {
    static constexpr double titleType = 6;
    static constexpr double titleLine = 8;
    static constexpr double gap = 3;
    static constexpr double type = 3.6;
    static constexpr double line = 6;
    static constexpr int lines = 5;
    static constexpr double height = titleLine + gap + lines * line + gap;
};

} // namespace sheet
