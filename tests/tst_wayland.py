"""Korvana as a native Wayland client: under weston, headless, with Qt's wayland
platform. Headless weston has no input devices, so the buttons are pressed through
their AT-SPI actions; weston-screenshooter shows what the compositor shows.

Run by ctest. Arguments: the korvana program, the application id, and the file of
reference dots."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

import referencedots
from waiting import stop, wait_for

KORVANA, APP_ID, REFERENCE_DOTS = sys.argv[1:4]
PLOT_SIZE = 209  # the plot area's inside, in pixels
SOCKET = "korvana-test"


class Screen:
    """The compositor's output, one fresh folder a shot."""

    def __init__(self, folder):
        self.folder = folder
        self.shots = 0

    def shoot(self):
        self.shots += 1
        folder = os.path.join(self.folder, f"shot{self.shots}")
        os.mkdir(folder)
        subprocess.run(["weston-screenshooter"], cwd=folder, check=True, timeout=10,
                       env=dict(os.environ, WAYLAND_DISPLAY=SOCKET))
        (name,) = os.listdir(folder)
        path = os.path.join(folder, name)
        width, height = map(int, subprocess.run(["identify", "-format", "%w %h", path], check=True,
                                                capture_output=True, text=True).stdout.split())
        pixels = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
        return width, height, pixels


def white(pixels, width, x, y):
    offset = 3 * (y * width + x)
    return pixels[offset:offset + 3] == b"\xff\xff\xff"


def find_empty_plot(shot):
    """The top-left pixel inside the empty plot area, if the screen shows one: a white
    square of its size, whose sunken frame is dark on the left and top and light on
    the right and bottom."""
    width, height, pixels = shot
    runs = {}
    for y in range(height):
        x = 0
        while x < width:
            if white(pixels, width, x, y):
                start = x
                while x < width and white(pixels, width, x, y):
                    x += 1
                if PLOT_SIZE <= x - start <= PLOT_SIZE + 2:
                    runs.setdefault(start, []).append(y)
            x += 1
    for x, rows in runs.items():
        for top in rows:
            if all(top + dy in rows for dy in range(PLOT_SIZE)):
                return x, top
    return None


def dark_pixels(shot, left, top):
    width, _, pixels = shot
    return {(x, y) for y in range(PLOT_SIZE) for x in range(PLOT_SIZE)
            if not white(pixels, width, left + x, top + y)}


def run(home):
    runtime = os.path.join(home, "run")
    os.mkdir(runtime, 0o700)
    os.environ["XDG_RUNTIME_DIR"] = runtime
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
                               "--width=800", "--height=600", f"--socket={SOCKET}"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    korvana = None
    try:
        assert wait_for(lambda: os.path.exists(os.path.join(runtime, SOCKET))), "weston did not start"
        # The accessibility bus runs before the program, as on a desktop; pyatspi
        # finds it through the environment it is first imported in.
        global pyatspi
        import pyatspi
        desktop = pyatspi.Registry.getDesktop(0)
        protocol = os.path.join(home, "wayland.log")
        with open(protocol, "w") as log:
            korvana = subprocess.Popen([KORVANA], stderr=log, env=dict(
                os.environ, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=SOCKET, WAYLAND_DEBUG="client",
                QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        check(desktop, protocol, Screen(home))
    finally:
        for process in (korvana, weston, bus):
            stop(process)


def check(desktop, protocol, screen):
    application = wait_for(lambda: next((a for a in desktop if a is not None and a.name == "Korvana"), None))
    assert application, "Korvana is not on the accessibility bus"
    window = wait_for(lambda: application.getChildCount() and application[0])
    assert window.name == "Korvana - измерване на честота", window.name
    buttons = {button.name: button for button in pyatspi.findAllDescendants(
        window, lambda node: node.getRole() == pyatspi.ROLE_PUSH_BUTTON)}
    # Minimise and close above the window's own two buttons; nothing to maximise.
    assert sorted(buttons) == ["Затвори", "Изведи", "Изчисти", "Минимизирай"], sorted(buttons)

    # To the compositor, a window of one fixed size: the title bar and the client area.
    with open(protocol, encoding="utf-8", errors="replace") as file:
        requests = file.read()
    sizes = {request: re.findall(rf"xdg_toplevel@\d+\.{request}\((\d+), (\d+)\)", requests)
             for request in ("set_min_size", "set_max_size")}
    geometry = re.findall(r"xdg_surface@\d+\.set_window_geometry\(0, 0, (\d+), (\d+)\)", requests)
    assert geometry and sizes["set_min_size"][-1] == sizes["set_max_size"][-1] == geometry[-1], (sizes, geometry)
    width, height = map(int, geometry[-1])
    assert width == 466 and 424 < height < 424 + 60, geometry[-1]
    assert f'set_app_id("{APP_ID}")' in requests
    assert 'set_title("https://korvana.example Korvana - измерване на честота")' in requests

    # Drawing and clearing, as the compositor shows them.
    plot = wait_for(lambda: find_empty_plot(screen.shoot()))
    assert plot, "no empty plot area on the screen"
    left, top = plot
    buttons["Изведи"].queryAction().doAction(0)
    figure = referencedots.dots(REFERENCE_DOTS, 1, 3)
    drawn = wait_for(lambda: not referencedots.differences(dark_pixels(screen.shoot(), left, top), figure, PLOT_SIZE))
    assert drawn, "\n".join(referencedots.differences(dark_pixels(screen.shoot(), left, top), figure, PLOT_SIZE))
    buttons["Изчисти"].queryAction().doAction(0)
    assert wait_for(lambda: not dark_pixels(screen.shoot(), left, top)), "the plot area was not cleared"


def main():
    home = tempfile.mkdtemp(prefix="korvana-wayland-")
    try:
        run(home)
    except AssertionError as failure:
        print(f"FAIL: {failure}")
        print("0 passed, 1 failed")
        return 1
    finally:
        shutil.rmtree(home, ignore_errors=True)
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
