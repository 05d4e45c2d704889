#pragma once

#include <QList>
#include <QString>

namespace sheet {

// The heading at the top of every page, in millimetres: the title, then up to five
// lines (the name line, the task, which may take two, and how a free end counts, or
// what the key shows; the phase), each type size with the height of its line.
struct SheetHeading {
    // The title: one line, in titleType where it fits, smaller where it must; where
    // one line would be smaller than two, two lines, never smaller than the lines
    // under it.
    static constexpr double titleType = 6;
    static constexpr double titleLine = 10;
    static constexpr int titleLines = 2;
    static constexpr double titleGap = 1;
    static constexpr double gap = 3;
    static constexpr double type = 3.6;
    static constexpr double leastTitleType = type;
    static constexpr double line = 6;
    static constexpr int lines = 5;
    static constexpr double height = titleLine + titleGap + lines * line + gap;

    // The longest title, in characters. Two lines at leastTitleType on A4, the
    // narrower paper, beside the widest variant ("Вариант 4294967295") hold 56 of the
    // widest capital, Ю, in words of seven, on the key with " — отговори" after them,
    // in a wide bold face such as DejaVu Sans's, with a word's room to spare for where
    // the lines happen to break.
    static constexpr int longestTitle = 56;

    // The title's length as the limit counts it: characters, not UTF-16 units.
    static int lengthOf(const QString &title) { return int(title.toUcs4().size()); }
    static bool holds(const QString &title) { return lengthOf(title) <= longestTitle; }
};

} // namespace sheet
