#!/usr/bin/env python3
"""Start-up time of mirel under Xvfb, beside the minimal Qt program.

Starts mirel and the minimal Qt program (bench/startup/minimal_window.cpp, a
620 x 544 window and an OpenAL device) in turn, each RUNS times, and takes the
time from the process start to its main window being mapped (viewable),
polling with xwininfo. Prints the medians and their ratio.
Usage: measure-startup.py BUILD_DIR [RUNS]
With MIREL_RUNNER=wine (and WINEPREFIX) it measures mirel.exe beside
minimal_win32.cpp's program in a Windows build directory instead.
"""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "support"))
import xdesk  # noqa: E402


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    with xdesk.Desktop() as desktop, xdesk.scratch("mirel-bench-") as work:
        times = {"mirel": [], "minimal": []}
        for _ in range(runs):
            for name, program, title in xdesk.programs(build):
                elapsed, game = desktop.time_to_map(program, title, work)
                times[name].append(elapsed)
                game.kill()
        m, q = statistics.median(times["mirel"]), statistics.median(times["minimal"])
        target = "1.5, under Wine" if os.environ.get("MIREL_RUNNER") else "1.25"
        print(f"time to mapped window, median of {runs}: mirel {m * 1000:.1f} ms, "
              f"minimal {q * 1000:.1f} ms, ratio {m / q:.2f} (target < {target})")


if __name__ == "__main__":
    main()
