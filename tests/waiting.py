"""Waiting for a program that changes as it handles events: the tests' one way to wait."""
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
