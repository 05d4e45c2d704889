#!/usr/bin/env python3
"""Compares two WAV files, the Windows build's and the Linux build's tones: the same
format and length, and samples that differ by at most one step, which a last-bit
difference of the two C libraries' sin may tip across a rounding. Prints how many
samples differ and by how much; exits 1 where they are not the same.
Usage: same_samples.py WINDOWS.wav LINUX.wav"""
import array
import sys
import wave


def read(path):
    with wave.open(path, "rb") as file:
        layout = (file.getnchannels(), file.getsampwidth(), file.getframerate(), file.getnframes())
        samples = array.array("h", file.readframes(file.getnframes()))
    if sys.byteorder == "big":
        samples.byteswap()
    return layout, samples


def main(windows_path, linux_path):
    windows, windows_samples = read(windows_path)
    linux, linux_samples = read(linux_path)
    print("channels, bytes a sample, rate, frames: Windows %s, Linux %s" % (windows, linux))
    if windows != linux or windows[1] != 2:
        return 1
    differences = [abs(w - l) for w, l in zip(windows_samples, linux_samples) if w != l]
    largest = max(differences, default=0)
    print("%d of %d samples differ, by at most %d" % (len(differences), len(linux_samples), largest))
    return 0 if largest <= 1 else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
