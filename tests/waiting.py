"""Waiting in the tests: for a program that changes as it handles events, and for
a process to end."""
import subprocess
import time


def wait_for(condition, seconds=10):
    """Polls the condition until it holds or the time is up; returns its last value."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return condition()


def stop(process):
    """Ends a started process, killing it if it does not end within five seconds."""
    if process is None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
