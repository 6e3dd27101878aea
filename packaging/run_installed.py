#!/usr/bin/env python3
"""Starts an installed game through PREFIX/bin/mirel on a private X server,
from a fresh working directory and with no library path set, and checks that
it finds its asset library by its own real path (the main window opens, not
the "Library Error" box), ends with exit code 0 on Ctrl+Q and leaves its
config.ini in the directory it was started from.
Usage: run_installed.py PREFIX
"""
import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
import xdesk  # noqa: E402


def main(prefix):
    desktop = xdesk.Desktop()
    try:
        with tempfile.TemporaryDirectory(prefix="mirel-installed-") as work:
            game = xdesk.Game(desktop, os.path.join(prefix, "bin", "mirel"), work)
            wid = desktop.find_window(xdesk.TITLE, timeout=30)
            if wid is None:
                game.kill()
                return f"no main window; shown: {desktop.visible_titles()}; {game.errors()}"
            desktop.press(wid, "ctrl+q")
            code = game.wait(timeout=10)
            if code != 0:
                return f"exit code {code}"
            if not os.path.getsize(os.path.join(work, "config.ini")):
                return "no config.ini in the working directory"
    finally:
        desktop.close()
    return None


if __name__ == "__main__":
    problem = main(sys.argv[1])
    if problem:
        print(problem)
    sys.exit(1 if problem else 0)
