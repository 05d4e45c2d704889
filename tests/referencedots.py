"""The dots of tests/data/reference-dots.txt, computed apart from the program, the pixel
each fills on a plot area of a given inner size, 1000 units a side (the floor of the
single-precision unit times size / 1000, from the inner top-left corner), and how a
picture of the plot area's dark pixels differs from them.

As a program, it compares a screenshot of the plot area's inside, a square of raw
8-bit RGB, with the figure (a, b) and says how they differ:
    referencedots.py PLOT.rgb REFERENCE-DOTS A B"""
import math
import struct
import sys

SAID_AT_MOST = 20  # differences named, of each kind


def dots(path, a, b):
    """The 2001 dots of the figure (a, b), in single precision, in the order of t."""
    found, in_pair = [], False
    with open(path) as file:
        for line in file:
            if line.startswith("pair "):
                in_pair = line.split() == ["pair", str(a), str(b)]
            elif in_pair:
                found.append(tuple(struct.unpack("f", struct.pack("f", float(v)))[0] for v in line.split()))
    # Without it, a blank plot would match a figure the file does not hold.
    if len(found) != 2001:
        raise ValueError(f"{path} holds no figure ({a}, {b})")
    return found


def pixel(dot, size):
    return tuple(math.floor(v * size / 1000) for v in dot)


def differences(shown, figure, size):
    """Nothing where the dark pixels are exactly the figure's; otherwise lines naming
    each dot whose pixel is not dark and how close it lies to that pixel's edge (only
    a dot a hair from an edge can be tipped across it by a last-bit difference in
    sin()), and the dark pixels that hold no dot."""
    expected = {pixel(dot, size) for dot in figure}
    if shown == expected:
        return []
    lost = [(t, dot, pixel(dot, size)) for t, dot in enumerate(figure) if pixel(dot, size) not in shown]
    lines = [f"dot t={t} at {dot} belongs on pixel {p}, "
             f"{min(min(v * size / 1000 - i, i + 1 - v * size / 1000) for v, i in zip(dot, p)):.1e} px inside its edge"
             for t, dot, p in lost[:SAID_AT_MOST]]
    return lines + [f"{len(lost)} dots not shown; dark without a dot: {sorted(shown - expected)[:SAID_AT_MOST]}"]


def dark_pixels(path):
    with open(path, "rb") as file:
        data = file.read()
    size = math.isqrt(len(data) // 3)
    return size, {(i % size, i // size) for i in range(size * size) if sum(data[3 * i:3 * i + 3]) < 3 * 128}


if __name__ == "__main__":
    shot, reference, a, b = sys.argv[1:5]
    size, shown = dark_pixels(shot)
    said = differences(shown, dots(reference, a, b), size)
    print("\n".join(said) or f"({a}, {b}): the 2001 dots fill the same pixels as the reference")
    sys.exit(1 if said else 0)
