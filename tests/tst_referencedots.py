"""Checks that referencedots finds no difference in a picture of the figure itself
and names the dot or pixel in each picture that differs from it, and that it reads
only a whole figure from the reference file."""
import os
import sys
import tempfile

import referencedots

SIZE = 209
# 2001 dots, each in the middle of a pixel of its own.
FIGURE = [((10 + t % 150 + 0.5) * 1000 / SIZE, (20 + t // 150 + 0.5) * 1000 / SIZE) for t in range(2001)]
SHOWN = {(10 + t % 150, 20 + t // 150) for t in range(2001)}

# Name, the dark pixels, and what must be said of them (None: nothing).
CASES = [
    ("the figure", SHOWN, None),
    ("a dot moved", SHOWN - {(10, 20)} | {(9, 20)}, "dot t=0 "),
    ("a dot missing", SHOWN - {(11, 20)}, "dot t=1 "),
    ("a stray dot", SHOWN | {(0, 0)}, "dark without a dot: [(0, 0)]"),
    ("an empty plot", set(), "2001 dots not shown"),
]

# Name, the figure asked of a file that holds (1, 2) whole and (2, 1) cut short, and
# whether it is refused: a blank plot would match a figure with no dots.
READS = [
    ("a whole figure", (1, 2), False),
    ("a figure cut short", (2, 1), True),
    ("a figure not held", (3, 4), True),
]


def refused(path, a, b):
    try:
        referencedots.dots(path, a, b)
    except ValueError:
        return True
    return False


failed = [name for name, dark, said in CASES
          if (said is None) != (referencedots.differences(dark, FIGURE, SIZE) == [])
          or said and said not in "\n".join(referencedots.differences(dark, FIGURE, SIZE))]
with tempfile.TemporaryDirectory() as folder:
    held = os.path.join(folder, "dots.txt")
    with open(held, "w") as file:
        file.write("pair 1 2\n" + "500 500\n" * 2001 + "pair 2 1\n" + "500 500\n" * 2000)
    failed += [name for name, (a, b), refuse in READS if refused(held, a, b) != refuse]
print(f"{len(CASES) + len(READS) - len(failed)} passed; failed: {failed}")
sys.exit(1 if failed else 0)
