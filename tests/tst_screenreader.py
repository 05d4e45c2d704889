"""Korvana as a blind student meets it: Orca, the screen reader, listens on the
accessibility bus while keys are pressed as a person would, and what Orca speaks is
read back from its debug log. Speech goes through speech-dispatcher to a module that
writes the text to a file, with sound sent to ALSA's null device.

Run by ctest inside a private D-Bus session and Xvfb. Arguments: the korvana program,
and the language Orca speaks in ("en" or "bg")."""
import fcntl
import os
import re
import subprocess
import sys
import tempfile

from waiting import stop, wait_for

KORVANA, LANGUAGE = sys.argv[1:3]
PATIENCE = 15  # seconds for Orca to speak after a key
# Orca's own start, its Python and its speech server, is slower, most of all on a
# machine busy with a sanitizer's build.
STARTING_PATIENCE = 60

SPEECH_DISPATCHER = """\
AudioOutputMethod "alsa"
AddModule "written" "sd_generic" "written.conf"
DefaultModule written
"""
# The module "speaks" by appending the text to a file; without the language lines
# the generic module would pass Cyrillic on in Latin-1.
WRITTEN_MODULE = """\
GenericExecuteSynth "printf '%s\\\\n' \\'$DATA\\' >> {spoken}"
AddVoice "en" "male1" "written"
AddVoice "bg" "male1" "written"
GenericLanguage "en" "english" "utf-8"
GenericLanguage "bg" "bulgarian" "utf-8"
"""


def matches(expected, utterance):
    if len(expected) > 3:
        return expected in utterance
    return utterance.rstrip(".") == expected


