#!/usr/bin/env python3
"""Checks that plotdots.py passes a plot area that shows the reference, explains a dot
rounded across a pixel edge it nearly touches, and fails every other difference."""
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 209
# A dot 1e-5 pixels left of the edge between columns 100 and 101 (in float, as the
# program rounds it), then 2000 dots on the middles of other pixels.
NEAR_EDGE = 1000 * (101 - 1e-5) / SIZE
DOTS = [(NEAR_EDGE, 500.0)] + [(1000 * (10 + t % 150 + 0.5) / SIZE, 1000 * (20 + t // 150 + 0.5) / SIZE)
                               for t in range(2000)]


def pixel(value):
    return int(struct.unpack("f", struct.pack("f", value))[0] * SIZE // 1000)


REFERENCE = {(pixel(x), pixel(y)) for x, y in DOTS}
EDGE_DOT = (pixel(NEAR_EDGE), pixel(500.0))

# Name, the dark pixels shown, and whether plotdots.py must accept them.
CASES = [
    ("the reference itself", REFERENCE, True),
    ("the near-edge dot one pixel right", REFERENCE - {EDGE_DOT} | {(EDGE_DOT[0] + 1, EDGE_DOT[1])}, True),
    ("the near-edge dot one pixel down", REFERENCE - {EDGE_DOT} | {(EDGE_DOT[0], EDGE_DOT[1] + 1)}, False),
    ("a dot in the middle of a pixel moved", REFERENCE - {(10, 20)} | {(9, 20)}, False),
    ("a dot missing", REFERENCE - {(10, 20)}, False),
    ("a stray dot", REFERENCE | {(0, 0)}, False),
    ("an empty plot", set(), False),
]


def write_ppm(path, dark):
    pixels = bytearray(b"\xff" * 3 * SIZE * SIZE)
    for x, y in dark:
        pixels[3 * (y * SIZE + x):3 * (y * SIZE + x) + 3] = b"\0\0\0"
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (SIZE, SIZE) + bytes(pixels))


def main():
    failed = 0
    with tempfile.TemporaryDirectory() as work:
        reference = os.path.join(work, "dots.txt")
        with open(reference, "w") as f:
            f.write("pair 1 1\n" + "".join(f"{x!r} {y!r}\n" for x, y in DOTS))
        for name, dark, accepted in CASES:
            shot = os.path.join(work, "plot.ppm")
            write_ppm(shot, dark)
            result = subprocess.run([sys.executable, os.path.join(HERE, "plotdots.py"), shot, reference, "1", "1"],
                                    capture_output=True, text=True)
            if (result.returncode == 0) != accepted:
                failed += 1
                print(f"FAIL {name}: {'refused' if accepted else 'accepted'}\n{result.stdout}")
    print(f"{len(CASES) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
