#!/usr/bin/env python3
"""Memory and idle CPU of mirel under Xvfb, beside the minimal program.

Resident memory (VmRSS) 2 seconds after the start, median of RUNS starts of
mirel and of startup_minimal_qt each; then mirel's CPU time over 10 seconds
with no game, beside startup_minimal_qt_ticking (a window woken every 15 ms,
as mirel's main loop is) running at the same time over the same 10 seconds,
both from 6 seconds after their start, when mirel's sound device has gone to
rest; then mirel's over 10 seconds with a tournament game paused (config.ini
set to a tournament, New and Pause clicked).
Usage: footprint.py BUILD_DIR [RUNS]
"""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "support"))
import board_shots  # noqa: E402
import xdesk  # noqa: E402

TICKING_TITLE = "Minimal Qt Window, ticking"


def idle_cpu(game, seconds=10.0):
    before = xdesk.cpu_seconds(game.proc.pid)
    time.sleep(seconds)
    return (xdesk.cpu_seconds(game.proc.pid) - before) / seconds * 100


def idle_cpu_together(first, second, seconds=10.0):
    """The CPU shares of two programs over the same seconds."""
    before = [xdesk.cpu_seconds(p.proc.pid) for p in (first, second)]
    time.sleep(seconds)
    return [(xdesk.cpu_seconds(p.proc.pid) - b) / seconds * 100 for p, b in zip((first, second), before)]


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    programs = xdesk.programs(build)
    mirel = programs[0][1]
    with xdesk.Desktop() as desktop, xdesk.scratch("mirel-footprint-") as work:
        memory = {"mirel": [], "minimal": []}
        for _ in range(runs):
            for name, program, title in programs:
                _, game = desktop.time_to_map(program, title, work)
                time.sleep(2.0)
                memory[name].append(xdesk.resident_kib(game.proc.pid))
                game.kill()
        m, q = statistics.median(memory["mirel"]), statistics.median(memory["minimal"])
        print(f"resident memory 2 s after start, median of {runs}: mirel {m / 1024:.1f} MiB, "
              f"minimal {q / 1024:.1f} MiB, ratio {m / q:.2f} (target < 1.3)")

        # Under Wine the minimal Win32 program is the one woken every 15 ms.
        ticking, ticking_title = ((programs[1][1], programs[1][2]) if os.environ.get("MIREL_RUNNER") else
                                  (os.path.join(os.path.abspath(build), "startup_minimal_qt_ticking"), TICKING_TITLE))
        if os.path.exists(ticking):
            _, game = desktop.time_to_map(mirel, xdesk.TITLE, work)
            _, minimal = desktop.time_to_map(ticking, ticking_title, work)
            time.sleep(6.0)
            both = idle_cpu_together(game, minimal)
            print(f"idle CPU with no game: {both[0]:.2f} % of one core (target < 1 %), beside the minimal "
                  f"program woken every 15 ms {both[1]:.2f} %, ratio {both[0] / both[1]:.2f} (target <= 1.15)")
            minimal.kill()
        else:
            _, game = desktop.time_to_map(mirel, xdesk.TITLE, work)
            time.sleep(2.0)
            print(f"idle CPU with no game: {idle_cpu(game):.2f} % of one core (target < 1 %)")
        game.kill()

        xdesk.write_config(work, Mode="T", Sound=1)
        _, game = desktop.time_to_map(mirel, xdesk.TITLE, work)
        wid = desktop.find_window(xdesk.TITLE)
        time.sleep(1.0)
        desktop.click_in(wid, *board_shots.NEW_BUTTON, settle=0.5)
        desktop.click_in(wid, *board_shots.PAUSE_BUTTON, settle=0.5)
        desktop.click_in(wid, 100, 100, settle=0.5)           # the pointer off the field and the buttons
        time.sleep(1.0)
        print(f"idle CPU with a tournament game paused: {idle_cpu(game):.2f} % of one core (target < 1 %)")
        game.kill()


if __name__ == "__main__":
    main()
