#!/usr/bin/env python3
"""Times a player's first run: a fresh clone of the repository, its
scripts/run (the configure, the build and the start) until the game's main
window is mapped on a private Xvfb, with ccache disabled so every file is
compiled. Also prints how many files were compiled and linked, and the load
average, since the machine may be shared.
Usage: first-run.py [REPOSITORY]   (default: the one this file is in)
"""
import os
import subprocess
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "..", "tests", "support"))
import xdesk  # noqa: E402


def main(repository):
    with tempfile.TemporaryDirectory(prefix="mirel-first-run-") as scratch:
        clone = os.path.join(scratch, "clone")
        subprocess.run(["git", "clone", "-q", repository, clone], check=True)
        log_path = os.path.join(scratch, "run.log")
        desktop = xdesk.Desktop(extra_env={"CCACHE_DISABLE": "1"})
        load_before = os.getloadavg()[0]
        with open(log_path, "wb") as log:
            started = time.monotonic()
            run = subprocess.Popen([os.path.join(clone, "scripts", "run")], cwd=scratch, env=desktop.env,
                                   stdout=log, stderr=log)
        try:
            while not desktop.viewable(xdesk.TITLE):
                if run.poll() is not None:
                    with open(log_path, errors="replace") as f:
                        sys.exit(f"scripts/run ended with {run.returncode}:\n{f.read()[-3000:]}")
                time.sleep(0.05)
            seconds = time.monotonic() - started
        finally:
            if run.poll() is None:
                run.kill()
            run.wait()
            desktop.close()
        with open(log_path, errors="replace") as f:
            text = f.read()
        print(f"clone to mapped window: {seconds:.1f} s; compiled {text.count('Building C')} files, "
              f"linked {text.count('Linking ')}; load average {load_before:.1f} before, {os.getloadavg()[0]:.1f} after")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", ".."))
