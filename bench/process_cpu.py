"""A process's share of one core, from /proc: what the close-up's measurements report."""
import os
import time


def cpu_percent(pid, seconds):
    """The share of one core, in per cent, the process spends over so many seconds."""
    def ticks():
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])
    before = ticks()
    time.sleep(seconds)
    return 100 * (ticks() - before) / os.sysconf("SC_CLK_TCK") / seconds