class Session:
    """Orca, speech-dispatcher and Korvana in a private home."""

    def __init__(self, home):
        self.home = home
        self.log = os.path.join(home, "orca.log")
        self.spoken = os.path.join(home, "spoken.txt")
        self.env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/config",
                        XDG_DATA_HOME=f"{home}/data", XDG_CACHE_HOME=f"{home}/cache",
                        XDG_RUNTIME_DIR=f"{home}/run")
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        if LANGUAGE == "bg":
            self.env.update(LANG="bg_BG.UTF-8", LANGUAGE="bg", LOCPATH=f"{home}/locale")
            os.makedirs(f"{home}/locale")
            subprocess.run(["localedef", "-i", "bg_BG", "-f", "UTF-8", f"{home}/locale/bg_BG.UTF-8"],
                           check=True)
        else:
            self.env.update(LANG="C.UTF-8", LANGUAGE="en")
        self.write("run/.keep", "")
        os.chmod(f"{home}/run", 0o700)
        self.write(".asoundrc", "pcm.!default { type null }\n")
        # A Pictures folder that nothing can be written to, where saving proposes.
        self.write("config/user-dirs.dirs", 'XDG_PICTURES_DIR="/proc/sys"\n')
        self.write("config/speech-dispatcher/speechd.conf", SPEECH_DISPATCHER)
        self.write("config/speech-dispatcher/modules/written.conf", WRITTEN_MODULE.format(spoken=self.spoken))
        # Orca writes its debug log in blocks; this makes it write each line at once.
        self.write("orca/orca-customizations.py",
                   "import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)\n")
        self.read_from = 0
        self.orca = subprocess.Popen(["orca", "-d", "braille", "-u", f"{home}/orca", "--debug-file", self.log],
                                     env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.korvana = None

    def write(self, name, text):
        path = os.path.join(self.home, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as file:
            file.write(text)

    def speech(self):
        """Everything Orca has spoken so far, one utterance a line."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as file:
                text = file.read()
        except FileNotFoundError:
            return []
        # Each line ends in the voice Orca used: a dictionary, or None. The log
        # indents the further lines of an utterance.
        utterances = re.findall(r"SPEECH OUTPUT: '(.*?)'(?: voice=\S+)? ?(?:\{|None$)", text, re.S | re.M)
        return [" ".join(utterance.split()) for utterance in utterances]

    def heard_since_last_step(self, expected):
        """The utterances since the last step, up to the one that says the last
        expected text, and how many of the texts they say, in order."""
        heard = self.speech()[self.read_from:]
        found = 0
        for index, utterance in enumerate(heard):
            if matches(expected[found], utterance):
                found += 1
                if found == len(expected):
                    return heard[:index + 1], found
        return heard, found

    def hear(self, *expected, patience=PATIENCE):
        """Waits until Orca has spoken each expected text, in order, since the last
        call. Orca adds its own words (a role, a full stop), so a text matches an
        utterance that contains it; a text of a few letters must be all of it."""
        wait_for(lambda: self.heard_since_last_step(expected)[1] == len(expected), patience)
        heard, found = self.heard_since_last_step(expected)
        if found < len(expected):
            raise AssertionError(f"Orca did not say {expected[found]!r}; it said {heard}")
        self.read_from += len(heard)
        return heard

    def keys(self, *keys):
        for key in keys:
            if key == REFOCUS:
                # With no window manager, a window that closes takes the keyboard
                # with it; a user's desktop gives it back to the main window.
                subprocess.run(["xdotool", "windowfocus", "--sync", self.window], check=True, timeout=PATIENCE)
                continue
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True, env=self.env)

    def start_korvana(self):
        self.korvana = subprocess.Popen([KORVANA], env=self.env)
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Korvana"],
                                check=True, capture_output=True, text=True, timeout=PATIENCE).stdout.split()[0]
        # There is no window manager to give the window the keyboard.
        self.window = window
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=PATIENCE)

    def close(self):
        for process in (self.korvana, self.orca):
            stop(process)


DRAWN = "Фигура на Лисажу за a = 2 и b = 3; допирания: горе 1 и половина, отстрани 1"
# Not a key: gives the keyboard back to the main window.
REFOCUS = "refocus"

# The exercise, as keys pressed and what Orca must say after them, in order.
STEPS = [
    (["Tab"], ["Фигура на Лисажу", "Няма начертана фигура"]),
    # Entering a list names it, then its selected item; an arrow key selects.
    (["Tab"], ["X", "1"]),
    (["Down"], ["2"]),
    (["Tab"], ["Y", "3"]),
    (["Tab"], ["Изведи"]),
    (["space"], [DRAWN]),
    (["Tab"], ["Изчисти"]),
    (["space"], ["Няма начертана фигура"]),
    # Drawn again, a failed save: back to the plot area, its menu, then the file
    # dialog's proposal, in a Pictures folder that cannot be written to.
    (["shift+Tab"], ["Изведи"]),
    (["space"], [DRAWN]),
    # The close-up, from the plot area: its values, and the phase changed from the
    # keys, heard as the figure it makes.
    (["shift+Tab", "shift+Tab", "shift+Tab"], ["Фигура на Лисажу"]),
    (["Return"], ["Честота a"]),
    (["Tab", "Tab"], ["Фазова разлика"]),
    (["Down"], ["Фигура на Лисажу за a = 2 и b = 3 при фазова разлика 85°; допирания: горе 3, отстрани 2"]),
    (["Escape"], ["escape"]),
    # Closed, it leaves the keyboard where it was: on the plot area.
    ([REFOCUS], ["Korvana - измерване на честота", "Фигура на Лисажу"]),
    (["Menu", "Up"], ["Запази картината като"]),
    (["Return"], ["Име на файла"]),
    (["Return"], ["Картината не беше записана във файла /proc/sys/lissajous-a2-b3.png"]),
]


def exercise(session):
    session.hear("Screen reader on." if LANGUAGE == "en" else "Екранният четец е включен", patience=STARTING_PATIENCE)
    session.start_korvana()
    heard = session.hear("Korvana - измерване на честота", "Помощ")
    assert not any("https://" in utterance for utterance in heard), heard
    for keys, expected in STEPS:
        session.keys(*keys)
        session.hear(*expected)

    # The words reached the speech synthesizer too, not only Orca's log.
    with open(session.spoken, encoding="utf-8") as file:
        synthesized = file.read()
    assert DRAWN in synthesized, synthesized


def main():
    # Only one Orca runs for a user at a time.
    lock = open(os.path.join(tempfile.gettempdir(), f"korvana-orca-{os.getuid()}.lock"), "w")
    fcntl.flock(lock, fcntl.LOCK_EX)
    with tempfile.TemporaryDirectory(prefix="korvana-orca-") as home:
        session = Session(home)
        try:
            exercise(session)
        except AssertionError as failure:
            print(f"FAIL: {failure}")
            print("0 passed, 1 failed")
            return 1
        finally:
            session.close()
            for utterance in session.speech():
                print(f"  {utterance}")
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
