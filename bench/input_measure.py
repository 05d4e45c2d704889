"""The close-up's input, measured from outside while a generator of its own plays into
the loop: 1 : 1 at 300 Hz, half of full scale, switched between a circle (x 90°
ahead of y) and a diagonal line (x and y together), whose trace crosses the square's
centre where the circle leaves it blank.
 - input to screen: from the time the line's first sample is due (the generator writes
   it a little ahead of the clock, as a sound card's buffer would hold it) to
   the first look at the screen with ink at the centre, median of 10;
 - the share of one core the program spends over 10 s with its input on, full screen.
    python3 input_measure.py KORVANA_PID VIEW_WINDOW"""
import ctypes
import ctypes.util
import math
import statistics
import subprocess
import sys
import threading
import time

from process_cpu import cpu_percent

RATE = 48000
HERTZ = 300
LEVEL = 0.5
# Written ahead of the clock in blocks of 5 ms, a little ahead, as a generator would.
BLOCK = RATE // 200
AHEAD = 0.02
# A pixel this dark is the trace's ink.
INK = 160


class Generator:
    """pacat fed in real time with either figure; switch() says when the new one began."""

    def __init__(self):
        self.pacat = subprocess.Popen(
            ["pacat", "--device=korvana_null", "--raw", "--format=s16le", "--channels=2", f"--rate={RATE}",
             "--latency-msec=10"], stdin=subprocess.PIPE)
        self.line = False
        self.switched = None
        self.lock = threading.Lock()
        threading.Thread(target=self.play, daemon=True).start()

    def block(self, first, line):
        frames = bytearray()
        for n in range(first, first + BLOCK):
            angle = 2 * math.pi * HERTZ * n / RATE
            x = math.sin(angle) if line else math.cos(angle)
            for value in (x, math.sin(angle)):
                frames += int(32767 * LEVEL * value).to_bytes(2, "little", signed=True)
        return bytes(frames)

    def play(self):
        start, written = time.monotonic(), 0
        while True:
            with self.lock:
                line = self.line
                # When the first frame of the new figure is due, as at a generator's jack.
                if self.switched == 0:
                    self.switched = start + written / RATE
            self.pacat.stdin.write(self.block(written, line))
            self.pacat.stdin.flush()
            written += BLOCK
            wait = start + written / RATE - AHEAD - time.monotonic()
            if wait > 0:
                time.sleep(wait)

    def switch(self, line):
        with self.lock:
            self.line, self.switched = line, 0

    def began(self):
        while True:
            with self.lock:
                if self.switched:
                    return self.switched
            time.sleep(0.001)


class XImage(ctypes.Structure):
    """Xlib's XImage, as far as its functions: the first of them destroys it."""
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong), ("obdata", ctypes.c_void_p),
                ("destroy", ctypes.c_void_p)]


class Screen:
    """Pixels read straight from the X server through Xlib, a millisecond a look,
    where a screenshot tool would take tens."""

    def __init__(self):
        self.x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.c_void_p
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                       ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XGetPixel.restype = ctypes.c_ulong
        self.x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("input_measure: no X display")
        self.root = self.x11.XDefaultRootWindow(self.display)

    def darkest(self, x, y, side):
        """The darkest grey of a small square of the screen."""
        all_planes, z_pixmap = 0xFFFFFFFF, 2
        image = self.x11.XGetImage(self.display, self.root, x, y, side, side, all_planes, z_pixmap)
        darkest = 255
        for dy in range(side):
            for dx in range(side):
                pixel = self.x11.XGetPixel(image, dx, dy)
                darkest = min(darkest, ((pixel >> 16 & 255) + (pixel >> 8 & 255) + (pixel & 255)) // 3)
        # The image's own destroy function, the first of its functions, frees it.
        ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)(ctypes.cast(image, ctypes.POINTER(XImage)).contents.destroy)(image)
        return darkest


def square_centre(window):
    """The centre of the trace's square, found by its grey frame in a screenshot, above
    the controls, whose boxes may be drawn in the same grey."""
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    width, height = map(int, subprocess.run(["xdotool", "getdisplaygeometry"], check=True, capture_output=True,
                                            text=True).stdout.split())
    grey = bytes((128, 128, 128))
    xs, ys = [], []
    for at in range(0, 3 * width * (height * 2 // 3), 3 * 7):
        if raw[at:at + 3] == grey:
            xs.append(at // 3 % width)
            ys.append(at // 3 // width)
    if not xs:
        sys.exit("input_measure: no square on the screen")
    return (min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2


def main():
    pid, window = int(sys.argv[1]), sys.argv[2]
    generator = Generator()
    screen = Screen()
    subprocess.run(["xdotool", "key", "F8"], check=True)
    time.sleep(1.5)
    x, y = square_centre(window)
    times = []
    for _ in range(10):
        generator.switch(False)
        time.sleep(0.5)
        if screen.darkest(x - 2, y - 2, 5) < INK:
            sys.exit("input_measure: the circle's trace is not clear of the centre")
        generator.switch(True)
        began = generator.began()
        deadline = began + 2
        while True:
            asked = time.monotonic()
            if screen.darkest(x - 2, y - 2, 5) < INK:
                break
            if asked > deadline:
                sys.exit("input_measure: the line's trace never reached the centre")
        times.append(1000 * ((asked + time.monotonic()) / 2 - began))
    print(f"input to screen ms: {statistics.median(times):.0f}")
    print(f"input cpu %: {cpu_percent(pid, 10):.1f}")


main()
