#!/usr/bin/env python3
"""Writes reference-dots.txt: the 2001 dots of a few figures, computed apart from the
program, in Python, straight from the formula:

    x = 500 + 250 sin(a t + pi/2),  y = 500 + 250 sin(b t),  t = 0 ... 2000,

with pi = 3.1415926, in double precision in that order, each coordinate then rounded
to single precision. The tests compare the program's pictures with these dots; the
file is kept as it is and made again only if the formula itself changes."""
import math
import struct
from pathlib import Path

PAIRS = [(1, 1), (1, 3), (2, 3), (19, 18)]
PI = 3.1415926


def single(value):
    return struct.unpack("f", struct.pack("f", value))[0]


lines = ["# a b, then 2001 lines of x y in plot units (t = 0 ... 2000); made by make-reference-dots.py"]
for a, b in PAIRS:
    lines.append(f"pair {a} {b}")
    for t in range(2001):
        x = single(math.sin(a * t + PI / 2) * 250 + 500)
        y = single(math.sin(b * t) * 250 + 500)
        lines.append(f"{x:.9g} {y:.9g}")
Path(__file__).with_name("reference-dots.txt").write_text("\n".join(lines) + "\n")
