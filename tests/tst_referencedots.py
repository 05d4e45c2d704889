"""Checks that referencedots finds no difference in a picture of the figure itself
and names the dot or pixel in each picture that differs from it."""
import sys

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

failed = [name for name, dark, said in CASES
          if (said is None) != (referencedots.differences(dark, FIGURE, SIZE) == [])
          or said and said not in "\n".join(referencedots.differences(dark, FIGURE, SIZE))]
print(f"{len(CASES) - len(failed)} passed; failed: {failed}")
sys.exit(1 if failed else 0)
