"""The close-up's sound, measured from a recording of the null sink's monitor while
xdotool works the view as a teacher would (F9 the sound, Space the drift, Alt+т the
oscillations). Each recorded block carries the time it arrived, so a key's effect is
timed from the key to the block that first shows it:
 - start: F9 to the first sound, median of 10;
 - change: Space (the drift's first step of the phase) to the first sample off the
   tone that stood before, median of 10;
 - gaps in 60 s of drift with the oscillations shown: a jump of the right channel's
   phase (which the drift leaves alone) or a silent stretch over 2 ms;
 - the share of one core the program spends over 10 s more with the sound than without.
    python3 sound_measure.py KORVANA_PID"""
import math
import os
import statistics
import subprocess
import sys
import threading
import time

from process_cpu import cpu_percent

RATE = 48000
LEFT_HZ, RIGHT_HZ = 19 * 220, 18 * 220
# Windows that hold whole turns of the tone fitted: 50 ms of the left one (209), 25 ms
# of the right one (99), and what counts as a gap: a phase off by 5° or a level down
# by 4 % (a window with 1 ms of silence), or 2 ms of silence.
LEFT_WINDOW = RATE // 20
RIGHT_WINDOW = RATE // 40
SILENT_FRAMES = RATE * 2 // 1000
PHASE_JUMP_DEGREES = 5
LEVEL = 10 ** (-6 / 20)
LOWEST_LEVEL = 0.96 * LEVEL
# A sample this far off the standing tone (of full scale) shows a change.
CHANGE_THRESHOLD = 0.003


class Recorder:
    """parec in a thread: the frames so far, and when each block of them arrived."""

    def __init__(self):
        self.left, self.right, self.arrivals = [], [], []
        self.lock = threading.Lock()
        self.parec = subprocess.Popen(
            ["parec", "--device=korvana_null.monitor", "--raw", "--format=s16le", "--channels=2",
             f"--rate={RATE}", "--latency-msec=5"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        pending = b""
        while chunk := os.read(self.parec.stdout.fileno(), 4096):
            now = time.monotonic()
            pending += chunk
            whole = len(pending) // 4 * 4
            samples = memoryview(pending[:whole]).cast("h")
            with self.lock:
                self.left.extend(v / 32768 for v in samples[0::2])
                self.right.extend(v / 32768 for v in samples[1::2])
                self.arrivals.append((len(self.left), now))
            pending = pending[whole:]

    def frames(self):
        with self.lock:
            return len(self.left)

    def arrival(self, frame):
        """When the block holding that frame arrived."""
        with self.lock:
            return next(t for count, t in self.arrivals if count > frame)

    def wait_for(self, frames):
        deadline = time.monotonic() + (frames - self.frames()) / RATE + 10
        while self.frames() < frames:
            if time.monotonic() > deadline:
                sys.exit(f"sound_measure: the recording stopped at {self.frames()} frames, {frames} asked")
            time.sleep(0.005)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)
    return time.monotonic()


def fit(samples, first, hertz, window):
    """Amplitude and phase (degrees) of a tone of known frequency over a window."""
    s = c = 0.0
    for n in range(first, first + window):
        angle = 2 * math.pi * hertz * n / RATE
        s += samples[n] * math.sin(angle)
        c += samples[n] * math.cos(angle)
    return 2 * math.hypot(s, c) / window, math.degrees(math.atan2(c, s))


def first_after(recorder, pressed, test):
    """Milliseconds from a key to the first recorded frame after it that passes test."""
    frame = recorder.frames()
    deadline = time.monotonic() + 2
    while time.monotonic() < deadline:
        end = recorder.frames()
        for n in range(frame, end):
            if test(n):
                return 1000 * (recorder.arrival(n) - pressed)
        frame = end
        time.sleep(0.005)
    sys.exit("sound_measure: a key changed nothing heard within 2 s")


def start_times(recorder):
    times = []
    for _ in range(10):
        pressed = key("F9")
        times.append(first_after(recorder, pressed, lambda n: recorder.right[n] != 0))
        time.sleep(0.3)
        key("F9")
        time.sleep(0.3)
    return times


def change_times(recorder):
    key("F9")
    times = []
    for _ in range(10):
        time.sleep(0.5)
        # The standing tone, fitted over the last window, foretells every sample after.
        end = recorder.frames()
        amplitude, phase = fit(recorder.left, end - LEFT_WINDOW, LEFT_HZ, LEFT_WINDOW)
        expected = lambda n: amplitude * math.sin(2 * math.pi * LEFT_HZ * n / RATE + math.radians(phase))
        pressed = key("space")
        times.append(first_after(recorder, pressed,
                                 lambda n: abs(recorder.left[n] - expected(n)) > CHANGE_THRESHOLD))
        time.sleep(0.2)
        key("space")
    return times


def gaps(recorder, seconds):
    key("alt+Cyrillic_te")
    key("space")
    time.sleep(1)
    first = recorder.frames()
    recorder.wait_for(first + seconds * RATE)
    count, silent, last_phase = 0, 0, None
    for start in range(first, first + seconds * RATE - RIGHT_WINDOW, RIGHT_WINDOW):
        amplitude, phase = fit(recorder.right, start, RIGHT_HZ, RIGHT_WINDOW)
        jumped = last_phase is not None and abs((phase - last_phase + 180) % 360 - 180) > PHASE_JUMP_DEGREES
        count += jumped or amplitude < LOWEST_LEVEL
        last_phase = phase
    for n in range(first, first + seconds * RATE):
        silent = silent + 1 if recorder.left[n] == 0 and recorder.right[n] == 0 else 0
        count += silent == SILENT_FRAMES
    key("space")
    return count


def main():
    pid = int(sys.argv[1])
    recorder = Recorder()
    recorder.wait_for(RATE // 10)
    starts = start_times(recorder)
    changes = change_times(recorder)
    found = gaps(recorder, 60)
    key("alt+Cyrillic_te")
    playing = cpu_percent(pid, 10)
    key("F9")
    time.sleep(0.5)
    still = cpu_percent(pid, 10)
    print(f"sound start ms: {statistics.median(starts):.0f}")
    print(f"sound change ms: {statistics.median(changes):.0f}")
    print(f"sound gaps: {found} in 60 s")
    print(f"sound cpu %: {max(0.0, playing - still):.1f}")


main()
